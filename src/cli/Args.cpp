#include "Args.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kelvarin::cli {

void ExpectCount(std::string_view command, Args args, std::size_t count) {
    if (args.size() != count)
        throw UsageError(std::string(command) + " takes " + std::to_string(count) + " arguments, not " +
                         std::to_string(args.size()));
}

double ParseNumber(std::string_view text, std::string_view what) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        throw UsageError(std::string(what) + " is not a number: '" + std::string(text) + "'");
    return value;
}

int ParseInt(std::string_view text, std::string_view what, int min, int max) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
        throw UsageError(std::string(what) + " is not a whole number: '" + std::string(text) + "'");
    if (ec == std::errc::result_out_of_range || value < min || value > max)
        throw UsageError(std::string(what) + " must lie between " + std::to_string(min) + " and " +
                         std::to_string(max) + ": '" + std::string(text) + "'");
    return static_cast<int>(value);
}

std::string FormatNumber(double value) {
    // Plain digits ("200000", not "2e+05") wherever that stays short; the exponent form only
    // for magnitudes a loan never has.
    const double magnitude = std::fabs(value);
    const bool plain = value == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
    char buffer[400];
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace kelvarin::cli
