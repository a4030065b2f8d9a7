#pragma once

#include <charconv>
#include <gtest/gtest.h>
#include <string>

namespace kelvarin::loanmath::test {

// x with `decimals` decimals, correctly rounded: how a result field shows it.
inline std::string Fixed(double x, int decimals) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Names a parameterised test after its case's `name`.
struct CaseName {
    template <class Param> std::string operator()(const testing::TestParamInfo<Param>& param) const {
        return param.param.name;
    }
};

} // namespace kelvarin::loanmath::test
