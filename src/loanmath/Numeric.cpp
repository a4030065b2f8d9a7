#include "loanmath/Numeric.h"

#include <cmath>
#include <math.h>

namespace kelvarin::loanmath {

namespace {

[[noreturn]] void Fail(CalcErrorKind kind, const char* what, const char* problem) {
    throw CalcError(kind, std::string(what) + ": " + problem);
}

} // namespace

CalcError::CalcError(CalcErrorKind kind, const std::string& what) : std::runtime_error(what), m_kind(kind) {}

void detail::HeldFailed(Extended x, const char* what) {
    if (std::isnan(x))
        Fail(CalcErrorKind::InvalidOperation, what, "result is not a number");
    Fail(CalcErrorKind::Overflow, what, "result is beyond the range of a double");
}

Extended Div(Extended a, Extended b, const char* what) {
    if (std::isnan(a) || std::isnan(b))
        Fail(CalcErrorKind::InvalidOperation, what, "operand is not a number");
    if (b == 0) {
        if (a == 0)
            Fail(CalcErrorKind::InvalidOperation, what, "0 divided by 0");
        Fail(CalcErrorKind::DivisionByZero, what, "division by zero");
    }
    const Extended q = a / b;
    if (!std::isfinite(q))
        Fail(CalcErrorKind::Overflow, what, "quotient overflows");
    return q;
}

Extended Ln(Extended x, const char* what) {
    if (!(x > 0))
        Fail(CalcErrorKind::InvalidOperation, what, "logarithm of a number that is not positive");
    const Extended y = ::logl(x);
    if (!std::isfinite(y))
        Fail(CalcErrorKind::Overflow, what, "logarithm of an infinite number");
    return y;
}

Extended Exp(Extended x, const char* what) {
    if (std::isnan(x))
        Fail(CalcErrorKind::InvalidOperation, what, "exponent is not a number");
    const Extended y = ::expl(x);
    if (!std::isfinite(y))
        Fail(CalcErrorKind::Overflow, what, "exponential overflows");
    return y;
}

Extended Int(Extended x) {
    return ::truncl(x);
}

std::int64_t Round(Extended x) {
    // 2^63 is exact in the extended type; the result must lie in [-2^63, 2^63).
    constexpr Extended limit = 9223372036854775808.0L;
    Extended whole = ::truncl(x);
    const Extended rest = x - whole; // exact
    if (rest > 0.5L || (rest == 0.5L && ::fmodl(whole, 2.0L) != 0))
        whole += 1;
    else if (rest < -0.5L || (rest == -0.5L && ::fmodl(whole, 2.0L) != 0))
        whole -= 1;
    if (!(whole >= -limit && whole < limit))
        Fail(CalcErrorKind::InvalidOperation, "Round", "result does not fit a 64-bit integer");
    return static_cast<std::int64_t>(whole);
}

} // namespace kelvarin::loanmath
