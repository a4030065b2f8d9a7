#include "Commands.h"
#include "calculators/ScheduleCsv.h"
#include "calculators/ScheduleGrids.h"
#include "loanmath/Mortgage.h"
#include "loanmath/Numeric.h"

#include <stdexcept>
#include <vector>

namespace kelvarin::cli {

namespace lm = kelvarin::loanmath;

namespace {

// Rows are kept in memory; a million monthly payments is far beyond any loan.
constexpr int MaxPayments = 1000000;

enum class PrepaymentKind { Single, Range, From, Remove };

struct PrepaymentOption {
    PrepaymentKind kind;
    int first = 0;
    int last = 0;
    double amount = 0;
};

// Splits "TARGET:AMOUNT" at its colon.
std::pair<std::string_view, double> SplitAmount(std::string_view option, std::string_view value) {
    const auto colon = value.find(':');
    if (colon == std::string_view::npos)
        throw UsageError(std::string(option) + " needs TARGET:AMOUNT, not '" + std::string(value) + "'");
    return {value.substr(0, colon), ParseNumber(value.substr(colon + 1), std::string(option) + " AMOUNT")};
}

PrepaymentOption ParseRange(std::string_view option, std::string_view value) {
    const auto [target, amount] = SplitAmount(option, value);
    // A-B; either bound may carry its own minus sign, so split at the first '-' after the first character.
    const auto dash = target.find('-', 1);
    if (dash == std::string_view::npos)
        throw UsageError(std::string(option) + " needs A-B:AMOUNT, not '" + std::string(value) + "'");
    return {PrepaymentKind::Range, ParseInt(target.substr(0, dash), std::string(option) + " A"),
            ParseInt(target.substr(dash + 1), std::string(option) + " B"), amount};
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void RunSchedule(std::string_view name, Args args, std::ostream& out) {
    std::vector<std::string_view> positional;
    std::vector<PrepaymentOption> prepayments;
    bool haveStart = false;
    bool csv = false;
    int startMonth = 1;
    int startYear = 0;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        if (!arg.starts_with("--")) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--remove-extra") {
            prepayments.push_back({PrepaymentKind::Remove});
            continue;
        }
        if (arg == "--csv") {
            csv = true;
            continue;
        }
        if (arg != "--start" && arg != "--extra" && arg != "--extra-range" && arg != "--extra-from")
            throw UsageError(std::string(name) + ": unknown option " + std::string(arg));
        if (k + 1 == args.size())
            throw UsageError(std::string(name) + ": " + std::string(arg) + " needs a value");
        const std::string_view value = args[++k];
        if (arg == "--start") {
            if (haveStart)
                throw UsageError(std::string(name) + ": --start given twice");
            const auto slash = value.find('/');
            if (slash == std::string_view::npos)
                throw UsageError("--start needs M/YYYY, not '" + std::string(value) + "'");
            startMonth = ParseInt(value.substr(0, slash), "--start month", 1, 12);
            startYear = ParseInt(value.substr(slash + 1), "--start year");
            haveStart = true;
        } else if (arg == "--extra") {
            const auto [target, amount] = SplitAmount(arg, value);
            prepayments.push_back({PrepaymentKind::Single, ParseInt(target, "--extra K"), 0, amount});
        } else if (arg == "--extra-range") {
            prepayments.push_back(ParseRange(arg, value));
        } else {
            const auto [target, amount] = SplitAmount(arg, value);
            prepayments.push_back({PrepaymentKind::From, ParseInt(target, "--extra-from A"), 0, amount});
        }
    }
    ExpectCount(name, positional, 3);
    const double principal = ParseNumber(positional[0], "PRINCIPAL");
    const double rate = ParseNumber(positional[1], "RATE");
    const int n = ParseInt(positional[2], "N", std::numeric_limits<int>::min(), MaxPayments);

    lm::TMortgage mortgage(n, principal, lm::Held(static_cast<lm::Extended>(rate) / 100, "annual rate"), 12,
                           startMonth, startYear);
    for (const PrepaymentOption& p : prepayments) {
        switch (p.kind) {
        case PrepaymentKind::Single:
            mortgage.SetExtraPayment(p.first, p.amount);
            break;
        case PrepaymentKind::Range:
            mortgage.SetExtraPaymentRange(p.first, p.last, p.amount);
            break;
        case PrepaymentKind::From:
            try {
                mortgage.SetExtraPaymentsFrom(p.first, p.amount);
            } catch (const std::out_of_range& error) {
                throw UsageError(error.what());
            }
            break;
        case PrepaymentKind::Remove:
            mortgage.RemoveExtraPayments();
            break;
        }
    }

    if (csv) {
        // The monthly grid of the amortization page, as its CSV export writes it.
        const auto regional = workspace::RegionalSettings::unitedStates();
        workspace::TextGrid grid;
        calculators::fillMonthlyGrid(grid, mortgage, regional);
        out << calculators::scheduleCsv(grid, regional);
        return;
    }
    out << "payment\t" << FormatNumber(mortgage.Payment()) << '\n';
    for (const lm::TPayment& row : mortgage.Rows()) {
        const auto texts = lm::TMortgage::PaymentToStrings(row);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            if (k != 0)
                out << '\t';
            out << Trim(texts[k]);
        }
        out << '\n';
    }
}

} // namespace kelvarin::cli
