#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvarin::loanmath {

// Intermediate type: the x87 80-bit extended type (64-bit significand) with g++ on x86-64.
using Extended = long double;

enum class CalcErrorKind { DivisionByZero, InvalidOperation, Overflow };

// The shared calculation error: every arithmetic fault of the loan mathematics raises it, so that a
// formula never returns an infinity or a not-a-number. what() names the computation that failed.
class CalcError : public std::runtime_error {
public:
    CalcError(CalcErrorKind kind, const std::string& what);
    CalcErrorKind Kind() const noexcept { return m_kind; }

private:
    CalcErrorKind m_kind;
};

namespace detail {

[[noreturn]] void HeldFailed(Extended x, const char* what);

// Int(y) without touching the FPU control word (the amortization engine calls it for every row):
// adding and removing 2^63 rounds y to a whole number in the 64-bit significand; then step back
// towards zero if that rounding went away from it.
inline Extended Truncate(Extended y) {
    constexpr Extended big = 0x1p63L;
    if (y >= 0) {
        if (!(y < big))
            return y;
        Extended whole = (y + big) - big;
        return whole > y ? whole - 1 : whole;
    }
    if (!(y > -big))
        return y; // already whole, or NaN
    Extended whole = (y - big) + big;
    return whole < y ? whole + 1 : whole;
}

} // namespace detail

// Rounds x to a double ("held as a double"). Throws CalcError Overflow when the double is infinite,
// InvalidOperation when x is not a number. `what` names the value in the error text.
inline double Held(Extended x, const char* what) {
    // The cast really rounds: on x86-64 a double lives in an SSE register or in memory.
    const double d = static_cast<double>(x);
    if (!std::isfinite(d)) [[unlikely]]
        detail::HeldFailed(x, what);
    return d;
}

// a / b in extended precision. Throws CalcError DivisionByZero for b == 0 (InvalidOperation for 0 / 0
// or a NaN operand), Overflow when the quotient is beyond the extended range.
Extended Div(Extended a, Extended b, const char* what);

// Natural logarithm in extended precision (::logl). Throws CalcError InvalidOperation when x <= 0 or NaN.
Extended Ln(Extended x, const char* what);

// e^x in extended precision (::expl). Throws CalcError Overflow when the result is infinite,
// InvalidOperation for a NaN argument. Underflow to 0 is silent.
Extended Exp(Extended x, const char* what);

// Int(x): x with its fraction dropped towards zero. Exact; NaN and infinities pass through.
Extended Int(Extended x);

// Round(x): the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), independent
// of the FPU rounding mode. Throws CalcError InvalidOperation when the result does not fit 64 bits.
std::int64_t Round(Extended x);

// The amortization engine's cents: Int(100 x + 0.5) / 100, product and sum in extended precision,
// quotient held as a double (halves round up for non-negative amounts). Throws as Held.
inline double Cents(Extended x, const char* what = "cents")
{
    const Extended whole = detail::Truncate(100 * x + 0.5L);
    // Below 2^53, whole / 100 never lies within 2^-59 (relative) of a midpoint between doubles, so
    // multiplying by the extended 0.01 (relative error below 2^-63) rounds to the same double as the
    // quotient does, without the slow division. Checked for every whole number up to 10^9 in magnitude.
    if (whole > -0x1p53L && whole < 0x1p53L)
        return static_cast<double>(whole * 0.01L);
    return Held(whole / 100, what);
}

} // namespace kelvarin::loanmath
