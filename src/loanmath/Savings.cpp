#include "loanmath/Savings.h"

#include "loanmath/Numeric.h"

#include <cmath>
#include <math.h>

namespace kelvarin::loanmath {

using X = Extended;

namespace {

int WholeYears(double y, const char* what) {
    if (!(y >= -2147483648.0 && y <= 2147483647.0) || ::trunc(y) != y)
        throw CalcError(CalcErrorKind::InvalidOperation, std::string(what) + ": years is not a whole number");
    return static_cast<int>(y);
}

} // namespace

double PrincipalRepaid(int n, double B, double R, double A) {
    const double i = Held(X(R) / 1200, "PrincipalRepaid: monthly rate");
    double sum = 0;
    for (int k = 1; k <= n; ++k) {
        const double interest = Held(X(i) * B, "PrincipalRepaid: interest");
        const double principal = Held(X(A) - interest, "PrincipalRepaid: principal");
        sum = Held(X(sum) + principal, "PrincipalRepaid: sum");
        B = Held(X(B) - principal, "PrincipalRepaid: balance");
    }
    return sum;
}

double TotalRentPaid(double rent, double r, double y) {
    const int n = WholeYears(y, "TotalRentPaid");
    double yearly = Held(X(rent) * 12, "TotalRentPaid: yearly rent");
    double total = yearly;
    if (y == 1 || n < 2)
        return total;
    for (int k = 1; k < n; ++k) {
        yearly = Held(X(yearly) + X(yearly) * (X(r) / 100), "TotalRentPaid: yearly rent");
        total = Held(X(total) + yearly, "TotalRentPaid: total");
    }
    return total;
}

double CompoundGain(double v, double r, double y) {
    const int n = WholeYears(y, "CompoundGain");
    const double f = Held(X(r) / 100, "CompoundGain: rate");
    double sum = 0;
    for (int k = 0; k < n; ++k) {
        const double gain = Held(X(v) * f, "CompoundGain: gain");
        sum = Held(X(sum) + gain, "CompoundGain: sum");
        v = Held(X(v) + gain, "CompoundGain: value");
    }
    return sum;
}

double FutureValue(std::string_view compounding, double P, double r, double months, double d) {
    int k = 0;
    if (compounding == "Annually")
        k = 1;
    else if (compounding == "Quarterly")
        k = 4;
    else if (compounding == "Monthly")
        k = 12;
    else if (compounding == "Daily")
        k = 365;
    const double e = Held(X(r) / 100, "FutureValue: rate");
    const double N = Held(k * (X(months) / 12), "FutureValue: periods");
    const double g = Held(Div(e, k, "FutureValue: rate per period") + 1, "FutureValue: growth per period");
    const double D = Held(X(d) * 12, "FutureValue: yearly deposits");
    const X F = Exp(N * Ln(g, "FutureValue: ln(growth)"), "FutureValue: growth");
    return Held(X(P) * F + Div(X(D) * (F - 1), e, "FutureValue: deposits"), "FutureValue: value");
}

double LoanFromPayment(double A, double r, double y) {
    const double i = Held(X(r) / 1200, "LoanFromPayment: monthly rate");
    const double N = Held(X(y) * 12, "LoanFromPayment: months");
    if (A == 0 || y == 0)
        return 0;
    const X growth = Exp(N * Ln(1 + X(i), "LoanFromPayment: ln(1 + i)"), "LoanFromPayment: (1 + i)^N");
    const X factor = 1 - Div(1, growth, "LoanFromPayment: (1 + i)^-N");
    return Held(Div(X(A) * factor, i, "LoanFromPayment: loan"), "LoanFromPayment: loan");
}

} // namespace kelvarin::loanmath
