#include "loanmath/Mortgage.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <math.h>

namespace kelvarin::loanmath {

using X = Extended;

PrepaymentTargetError::PrepaymentTargetError() : std::runtime_error(std::string(Text)) {}

TMortgage::TMortgage(int numPayments, double principal, double annualRate, int paymentsPerYear,
                     int startMonth, int startYear) {
    Initialise(numPayments, principal, annualRate, paymentsPerYear, startMonth, startYear);
}

void TMortgage::Initialise(int numPayments, double principal, double annualRate, int paymentsPerYear,
                           int startMonth, int startYear) {
    m_numPayments = numPayments;
    m_principal = principal;
    m_annualRate = annualRate;
    m_paymentsPerYear = paymentsPerYear;
    m_startMonth = startMonth;
    m_startYear = startYear;
    m_payments.assign(numPayments > 0 ? static_cast<std::size_t>(numPayments) : 0, TPayment{});
    BuildSchedule();
}

void TMortgage::BuildSchedule() {
    m_pendingFrom = kNothingPending;
    BuildAll();
}

void TMortgage::BuildAll() const {
    m_built = false;
    m_periodicRate =
        Held(Div(m_annualRate, m_paymentsPerYear, "schedule: periodic rate"), "schedule: periodic rate");
    m_payment = Cents(LoanPayment(m_numPayments, m_periodicRate, m_principal), "schedule: payment");
    BuildRows(0);
}

void TMortgage::RunPendingBuild() const {
    const std::size_t from = m_pendingFrom;
    // Cleared first: a build that fails leaves the rows as they are until the next setter, as an
    // eager rebuild in SetExtraPayment would have.
    m_pendingFrom = kNothingPending;
    if (m_built)
        BuildRows(from);
    else
        BuildAll();
}

void TMortgage::BuildRows(std::size_t from) const {
    m_built = false;
    const double r = m_periodicRate;
    const TPayment* previous = from == 0 ? nullptr : &m_payments[from - 1];
    double b = previous == nullptr ? m_principal : previous->Balance;
    int month = m_startMonth;
    int year = m_startYear;
    const auto advance = [this](int& m, int& y) {
        // Next calendar month; the year advances from December to January unless it is 0 or less.
        if (m >= 12) {
            m = 1;
            if (m_startYear > 0)
                y = static_cast<int>(static_cast<unsigned>(y) + 1u); // wraps instead of overflowing
        } else {
            ++m;
        }
    };
    if (previous != nullptr) {
        month = previous->Month;
        year = previous->Year;
        advance(month, year);
    }
    for (std::size_t k = from; k < m_payments.size(); ++k) {
        TPayment& row = m_payments[k];
        row.Number = static_cast<std::int32_t>(k + 1);
        row.Month = month;
        row.Year = year;
        if (b == 0) {
            row.Principal = 0;
            row.Interest = 0;
            row.Balance = 0;
        } else {
            const double i = Cents(X(b) * r, "schedule: interest");
            const double t = Held(X(m_payment) - i + row.Prepayment, "schedule: principal");
            row.Principal = t > b ? b : t;
            row.Interest = i;
            b = Held(X(b) - row.Principal, "schedule: balance");
            row.Balance = b;
        }
        if (previous == nullptr) {
            row.TotalPrincipal = row.Principal;
            row.TotalInterest = row.Interest;
        } else {
            row.TotalPrincipal =
                Held(X(previous->TotalPrincipal) + row.Principal, "schedule: total principal");
            row.TotalInterest = Held(X(previous->TotalInterest) + row.Interest, "schedule: total interest");
        }
        previous = &row;
        advance(month, year);
    }
    m_built = true;
}

// The eager rebuild of the setters with a clearing pass, which needs the built rows. A rebuild that
// SetExtraPayment left pending starts at its row or earlier.
void TMortgage::RebuildFrom(std::size_t from) {
    from = std::min(from, m_pendingFrom);
    m_pendingFrom = kNothingPending;
    if (m_built)
        BuildRows(from);
    else
        BuildAll();
}

void TMortgage::ClearIneffectivePrepayments() {
    // A prepayment changed nothing when the row started at balance 0, or when the row without it would
    // have repaid the same principal (the level payment alone already paid the balance off).
    double b = m_principal;
    for (TPayment& row : m_payments) {
        if (row.Prepayment != 0) {
            bool ineffective = b == 0;
            if (!ineffective) {
                const double t = Held(X(m_payment) - row.Interest, "schedule: principal");
                ineffective = (t > b ? b : t) == row.Principal;
            }
            if (ineffective)
                row.Prepayment = 0;
        }
        b = row.Balance;
    }
}

void TMortgage::SetExtraPayment(int k, double amount) {
    if (!Addresses(k))
        throw PrepaymentTargetError();
    const auto at = static_cast<std::size_t>(k - 1);
    double& prepayment = m_payments[at].Prepayment;
    if (m_built && std::bit_cast<std::uint64_t>(prepayment) == std::bit_cast<std::uint64_t>(amount))
        return; // the rebuild would give the same rows
    prepayment = amount;
    m_pendingFrom = std::min(m_pendingFrom, at);
}

void TMortgage::SetExtraPaymentRange(int first, int last, double amount) {
    // Row first is written even when last is below it.
    const int end = last > first ? last : first;
    if (!Addresses(first) || !Addresses(end))
        throw PrepaymentTargetError();
    for (int k = first; k <= end; ++k)
        m_payments[static_cast<std::size_t>(k - 1)].Prepayment = amount;
    RebuildFrom(static_cast<std::size_t>(first - 1));
    ClearIneffectivePrepayments();
}

void TMortgage::SetExtraPaymentsFrom(int first, double amount) {
    if (!Addresses(first))
        throw std::out_of_range("prepayment from payment " + std::to_string(first) +
                                " outside the schedule of " + std::to_string(m_payments.size()) +
                                " payments");
    for (std::size_t k = static_cast<std::size_t>(first - 1); k < m_payments.size(); ++k)
        m_payments[k].Prepayment = amount;
    RebuildFrom(static_cast<std::size_t>(first - 1));
    ClearIneffectivePrepayments();
}

void TMortgage::RemoveExtraPayments() {
    std::size_t first = m_payments.size();
    for (std::size_t k = 0; k < m_payments.size(); ++k) {
        if (std::bit_cast<std::uint64_t>(m_payments[k].Prepayment) != 0) {
            m_payments[k].Prepayment = 0;
            first = std::min(first, k);
        }
    }
    RebuildFrom(first);
}

const TPayment& TMortgage::Row(int k) const {
    Settle();
    if (!Addresses(k))
        throw std::out_of_range("schedule row " + std::to_string(k) + " does not exist");
    return m_payments[static_cast<std::size_t>(k - 1)];
}

namespace {

std::string Cut(std::string text) {
    if (text.size() > 15)
        text.resize(15);
    return text;
}

// Two decimals, halves away from zero on the exact binary value, right-aligned to 12 characters.
std::string AmountText(double x) {
    char buffer[400];
    char* end = buffer;
    // 100 x is exact in the extended type (53 + 7 significant bits), so the tie test below is exact.
    const X scaled = ::fabsl(X(x) * 100);
    if (scaled < 0x1p63L) {
        const X whole = ::floorl(scaled);
        auto cents = static_cast<std::uint64_t>(whole);
        if (scaled - whole >= 0.5L)
            ++cents;
        if (x < 0 && cents != 0)
            *end++ = '-';
        end = std::to_chars(end, buffer + sizeof buffer, cents / 100).ptr;
        *end++ = '.';
        *end++ = static_cast<char>('0' + cents % 100 / 10);
        *end++ = static_cast<char>('0' + cents % 10);
    } else {
        // Beyond 2^63 cents a double has no fraction, so the fixed text is exact.
        end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 2).ptr;
    }
    std::string text(buffer, end);
    if (text.size() < 12)
        text.insert(0, 12 - text.size(), ' ');
    return text;
}

} // namespace

std::array<std::string, 9> TMortgage::PaymentToStrings(const TPayment& row) {
    return {Cut(std::to_string(row.Number)),    Cut(std::to_string(row.Month)),
            Cut(std::to_string(row.Year)),      Cut(AmountText(row.Principal)),
            Cut(AmountText(row.Interest)),      Cut(AmountText(row.TotalPrincipal)),
            Cut(AmountText(row.TotalInterest)), Cut(AmountText(row.Prepayment)),
            Cut(AmountText(row.Balance))};
}

} // namespace kelvarin::loanmath
