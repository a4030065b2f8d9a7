#include "Commands.h"
#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "loanmath/Savings.h"

namespace kelvarin::cli {

namespace lm = kelvarin::loanmath;

namespace {

void Print(std::ostream& out, double value) {
    out << FormatNumber(value) << '\n';
}

// Yearly percent to the monthly fraction, rounded once to a double as the pages do.
double MonthlyRate(double yearlyPercent) {
    return lm::Held(static_cast<lm::Extended>(yearlyPercent) / 1200, "monthly rate");
}

} // namespace

void RunPayment(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const int n = ParseInt(args[0], "N");
    const double rate = ParseNumber(args[1], "RATE");
    const double principal = ParseNumber(args[2], "PRINCIPAL");
    Print(out, lm::LoanPayment(n, MonthlyRate(rate), principal));
}

void RunPrincipal(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const int n = ParseInt(args[0], "N");
    const double payment = ParseNumber(args[1], "PAYMENT");
    const double rate = ParseNumber(args[2], "RATE");
    Print(out, lm::LoanPrincipal(n, payment, rate, 0));
}

void RunRate(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const int n = ParseInt(args[0], "N");
    const double payment = ParseNumber(args[1], "PAYMENT");
    const double principal = ParseNumber(args[2], "PRINCIPAL");
    Print(out, lm::LoanRate(n, payment, 0, principal));
}

void RunTerm(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const double principal = ParseNumber(args[0], "PRINCIPAL");
    const double payment = ParseNumber(args[1], "PAYMENT");
    const double rate = ParseNumber(args[2], "RATE");
    Print(out, lm::LoanTerm(principal, payment, rate));
}

void RunPrincipalRepaid(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 4);
    const int n = ParseInt(args[0], "N");
    const double balance = ParseNumber(args[1], "BALANCE");
    const double rate = ParseNumber(args[2], "RATE");
    const double payment = ParseNumber(args[3], "PAYMENT");
    Print(out, lm::PrincipalRepaid(n, balance, rate, payment));
}

void RunRentPaid(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const double rent = ParseNumber(args[0], "RENT");
    const double increase = ParseNumber(args[1], "INCREASE");
    const double years = ParseNumber(args[2], "YEARS");
    Print(out, lm::TotalRentPaid(rent, increase, years));
}

void RunCompoundGain(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const double value = ParseNumber(args[0], "VALUE");
    const double rate = ParseNumber(args[1], "RATE");
    const double years = ParseNumber(args[2], "YEARS");
    Print(out, lm::CompoundGain(value, rate, years));
}

void RunFutureValue(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 5);
    const std::string_view compounding = args[0];
    const double amount = ParseNumber(args[1], "AMOUNT");
    const double rate = ParseNumber(args[2], "RATE");
    const double months = ParseNumber(args[3], "MONTHS");
    const double deposit = ParseNumber(args[4], "DEPOSIT");
    Print(out, lm::FutureValue(compounding, amount, rate, months, deposit));
}

void RunLoanFromPayment(std::string_view name, Args args, std::ostream& out) {
    ExpectCount(name, args, 3);
    const double payment = ParseNumber(args[0], "PAYMENT");
    const double rate = ParseNumber(args[1], "RATE");
    const double years = ParseNumber(args[2], "YEARS");
    Print(out, lm::LoanFromPayment(payment, rate, years));
}

} // namespace kelvarin::cli
