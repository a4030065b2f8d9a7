#include "loanmath/LoanFormulas.h"

#include "TestSupport.h"
#include "loanmath/Numeric.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace kelvarin::loanmath {
namespace {

using test::Fixed;

// A result and the text it must show with the given number of decimals.
struct ShownCase {
    const char* name;
    std::function<double()> compute;
    int decimals;
    const char* shown;
};

class ShownTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTest, ShowsTheExpectedDigits) {
    EXPECT_EQ(Fixed(GetParam().compute(), GetParam().decimals), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LoanFormulas, ShownTest,
    testing::Values(
        ShownCase{"PaymentOf30YearLoan", [] { return LoanPayment(360, 8.75 / 1200, 100000); }, 9,
                  "786.700405613"},
        ShownCase{"PaymentWithZeroRateIsPrincipalOverN", [] { return LoanPayment(360, 0, 100000); }, 10,
                  "277.7777777778"},
        ShownCase{"PaymentWithoutPaymentsIsZero", [] { return LoanPayment(0, 0.01, 100000); }, 2, "0.00"},
        ShownCase{"TermOf786_70", [] { return LoanTerm(100000, 786.70, 8.75); }, 4, "360.0009"},
        ShownCase{"TermWithZeroRateIsPrincipalOverPayment", [] { return LoanTerm(100000, 800, 0); }, 2,
                  "125.00"},
        ShownCase{"TermWithPaymentBelowInterestIsZero", [] { return LoanTerm(100000, 729, 8.75); }, 2,
                  "0.00"},
        ShownCase{"TermWithPaymentEqualToInterestIsZero", [] { return LoanTerm(100000, 1000, 12); }, 2,
                  "0.00"},
        ShownCase{"TermWithZeroPaymentIsZero", [] { return LoanTerm(100000, 0, 8.75); }, 2, "0.00"},
        ShownCase{"PrincipalOf786_70", [] { return LoanPrincipal(360, 786.70, 8.75, 0); }, 3, "99999.948"},
        ShownCase{"PrincipalWithZeroRateIsNTimesPaymentWhateverB",
                  [] { return LoanPrincipal(360, 786.70, 0, 5000); }, 2, "283212.00"},
        ShownCase{"PrincipalDiscountsB", [] { return LoanPrincipal(12, 0, 12, 1000); }, 2, "-887.45"},
        ShownCase{"RateOf786_70StopsAt8_7502", [] { return LoanRate(360, 786.70, 0, 100000); }, 4, "8.7502"},
        ShownCase{"RateWithoutPaymentsIsZero", [] { return LoanRate(0, 786.70, 0, 100000); }, 4, "0.0000"},
        ShownCase{"RateWithoutLoanIsZero", [] { return LoanRate(360, 786.70, 0, 0); }, 4, "0.0000"},
        ShownCase{"RateWithFullDeductionIsZero", [] { return LoanRate(360, 786.70, 1, 100000); }, 4,
                  "0.0000"},
        ShownCase{"RateWithZeroPaymentKeepsTheIteration", [] { return LoanRate(360, 0, 0, 100000); }, 4,
                  "0.0000"}),
    test::CaseName());

TEST(LoanFormulas, LoanRateFixedPointStopsAfterSixIterationsAt8_7502) {
    const FixedPointRate result = LoanRateFixedPoint(360, 786.70, 0, 100000);
    EXPECT_EQ(result.iterations, 6);
    EXPECT_EQ(Fixed(result.rate, 4), "8.7502");
}

TEST(LoanFormulas, LoanRateFixedPointFallsTowardsZeroWhenPaymentsRepayLess) {
    const FixedPointRate result = LoanRateFixedPoint(360, 200, 0, 100000);
    EXPECT_EQ(result.iterations, 19);
    EXPECT_EQ(Fixed(result.rate, 4), "0.0028");
}

TEST(LoanFormulas, LoanRateFixedPointRunsAtMost99Iterations) {
    const FixedPointRate result = LoanRateFixedPoint(12, 873.36, 0, 10000);
    EXPECT_EQ(result.iterations, 99);
    EXPECT_EQ(Fixed(result.rate, 4), "8.8249");
}

// Where the fixed point stops far from the rate, LoanRate gives the exact rate instead.
struct RateCase {
    const char* name;
    int n;
    double payment;
    double loan;
    const char* fixedPoint; // what the iteration alone gives, 4 decimals
    const char* shown;      // what LoanRate gives, 4 decimals
};

class LoanRateTest : public testing::TestWithParam<RateCase> {};

TEST_P(LoanRateTest, GivesTheExactRateWhereTheIterationStopsShort) {
    const RateCase& c = GetParam();
    EXPECT_EQ(Fixed(LoanRateFixedPoint(c.n, c.payment, 0, c.loan).rate, 4), c.fixedPoint);
    const double rate = LoanRate(c.n, c.payment, 0, c.loan);
    EXPECT_EQ(Fixed(rate, 4), c.shown);
}

TEST_P(LoanRateTest, ExactRateRepaysTheLoanWithThePayment) {
    const RateCase& c = GetParam();
    const std::optional<double> rate = LoanRateExact(c.n, c.payment, 0, c.loan);
    ASSERT_TRUE(rate.has_value());
    // Solved to double precision: the payment it implies agrees to about 1e-13 relative.
    EXPECT_NEAR(LoanPayment(c.n, *rate / 1200, c.loan), c.payment, c.payment * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    LoanFormulas, LoanRateTest,
    testing::Values(RateCase{"ThirtyYearsKeepsTheIteration", 360, 786.70, 100000, "8.7502", "8.7502"},
                    RateCase{"OneYear", 12, 873.36, 10000, "8.8249", "8.7509"},
                    RateCase{"SinglePayment", 1, 10072.92, 10000, "17.0488", "8.7504"},
                    RateCase{"LowRate", 360, 278, 100000, "0.0911", "0.0053"},
                    RateCase{"PaymentsExactlyRepayTheLoan", 2, 50000, 100000, "8.0139", "0.0000"},
                    RateCase{"PaymentsRepayLessGiveNegativeRate", 360, 200, 100000, "0.0028", "-2.0750"},
                    RateCase{"FortyYearsKeepsTheIteration", 480, 752.17, 100000, "8.7500", "8.7500"},
                    RateCase{"FifteenYears", 180, 999.45, 100000, "8.7507", "8.7500"},
                    RateCase{"HighRate", 360, 5000, 100000, "60.0000", "60.0000"}),
    test::CaseName());

TEST(LoanFormulas, LoanRateIsExactlyZeroWhenPaymentsExactlyRepay) {
    EXPECT_EQ(LoanRate(2, 50000, 0, 100000), 0.0);
    EXPECT_EQ(LoanRate(360, 250, 0, 90000), 0.0);
}

TEST(LoanFormulas, LoanRateExactHasNoValueWithoutARate) {
    EXPECT_FALSE(LoanRateExact(0, 786.70, 0, 100000));
    EXPECT_FALSE(LoanRateExact(-12, 786.70, 0, 100000));
    EXPECT_FALSE(LoanRateExact(360, 0, 0, 100000));
    EXPECT_FALSE(LoanRateExact(360, -786.70, 0, 100000));
    EXPECT_FALSE(LoanRateExact(360, 786.70, 0, 0));
    EXPECT_FALSE(LoanRateExact(360, 786.70, 1.5, 100000));
}

struct ErrorCase {
    const char* name;
    std::function<double()> compute;
    CalcErrorKind kind;
};

class FormulaErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(FormulaErrorTest, RaisesTheCalculationErrorInsteadOfAResult) {
    try {
        const double result = GetParam().compute();
        FAIL() << "gave " << result;
    } catch (const CalcError& error) {
        EXPECT_EQ(error.Kind(), GetParam().kind) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    LoanFormulas, FormulaErrorTest,
    testing::Values(
        // 1 + r rounds to 1 in extended precision, so 1 - (1 + r)^-n is 0.
        ErrorCase{"PaymentWithRateTooSmallForOnePlusR", [] { return LoanPayment(360, 1e-21, 100000); },
                  CalcErrorKind::DivisionByZero},
        ErrorCase{"PaymentOverflowsForLargeNegativeTerm", [] { return LoanPayment(-200000, 0.01, 100000); },
                  CalcErrorKind::Overflow},
        ErrorCase{"PaymentWithRateOfMinusOne", [] { return LoanPayment(12, -1, 100000); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"PrincipalWithRateOfMinus1200Percent", [] { return LoanPrincipal(360, 786.70, -1200, 0); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"PrincipalWithOverflowingGrowth", [] { return LoanPrincipal(2000000000, 786.70, 12, 0); },
                  CalcErrorKind::Overflow},
        ErrorCase{"TermWithRateOfMinus1200Percent", [] { return LoanTerm(100000, 786.70, -1200); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"RateWithNegativeTermLeavesTheLogarithmsDomain", [] { return LoanRate(-1, 100, 0, 1000); },
                  CalcErrorKind::InvalidOperation}),
    test::CaseName());

} // namespace
} // namespace kelvarin::loanmath
