#include "loanmath/LoanFormulas.h"

#include "loanmath/Numeric.h"

#include <cmath>
#include <math.h>

namespace kelvarin::loanmath {

using X = Extended;

double LoanPayment(int n, double r, double P) {
    if (n == 0)
        return 0;
    if (r == 0)
        return Held(X(P) / n, "LoanPayment: principal / n");
    const double v = Held(Exp(-X(n) * Ln(1 + X(r), "LoanPayment: ln(1 + r)"), "LoanPayment: (1 + r)^-n"),
                          "LoanPayment: (1 + r)^-n");
    return Held(Div(X(P) * r, 1 - X(v), "LoanPayment: P r / (1 - (1 + r)^-n)"), "LoanPayment: payment");
}

double LoanPrincipal(int n, double A, double R, double B) {
    if (R == 0)
        return Held(X(n) * A, "LoanPrincipal: n A");
    const double i = Held(X(R) / 1200, "LoanPrincipal: monthly rate");
    const double g = Held(1 + X(i), "LoanPrincipal: 1 + i");
    const X lnG = Ln(g, "LoanPrincipal: ln(1 + i)");
    const double v = Held(Exp(-X(n) * lnG, "LoanPrincipal: (1 + i)^-n"), "LoanPrincipal: (1 + i)^-n");
    const X u = Exp(X(n) * lnG, "LoanPrincipal: (1 + i)^n");
    const double K = Held((X(B) * i + A) - X(A) * u, "LoanPrincipal: (B i + A) - A (1 + i)^n");
    return Held(-Div(X(v) * K, i, "LoanPrincipal: v K / i"), "LoanPrincipal: loan amount");
}

FixedPointRate LoanRateFixedPoint(int n, double A, double f, double L) {
    const double loan = Held((1 - X(f)) * L, "LoanRate: (1 - f) L");
    double i = 0;
    double h = 10; // 1000 % a month
    double d = 1;
    int k = 1;
    if (n == 0 || loan == 0)
        return {0, 0};
    while (d > 0.000001L && k < 100) {
        const X factor = 1 - Exp(-X(n) * Ln(1 + X(h), "LoanRate: ln(1 + i)"), "LoanRate: (1 + i)^-n");
        i = Held(Div(factor * A, loan, "LoanRate: A (1 - (1 + i)^-n) / L"), "LoanRate: monthly rate");
        d = Held(::fabsl(X(i) - h), "LoanRate: step");
        h = i;
        ++k;
    }
    return {Held(X(i) * 1200000 / 1000, "LoanRate: yearly rate"), k - 1};
}

namespace {

// Annuity factor a(x) = (1 - (1 + x)^-n) / x, with a(0) = n; strictly decreasing and convex on x > -1.
X Annuity(X n, X x) {
    if (x == 0)
        return n;
    return -::expm1l(-n * ::log1pl(x)) / x;
}

// a'(x) = (n (1 + x)^(-n-1) - a(x)) / x; near 0 the cancellation would cost every digit, so use a'(0).
X AnnuitySlope(X n, X x) {
    if (::fabsl(x) < 1e-12L)
        return -n * (n + 1) / 2;
    return (n * ::expl(-(n + 1) * ::log1pl(x)) - Annuity(n, x)) / x;
}

} // namespace

std::optional<double> LoanRateExact(int n, double A, double f, double L) {
    const double loan = Held((1 - X(f)) * L, "LoanRate: (1 - f) L");
    if (n < 1 || !(A > 0) || !(loan > 0) || !std::isfinite(A))
        return std::nullopt;
    // Solve a(x) = q for the monthly rate x; a is decreasing, so F(x) = a(x) - q > 0 left of the root.
    const X nn = n;
    const X q = X(loan) / A;
    const auto F = [&](X x) { return Annuity(nn, x) - q; };
    const X atZero = F(0);
    if (atZero == 0)
        return 0.0;
    X lo;
    X hi;
    if (atZero > 0) {
        // a(x) < 1 / x, so a(1 / q) < q.
        lo = 0;
        hi = 1 / q;
        for (int guard = 0; guard < 64 && !(F(hi) < 0); ++guard)
            hi *= 2;
    } else {
        // a(x) >= (1 + x)^-n - 1 for -1 < x < 0, so a((1 + q)^(-1/n) - 1) >= q.
        hi = 0;
        lo = ::expm1l(-::log1pl(q) / nn);
        for (int guard = 0; guard < 64 && lo > -1 && !(F(lo) > 0); ++guard)
            lo = (lo - 1) / 2;
    }
    // Start where the series a(x) ~ n - n (n + 1) x / 2 puts the root, clamped into the bracket.
    X x = 2 * (nn - q) / (nn * (nn + 1));
    if (!(x > lo && x < hi))
        x = lo + (hi - lo) / 2;
    for (int step = 0; step < 200; ++step) {
        const X fx = F(x);
        if (fx == 0)
            break;
        if (fx > 0)
            lo = x;
        else
            hi = x;
        X next = x - fx / AnnuitySlope(nn, x);
        if (!(next > lo && next < hi)) {
            next = lo + (hi - lo) / 2;
            if (!(next > lo && next < hi))
                break; // the bracket holds no other extended value
        }
        const X change = ::fabsl(next - x);
        x = next;
        if (change <= ::fabsl(x) * 0x1p-62L)
            break;
    }
    return Held(x * 1200, "LoanRate: yearly rate");
}

double LoanRate(int n, double A, double f, double L) {
    const FixedPointRate fixedPoint = LoanRateFixedPoint(n, A, f, L);
    const std::optional<double> exact = LoanRateExact(n, A, f, L);
    // The fixed point stops when its steps shrink, which can be far from the rate when they shrink
    // slowly (short terms, low rates, payments close to the interest); keep it only where it is close.
    if (!exact || ::fabsl(X(fixedPoint.rate) - *exact) <= 0.0005L)
        return fixedPoint.rate;
    return *exact;
}

double LoanTerm(double P, double A, double R) {
    const double i = Held(X(R) / 1200, "LoanTerm: monthly rate");
    if (A == 0)
        return 0;
    if (i == 0)
        return Held(Div(P, A, "LoanTerm: P / A"), "LoanTerm: P / A");
    const X x = 1 - Div(X(i) * P, A, "LoanTerm: i P / A");
    if (!(x > 0))
        return 0;
    const X years = Div(Ln(x, "LoanTerm: ln(1 - i P / A)"), -Ln(1 + X(i), "LoanTerm: ln(1 + i)") * 12,
                        "LoanTerm: ln(1 - i P / A) / (-12 ln(1 + i))");
    const double y = Held(years, "LoanTerm: years");
    return Held(X(y) * 12, "LoanTerm: months");
}

} // namespace kelvarin::loanmath
