#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::loanmath {

// One schedule row. A new row has every field 0.
struct TPayment {
    std::int32_t Number = 0; // payment number, 1 for the first row
    std::int32_t Month = 0;  // calendar month of the payment
    std::int32_t Year = 0;   // calendar year of the payment
    double Principal = 0;    // principal repaid with this payment, prepayment included
    double Interest = 0;     // interest of the period, in cents
    double TotalPrincipal = 0;
    double TotalInterest = 0;
    double Prepayment = 0; // extra principal paid with this payment
    double Balance = 0;    // loan balance after this payment

    friend bool operator==(const TPayment&, const TPayment&) = default;
};

// The engine's message for a prepayment aimed at a payment the schedule does not have; each line
// break is a line feed followed by a carriage return. The caller shows it in an information box.
inline constexpr std::string_view PrepaymentTargetText =
    "Cannot calculate results of extra payments without new figures.\n\r"
    "\n\r"
    "Please use the edit boxes and radio buttons to\n\r"
    "indicate the amount of your extra payments.";

// Thrown, with what() == PrepaymentTargetText, when a prepayment addresses a payment outside
// 1..NumPayments. The schedule is unchanged then.
class PrepaymentTargetError : public std::runtime_error {
public:
    static constexpr std::string_view Text = PrepaymentTargetText;
    PrepaymentTargetError();
};

// Level-payment schedule with prepayments. Every build is one pass over the rows without allocation:
// Payment = cents(LoanPayment(n, AnnualRate / PaymentsPerYear, Principal)); per row, from balance b,
// interest i = cents(b r) and principal t = Payment - i + Prepayment, or b when t > b; balance and
// totals held as doubles; rows after the payoff are zero apart from their totals and Prepayment.
// A setter rebuilds from the first row it changes: the rows before it would come out the same.
// SetExtraPayment only records that row; the rebuild runs once, at the next read or engine call, so a
// page applying a prepayment to each of its rows builds the schedule once, not once per row.
// Arithmetic faults throw CalcError (the schedule is then partly built; the next setter rebuilds all).
// A rebuild that SetExtraPayment left pending throws it from the read or call that runs it.
class TMortgage {
public:
    // Empty schedule: no rows, every field 0 (so a build before Initialise fails with a 0 / 0 rate).
    TMortgage() = default;

    TMortgage(int numPayments, double principal, double annualRate, int paymentsPerYear, int startMonth,
              int startYear);

    // Stores the loan, replaces the rows by max(numPayments, 0) new rows and builds. annualRate is a
    // fraction (0.0875). Row 1 falls in startMonth of startYear, each later row a month later; with
    // startYear <= 0 the year never changes.
    void Initialise(int numPayments, double principal, double annualRate, int paymentsPerYear, int startMonth,
                    int startYear);

    // Recomputes Payment and every row from the rows' current Prepayment values.
    void BuildSchedule();

    // Row k's Prepayment = amount; the rows are rebuilt before they are next read. Throws
    // PrepaymentTargetError (nothing changed) when k is outside 1..NumPayments.
    void SetExtraPayment(int k, double amount);

    // Rows first..last get Prepayment = amount (first > last: row first alone), rebuild, then the
    // clearing pass: Prepayment = 0 on every row where it changed nothing (the row starts at balance 0,
    // or the level payment alone pays it off), so a rebuild from the rows' prepayments is the same.
    // Throws PrepaymentTargetError (nothing changed) when an addressed row is outside 1..NumPayments.
    void SetExtraPaymentRange(int first, int last, double amount);

    // Rows first..NumPayments get Prepayment = amount, rebuild, clearing pass. Throws std::out_of_range
    // (nothing changed) when first is outside 1..NumPayments.
    void SetExtraPaymentsFrom(int first, double amount);

    // Every row's Prepayment = 0, then rebuild.
    void RemoveExtraPayments();

    // The row's nine fields as texts: Number, Month, Year as decimal integers; the six amounts with two
    // decimals (half away from zero), "." as decimal point, right-aligned to 12 characters; each text
    // cut to at most 15 characters.
    static std::array<std::string, 9> PaymentToStrings(const TPayment& row);

    // Every read first runs a rebuild that SetExtraPayment left pending (which may throw CalcError).
    double Payment() const {
        Settle();
        return m_payment;
    }
    int NumPayments() const {
        Settle();
        return m_numPayments;
    }
    double AnnualRate() const {
        Settle();
        return m_annualRate;
    }
    double Principal() const {
        Settle();
        return m_principal;
    }
    int PaymentsPerYear() const {
        Settle();
        return m_paymentsPerYear;
    }
    int StartMonth() const {
        Settle();
        return m_startMonth;
    }
    int StartYear() const {
        Settle();
        return m_startYear;
    }

    // Row k, 1-based. Throws std::out_of_range outside 1..NumPayments.
    const TPayment& Row(int k) const;
    std::span<const TPayment> Rows() const {
        Settle();
        return m_payments;
    }

private:
    static constexpr std::size_t kNothingPending = static_cast<std::size_t>(-1);

    bool Addresses(int k) const { return k >= 1 && k <= static_cast<int>(m_payments.size()); }
    void Settle() const {
        if (m_pendingFrom != kNothingPending) [[unlikely]]
            RunPendingBuild();
    }
    void RunPendingBuild() const;
    void BuildAll() const;
    void BuildRows(std::size_t from) const;
    void RebuildFrom(std::size_t from);
    void ClearIneffectivePrepayments();

    int m_numPayments = 0;
    int m_paymentsPerYear = 0;
    double m_principal = 0;
    double m_annualRate = 0;
    // The built state is mutable: a read runs the rebuild that SetExtraPayment left pending.
    mutable double m_payment = 0;
    mutable std::vector<TPayment> m_payments;
    int m_startMonth = 0;
    int m_startYear = 0;
    mutable double m_periodicRate = 0;
    mutable bool m_built = false; // every row before m_pendingFrom is what a full build gives
    mutable std::size_t m_pendingFrom = kNothingPending; // first row SetExtraPayment changed since the build
};

} // namespace kelvarin::loanmath
