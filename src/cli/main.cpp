// kelvarin-calc: the loan mathematics from the command line.
// Exit status: 0 done, 1 unexpected failure, 2 usage error, 3 calculation error,
// 4 prepayment aimed at a payment the schedule does not have.

#include "Commands.h"
#include "loanmath/Mortgage.h"
#include "loanmath/Numeric.h"

#include <array>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kelvarin::cli;

// To add a command, declare its run function in Commands.h, define it in a source file of its own and
// list it here.
constexpr std::array commands{
    Command{"payment", "N RATE PRINCIPAL", "level monthly payment", RunPayment},
    Command{"principal", "N PAYMENT RATE", "loan amount that N payments repay", RunPrincipal},
    Command{"rate", "N PAYMENT PRINCIPAL", "yearly percent rate", RunRate},
    Command{"term", "PRINCIPAL PAYMENT RATE", "number of monthly payments", RunTerm},
    Command{"principal-repaid", "N BALANCE RATE PAYMENT", "principal repaid by N payments",
            RunPrincipalRepaid},
    Command{"rent-paid", "RENT INCREASE YEARS", "rent paid over YEARS, rising INCREASE % a year",
            RunRentPaid},
    Command{"compound-gain", "VALUE RATE YEARS", "growth of VALUE compounded yearly", RunCompoundGain},
    Command{"future-value", "COMPOUNDING AMOUNT RATE MONTHS DEPOSIT",
            "value of AMOUNT plus monthly DEPOSIT (Annually, Quarterly, Monthly or Daily)", RunFutureValue},
    Command{"loan-from-payment", "PAYMENT RATE YEARS", "loan amount that PAYMENT repays over YEARS",
            RunLoanFromPayment},
    Command{"schedule",
            "PRINCIPAL RATE N [--start M/YYYY] [--extra K:AMOUNT]... [--extra-range A-B:AMOUNT]...\n"
            "                    [--extra-from A:AMOUNT]... [--remove-extra] [--csv]",
            "amortization schedule; prepayment options apply in the order given;\n"
            "      --csv prints the schedule as the amortization page lists it, as CSV",
            RunSchedule},
    Command{"page", "PAGE [--locale us|de] [--texts] [--grids] [--defaults FILE] STEP...",
            "enter a page and drive it as a user would; STEP is FIELD=TEXT (type and leave),\n"
            "      click:CONTROL, choose:GROUP=INDEX, text:CHOICE=TEXT (type into a drop-down),\n"
            "      cell:GRID=COL,ROW (click a grid cell) or goto:COMMAND (a navigation command);\n"
            "      prints the page's fields as name=value, with --grids every grid cell as\n"
            "      GRID.ROW.COL=TEXT. A calculation error is reported, the page repaired and the\n"
            "      remaining steps run; the exit status is then 3. ZELK.INI is only read;\n"
            "      --defaults FILE reads FILE instead and lets the line-item panels save to it",
            RunPage},
};

void PrintUsage(std::ostream& out) {
    out << "usage: kelvarin-calc COMMAND ARGUMENTS...\n"
           "       kelvarin-calc --help\n\n"
           "Rates are yearly percents (8.75). Numbers use '.' as decimal point.\n\n";
    for (const Command& command : commands) {
        out << "  " << command.name << ' ' << command.arguments << '\n'
            << "      " << command.summary << '\n';
    }
    out << "\nExit status: 0 done, 2 usage error, 3 calculation error, 4 prepayment outside the schedule.\n";
}

int UsageFailure(const std::string& message) {
    std::cerr << "kelvarin-calc: " << message << " (see kelvarin-calc --help)\n";
    return 2;
}

int Run(const std::vector<std::string_view>& args) {
    if (args.empty())
        return UsageFailure("missing command");
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            PrintUsage(std::cout);
            return 0;
        }
    }
    const std::string_view name = args.front();
    for (const Command& command : commands) {
        if (command.name != name)
            continue;
        try {
            command.run(name, Args(args).subspan(1), std::cout);
            std::cout.flush();
            return 0;
        } catch (const UsageError& error) {
            return UsageFailure(error.what());
        } catch (const kelvarin::loanmath::CalcError& error) {
            std::cerr << "calculation error: " << error.what() << '\n';
            return 3;
        } catch (const kelvarin::loanmath::PrepaymentTargetError&) {
            // The engine separates its lines with "\n\r"; a terminal wants plain line feeds.
            std::string text(kelvarin::loanmath::PrepaymentTargetError::Text);
            for (std::size_t at = text.find("\n\r"); at != std::string::npos; at = text.find("\n\r", at + 1))
                text.erase(at + 1, 1);
            std::cerr << text << '\n';
            return 4;
        }
    }
    return UsageFailure("unknown command '" + std::string(name) + "'");
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        return Run(args);
    } catch (const std::exception& error) {
        std::cerr << "kelvarin-calc: unexpected failure: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "kelvarin-calc: unexpected failure\n";
    }
    return 1;
}
