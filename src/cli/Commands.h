#pragma once

#include "Args.h"

#include <ostream>
#include <string_view>

namespace kelvarin::cli {

// One subcommand of kelvarin-calc. `run` writes its result to `out` and reports failures by throwing
// UsageError, loanmath::CalcError or loanmath::PrepaymentTargetError; anything else is unexpected.
struct Command {
    std::string_view name;
    std::string_view arguments; // usage text after the name
    std::string_view summary;
    void (*run)(std::string_view name, Args args, std::ostream& out);
};

// Loan formulas and savings helpers (FormulaCommands.cpp).
void RunPayment(std::string_view name, Args args, std::ostream& out);
void RunPrincipal(std::string_view name, Args args, std::ostream& out);
void RunRate(std::string_view name, Args args, std::ostream& out);
void RunTerm(std::string_view name, Args args, std::ostream& out);
void RunPrincipalRepaid(std::string_view name, Args args, std::ostream& out);
void RunRentPaid(std::string_view name, Args args, std::ostream& out);
void RunCompoundGain(std::string_view name, Args args, std::ostream& out);
void RunFutureValue(std::string_view name, Args args, std::ostream& out);
void RunLoanFromPayment(std::string_view name, Args args, std::ostream& out);

// Amortization schedule with prepayments (ScheduleCommand.cpp).
void RunSchedule(std::string_view name, Args args, std::ostream& out);

// Headless driver of one workspace page through the real calculators (PageCommand.cpp).
void RunPage(std::string_view name, Args args, std::ostream& out);

} // namespace kelvarin::cli
