#pragma once

#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvarin::cli {

// A command line that cannot be run as given; main() prints what() on one line and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command name.
using Args = std::span<const std::string_view>;

// Throws UsageError unless exactly `count` arguments follow the command name.
void ExpectCount(std::string_view command, Args args, std::size_t count);

// The whole text as a finite decimal number ("." decimal point, optional exponent, no blanks, never
// the C locale). Throws UsageError naming `what` for anything else, inf and nan included.
double ParseNumber(std::string_view text, std::string_view what);

// The whole text as a decimal integer in [min, max]; throws UsageError naming `what` otherwise.
int ParseInt(std::string_view text, std::string_view what, int min = std::numeric_limits<int>::min(),
             int max = std::numeric_limits<int>::max());

// Shortest decimal text that reads back as the same double, "." decimal point, no grouping;
// plain digits for magnitudes from 1e-6 to 1e21, the exponent form beyond.
std::string FormatNumber(double value);

} // namespace kelvarin::cli
