#include "calculators/CalculatorSet.h"
#include "calculators/EstimatedClosingCosts.h"
#include "calculators/Session.h"
#include "loanmath/Numeric.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/DefaultsFile.h"
#include "workspace/HeldValues.h"
#include "workspace/ValueSets.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

namespace kelvarin::calculators {
namespace {

namespace fs = std::filesystem;
using testing::trimmed;
using workspace::Look;

constexpr const char* kPage = "pgEstimatedClosingCosts";

class ClosingCostsTest : public ::testing::Test {
protected:
    ClosingCostsTest() {
        page.registerHandlers(handlers);
        ws.showPage(kPage);
    }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    void click(std::string_view control) { handlers.click(control); }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    void resetTo(int valueSet) {
        ws.state().ValueSet = valueSet;
        page.ResetEstimatedClosingCosts();
    }
    // The sample inputs without fees or escrow counts, so that a test sees only what it sets.
    void typeInputs(const char* income, const char* debt, const char* rate, const char* years,
                    const char* percent, const char* tax, const char* insurance) {
        type("edtECCIncome", income);
        type("edtECCDebt", debt);
        type("edtEccInterest", rate);
        type("edtEccTerm", years);
        type("edtEccDownPaymentPercent", percent);
        type("edtECCTax", tax);
        type("edtECCInsurance", insurance);
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    EstimatedClosingCosts page{{ws, ui, held}};
};

TEST_F(ClosingCostsTest, SampleResetPricesTheQualifyingPurchase) {
    resetTo(1);
    const std::pair<const char*, const char*> expected[] = {
        {"edtEccCPurchasePrice", "$170,000.00"}, // 1.2 x 141,289.11 = 169,546.94, whole thousands
        {"edtEccCDownPayment", "$34,000.00"},
        {"edtEccCLoanAmount", "$136,000.00"},
        {"edtEccCPandI", "$904.81"},
        {"edtEccCMonthlyTax", "$150.00"},
        {"edtEccCMonthlyInsurance", "$30.00"},
        {"edtEccCpmi", "$0.00"}, // loan-to-value exactly 80
        {"edtClosingPMI", "$0.00"},
        {"edtEccCMonthlyPayment", "$1,084.81"},
        {"edtEccCHousingRatio", "27"},
        {"edtEccCDebtRatio", "38"},
        {"edtEccCClosingCosts", "$1,327.00"},
        {"edtII", "$391.23"},
        {"edtPMII", "$0.00"},
        {"edtHOIP", "$360.00"},
        {"edtHOII", "$60.00"},
        {"edtPTI", "$450.00"},
        {"edtEccCEscrows", "$1,261.23"},
        {"edtEccCCashRequiredToClose", "$36,588.23"},
        {"edtPMIPercent", "0.0000%"},
    };
    for (auto [field, text] : expected)
        EXPECT_EQ(shown(field), text) << field;
    EXPECT_FALSE(ui.printing); // the reset turns printing off after its own recalculation
    EXPECT_EQ(ui.focused, "edtECCIncome");
}

// The sample set stores results; they must be what CalcECC gives for the sample inputs, since
// the all-sample reset shows them without recalculating when the page is not shown.
TEST_F(ClosingCostsTest, StoredSampleResultsMatchTheCalculation) {
    ws.showPage("pgMenu");
    page.resetForAllSamples();
    const char* stored[] = {"edtII", "edtPMII", "edtHOIP", "edtHOII", "edtPTI"};
    std::vector<std::string> before;
    for (const char* field : stored)
        before.push_back(shown(field));
    page.CalcECC();
    for (std::size_t k = 0; k < std::size(stored); ++k)
        EXPECT_EQ(shown(stored[k]), before[k]) << stored[k];
}

struct ModeCase {
    const char* name;
    std::vector<const char*> clicks;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* price;
    const char* downPayment;
    const char* loan;
    const char* percent;
    const char* principalAndInterest;
    const char* pmi;
    const char* total;
    const char* housingRatio;
    const char* debtRatio;
};

class LockModes : public ClosingCostsTest, public ::testing::WithParamInterface<ModeCase> {};

// From the sample reset (income 4,000, debts 450, 7 %, 30 years, 20 %, taxes 1,800, insurance 360).
TEST_P(LockModes, DeriveTheOtherAmounts) {
    const ModeCase& c = GetParam();
    resetTo(1);
    for (const char* button : c.clicks)
        click(button);
    for (auto [field, text] : c.typed)
        type(field, text);
    EXPECT_EQ(shown("edtEccCPurchasePrice"), c.price);
    EXPECT_EQ(shown("edtEccCDownPayment"), c.downPayment);
    EXPECT_EQ(shown("edtEccCLoanAmount"), c.loan);
    EXPECT_EQ(shown("edtEccDownPaymentPercent"), c.percent);
    EXPECT_EQ(shown("edtEccCPandI"), c.principalAndInterest);
    EXPECT_EQ(shown("edtEccCpmi"), c.pmi);
    EXPECT_EQ(shown("edtEccCMonthlyPayment"), c.total);
    EXPECT_EQ(shown("edtEccCHousingRatio"), c.housingRatio); // income and debts still count
    EXPECT_EQ(shown("edtEccCDebtRatio"), c.debtRatio);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LockModes,
    ::testing::Values(ModeCase{"all_locked_qualifies_from_income",
                               {},
                               {},
                               "$170,000.00",
                               "$34,000.00",
                               "$136,000.00",
                               "20.0000%",
                               "$904.81",
                               "$0.00",
                               "$1,084.81",
                               "27",
                               "38"},
                      ModeCase{"price_typed",
                               {"btnUnlockPurchasePrice"},
                               {{"edtEccCPurchasePrice", "200000"}},
                               "$200,000.00",
                               "$40,000.00",
                               "$160,000.00",
                               "20.0000%",
                               "$1,064.48",
                               "$0.00",
                               "$1,244.48",
                               "31",
                               "42"},
                      ModeCase{"price_and_down_payment_typed",
                               {"btnUnlockPurchasePrice", "btnUnlockDownPayment"},
                               {{"edtEccCPurchasePrice", "200000"}, {"edtEccCDownPayment", "30000"}},
                               "$200,000.00",
                               "$30,000.00",
                               "$170,000.00",
                               "15.0000%",
                               "$1,131.01",
                               "$45.33",
                               "$1,356.35",
                               "34",
                               "45"},
                      ModeCase{"down_payment_typed_keeps_the_price",
                               {"btnUnlockDownPayment"},
                               {{"edtEccCDownPayment", "17000"}},
                               "$170,000.00",
                               "$17,000.00",
                               "$153,000.00",
                               "10.0000%",
                               "$1,017.91",
                               "$66.30",
                               "$1,264.21",
                               "32",
                               "43"},
                      ModeCase{"loan_and_down_payment_typed",
                               {"btnUnlockDownPayment", "btnUnlockLoanAmount"},
                               {{"edtEccCLoanAmount", "150000"}, {"edtEccCDownPayment", "50000"}},
                               "$200,000.00",
                               "$50,000.00",
                               "$150,000.00",
                               "25.0000%",
                               "$997.95",
                               "$0.00",
                               "$1,177.95",
                               "29",
                               "41"},
                      ModeCase{"loan_typed",
                               {"btnUnlockLoanAmount"},
                               {{"edtEccDownPaymentPercent", "5"}, {"edtEccCLoanAmount", "190000"}},
                               "$200,000.00",
                               "$10,000.00",
                               "$190,000.00",
                               "5.0000%",
                               "$1,264.07",
                               "$123.50",
                               "$1,567.57",
                               "39",
                               "50"}),
    [](const auto& row) { return std::string(row.param.name); });

struct PremiumCase {
    const char* name;
    int years;
    long double loanToValue;
    double premium;
};

class PremiumBands : public ::testing::TestWithParam<PremiumCase> {};

TEST_P(PremiumBands, LooksUpTheHeldRate) {
    const PremiumCase& c = GetParam();
    EXPECT_EQ(DeterminePMIPremium(workspace::HeldValues{}, c.years, c.loanToValue), c.premium);
}

INSTANTIATE_TEST_SUITE_P(Cases, PremiumBands,
                         ::testing::Values(PremiumCase{"ltv_80_none", 30, 80, 0},
                                           PremiumCase{"ltv_80_01_first_band", 30, 80.01L, 0.0032},
                                           PremiumCase{"ltv_85_stays_in_lower_band", 30, 85, 0.0032},
                                           PremiumCase{"ltv_just_above_85", 30, 85.0001L, 0.0052},
                                           PremiumCase{"ltv_90", 30, 90, 0.0052},
                                           PremiumCase{"ltv_95", 30, 95, 0.0078},
                                           PremiumCase{"ltv_97", 30, 97, 0.009},
                                           PremiumCase{"ltv_above_97_none", 30, 97.0001L, 0},
                                           PremiumCase{"term_16_long_column", 16, 82, 0.0032},
                                           PremiumCase{"term_15_short_column", 15, 82, 0.0019},
                                           PremiumCase{"term_15_band_85_90", 15, 88, 0.0023},
                                           PremiumCase{"term_15_band_90_95", 15, 93, 0.0056},
                                           PremiumCase{"term_15_band_95_97", 15, 96, 0.0079}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PremiumTable, UsesTheRatesOfTheDefaultsFile) {
    workspace::HeldValues held;
    held.Pmip308590 = 0.0061;
    held.Pmip158590 = 0.0027;
    EXPECT_EQ(DeterminePMIPremium(held, 30, 88), 0.0061);
    EXPECT_EQ(DeterminePMIPremium(held, 10, 88), 0.0027);
}

// The down payment percent on the page picks the band; the term picks the column.
struct PagePremiumCase {
    const char* name;
    const char* years;
    const char* percent;
    const char* premium;
    const char* pmi;
};

class PagePremium : public ClosingCostsTest, public ::testing::WithParamInterface<PagePremiumCase> {};

TEST_P(PagePremium, ShowsTheRateAndTheMonthlyPmi) {
    const PagePremiumCase& c = GetParam();
    resetTo(1);
    click("btnUnlockPurchasePrice");
    type("edtEccCPurchasePrice", "100000");
    type("edtEccTerm", c.years);
    type("edtEccDownPaymentPercent", c.percent);
    EXPECT_EQ(shown("edtPMIPercent"), c.premium);
    EXPECT_EQ(shown("edtEccCpmi"), c.pmi);
    EXPECT_EQ(shown("edtClosingPMI"), c.pmi);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PagePremium,
    ::testing::Values(PagePremiumCase{"ltv_exactly_80", "30", "20", "0.0000%", "$0.00"},
                      // 0.0032 x 80,010 / 12
                      PagePremiumCase{"ltv_80_01", "30", "19.99", "0.0032%", "$21.34"},
                      PagePremiumCase{"term_15_short_column", "15", "10", "0.0023%", "$17.25"},
                      PagePremiumCase{"term_16_long_column", "16", "10", "0.0052%", "$39.00"},
                      PagePremiumCase{"ltv_above_97", "30", "2.9999", "0.0000%", "$0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WholeThousands, HalfGoesToTheEvenThousand) {
    EXPECT_EQ(roundToThousands(132500), 132000);
    EXPECT_EQ(roundToThousands(133500), 134000);
    EXPECT_EQ(roundToThousands(132500.01L), 133000);
    EXPECT_EQ(roundToThousands(169546.94L), 170000);
    EXPECT_EQ(roundToThousands(499.99L), 0);
}

struct QualifyCase {
    const char* name;
    const char* income;
    const char* debt;
    const char* rate;
    const char* years;
    const char* percent;
    const char* tax;
    const char* price;
    const char* downPayment;
    const char* loan;
};

class QualifyFromIncome : public ClosingCostsTest, public ::testing::WithParamInterface<QualifyCase> {};

// Ratios 50 and 99, no insurance or fee: the cap is half the income.
TEST_P(QualifyFromIncome, PricesInWholeThousands) {
    const QualifyCase& c = GetParam();
    typeInputs(c.income, c.debt, c.rate, c.years, c.percent, c.tax, "0");
    type("edtEccHousingRatio", "50");
    type("edtEccDebtRatio", "99");
    EXPECT_EQ(shown("edtEccCPurchasePrice"), c.price);
    EXPECT_EQ(shown("edtEccCDownPayment"), c.downPayment);
    EXPECT_EQ(shown("edtEccCLoanAmount"), c.loan);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QualifyFromIncome,
    ::testing::Values(
        // 12 x 11,375 = 136,500: the half goes down to the even thousand.
        QualifyCase{"half_thousand_to_even_below", "22750", "0", "0", "1", "0", "0", "$136,000.00", "$0.00",
                    "$136,000.00"},
        // 12 x 11,125 = 133,500: the half goes up to the even thousand.
        QualifyCase{"half_thousand_to_even_above", "22250", "0", "0", "1", "0", "0", "$134,000.00", "$0.00",
                    "$134,000.00"},
        // A rate of 0 adds the payments: 360 x (1,500 - 100) = 504,000, grossed up by 1.2.
        QualifyCase{"rate_zero_adds_the_payments", "3000", "0", "0", "30", "20", "1200", "$605,000.00",
                    "$121,000.00", "$484,000.00"},
        // A loan of 12 x (8,400 - 800 / 12) = 100,000 gives 1.2 x 100,000, not 100,000 / 0.8.
        QualifyCase{"down_payment_grosses_up_the_loan", "16800", "0", "0", "1", "20", "800", "$120,000.00",
                    "$24,000.00", "$96,000.00"},
        QualifyCase{"income_zero_gives_nothing", "0", "450", "7", "30", "20", "1800", "$0.00", "$0.00",
                    "$0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ClosingCostsTest, IncomeZeroShowsZeroRatios) {
    resetTo(1);
    type("edtECCIncome", "0");
    EXPECT_EQ(shown("edtEccCHousingRatio"), "0");
    EXPECT_EQ(shown("edtEccCDebtRatio"), "0");
    click("btnUnlockPurchasePrice");
    type("edtEccCPurchasePrice", "100000"); // a typed price has a payment, but no income
    EXPECT_EQ(shown("edtEccCLoanAmount"), "$80,000.00");
    EXPECT_EQ(shown("edtEccCHousingRatio"), "0");
    EXPECT_EQ(shown("edtEccCDebtRatio"), "0");
}

TEST_F(ClosingCostsTest, SecondLoanTakesThePmiOfTheFirstOffThePayment) {
    // 10 % down, 30 years: premium 0.0052. At 0 %, B1 = 1,000 gives L1 = 360,000;
    // B2 = 1,000 - 0.0052 x 360,000 / 12 = 844 gives L2 = 303,840 and 1.1 x L2 = 334,224.
    typeInputs("2000", "0", "0", "30", "10", "0", "0");
    type("edtEccHousingRatio", "50");
    type("edtEccDebtRatio", "99");
    EXPECT_EQ(shown("edtEccCPurchasePrice"), "$334,000.00");
    EXPECT_EQ(shown("edtEccCLoanAmount"), "$300,600.00");
    EXPECT_EQ(shown("edtEccCpmi"), "$130.26");
}

TEST_F(ClosingCostsTest, PriceZeroWithTypedDownPaymentGivesPercentZero) {
    resetTo(1);
    click("btnUnlockPurchasePrice");
    click("btnUnlockDownPayment");
    type("edtEccCPurchasePrice", "0");
    type("edtEccCDownPayment", "5000");
    EXPECT_EQ(shown("edtEccDownPaymentPercent"), "0.0000%");
    EXPECT_EQ(shown("edtEccCLoanAmount"), "-$5,000.00");
}

TEST_F(ClosingCostsTest, FullDownPaymentOnATypedLoanIsACalculationError) {
    resetTo(1);
    click("btnUnlockLoanAmount");
    type("edtEccCLoanAmount", "100000");
    ws.field("edtEccDownPaymentPercent").setTypedText(testing::toU32("100"));
    workspace::leaveField(ws.field("edtEccDownPaymentPercent"));
    EXPECT_THROW(page.CalcECC(), loanmath::CalcError);
    EXPECT_EQ(shown("edtEccCMonthlyTax"), "$150.00");        // written before the failing step
    EXPECT_EQ(shown("edtEccCPurchasePrice"), "$125,000.00"); // unchanged from the last run
}

TEST_F(ClosingCostsTest, ReservesAreZeroWithoutInsuranceOrTax) {
    resetTo(1);
    for (const char* insurance : {"0", "-120"}) {
        type("edtECCInsurance", insurance);
        EXPECT_EQ(shown("edtHOIP"), "$0.00") << insurance;
        EXPECT_EQ(shown("edtHOII"), "$0.00") << insurance;
    }
    type("edtECCTax", "-1200");
    EXPECT_EQ(shown("edtPTI"), "$0.00");
}

TEST_F(ClosingCostsTest, ClosingCostsCountOneMonthOfPmiButNotTheSellersShare) {
    resetTo(1);
    click("btnUnlockDownPayment");
    type("edtEccCDownPayment", "17000"); // loan 153,000, PMI 66.30
    type("edtEccOriginationPoints", "1");
    type("edtEccDiscountPoints", "0.5");
    type("edtSellerPaid", "500");
    EXPECT_EQ(shown("edtOriginationFee"), "$1,530.00");
    EXPECT_EQ(shown("edtLOF"), "$765.00");
    EXPECT_EQ(shown("edtEccCClosingCosts"), "$3,688.30"); // 1,327 + 1,530 + 765 + 66.30
    EXPECT_EQ(shown("edtII"), "$440.14");
    EXPECT_EQ(shown("edtPMII"), "$132.60"); // 2 months
    EXPECT_EQ(shown("edtEccCEscrows"), "$1,442.74");
    EXPECT_EQ(shown("edtEccCCashRequiredToClose"), "$21,631.04"); // seller's 500 off once
}

// ---- Lock buttons ----

TEST_F(ClosingCostsTest, PriceAndLoanAreNeverBothUnlocked) {
    click("btnUnlockLoanAmount");
    EXPECT_FALSE(page.LoanAmountLocked());
    click("btnUnlockPurchasePrice");
    EXPECT_FALSE(page.PurchasePriceLocked());
    EXPECT_TRUE(page.LoanAmountLocked());
    EXPECT_TRUE(ws.field("edtEccCLoanAmount").readOnly());
    EXPECT_EQ(ws.field("edtEccCLoanAmount").look(), Look::Result);
    EXPECT_TRUE(ws.control("btnUnlockLoanAmount").visible());
    EXPECT_FALSE(ws.control("btnLockLoanAmount").visible());

    click("btnUnlockLoanAmount");
    EXPECT_FALSE(page.LoanAmountLocked());
    EXPECT_TRUE(page.PurchasePriceLocked());
    EXPECT_TRUE(ws.field("edtEccCPurchasePrice").readOnly());
    EXPECT_TRUE(ws.control("btnUnlockPurchasePrice").visible());
    EXPECT_EQ(ui.focused, "edtEccCLoanAmount");
}

TEST_F(ClosingCostsTest, IncomeCanBeTypedOnlyWhileAllAmountsAreLocked) {
    const auto& income = ws.field("edtECCIncome");
    click("btnUnlockDownPayment");
    EXPECT_FALSE(income.enabled());
    EXPECT_FALSE(income.tabStop());
    EXPECT_FALSE(ws.field("edtECCDebt").enabled());
    EXPECT_FALSE(ws.field("edtEccDownPaymentPercent").enabled());
    EXPECT_EQ(ws.field("edtEccDownPaymentPercent").look(), Look::Result);
    const auto& downPayment = ws.field("edtEccCDownPayment");
    EXPECT_FALSE(downPayment.readOnly());
    EXPECT_TRUE(downPayment.tabStop());
    EXPECT_EQ(downPayment.look(), Look::Normal);
    EXPECT_EQ(ui.focused, "edtEccCDownPayment");

    click("btnUnlockPurchasePrice");
    click("btnLockDownPayment");
    EXPECT_FALSE(income.enabled()); // the price is still typed
    EXPECT_TRUE(ws.field("edtEccDownPaymentPercent").enabled());
    EXPECT_EQ(ws.field("edtEccDownPaymentPercent").look(), Look::Normal);
    EXPECT_EQ(ui.focused, "edtEccCPurchasePrice");

    click("btnLockPurchasePrice");
    EXPECT_TRUE(income.enabled());
    EXPECT_TRUE(income.tabStop());
    EXPECT_TRUE(ws.field("edtECCDebt").enabled());
    EXPECT_EQ(ui.focused, "edtECCIncome");
    EXPECT_TRUE(ws.control("btnUnlockPurchasePrice").visible());
    EXPECT_FALSE(ws.control("btnLockPurchasePrice").visible());
}

TEST_F(ClosingCostsTest, LockButtonsDoNotRecalculate) {
    resetTo(1);
    click("btnUnlockPurchasePrice");
    EXPECT_EQ(shown("edtEccCPurchasePrice"), "$170,000.00");
    EXPECT_FALSE(ui.printing);
}

TEST_F(ClosingCostsTest, HiddenLockButtonDoesNothing) {
    // The price is locked, so its lock button is not shown; running it would move the focus.
    click("btnLockPurchasePrice");
    EXPECT_TRUE(ui.focused.empty());
}

TEST_F(ClosingCostsTest, LockingAllAmountsRestoresTheirLooks) {
    click("btnUnlockPurchasePrice");
    click("btnUnlockDownPayment");
    ui.focused.clear();
    ws.showPage("pgMenu");
    page.lockAllAmounts();
    EXPECT_TRUE(page.allLocked());
    for (const char* amount : {"edtEccCPurchasePrice", "edtEccCDownPayment", "edtEccCLoanAmount"}) {
        EXPECT_TRUE(ws.field(amount).readOnly()) << amount;
        EXPECT_EQ(ws.field(amount).look(), Look::Result) << amount;
    }
    EXPECT_TRUE(ws.field("edtEccDownPaymentPercent").enabled());
    EXPECT_TRUE(ws.field("edtECCIncome").enabled());
    EXPECT_FALSE(ws.control("btnLockDownPayment").visible());
    EXPECT_TRUE(ui.focused.empty());
}

// ---- Entering the page ----

TEST_F(ClosingCostsTest, EnteringWritesTheHeldRatiosAndRecalculates) {
    resetTo(1);
    held.HRatio = 33.5;
    held.DRatio = 36;
    ui.printing = false;
    ASSERT_TRUE(handlers.enter(kPage));
    EXPECT_EQ(shown("edtEccHousingRatio"), "34");
    EXPECT_EQ(shown("edtEccDebtRatio"), "36");
    EXPECT_EQ(ui.focused, "edtECCIncome");
    EXPECT_TRUE(ui.printing);
    // The debt ratio of 36 caps the payment now: 4,000 x 0.36 - 450 = 990, not 1,120.
    EXPECT_EQ(shown("edtEccCPurchasePrice"), "$146,000.00");
}

TEST_F(ClosingCostsTest, EnteringWithAnUnlockedAmountFocusesTheRate) {
    click("btnUnlockLoanAmount");
    handlers.enter(kPage);
    EXPECT_EQ(ui.focused, "edtEccInterest");
}

// ---- Resets ----

TEST_F(ClosingCostsTest, ZeroResetLocksEverythingAndClearsThePage) {
    resetTo(1);
    click("btnUnlockDownPayment");
    click("btnUnlockLoanAmount");
    type("edtSellerPaid", "250");
    resetTo(0);
    EXPECT_TRUE(page.allLocked());
    EXPECT_TRUE(ws.field("edtECCIncome").enabled());
    EXPECT_TRUE(ws.field("edtEccDownPaymentPercent").enabled());
    EXPECT_TRUE(ws.field("edtEccCDownPayment").readOnly());
    EXPECT_TRUE(ws.control("btnUnlockLoanAmount").visible());
    for (const char* field :
         {"edtECCIncome", "edtEccCPurchasePrice", "edtEccCClosingCosts", "edtAF", "edtII"})
        EXPECT_EQ(ws.field(field).readFloat(), 0) << field;
    EXPECT_EQ(shown("edtSellerPaid"), "$250.00"); // not part of either set
    EXPECT_EQ(shown("edtEccCCashRequiredToClose"), "-$250.00");
    EXPECT_FALSE(ui.printing);
}

TEST_F(ClosingCostsTest, AllZeroResetFromAnotherPageLocksWithoutRecalculating) {
    CalculatorSet set({ws, ui, held});
    ws.showPage(kPage);
    auto& closing = set.estimatedClosingCosts();
    set.handlers().click("btnUnlockPurchasePrice");
    ASSERT_FALSE(closing.PurchasePriceLocked());
    ws.showPage("pgMenu");
    ws.field("edtEccCPandI").writeFloat(12);
    ui.focused.clear();
    set.ResetAllToZero();
    EXPECT_TRUE(closing.allLocked());
    EXPECT_TRUE(ws.field("edtEccCPurchasePrice").readOnly());
    EXPECT_EQ(ws.field("edtEccCPandI").readFloat(), 0);
    EXPECT_TRUE(ui.focused.empty()); // nothing on a hidden page takes the focus
}

TEST(ClosingCostsSet, ThisResetRunsOnTheShownPage) {
    workspace::Workspace ws;
    testing::RecordingUi ui;
    workspace::HeldValues held;
    CalculatorSet set({ws, ui, held});
    ws.showPage(kPage);
    set.ResetThisCalculator(1);
    EXPECT_EQ(trimmed(ws.field("edtEccCMonthlyPayment")), "$1,084.81");
}

// The ratios and premium rates loaded at start-up are the ones the page uses.
TEST(ClosingCostsSession, UsesTheRatiosAndRatesOfTheDefaultsFile) {
    const fs::path folder =
        fs::temp_directory_path() / ("kelvarin-ecc-s-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    std::ofstream(folder / "ZELK.INI", std::ios::binary)
        << "[Ratios]\r\nHRatio=33.5\r\nDRatio=45\r\n[PmiValues]\r\nPmip308085=0.0045\r\n";
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.start(workspace::DefaultsFile(folder / "ZELK.INI"), {2026, 6});
    fs::remove_all(folder);

    auto& ws = session.workspace();
    ws.showPage(kPage);
    session.calculators().handlers().enter(kPage);
    EXPECT_EQ(trimmed(ws.field("edtEccHousingRatio")), "34");
    EXPECT_EQ(trimmed(ws.field("edtEccDebtRatio")), "45");
    ws.field("edtEccTerm").writeWhole(30);
    ws.field("edtEccDownPaymentPercent").writeFloat(15);
    session.calculators().estimatedClosingCosts().CalcECC();
    EXPECT_EQ(trimmed(ws.field("edtPMIPercent")), "0.0045%");
}

// ---- Panels and the defaults file ----

class PanelsTest : public ClosingCostsTest {
protected:
    PanelsTest() {
        folder = fs::temp_directory_path() / ("kelvarin-ecc-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        defaults.emplace(folder / "ZELK.INI");
        page.setDefaultsFile(&*defaults);
    }
    ~PanelsTest() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }

    void writeFile(const std::string& content) {
        std::ofstream(folder / "ZELK.INI", std::ios::binary) << content;
    }
    std::string fileContent() {
        std::ifstream in(folder / "ZELK.INI", std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }
    std::vector<std::string> fees() {
        std::vector<std::string> texts;
        for (const char* field : {"edtAF", "edtCR", "edtTSF", "edtLPF", "edtTIF", "edtTS", "edtSTT", "edtRF",
                                  "edtOF", "edtSellerPaid"})
            texts.push_back(shown(field));
        return texts;
    }
    bool panelOpen(const char* panel) { return ws.control(panel).visible(); }
    bool openersEnabled() {
        return ws.control("btnCalcClosing").enabled() && ws.control("btnCalcEscrows").enabled();
    }

    fs::path folder;
    std::optional<workspace::DefaultsFile> defaults;
};

TEST_F(PanelsTest, MissingFileShowsTheDefaultFees) {
    resetTo(1);
    click("btnCalcClosing");
    EXPECT_TRUE(panelOpen("pnlClosing"));
    EXPECT_FALSE(ws.control("btnCalcClosing").enabled());
    EXPECT_FALSE(ws.control("btnCalcEscrows").enabled());
    EXPECT_EQ(ui.focused, "edtAF");
    const std::vector<std::string> expected{"$300.00", "$42.00", "$85.00", "$0.00",   "$200.00",
                                            "$100.00", "$75.00", "$50.00", "$300.00", "$0.00"};
    EXPECT_EQ(fees(), expected); // the reset's 275, 47, ... are replaced
    EXPECT_FALSE(fs::exists(folder / "ZELK.INI"));
}

TEST_F(PanelsTest, ClosingSavesTheFeesAndTheNextOpeningShowsThem) {
    resetTo(1);
    click("btnCalcClosing");
    type("edtAF", "350");
    type("edtSellerPaid", "125.5");
    click("btnClosePnlClosing");
    EXPECT_FALSE(panelOpen("pnlClosing"));
    EXPECT_TRUE(openersEnabled());
    EXPECT_EQ(defaults->readString("ClosingCosts", "AppraisalFee", ""), "350");
    EXPECT_EQ(defaults->readString("ClosingCosts", "SellerPaid", ""), "125.5");
    EXPECT_EQ(defaults->readString("ClosingCosts", "OtherFees", ""), "300");

    // A reset, even a restart, does not change what the next opening shows.
    resetTo(1);
    workspace::HeldValues fresh;
    EstimatedClosingCosts restarted{{ws, ui, fresh}};
    restarted.setDefaultsFile(&*defaults);
    restarted.btnCalcClosingClick();
    EXPECT_EQ(shown("edtAF"), "$350.00");
    EXPECT_EQ(fresh.AppraisalFee, 350);
}

TEST_F(PanelsTest, ClosingTotalIncludesOneMonthOfPmiAndNotTheSellersShare) {
    resetTo(1);
    click("btnUnlockDownPayment");
    type("edtEccCDownPayment", "17000"); // PMI 66.30
    click("btnCalcClosing");             // fees 300, 42, 85, 0, 200, 100, 75, 50, 300 = 1,152
    type("edtSellerPaid", "400");
    ws.field("edtEccCClosingCosts").writeFloat(0);
    click("btnClosePnlClosing");
    EXPECT_EQ(shown("edtEccCClosingCosts"), "$1,218.30");
}

TEST_F(PanelsTest, SavingKeepsEveryOtherByteOfTheFile) {
    const std::string before =
        "; my defaults\r\n[Ratios]\r\nHRatio=30\r\n\r\n[ClosingCosts]\r\nAppraisalFee=410\r\n"
        "OriginationPoints=1\r\n[MRU]\nItem0=/tmp/a.zlk\n";
    writeFile(before);
    click("btnCalcClosing");
    EXPECT_EQ(shown("edtAF"), "$410.00");
    click("btnClosePnlClosing");
    const std::string after = fileContent();
    EXPECT_EQ(after.substr(0, after.find("AppraisalFee")), before.substr(0, before.find("AppraisalFee")));
    EXPECT_NE(after.find("AppraisalFee=410\r\nOriginationPoints=1\r\n"), std::string::npos) << after;
    EXPECT_NE(after.find("SellerPaid=0"), std::string::npos);
    EXPECT_EQ(after.substr(after.find("[MRU]")), "[MRU]\nItem0=/tmp/a.zlk\n");
}

TEST_F(PanelsTest, ReadOnlyFileIsReportedAndLeftWhole) {
    const std::string before = "[ClosingCosts]\r\nAppraisalFee=410\r\n";
    writeFile(before);
    fs::permissions(folder / "ZELK.INI", fs::perms::owner_read);
    if (std::ofstream(folder / "ZELK.INI", std::ios::app))
        GTEST_SKIP() << "permissions do not restrict this user (root)";
    click("btnCalcClosing");
    type("edtAF", "999");
    click("btnClosePnlClosing");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("ZELK.INI"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].icon, workspace::MessageIcon::Warning);
    EXPECT_EQ(fileContent(), before);
    EXPECT_FALSE(panelOpen("pnlClosing")); // closing still goes on
}

// A defaults "file" that is a folder cannot be written by anyone, root included.
TEST_F(PanelsTest, FailedSaveIsReportedAndThePanelStillCloses) {
    fs::create_directory(folder / "ZELK.INI");
    click("btnCalcEscrows");
    click("btnClosePnlEscrow");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("ZELK.INI"), std::string::npos) << ui.messages[0].text;
    EXPECT_FALSE(panelOpen("pnlEscrow"));
    EXPECT_TRUE(openersEnabled());
    EXPECT_TRUE(fs::is_directory(folder / "ZELK.INI"));
}

TEST_F(PanelsTest, FeeThatIsNotANumberLeavesThePanelOpenAndTheFieldsAlone) {
    writeFile("[ClosingCosts]\r\nCreditReport=abc\r\n");
    resetTo(1);
    EXPECT_THROW(page.btnCalcClosingClick(), std::runtime_error);
    EXPECT_TRUE(panelOpen("pnlClosing"));
    EXPECT_FALSE(ws.control("btnCalcEscrows").enabled());
    EXPECT_EQ(shown("edtAF"), "$275.00");
    click("btnClosePnlClosing"); // "OK" still closes and saves the fields as they are
    EXPECT_FALSE(panelOpen("pnlClosing"));
    EXPECT_EQ(defaults->readString("ClosingCosts", "CreditReport", ""), "47");
}

TEST_F(PanelsTest, EscrowCountsAreSavedButTheHeldOnesShowUntilRestart) {
    resetTo(1);
    click("btnCalcEscrows");
    EXPECT_TRUE(panelOpen("pnlEscrow"));
    EXPECT_EQ(ui.focused, "edtIIDays");
    EXPECT_EQ(shown("edtIIDays"), "15");
    type("edtIIDays", "20");
    EXPECT_EQ(shown("edtII"), "$521.64"); // 0.07 x 136,000 / 365 x 20
    click("btnClosePnlEscrow");
    EXPECT_FALSE(panelOpen("pnlEscrow"));
    EXPECT_TRUE(openersEnabled());
    EXPECT_EQ(defaults->readWhole("Escrows", "InterimInterestDays", 0), 20);
    EXPECT_EQ(defaults->readWhole("Escrows", "PropertyTaxMonths", 0), 3);
    EXPECT_EQ(shown("edtEccCEscrows"), "$1,391.64");

    click("btnCalcEscrows");
    EXPECT_EQ(shown("edtIIDays"), "15");
}

TEST_F(PanelsTest, OnlyOnePanelOpensAtATime) {
    click("btnCalcClosing");
    click("btnCalcEscrows");
    EXPECT_FALSE(panelOpen("pnlEscrow"));
    click("btnClosePnlEscrow"); // not open: its "OK" does nothing
    EXPECT_FALSE(fs::exists(folder / "ZELK.INI"));
    click("btnClosePnlClosing");
    click("btnCalcEscrows");
    EXPECT_TRUE(panelOpen("pnlEscrow"));
    EXPECT_FALSE(panelOpen("pnlClosing"));
}

TEST_F(PanelsTest, FocusCyclesInsideAnOpenPanel) {
    click("btnCalcClosing");
    ui.focused = "btnClosePnlClosing";
    page.btnClosePnlClosingExit();
    EXPECT_EQ(ui.focused, "edtAF");
    click("btnClosePnlClosing");
    ui.focused = "edtEccInterest";
    page.btnClosePnlClosingExit(); // a closed panel keeps nothing
    EXPECT_EQ(ui.focused, "edtEccInterest");

    click("btnCalcEscrows");
    ui.focused = "btnClosePnlEscrow";
    page.btnClosePnlEscrowExit();
    EXPECT_EQ(ui.focused, "edtIIDays");
}

}  // namespace
}  // namespace kelvarin::calculators
