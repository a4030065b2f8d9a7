#include "loanmath/Savings.h"

#include "TestSupport.h"
#include "loanmath/Numeric.h"

#include <functional>
#include <gtest/gtest.h>

namespace kelvarin::loanmath {
namespace {

using test::Fixed;

struct SumCase {
    const char* name;
    std::function<double()> compute;
    const char* shown; // two decimals
};

class SavingsTest : public testing::TestWithParam<SumCase> {};

TEST_P(SavingsTest, ShowsTheExpectedSum) {
    EXPECT_EQ(Fixed(GetParam().compute(), 2), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Savings, SavingsTest,
    testing::Values(
        SumCase{"FirstYearsPrincipalOf30YearLoan", [] { return PrincipalRepaid(12, 100000, 8.75, 786.70); },
                "718.77"},
        SumCase{"NoMonthsRepayNothing", [] { return PrincipalRepaid(0, 100000, 8.75, 786.70); }, "0.00"},
        SumCase{"NegativeMonthsRepayNothing", [] { return PrincipalRepaid(-5, 100000, 8.75, 786.70); },
                "0.00"},
        // Months beyond the payoff keep going: the balance runs negative and principal keeps counting.
        SumCase{"MonthsBeyondPayoffKeepCounting", [] { return PrincipalRepaid(3, 1000, 0, 500); }, "1500.00"},
        SumCase{"RentOverThreeYears", [] { return TotalRentPaid(1000, 5, 3); }, "37830.00"},
        SumCase{"RentOverOneYear", [] { return TotalRentPaid(1000, 5, 1); }, "12000.00"},
        SumCase{"RentOverNoYearsIsOneYear", [] { return TotalRentPaid(1000, 5, 0); }, "12000.00"},
        SumCase{"RentOverNegativeYearsIsOneYear", [] { return TotalRentPaid(1000, 5, -3); }, "12000.00"},
        SumCase{"GainOverTwoYears", [] { return CompoundGain(100000, 4, 2); }, "8160.00"},
        SumCase{"GainOverNoYears", [] { return CompoundGain(100000, 4, 0); }, "0.00"},
        SumCase{"FutureValueMonthly", [] { return FutureValue("Monthly", 20000, 6, 120, 0); }, "36387.93"},
        SumCase{"FutureValueMonthlyDeposits", [] { return FutureValue("Monthly", 0, 6, 12, 100); },
                "1233.56"},
        SumCase{"FutureValueAnnuallyTakesDepositsAsOneYearlySum",
                [] { return FutureValue("Annually", 0, 10, 24, 100); }, "2520.00"},
        SumCase{"LoanFromPaymentOf30Years", [] { return LoanFromPayment(786.70, 8.75, 30); }, "99999.95"},
        SumCase{"LoanFromZeroPayment", [] { return LoanFromPayment(0, 8.75, 30); }, "0.00"},
        SumCase{"LoanFromZeroYears", [] { return LoanFromPayment(786.70, 8.75, 0); }, "0.00"},
        SumCase{"LoanFromZeroYearsAtZeroRate", [] { return LoanFromPayment(786.70, 0, 0); }, "0.00"}),
    test::CaseName());

struct ErrorCase {
    const char* name;
    std::function<double()> compute;
    CalcErrorKind kind;
};

class SavingsErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(SavingsErrorTest, RaisesTheCalculationError) {
    try {
        const double result = GetParam().compute();
        FAIL() << "gave " << result;
    } catch (const CalcError& error) {
        EXPECT_EQ(error.Kind(), GetParam().kind) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Savings, SavingsErrorTest,
    testing::Values(
        ErrorCase{"FutureValueAtZeroRate", [] { return FutureValue("Monthly", 20000, 0, 120, 100); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"FutureValueAtZeroRateWithoutDeposits",
                  [] { return FutureValue("Monthly", 20000, 0, 120, 0); }, CalcErrorKind::InvalidOperation},
        ErrorCase{"FutureValueWithUnknownCompounding",
                  [] { return FutureValue("monthly", 20000, 6, 120, 0); }, CalcErrorKind::DivisionByZero},
        ErrorCase{"LoanFromPaymentAtZeroRate", [] { return LoanFromPayment(786.70, 0, 30); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"RentOverPartOfAYear", [] { return TotalRentPaid(1000, 5, 2.5); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"GainOverPartOfAYear", [] { return CompoundGain(100000, 4, 0.5); },
                  CalcErrorKind::InvalidOperation},
        ErrorCase{"GainOverflows", [] { return CompoundGain(1e300, 1e6, 100); }, CalcErrorKind::Overflow}),
    test::CaseName());

} // namespace
} // namespace kelvarin::loanmath
