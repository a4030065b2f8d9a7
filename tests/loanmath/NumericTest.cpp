#include "loanmath/Numeric.h"

#include "TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace kelvarin::loanmath {
namespace {

struct RoundCase {
    const char* name;
    long double x;
    std::int64_t expected;
};

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, RoundsHalvesToEven) {
    EXPECT_EQ(Round(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, RoundTest,
    testing::Values(RoundCase{"HalfDownToEven", 2.5L, 2}, RoundCase{"HalfUpToEven", 3.5L, 4},
                    RoundCase{"NegativeHalf", -2.5L, -2}, RoundCase{"NegativeHalfUp", -3.5L, -4},
                    RoundCase{"JustAboveHalf", 2.5000000001L, 3},
                    RoundCase{"JustBelowHalf", 2.4999999999L, 2}, RoundCase{"HalfOfZero", 0.5L, 0},
                    RoundCase{"WholeStaysWhole", 123456789.0L, 123456789},
                    RoundCase{"LargestBelowTwoTo63", 9223372036854775807.0L - 0.5L,
                              std::numeric_limits<std::int64_t>::max() - 1}),
    test::CaseName());

TEST(Numeric, RoundOutsideSixtyFourBitsIsAnInvalidOperation) {
    for (long double x : {9223372036854775808.0L, -1e30L, std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            Round(x);
            ADD_FAILURE() << "no error for " << static_cast<double>(x);
        } catch (const CalcError& error) {
            EXPECT_EQ(error.Kind(), CalcErrorKind::InvalidOperation);
        }
    }
    EXPECT_EQ(Round(-9223372036854775808.0L), std::numeric_limits<std::int64_t>::min());
}

TEST(Numeric, IntDropsTheFractionTowardsZero) {
    EXPECT_EQ(Int(2.99L), 2.0L);
    EXPECT_EQ(Int(-2.99L), -2.0L);
    EXPECT_EQ(Int(0.5L), 0.0L);
}

TEST(Numeric, CentsIsIntOfHundredTimesPlusHalf) {
    EXPECT_EQ(Cents(729.166666L), 729.17);
    EXPECT_EQ(Cents(0.125L), 0.13); // Int(12.5 + 0.5) = 13
    EXPECT_EQ(Cents(0.124999L), 0.12);
    EXPECT_EQ(Cents(-0.125L), -0.12); // Int(-12) = -12
    EXPECT_EQ(Cents(-0.126L), -0.12); // Int(-12.1) drops the fraction towards zero
}

// Cents takes a faster route than Int(100 x + 0.5) / 100 in extended precision; it must give the same double.
TEST(Numeric, CentsEqualsTheExtendedQuotientHeldAsADouble) {
    const auto reference = [](long double x) { return static_cast<double>(::truncl(100 * x + 0.5L) / 100); };
    for (long long m = -3000000; m <= 3000000; ++m) {
        const long double x = static_cast<long double>(m) / 100 + 0.0049L;
        ASSERT_EQ(Cents(x), reference(x)) << m;
    }
    for (long double x :
         {0x1p51L + 0.3L, -0x1p51L - 0.7L, 0x1p53L / 100 - 0.011L, 1e14L + 0.125L, 1e30L, -1e30L})
        EXPECT_EQ(Cents(x), reference(x)) << static_cast<double>(x);
}

TEST(Numeric, HeldRoundsToDoubleAndRejectsWhatADoubleCannotHold) {
    const long double third = 1.0L / 3;
    EXPECT_EQ(Held(third, "third"), 1.0 / 3);
    EXPECT_NE(static_cast<long double>(Held(third, "third")), third);
    try {
        Held(1e309L, "big value");
        FAIL() << "no error";
    } catch (const CalcError& error) {
        EXPECT_EQ(error.Kind(), CalcErrorKind::Overflow);
        EXPECT_NE(std::string(error.what()).find("big value"), std::string::npos);
    }
    EXPECT_THROW(Held(std::numeric_limits<long double>::quiet_NaN(), "nan"), CalcError);
    EXPECT_EQ(Held(1e-400L, "underflow"), 0.0); // underflow is silent
}

struct FaultCase {
    const char* name;
    long double (*compute)();
    CalcErrorKind kind;
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, RaisesTheSharedCalculationError) {
    try {
        GetParam().compute();
        FAIL() << "no error";
    } catch (const CalcError& error) {
        EXPECT_EQ(error.Kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, FaultTest,
    testing::Values(FaultCase{"DivideByZero", [] { return Div(1, 0, "x"); }, CalcErrorKind::DivisionByZero},
                    FaultCase{"ZeroByZero", [] { return Div(0, 0, "x"); }, CalcErrorKind::InvalidOperation},
                    FaultCase{"QuotientOverflow", [] { return Div(1e4000L, 1e-4000L, "x"); },
                              CalcErrorKind::Overflow},
                    FaultCase{"LogOfZero", [] { return Ln(0, "x"); }, CalcErrorKind::InvalidOperation},
                    FaultCase{"LogOfNegative", [] { return Ln(-1, "x"); }, CalcErrorKind::InvalidOperation},
                    FaultCase{"ExpOverflow", [] { return Exp(20000, "x"); }, CalcErrorKind::Overflow}),
    test::CaseName());

TEST(Numeric, ExpUnderflowIsSilent) {
    EXPECT_EQ(Exp(-20000, "x"), 0.0L);
}

} // namespace
} // namespace kelvarin::loanmath
