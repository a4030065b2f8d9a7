#pragma once

#include <optional>

namespace kelvarin::loanmath {

// The level-payment loan equation P = A (1 - (1 + i)^-n) / i, solved for each unknown. Intermediates
// are extended precision; results are doubles and never rounded to cents. Arithmetic faults throw
// CalcError (Numeric.h); the guards named below return 0 instead.

// Payment per period: P r / (1 - (1 + r)^-n), r the periodic rate as a fraction.
// n == 0 gives 0; r == 0 exactly gives P / n. Throws CalcError when 1 + r rounds to 1 (division by zero).
double LoanPayment(int n, double r, double P);

// Loan amount A (1 - v) / i - B v with i = R / 1200 and v = (1 + i)^-n; R is the yearly percent.
// R == 0 exactly gives n A (B ignored).
double LoanPrincipal(int n, double A, double R, double B);

// Yearly percent rate of n payments A on the loan L' = (1 - f) L. Returns the fixed-point result of
// LoanRateFixedPoint where it lies within 0.0005 percentage points of LoanRateExact, otherwise the exact
// rate. n == 0 or L' == 0 gives 0; without an exact rate (n < 1, A <= 0, L' <= 0) the fixed-point result.
double LoanRate(int n, double A, double f, double L);

struct FixedPointRate {
    double rate;    // yearly percent
    int iterations; // 0 to 99
};

// Fixed-point iteration i <- A (1 - (1 + i)^-n) / L' from i = 10 a month, stopping when successive
// monthly rates differ by at most 1e-6 or after 99 iterations; rate = 1200 i (so 8.7502 where the
// exact rate is 8.7500). n == 0 or L' == 0 gives 0 without iterating.
FixedPointRate LoanRateFixedPoint(int n, double A, double f, double L);

// The exact yearly percent rate, solved to full double precision by Newton steps inside a shrinking
// bracket (bisection where a step leaves it): 0 when n A == L', negative when n A < L'. No value when
// n < 1, A <= 0 or L' <= 0. Throws CalcError only when L' or the rate is beyond the double range.
std::optional<double> LoanRateExact(int n, double A, double f, double L);

// Number of monthly payments -ln(1 - i P / A) / ln(1 + i), i = R / 1200, not rounded.
// A == 0 gives 0; i == 0 exactly gives P / A; a payment not above the interest (i P >= A) gives 0.
double LoanTerm(double P, double A, double R);

} // namespace kelvarin::loanmath
