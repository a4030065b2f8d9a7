#include "loanmath/Mortgage.h"

#include "TestSupport.h"
#include "loanmath/Numeric.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kelvarin::loanmath {
namespace {

// Row k as shown: its nine texts, trimmed, separated by single blanks.
std::string Line(const TMortgage& m, int k) {
    std::string line;
    for (const std::string& text : TMortgage::PaymentToStrings(m.Row(k))) {
        const auto first = text.find_first_not_of(' ');
        if (!line.empty())
            line += ' ';
        line += text.substr(first == std::string::npos ? text.size() : first);
    }
    return line;
}

// 100 000 at 8.75 % over 360 monthly payments from January 2000.
TMortgage ThirtyYearLoan() {
    return TMortgage(360, 100000, 0.0875, 12, 1, 2000);
}

struct RowCase {
    const char* name;
    std::function<TMortgage()> schedule;
    int row;
    const char* line; // Number Month Year Principal Interest TotalPrincipal TotalInterest Prepayment Balance
};

class ScheduleRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ScheduleRowTest, ShowsTheRow) {
    EXPECT_EQ(Line(GetParam().schedule(), GetParam().row), GetParam().line);
}

TMortgage TwelvePrepaymentsOf5000() {
    TMortgage m = ThirtyYearLoan();
    m.SetExtraPaymentRange(1, 12, 5000);
    return m;
}

TMortgage HundredOnEveryPayment() {
    TMortgage m = ThirtyYearLoan();
    m.SetExtraPaymentsFrom(1, 100);
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Mortgage, ScheduleRowTest,
    testing::Values(
        RowCase{"FirstRow", ThirtyYearLoan, 1, "1 1 2000 57.53 729.17 57.53 729.17 0.00 99942.47"},
        // The rounded payment is below the level payment, so a balance remains after the last row.
        RowCase{"LastRowLeavesABalance", ThirtyYearLoan, 360,
                "360 12 2029 781.00 5.70 99999.03 183212.97 0.00 0.97"},
        RowCase{"RangeFirstRow", TwelvePrepaymentsOf5000, 1,
                "1 1 2000 5057.53 729.17 5057.53 729.17 5000.00 94942.47"},
        RowCase{"RangeSecondRow", TwelvePrepaymentsOf5000, 2,
                "2 2 2000 5094.41 692.29 10151.94 1421.46 5000.00 89848.06"},
        RowCase{"RangeFirstRowAfterIt", TwelvePrepaymentsOf5000, 13,
                "13 1 2001 518.25 268.45 63702.73 6524.37 0.00 36297.27"},
        RowCase{"RangePayoffPaysTheRemainder", TwelvePrepaymentsOf5000, 70,
                "70 10 2005 351.73 2.56 100000.00 14636.59 0.00 0.00"},
        RowCase{"RangeRowsAfterPayoffKeepTheTotals", TwelvePrepaymentsOf5000, 71,
                "71 11 2005 0.00 0.00 100000.00 14636.59 0.00 0.00"},
        RowCase{"RangeLastRow", TwelvePrepaymentsOf5000, 360,
                "360 12 2029 0.00 0.00 100000.00 14636.59 0.00 0.00"},
        RowCase{"FromRowBeforePayoff", HundredOnEveryPayment, 237,
                "237 9 2019 875.00 11.70 99270.54 110877.36 100.00 729.46"},
        RowCase{"FromPayoffRowIsCleared", HundredOnEveryPayment, 238,
                "238 10 2019 729.46 5.32 100000.00 110882.68 0.00 0.00"},
        RowCase{"ZeroRateLastRowPaysTheRest", [] { return TMortgage(360, 100000, 0, 12, 1, 2000); }, 360,
                "360 12 2029 276.98 0.00 100000.00 0.00 0.00 0.00"},
        RowCase{"ZeroPrincipalRowsAreZero", [] { return TMortgage(360, 0, 0.0875, 12, 1, 2000); }, 360,
                "360 12 2029 0.00 0.00 0.00 0.00 0.00 0.00"},
        RowCase{"StartInDecember", [] { return TMortgage(360, 100000, 0.0875, 12, 12, 2000); }, 1,
                "1 12 2000 57.53 729.17 57.53 729.17 0.00 99942.47"},
        RowCase{"SecondRowAfterDecemberIsJanuaryOfNextYear",
                [] { return TMortgage(360, 100000, 0.0875, 12, 12, 2000); }, 2,
                "2 1 2001 57.95 728.75 115.48 1457.92 0.00 99884.52"},
        RowCase{"YearZeroNeverChanges", [] { return TMortgage(360, 100000, 0.0875, 12, 1, 0); }, 360,
                "360 12 0 781.00 5.70 99999.03 183212.97 0.00 0.97"},
        RowCase{"NegativeYearNeverChanges", [] { return TMortgage(24, 1000, 0.0875, 12, 11, -5); }, 24,
                "24 10 -5 45.24 0.33 1000.00 93.68 0.00 0.00"}),
    test::CaseName());

TEST(Mortgage, PaymentIsRoundedToCents) {
    EXPECT_EQ(ThirtyYearLoan().Payment(), 786.70);
    EXPECT_EQ(TMortgage(360, 100000, 0, 12, 1, 2000).Payment(), 277.78);
    EXPECT_EQ(TMortgage(360, 0, 0.0875, 12, 1, 2000).Payment(), 0.0);
}

TEST(Mortgage, NoPaymentsGiveNoRows) {
    for (int n : {0, -1, -360}) {
        const TMortgage m(n, 100000, 0.0875, 12, 1, 2000);
        EXPECT_TRUE(m.Rows().empty()) << n;
        EXPECT_THROW(m.Row(1), std::out_of_range) << n;
    }
    EXPECT_EQ(TMortgage(0, 100000, 0.0875, 12, 1, 2000).Payment(), 0.0);
}

TEST(Mortgage, EveryRowAfterThePayoffIsZeroApartFromTotalsAndPrepayment) {
    const TMortgage m = HundredOnEveryPayment();
    for (int k = 238; k <= 360; ++k) {
        const TPayment& row = m.Row(k);
        EXPECT_EQ(row.Prepayment, 0.0) << k;
        EXPECT_EQ(row.Balance, 0.0) << k;
        if (k > 238) {
            EXPECT_EQ(row.Principal, 0.0) << k;
            EXPECT_EQ(row.Interest, 0.0) << k;
            EXPECT_EQ(row.TotalInterest, m.Row(238).TotalInterest) << k;
        }
    }
    EXPECT_EQ(m.Row(237).Prepayment, 100.0);
}

TEST(Mortgage, InitialiseAgainDiscardsRowsAndPrepayments) {
    TMortgage m = TwelvePrepaymentsOf5000();
    m.Initialise(12, 10000, 0.06, 12, 6, 2010);
    ASSERT_EQ(m.Rows().size(), 12u);
    EXPECT_EQ(m.NumPayments(), 12);
    EXPECT_EQ(m.Row(1).Prepayment, 0.0);
    EXPECT_EQ(Line(m, 12), "12 5 2011 856.38 4.28 9999.96 327.96 0.00 0.04");
}

TEST(Mortgage, RemoveExtraPaymentsRestoresThePlainSchedule) {
    TMortgage m = TwelvePrepaymentsOf5000();
    m.RemoveExtraPayments();
    const TMortgage plain = ThirtyYearLoan();
    EXPECT_TRUE(std::equal(m.Rows().begin(), m.Rows().end(), plain.Rows().begin(), plain.Rows().end()));
}

TEST(Mortgage, RangeWithLastBelowFirstWritesTheFirstRowAlone) {
    TMortgage m = ThirtyYearLoan();
    m.SetExtraPaymentRange(5, 3, 1000);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(m.Row(k).Prepayment, k == 5 ? 1000.0 : 0.0) << k;
}

// A prepayment aimed at a payment the schedule does not have gives the engine's message and changes nothing.
struct TargetCase {
    const char* name;
    std::function<void(TMortgage&)> apply;
};

class PrepaymentTargetTest : public testing::TestWithParam<TargetCase> {};

TEST_P(PrepaymentTargetTest, ShowsTheMessageAndChangesNothing) {
    TMortgage m(12, 10000, 0.0875, 12, 1, 2000);
    m.SetExtraPayment(3, 250);
    const std::vector<TPayment> before(m.Rows().begin(), m.Rows().end());
    const double payment = m.Payment();
    try {
        GetParam().apply(m);
        FAIL() << "no message";
    } catch (const PrepaymentTargetError& error) {
        EXPECT_EQ(std::string(error.what()), PrepaymentTargetError::Text);
    }
    EXPECT_TRUE(std::equal(before.begin(), before.end(), m.Rows().begin(), m.Rows().end()));
    EXPECT_EQ(m.Payment(), payment);
}

INSTANTIATE_TEST_SUITE_P(
    Mortgage, PrepaymentTargetTest,
    testing::Values(
        TargetCase{"SingleBeforeTheFirst", [](TMortgage& m) { m.SetExtraPayment(0, 100); }},
        TargetCase{"SingleAfterTheLast", [](TMortgage& m) { m.SetExtraPayment(13, 100); }},
        // Rows 10 to 12 exist; the range must not write them before failing at 13.
        TargetCase{"RangeRunningPastTheLast", [](TMortgage& m) { m.SetExtraPaymentRange(10, 14, 100); }},
        TargetCase{"RangeStartingBeforeTheFirst", [](TMortgage& m) { m.SetExtraPaymentRange(0, 2, 100); }},
        TargetCase{"ReversedRangeStartingPastTheLast",
                   [](TMortgage& m) { m.SetExtraPaymentRange(13, 1, 100); }},
        TargetCase{"RangeUpToTheLargestInteger",
                   [](TMortgage& m) { m.SetExtraPaymentRange(1, 2147483647, 100); }}),
    test::CaseName());

TEST(Mortgage, MessageTextSeparatesLinesWithLineFeedThenCarriageReturn) {
    EXPECT_EQ(PrepaymentTargetText, "Cannot calculate results of extra payments without new figures.\n\r\n\r"
                                    "Please use the edit boxes and radio buttons to\n\r"
                                    "indicate the amount of your extra payments.");
}

TEST(Mortgage, PrepaymentsFromAPaymentOutsideTheScheduleAreARangeError) {
    TMortgage m(12, 10000, 0.0875, 12, 1, 2000);
    const std::vector<TPayment> before(m.Rows().begin(), m.Rows().end());
    EXPECT_THROW(m.SetExtraPaymentsFrom(13, 100), std::out_of_range);
    EXPECT_THROW(m.SetExtraPaymentsFrom(0, 100), std::out_of_range);
    EXPECT_THROW(m.SetExtraPaymentsFrom(-2147483647 - 1, 100), std::out_of_range);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), m.Rows().begin(), m.Rows().end()));

    TMortgage empty;
    EXPECT_THROW(empty.SetExtraPaymentsFrom(1, 100), std::out_of_range);
}

// The clearing pass keeps every prepayment that paid something, so the rows' own prepayments rebuild
// the same schedule, as the amortization page's recalculation does.
TEST(Mortgage, ClearingPassKeepsPrepaymentsThatPaidPrincipal) {
    TMortgage m(360, 20000, 0.0875, 12, 1, 2000);
    m.SetExtraPaymentRange(1, 12, 5000);
    EXPECT_EQ(Line(m, 3), "3 3 2000 5084.86 72.48 15144.42 327.60 5000.00 4855.58");
    EXPECT_EQ(Line(m, 4), "4 4 2000 4855.58 35.41 20000.00 363.01 5000.00 0.00");
    EXPECT_EQ(m.Row(5).Prepayment, 0.0);
}

struct RebuildCase {
    const char* name;
    std::function<void(TMortgage&)> apply;
};

class RebuildTest : public testing::TestWithParam<RebuildCase> {};

TEST_P(RebuildTest, RowsPrepaymentsRebuildTheSameSchedule) {
    TMortgage m(360, 20000, 0.0875, 12, 1, 2000);
    GetParam().apply(m);
    TMortgage rebuilt(360, 20000, 0.0875, 12, 1, 2000);
    for (const TPayment& row : m.Rows())
        if (row.Prepayment != 0)
            rebuilt.SetExtraPayment(row.Number, row.Prepayment);
    ASSERT_EQ(rebuilt.Rows().size(), m.Rows().size());
    for (int k = 1; k <= m.NumPayments(); ++k)
        ASSERT_EQ(Line(rebuilt, k), Line(m, k));
}

INSTANTIATE_TEST_SUITE_P(
    Mortgage, RebuildTest,
    testing::Values(RebuildCase{"LargeRange", [](TMortgage& m) { m.SetExtraPaymentRange(1, 12, 5000); }},
                    RebuildCase{"EveryPayment", [](TMortgage& m) { m.SetExtraPaymentsFrom(1, 100); }},
                    RebuildCase{"FromTheMiddle", [](TMortgage& m) { m.SetExtraPaymentsFrom(100, 250); }},
                    RebuildCase{"RangeThenSingles",
                                [](TMortgage& m) {
                                    m.SetExtraPaymentRange(2, 30, 700);
                                    m.SetExtraPayment(1, 50);
                                    m.SetExtraPaymentRange(40, 41, 1);
                                }}),
    test::CaseName());

// Setters rebuild only from the first row they change; the result must equal a full build.
TEST_P(RebuildTest, SettersGiveWhatAFullBuildGives) {
    TMortgage m(360, 20000, 0.0875, 12, 1, 2000);
    GetParam().apply(m);
    m.SetExtraPayment(3, 0);
    m.SetExtraPayment(200, 75);
    TMortgage full = m;
    full.BuildSchedule();
    ASSERT_EQ(full.Payment(), m.Payment());
    for (int k = 1; k <= m.NumPayments(); ++k)
        ASSERT_EQ(full.Row(k), m.Row(k)) << k;
    m.RemoveExtraPayments();
    const TMortgage plain(360, 20000, 0.0875, 12, 1, 2000);
    for (int k = 1; k <= m.NumPayments(); ++k)
        ASSERT_EQ(plain.Row(k), m.Row(k)) << k;
}

TEST(Mortgage, SetterAfterAFailedBuildRebuildsEverything) {
    TMortgage m(12, 10000, 0.0875, 12, 1, 2000);
    EXPECT_THROW(m.Initialise(12, 10000, 0.0875, 0, 1, 2000), CalcError); // rate / 0 payments a year
    // SetExtraPayment leaves its rebuild to the next read, which fails in the same way.
    m.SetExtraPayment(12, 0);
    EXPECT_THROW(m.Payment(), CalcError);
    TMortgage empty; // never initialised: 0 / 0 periodic rate, as the engine's zero fields give
    EXPECT_THROW(empty.RemoveExtraPayments(), CalcError);
}

TEST(Mortgage, PaymentToStringsAlignsAmountsAndCutsLongTexts) {
    TPayment row;
    row.Number = 7;
    row.Month = 12;
    row.Year = 2000;
    row.Principal = 57.53;
    row.Interest = -5.7;
    row.TotalPrincipal = 123456789012.34;    // 15 characters: no padding, nothing cut
    row.TotalInterest = 1234567890123456.75; // 19 characters: cut to 15
    row.Prepayment = 0.125;                  // exact half cent: away from zero
    row.Balance = 2.675;                     // the double is below 2.675
    const auto texts = TMortgage::PaymentToStrings(row);
    EXPECT_EQ(texts[0], "7");
    EXPECT_EQ(texts[1], "12");
    EXPECT_EQ(texts[2], "2000");
    EXPECT_EQ(texts[3], "       57.53");
    EXPECT_EQ(texts[4], "       -5.70");
    EXPECT_EQ(texts[5], "123456789012.34");
    EXPECT_EQ(texts[6], "123456789012345");
    EXPECT_EQ(texts[7], "        0.13");
    EXPECT_EQ(texts[8], "        2.67");
    row.Balance = -0.001;
    EXPECT_EQ(TMortgage::PaymentToStrings(row)[8], "        0.00");
}

TEST(Mortgage, ArithmeticFaultsRaiseTheCalculationError) {
    EXPECT_THROW(TMortgage(360, 100000, 0.0875, 0, 1, 2000), CalcError);
    // The totals run beyond the double range part way through the build.
    EXPECT_THROW(TMortgage(360, 1e308, 0.0875, 12, 1, 2000), CalcError);
}

} // namespace
} // namespace kelvarin::loanmath

namespace kelvarin::loanmath {
namespace {

// SetExtraPayment leaves its rebuild for the next read. An engine read after every call rebuilds
// eagerly; the two must agree on every row, payment, message and error, whatever the pattern.
class LazyRebuildTest : public testing::TestWithParam<unsigned> {};

struct Step {
    enum Kind { Single, Range, From, Remove, Read } kind;
    int first = 0;
    int last = 0;
    double amount = 0;
};

std::vector<Step> RandomSteps(std::mt19937& random, int n) {
    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_int_distribution<int> row(-1, n + 2); // a few outside the schedule
    const double amounts[] = {0, 0, 25, 100, 100, 5000, 0.01, 786.7, -50, 1e6};
    std::uniform_int_distribution<std::size_t> amount(0, std::size(amounts) - 1);
    std::vector<Step> steps;
    const int count = std::uniform_int_distribution<int>(1, 3 * n + 10)(random);
    for (int s = 0; s < count; ++s) {
        const int k = kind(random);
        Step step;
        step.first = row(random);
        step.last = row(random);
        step.amount = amounts[amount(random)];
        step.kind = k < 80   ? Step::Single
                    : k < 86 ? Step::Range
                    : k < 90 ? Step::From
                    : k < 93 ? Step::Remove
                             : Step::Read;
        steps.push_back(step);
    }
    return steps;
}

// Applies one step; returns what it threw, if anything, as a short text.
std::string Apply(TMortgage& m, const Step& step) {
    try {
        switch (step.kind) {
        case Step::Single:
            m.SetExtraPayment(step.first, step.amount);
            break;
        case Step::Range:
            m.SetExtraPaymentRange(step.first, step.last, step.amount);
            break;
        case Step::From:
            m.SetExtraPaymentsFrom(step.first, step.amount);
            break;
        case Step::Remove:
            m.RemoveExtraPayments();
            break;
        case Step::Read:
            return std::to_string(m.Rows().back().Balance);
        }
    } catch (const PrepaymentTargetError&) {
        return "message";
    } catch (const std::out_of_range&) {
        return "range error";
    }
    return {};
}

TEST_P(LazyRebuildTest, MatchesAnEagerRebuildOnRandomSchedules) {
    std::mt19937 random(GetParam());
    for (int schedule = 0; schedule < 40; ++schedule) {
        const int n = std::uniform_int_distribution<int>(1, 420)(random);
        const double principal = std::uniform_int_distribution<int>(0, 50000000)(random) / 100.0;
        const double rate = std::uniform_int_distribution<int>(0, 2000)(random) / 10000.0;
        const int month = std::uniform_int_distribution<int>(1, 12)(random);
        TMortgage lazy(n, principal, rate, 12, month, 2000);
        TMortgage eager = lazy;
        for (const Step& step : RandomSteps(random, n)) {
            const std::string lazyOutcome = Apply(lazy, step);
            const std::string eagerOutcome = Apply(eager, step);
            (void)eager.Payment(); // runs the rebuild now
            ASSERT_EQ(lazyOutcome, eagerOutcome) << "seed " << GetParam() << " schedule " << schedule;
        }
        ASSERT_EQ(lazy.Payment(), eager.Payment());
        ASSERT_EQ(lazy.Rows().size(), eager.Rows().size());
        TMortgage full = lazy;
        full.BuildSchedule();
        for (int k = 1; k <= n; ++k) {
            ASSERT_EQ(lazy.Row(k), eager.Row(k))
                << "seed " << GetParam() << " schedule " << schedule << " row " << k;
            ASSERT_EQ(lazy.Row(k), full.Row(k))
                << "seed " << GetParam() << " schedule " << schedule << " row " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Mortgage, LazyRebuildTest, testing::Values(1u, 2u, 3u, 20240611u));

TEST(Mortgage, PendingRebuildFailsAtTheNextRead) {
    // A prepayment of -1e308 makes the balance overflow on the next row.
    TMortgage m(12, 10000, 0.0875, 12, 1, 2000);
    m.SetExtraPayment(3, -1.7e308);
    EXPECT_THROW(m.Payment(), CalcError);
    // The failed build is not repeated by a read; the next setter rebuilds everything.
    EXPECT_NO_THROW(m.Rows());
    m.SetExtraPayment(3, 0);
    EXPECT_EQ(Line(m, 12), Line(TMortgage(12, 10000, 0.0875, 12, 1, 2000), 12));
}

} // namespace
} // namespace kelvarin::loanmath
