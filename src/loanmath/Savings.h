#pragma once

#include <string_view>

namespace kelvarin::loanmath {

// Savings and investment sums. Rates are yearly percents (8.75). Each step's result is held as a double
// before the next step. Arithmetic faults throw CalcError (Numeric.h).

// Principal repaid by n monthly payments A on balance B: per month interest = i B, principal = A - interest,
// i = R / 1200; the balance may run negative. n < 1 gives 0.
double PrincipalRepaid(int n, double B, double R, double A);

// Sum over y years of 12 rent, the rent rising by r % a year. y == 1 or fewer than 2 years gives one
// year's rent. Throws CalcError InvalidOperation when y is not a whole 32-bit number.
double TotalRentPaid(double rent, double r, double y);

// Growth of v compounded yearly at r % over y years (final value minus v); 0 for y <= 0.
// Throws CalcError InvalidOperation when y is not a whole 32-bit number.
double CompoundGain(double v, double r, double y);

// P F + D (F - 1) / e with e = r / 100, k periods a year ("Annually" 1, "Quarterly" 4, "Monthly" 12,
// "Daily" 365, anything else 0), g = e / k + 1, F = g^(k m / 12), D = 12 d. A rate of 0 (0 / 0) or an
// unknown compounding name (division by 0) throws CalcError.
double FutureValue(std::string_view compounding, double P, double r, double months, double d);

// Loan that payment A repays over y years at r %: A (1 - (1 + i)^-N) / i, i = r / 1200, N = 12 y.
// A == 0 or y == 0 gives 0; a rate of 0 otherwise throws CalcError (0 / 0).
double LoanFromPayment(double A, double r, double y);

} // namespace kelvarin::loanmath
