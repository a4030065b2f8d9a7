#include "workspace/Workspace.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvarin::workspace {
namespace {

using Names = std::vector<std::string_view>;

// Pages and their two numberings.

struct PageRow {
    int calculatorId;
    std::string_view name;
    std::string_view title;
    int helpContext;
    int defaultCalculatorNumber;
};

void PrintTo(const PageRow& row, std::ostream* os) {
    *os << row.name;
}

const PageRow kPageRows[] = {
    {0, "pgMenu", "Main Menu", 0, 0},
    {1, "pgQuickCalculators", "Quick Calculators", 20, 1},
    {2, "pgEstimatedClosingCosts", "Estimated Closing Costs", 70, 5},
    {3, "pgMortgageQualifier", "Mortgage Qualifier", 30, 2},
    {4, "pgBiweeklyPaymentCalculator", "Bi-weekly Payments", 100, 8},
    {5, "pgRefinancingCalculator", "Refinancing Calculator", 80, 6},
    {6, "pgLoanSpreadCalculator", "Loan Spread Calculator", 40, 3},
    {7, "pgAmortizationSchedules", "Amortization Schedules", 50, 4},
    {8, "pgRentVsBuyCalculator", "Rent vs. Buy Calculator", 90, 7},
    {9, "pgPrepaymentCalculator", "Prepayment Calculator", 120, 9},
    {10, "pgHomesellersProceedsCalculator", "Home Seller's Proceeds", 130, 10},
};

class PageTable : public ::testing::TestWithParam<PageRow> {};

TEST_P(PageTable, PositionTitleHelpContextAndMenuNumber) {
    const PageRow& row = GetParam();
    ASSERT_EQ(pages().size(), std::size(kPageRows));
    const PageInfo& byPosition = pages()[static_cast<std::size_t>(row.calculatorId)];
    EXPECT_EQ(byPosition.calculatorId, row.calculatorId);
    EXPECT_EQ(byPosition.name, row.name);
    EXPECT_EQ(byPosition.title, row.title);
    EXPECT_EQ(byPosition.helpContext, row.helpContext);
    EXPECT_EQ(byPosition.defaultCalculatorNumber, row.defaultCalculatorNumber);
    EXPECT_EQ(findPage(row.name), &byPosition);
    EXPECT_EQ(pageByDefaultCalculatorNumber(row.defaultCalculatorNumber), &byPosition);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTable, ::testing::ValuesIn(kPageRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PageLookup, UnknownNamesAndNumbersFindNothing) {
    EXPECT_EQ(findPage("pgNoSuchPage"), nullptr);
    EXPECT_EQ(findPage("pgmenu"), nullptr); // page names compare exactly
    EXPECT_EQ(findPage(""), nullptr);
    EXPECT_EQ(pageByDefaultCalculatorNumber(-1), nullptr);
    EXPECT_EQ(pageByDefaultCalculatorNumber(11), nullptr);
}

// Field counts and masks.

struct PageCount {
    std::string_view page;
    std::size_t fields;
};

void PrintTo(const PageCount& row, std::ostream* os) {
    *os << row.page;
}

const PageCount kPageCounts[] = {
    {"pgMenu", 0},
    {"pgQuickCalculators", 11},
    {"pgEstimatedClosingCosts", 52},
    {"pgMortgageQualifier", 32},
    {"pgBiweeklyPaymentCalculator", 12},
    {"pgRefinancingCalculator", 32},
    {"pgLoanSpreadCalculator", 6},
    {"pgAmortizationSchedules", 8},
    {"pgRentVsBuyCalculator", 20},
    {"pgPrepaymentCalculator", 19},
    {"pgHomesellersProceedsCalculator", 14},
};

class PageFieldCount : public ::testing::TestWithParam<PageCount> {};

TEST_P(PageFieldCount, TableAndWorkspaceHoldTheFieldsOfThePage) {
    const auto& [page, expected] = GetParam();
    const auto designs = allFieldDesigns();
    EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(designs, page, &FieldDesign::page)), expected);

    // The order of a page's fields is pinned by the independent tab-order rows (PanelTabOrder).
    const Workspace ws;
    const auto fields = ws.pageFields(page);
    ASSERT_EQ(fields.size(), expected);
    for (const ValueField* field : fields)
        EXPECT_EQ(field->design().page, page) << field->name();
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFieldCount, ::testing::ValuesIn(kPageCounts),
                         [](const auto& row) { return std::string(row.param.page); });

TEST(FieldTables, HoldTwoHundredSixFieldsInPageOrder) {
    const auto designs = allFieldDesigns();
    ASSERT_EQ(designs.size(), 206u);
    const Workspace ws;
    ASSERT_EQ(ws.fields().size(), 206u);
    int lastId = 0;
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const PageInfo* page = findPage(designs[i].page);
        ASSERT_NE(page, nullptr) << designs[i].name;
        EXPECT_GE(page->calculatorId, lastId) << designs[i].name << " breaks the page order";
        lastId = page->calculatorId;
        EXPECT_EQ(ws.fields()[i].name(), designs[i].name);
    }
}

struct MaskCount {
    std::string_view name;
    MaskKind kind;
    long fields;
};

void PrintTo(const MaskCount& row, std::ostream* os) {
    *os << row.name;
}

const MaskCount kMaskCounts[] = {
    {"Money17", MaskKind::Money17, 79},  {"Money13", MaskKind::Money13, 41},
    {"Money11", MaskKind::Money11, 10},  {"Money10", MaskKind::Money10, 9},
    {"Percent", MaskKind::Percent, 25},  {"Points8", MaskKind::Points8, 2},
    {"Points12", MaskKind::Points12, 2}, {"Ratio", MaskKind::Ratio, 8},
    {"Count", MaskKind::Count, 28},      {"Decimal", MaskKind::Decimal, 2},
};

class MaskTally : public ::testing::TestWithParam<MaskCount> {};

TEST_P(MaskTally, FieldsOfEachMaskKind) {
    EXPECT_EQ(std::ranges::count(allFieldDesigns(), GetParam().kind, &FieldDesign::mask), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskTally, ::testing::ValuesIn(kMaskCounts),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FieldTables, NamesAreUniqueValueFieldNames) {
    std::set<std::string_view> seen;
    for (const FieldDesign& design : allFieldDesigns()) {
        EXPECT_TRUE(design.name.starts_with("edt")) << design.name;
        EXPECT_TRUE(seen.insert(design.name).second) << "duplicate " << design.name;
    }
}

TEST(FieldTables, DecimalFieldsAreTheTwoTimeSavedFields) {
    Names decimals;
    for (const FieldDesign& design : allFieldDesigns())
        if (design.mask == MaskKind::Decimal)
            decimals.push_back(design.name);
    EXPECT_EQ(decimals, (Names{"edtTimeSavedMonths", "edtTimeSavedYears"}));
}

TEST(FieldTables, OnlyThreeCountFieldsAreLeftJustified) {
    Names left;
    for (const FieldDesign& design : allFieldDesigns())
        if (design.leftJustified) {
            left.push_back(design.name);
            EXPECT_EQ(design.mask, MaskKind::Count) << design.name;
        }
    EXPECT_EQ(left, (Names{"edtOldPaymentsMade", "edtPPCFromPmt", "edtPPCToPmt"}));
}

// The document's lines and the value sets name existing fields.

struct StoredLine {
    int line;
    std::string_view field;
    bool whole; // stored as a whole number, so a count field
};

const StoredLine kStoredLines[] = {
    {10, "edtLA", false},
    {11, "edtIR", false},
    {12, "edtPMT", false},
    {13, "edtN", true},
    {14, "edtMPISalesPrice", false},
    {15, "edtMPIDownPaymentSum", false},
    {16, "edtMPIDownPaymentPercent", false},
    {17, "edtMPILoanAmount", false},
    {18, "edtMPIInterestRate", false},
    {19, "edtMPITermInMonths", true},
    {20, "edtMPIPayment", false},
    {21, "edtECCIncome", false},
    {22, "edtECCDebt", false},
    {23, "edtEccInterest", false},
    {24, "edtEccOriginationPoints", false},
    {25, "edtEccDiscountPoints", false},
    {26, "edtEccTerm", true},
    {27, "edtEccDownPaymentPercent", false},
    {28, "edtECCTax", false},
    {29, "edtECCInsurance", false},
    {30, "edtECCAssociationFee", false},
    {31, "edtEccHousingRatio", false},
    {32, "edtEccDebtRatio", false},
    {33, "edtEccCPurchasePrice", false},
    {34, "edtEccCDownPayment", false},
    {35, "edtEccCLoanAmount", false},
    {36, "edtEccCPandI", false},
    {37, "edtEccCMonthlyTax", false},
    {38, "edtEccCMonthlyInsurance", false},
    {39, "edtEccCpmi", false},
    {40, "edtEccCMonthlyPayment", false},
    {41, "edtEccCEscrows", false},
    {42, "edtEccCClosingCosts", false},
    {43, "edtEccCCashRequiredToClose", false},
    {44, "edtEccCHousingRatio", false},
    {45, "edtEccCDebtRatio", false},
    {46, "edtLOF", false},
    {47, "edtAF", false},
    {48, "edtCR", false},
    {49, "edtTSF", false},
    {50, "edtLPF", false},
    {51, "edtSTT", false},
    {52, "edtTS", false},
    {53, "edtTIF", false},
    {54, "edtRF", false},
    {55, "edtOF", false},
    {56, "edtII", false},
    {57, "edtPMII", false},
    {58, "edtHOIP", false},
    {59, "edtHOII", false},
    {60, "edtPTI", false},
    {61, "edtIIDays", true},
    {62, "edtPMIPercent", false},
    {63, "edtPMIIMonths", true},
    {64, "edtHOIPMonths", true},
    {65, "edtHOIIMonths", true},
    {66, "edtPTIMonths", true},
    {67, "edtRVBMonthlyRent", false},
    {68, "edtRVBRentIncrease", false},
    {69, "edtRVBTerm", true},
    {70, "edtRVBRentSpent", false},
    {71, "edtRVBDownPayment", false},
    {72, "edtRVBEstimatedReturn", false},
    {73, "edtRVBInvestmentValue", false},
    {74, "edtRVBInterestRate", false},
    {75, "edtRVBLoanTerm", true},
    {76, "edtRVBHousePrice", false},
    {77, "edtRVBIncomeTax", false},
    {78, "edtRVBPropertyTax", false},
    {79, "edtRVBTaxDeductions", false},
    {80, "edtRVBPropertyAppreciation", false},
    {81, "edtRVBAppreciation", false},
    {82, "edtRVBAnnualMaintenance", false},
    {83, "edtRVBSellingCostPercent", false},
    {84, "edtRVBValueOfPurchase", false},
    {85, "edtRVBValueOfRenting", false},
    {86, "edtRVBGain", false},
    {87, "edtOldLoan", false},
    {88, "edtOldTerm", true},
    {89, "edtOldInterestRate", false},
    {90, "edtOldPaymentsMade", true},
    {91, "edtOldPaymentsRemaining", true},
    {92, "edtOldPayment", false},
    {93, "edtNewLoan", false},
    {94, "edtNewTerm", true},
    {95, "edtNewInterestRate", false},
    {96, "edtRefiClosingCosts", false},
    {97, "edtMonthsUntilSell", true},
    {98, "edtNewPayment", false},
    {99, "edtPaymentSaved", false},
    {100, "edtTotalPaymentSaved", false},
    {101, "edtOldEquity", false},
    {102, "edtNewEquity", false},
    {103, "edtEquitySavings", false},
    {104, "edtTotalSaved", false},
    {105, "edtMortgageAmount", false},
    {106, "edtMortgageInterest", false},
    {107, "edtMortgagePeriods", true},
    {108, "edtMortgagePayments", false},
    {109, "edtMortgageTotalPaid", false},
    {110, "edtMortgageCostOfLoan", false},
    {111, "edtMortgageHalfPayments", false},
    {112, "edtMortgageHalfTotalPaid", false},
    {113, "edtMortgageHalfCostOfLoan", false},
    {114, "edtTimeSavedMonths", false},
    {115, "edtTimeSavedYears", false},
    {116, "edtInterestSaved", false},
    {117, "edtLoan", false},
    {118, "edtInterest", false},
    {119, "edtTerm", true},
    {120, "edtPayment", false},
    {122, "edtMortAmt", false},
    {123, "edtIRate", false},
    {124, "edtNumPmts", true},
    {125, "edtAmortPayment", false},
    {126, "edtPPCAmountBorrowed", false},
    {127, "edtPPCInterest", false},
    {128, "edtPPCTerm", true},
    {129, "edtPPCPropertyTaxes", false},
    {130, "edtPPCInsurance", false},
    {131, "edtPPCPMI", false},
    {132, "edtPPCPayment", false},
    {133, "edtPPCTotalPayment", false},
    {134, "edtPPCTotalInterest", false},
    {135, "edtPPCTotalPrincipalAndInterest", false},
    {136, "edtPPCNewPayment", false},
    {137, "edtPPCNewTotalPayment", false},
    {138, "edtPPCTotalInterestWithPrepayments", false},
    {139, "edtPPCTotalInterestAndPrincipalWithPrepayments", false},
    {140, "edtPPCNewTerm", true},
    {141, "edtPPCSavings", false},
    {142, "edtHSPHouseSalesPrice", false},
    {143, "edtHSPFirstLoanBalance", false},
    {144, "edtHSPSecondLoanBalance", false},
    {145, "edtHSPOtherLoans", false},
    {146, "edtHSPPropertyTaxes", false},
    {147, "edtHSPTransferTaxPercent", false},
    {149, "edtHSPPrepaymentPenalty", false},
    {150, "edtHSPSalesCommission", false},
    {151, "edtHSPOtherSalesCommission", false},
    {152, "edtHSPOtherFees", false},
    {153, "edtHSPPropertyTaxesPaid", false},
    {154, "edtHSPTransferTaxesPaid", false},
    {155, "edtHSPCosts", false},
    {156, "edtHSPNetGain", false},
    {157, "edtIncome1", false},
    {158, "edtOIncome1", false},
    {159, "edtNotes1", false},
    {160, "edtAuto1", false},
    {161, "edtCards1", false},
    {162, "edtIncome2", false},
    {163, "edtOIncome2", false},
    {164, "edtNotes2", false},
    {165, "edtAuto2", false},
    {166, "edtCards2", false},
    {167, "edtMQDownPayment", false},
    {168, "edtHousingRatio", false},
    {169, "edtDebtRatio", false},
    {170, "edtMQir1", false},
    {171, "edtMQir2", false},
    {172, "edtMQir3", false},
    {173, "edtMQTerm1", true},
    {174, "edtMQTerm2", true},
    {175, "edtMQTerm3", true},
    {176, "edtMQPayment1", false},
    {177, "edtMQPayment2", false},
    {178, "edtMQPayment3", false},
    {179, "edtMQLoan1", false},
    {180, "edtMQLoan2", false},
    {181, "edtMQLoan3", false},
    {182, "edtMQPurchasePrice1", false},
    {183, "edtMQPurchasePrice2", false},
    {184, "edtMQPurchasePrice3", false},
    {186, "edtYear", true},
    {187, "edtMQPropertyTaxes", false},
    {188, "edtMQHomeownersInsurance", false},
};

// Not stored in documents; together with the stored ones they are every field exactly once.
const Names kNotStored = {"edtHiddenDiscountPoints",
                          "edtHiddenOriginationPoints",
                          "edtSellerPaid",
                          "edtOriginationFee",
                          "edtClosingPMI",
                          "edtIP",
                          "edtCalculatedHousingRatio",
                          "edtCalculatedDebtRatio",
                          "edtDiscountPoints",
                          "edtOriginationPoints",
                          "edtCreditCheck",
                          "edtAttyFeeY",
                          "edtAttyFeeL",
                          "edtTitleSearchFee",
                          "edtTitleInsuranceFee",
                          "edtAppraisalFee",
                          "edtInspections",
                          "edtLocalFees",
                          "edtOtherFees",
                          "edtPrepaymentPenalty",
                          "edtClosingFees",
                          "edtClosingPercent",
                          "edtTotalPaid",
                          "edtInterestPaid",
                          "edtToPmt",
                          "edtFromPmt",
                          "edtExtraAmount",
                          "edtPPCFromPmt",
                          "edtPPCToPmt",
                          "edtPPCExtraAmount"};

// The document groups its lines by page.
std::string_view pageOfLine(int line) {
    struct Block {
        int first, last;
        std::string_view page;
    };
    static const Block kBlocks[] = {
        {10, 20, "pgQuickCalculators"},
        {21, 66, "pgEstimatedClosingCosts"},
        {67, 86, "pgRentVsBuyCalculator"},
        {87, 104, "pgRefinancingCalculator"},
        {105, 116, "pgBiweeklyPaymentCalculator"},
        {117, 121, "pgLoanSpreadCalculator"},
        {122, 125, "pgAmortizationSchedules"},
        {126, 141, "pgPrepaymentCalculator"},
        {142, 156, "pgHomesellersProceedsCalculator"},
        {157, 184, "pgMortgageQualifier"},
        {185, 186, "pgAmortizationSchedules"},
        {187, 188, "pgMortgageQualifier"},
    };
    for (const Block& block : kBlocks)
        if (line >= block.first && line <= block.last)
            return block.page;
    return {};
}

TEST(DocumentFields, EveryStoredFieldExistsOnItsPageWithItsNumberForm) {
    const Workspace ws;
    for (const StoredLine& stored : kStoredLines) {
        const ValueField* field = ws.findField(stored.field);
        ASSERT_NE(field, nullptr) << "line " << stored.line << ": " << stored.field;
        EXPECT_EQ(field->design().page, pageOfLine(stored.line)) << stored.field;
        EXPECT_EQ(field->design().mask == MaskKind::Count, stored.whole)
            << "line " << stored.line << ": " << stored.field << " has the wrong kind for its form";
    }
}

TEST(DocumentFields, StoredAndUnstoredFieldsCoverTheWorkspaceOnce) {
    std::map<std::string_view, int> mentions;
    for (const StoredLine& stored : kStoredLines)
        ++mentions[stored.field];
    for (std::string_view name : kNotStored)
        ++mentions[name];
    for (const FieldDesign& design : allFieldDesigns()) {
        EXPECT_EQ(mentions[design.name], 1) << design.name;
        mentions.erase(design.name);
    }
    for (const auto& [name, count] : mentions)
        ADD_FAILURE() << name << " is named by the document but is no field";
}

struct ValueSetPage {
    std::string_view page;
    Names fields;
};

// Every field that a page reset writes or names.
const ValueSetPage kValueSetPages[] = {
    {"pgQuickCalculators",
     {"edtLA", "edtIR", "edtPMT", "edtN", "edtMPISalesPrice", "edtMPIDownPaymentSum",
      "edtMPIDownPaymentPercent", "edtMPILoanAmount", "edtMPIInterestRate", "edtMPITermInMonths",
      "edtMPIPayment"}},
    {"pgEstimatedClosingCosts",
     {"edtECCIncome",
      "edtECCDebt",
      "edtEccInterest",
      "edtEccOriginationPoints",
      "edtEccDiscountPoints",
      "edtEccTerm",
      "edtEccDownPaymentPercent",
      "edtECCTax",
      "edtECCInsurance",
      "edtECCAssociationFee",
      "edtEccHousingRatio",
      "edtEccDebtRatio",
      "edtEccCPurchasePrice",
      "edtEccCDebtRatio",
      "edtLOF",
      "edtAF",
      "edtCR",
      "edtTSF",
      "edtLPF",
      "edtSTT",
      "edtTS",
      "edtTIF",
      "edtRF",
      "edtOF",
      "edtII",
      "edtPMII",
      "edtHOIP",
      "edtHOII",
      "edtPTI",
      "edtIIDays",
      "edtPMIPercent",
      "edtPMIIMonths",
      "edtHOIPMonths",
      "edtHOIIMonths",
      "edtPTIMonths",
      "edtSellerPaid",
      "edtOriginationFee",
      "edtClosingPMI"}},
    {"pgMortgageQualifier",
     {"edtIncome1",
      "edtOIncome1",
      "edtNotes1",
      "edtAuto1",
      "edtCards1",
      "edtIncome2",
      "edtOIncome2",
      "edtNotes2",
      "edtAuto2",
      "edtCards2",
      "edtMQPropertyTaxes",
      "edtMQHomeownersInsurance",
      "edtMQDownPayment",
      "edtHousingRatio",
      "edtCalculatedHousingRatio",
      "edtDebtRatio",
      "edtCalculatedDebtRatio",
      "edtMQir1",
      "edtMQir2",
      "edtMQir3",
      "edtMQTerm1",
      "edtMQTerm2",
      "edtMQTerm3",
      "edtMQPayment1",
      "edtMQPayment3",
      "edtMQLoan1",
      "edtMQLoan2",
      "edtMQLoan3",
      "edtMQPurchasePrice1",
      "edtMQPurchasePrice2",
      "edtMQPurchasePrice3"}},
    {"pgRentVsBuyCalculator",
     {"edtRVBMonthlyRent",
      "edtRVBRentIncrease",
      "edtRVBTerm",
      "edtRVBRentSpent",
      "edtRVBDownPayment",
      "edtRVBEstimatedReturn",
      "edtRVBInvestmentValue",
      "edtRVBInterestRate",
      "edtRVBLoanTerm",
      "edtRVBHousePrice",
      "edtRVBIncomeTax",
      "edtRVBPropertyTax",
      "edtRVBTaxDeductions",
      "edtRVBPropertyAppreciation",
      "edtRVBAppreciation",
      "edtRVBAnnualMaintenance",
      "edtRVBSellingCostPercent",
      "edtRVBValueOfPurchase",
      "edtRVBValueOfRenting",
      "edtRVBGain"}},
    {"pgRefinancingCalculator",
     {"edtOldLoan", "edtOldTerm", "edtOldInterestRate", "edtOldPaymentsMade", "edtOldPaymentsRemaining",
      "edtOldPayment", "edtNewLoan", "edtNewTerm", "edtNewInterestRate", "edtRefiClosingCosts",
      "edtMonthsUntilSell", "edtNewPayment", "edtPaymentSaved", "edtTotalPaymentSaved", "edtOldEquity",
      "edtNewEquity", "edtEquitySavings", "edtTotalSaved"}},
    {"pgBiweeklyPaymentCalculator",
     {"edtMortgageAmount", "edtMortgageInterest", "edtMortgagePeriods", "edtMortgagePayments",
      "edtMortgageTotalPaid", "edtMortgageCostOfLoan", "edtMortgageHalfPayments", "edtMortgageHalfTotalPaid",
      "edtMortgageHalfCostOfLoan", "edtTimeSavedMonths", "edtTimeSavedYears", "edtInterestSaved"}},
    {"pgLoanSpreadCalculator", {"edtLoan", "edtInterest", "edtTerm", "edtPayment"}},
    {"pgAmortizationSchedules",
     {"edtFromPmt", "edtToPmt", "edtExtraAmount", "edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment",
      "edtYear"}},
    {"pgPrepaymentCalculator",
     {"edtPPCExtraAmount", "edtPPCAmountBorrowed", "edtPPCInterest", "edtPPCTerm", "edtPPCPropertyTaxes",
      "edtPPCInsurance", "edtPPCPMI", "edtPPCPayment", "edtPPCTotalPayment", "edtPPCTotalInterest",
      "edtPPCTotalPrincipalAndInterest", "edtPPCNewPayment", "edtPPCNewTotalPayment",
      "edtPPCTotalInterestWithPrepayments", "edtPPCTotalInterestAndPrincipalWithPrepayments", "edtPPCNewTerm",
      "edtPPCSavings"}},
    {"pgHomesellersProceedsCalculator",
     {"edtHSPHouseSalesPrice", "edtHSPFirstLoanBalance", "edtHSPSecondLoanBalance", "edtHSPOtherLoans",
      "edtHSPPropertyTaxes", "edtHSPTransferTaxPercent", "edtHSPPrepaymentPenalty", "edtHSPSalesCommission",
      "edtHSPOtherSalesCommission", "edtHSPOtherFees", "edtHSPPropertyTaxesPaid", "edtHSPTransferTaxesPaid",
      "edtHSPCosts", "edtHSPNetGain"}},
};

TEST(ValueSetFields, EveryFieldOfAPageResetExistsOnThatPage) {
    const Workspace ws;
    for (const auto& [page, names] : kValueSetPages)
        for (std::string_view name : names) {
            const ValueField* field = ws.findField(name);
            ASSERT_NE(field, nullptr) << page << ": " << name;
            EXPECT_EQ(field->design().page, page) << name;
        }
}

// Tab order.

struct TabOrder {
    std::string_view rowName;
    std::string_view page;
    std::string_view panel;
    Names fields;
};

void PrintTo(const TabOrder& row, std::ostream* os) {
    *os << row.rowName;
}

const TabOrder kTabOrders[] = {
    {"MonthlyPaymentTab",
     "pgQuickCalculators",
     "Page2",
     {"edtMPISalesPrice", "edtMPIDownPaymentSum", "edtMPIDownPaymentPercent", "edtMPILoanAmount",
      "edtMPIInterestRate", "edtMPITermInMonths", "edtMPIPayment"}},
    {"MissingLoanVariablesTab", "pgQuickCalculators", "Page1", {"edtLA", "edtIR", "edtPMT", "edtN"}},
    {"RentVsBuyBothColumns",
     "pgRentVsBuyCalculator",
     "",
     {"edtRVBMonthlyRent",
      "edtRVBRentIncrease",
      "edtRVBTerm",
      "edtRVBRentSpent",
      "edtRVBDownPayment",
      "edtRVBEstimatedReturn",
      "edtRVBInvestmentValue",
      "edtRVBInterestRate",
      "edtRVBLoanTerm",
      "edtRVBHousePrice",
      "edtRVBIncomeTax",
      "edtRVBPropertyTax",
      "edtRVBTaxDeductions",
      "edtRVBPropertyAppreciation",
      "edtRVBAppreciation",
      "edtRVBAnnualMaintenance",
      "edtRVBSellingCostPercent",
      "edtRVBValueOfPurchase",
      "edtRVBValueOfRenting",
      "edtRVBGain"}},
    {"RefinancingPage",
     "pgRefinancingCalculator",
     "",
     {"edtOldLoan", "edtOldTerm", "edtOldInterestRate", "edtOldPaymentsMade", "edtNewLoan", "edtNewTerm",
      "edtNewInterestRate", "edtRefiClosingCosts", "edtMonthsUntilSell", "edtOldPaymentsRemaining",
      "edtOldPayment", "edtNewPayment", "edtPaymentSaved", "edtTotalPaymentSaved", "edtOldEquity",
      "edtNewEquity", "edtEquitySavings", "edtTotalSaved"}},
    {"RefinancingClosingCostsPanel",
     "pgRefinancingCalculator",
     "pnlClosingCosts",
     {"edtDiscountPoints", "edtOriginationPoints", "edtCreditCheck", "edtAttyFeeY", "edtAttyFeeL",
      "edtTitleSearchFee", "edtTitleInsuranceFee", "edtAppraisalFee", "edtInspections", "edtLocalFees",
      "edtOtherFees", "edtPrepaymentPenalty", "edtClosingFees", "edtClosingPercent"}},
    {"ClosingCostPanel",
     "pgEstimatedClosingCosts",
     "pnlClosing",
     {"edtOriginationFee", "edtLOF", "edtAF", "edtCR", "edtTSF", "edtLPF", "edtTIF", "edtTS", "edtSTT",
      "edtRF", "edtClosingPMI", "edtOF", "edtSellerPaid"}},
    {"EscrowPanelCountsFirst",
     "pgEstimatedClosingCosts",
     "pnlEscrow",
     {"edtIIDays", "edtPTIMonths", "edtHOIPMonths", "edtHOIIMonths", "edtPMIIMonths", "edtII", "edtPTI",
      "edtHOIP", "edtHOII", "edtPMII", "edtPMIPercent"}},
    {"HomeSellersProceeds",
     "pgHomesellersProceedsCalculator",
     "",
     {"edtHSPHouseSalesPrice", "edtHSPFirstLoanBalance", "edtHSPSecondLoanBalance", "edtHSPOtherLoans",
      "edtHSPPropertyTaxes", "edtHSPPropertyTaxesPaid", "edtHSPTransferTaxPercent", "edtHSPTransferTaxesPaid",
      "edtHSPPrepaymentPenalty", "edtHSPSalesCommission", "edtHSPOtherSalesCommission", "edtHSPOtherFees",
      "edtHSPCosts", "edtHSPNetGain"}},
};

class PanelTabOrder : public ::testing::TestWithParam<TabOrder> {};

TEST_P(PanelTabOrder, FieldsOfThePanelInTabOrder) {
    const TabOrder& expected = GetParam();
    const Workspace ws;
    Names actual;
    for (const ValueField* field : ws.pageFields(expected.page))
        if (field->design().panel == expected.panel)
            actual.push_back(field->name());
    EXPECT_EQ(actual, expected.fields);
}

INSTANTIATE_TEST_SUITE_P(Pages, PanelTabOrder, ::testing::ValuesIn(kTabOrders),
                         [](const auto& row) { return std::string(row.param.rowName); });

// Attributes at program start.

struct Attributes {
    std::string_view field;
    std::string_view panel;
    MaskKind mask;
    std::string_view label;
    std::string_view exitHandler;
    bool readOnly, visible, enabled, tabStop;
};

void PrintTo(const Attributes& row, std::ostream* os) {
    *os << row.field;
}

constexpr bool kRO = true, kRW = false, kShown = true, kHidden = false, kOn = true, kOff = false, kTab = true,
               kNoTab = false;

const Attributes kAttributes[] = {
    {"edtMPIDownPaymentPercent", "Page2", MaskKind::Percent, "or  %", "CalcMPI", kRW, kShown, kOn, kTab},
    {"edtMPIPayment", "Page2", MaskKind::Money17, "Monthly Payment (P&&I)", "CalcMPI", kRO, kShown, kOn,
     kNoTab},
    {"edtN", "Page1", MaskKind::Count, "", "", kRW, kShown, kOn, kTab},
    {"edtECCIncome", "", MaskKind::Money17, "Monthly Income", "CalcECC", kRW, kShown, kOn, kTab},
    {"edtEccOriginationPoints", "", MaskKind::Points8, "Origination Points", "CalcECC", kRW, kShown, kOn,
     kTab},
    {"edtEccCPurchasePrice", "", MaskKind::Money17, "Purchase Price", "CalcECC", kRO, kShown, kOn, kNoTab},
    {"edtEccCDebtRatio", "", MaskKind::Ratio, "Your Actual Debt Ratio", "CalcECC", kRO, kShown, kOn, kNoTab},
    {"edtAF", "pnlClosing", MaskKind::Money11, "Appraisal Fee", "CalcECC", kRW, kShown, kOn, kTab},
    {"edtClosingPMI", "pnlClosing", MaskKind::Money10, "PMI", "CalcECC", kRO, kShown, kOn, kNoTab},
    {"edtIIDays", "pnlEscrow", MaskKind::Count, "Days", "CalcECC", kRW, kShown, kOn, kTab},
    {"edtPMIIMonths", "pnlEscrow", MaskKind::Count, "", "CalcECC", kRW, kHidden, kOn, kTab},
    {"edtPMIPercent", "pnlEscrow", MaskKind::Percent, "PMI Premium Rate", "CalcECC", kRO, kShown, kOn,
     kNoTab},
    {"edtHiddenDiscountPoints", "", MaskKind::Points12, "", "CalcECC", kRW, kHidden, kOn, kTab},
    {"edtMQir1", "", MaskKind::Percent, "Interest Rate", "CalcMQ", kRW, kShown, kOn, kTab},
    {"edtMQTerm3", "", MaskKind::Count, "Term (Years)", "CalcMQ", kRW, kShown, kOn, kTab},
    {"edtCalculatedDebtRatio", "", MaskKind::Ratio, "Debt", "CalcMQ", kRO, kShown, kOn, kNoTab},
    {"edtMortgageHalfCostOfLoan", "", MaskKind::Money17, "Interest Paid", "CalcBW", kRO, kShown, kOn, kNoTab},
    {"edtTimeSavedYears", "", MaskKind::Decimal, "Years Saved", "", kRO, kShown, kOn, kNoTab},
    {"edtOldPaymentsMade", "", MaskKind::Count, "Payments Made", "CalcRefi", kRW, kShown, kOn, kTab},
    {"edtOldPaymentsRemaining", "", MaskKind::Count, "Payments Remaining", "CalcRefi", kRO, kShown, kOn,
     kNoTab},
    {"edtPrepaymentPenalty", "pnlClosingCosts", MaskKind::Money13, "Prepayment Penalty", "CalcClosingCosts",
     kRW, kShown, kOn, kTab},
    {"edtClosingFees", "pnlClosingCosts", MaskKind::Money10, "Closing Costs", "CalcRefi", kRO, kShown, kOn,
     kNoTab},
    // Looks computed from the start but stays editable until the first change of mode.
    {"edtPayment", "", MaskKind::Money13, "Payment", "ChooseLoanSpreadCalculator", kRW, kShown, kOn, kNoTab},
    {"edtInterestPaid", "", MaskKind::Money13, "Interest Paid", "ChooseLoanSpreadCalculator", kRO, kShown,
     kOn, kNoTab},
    {"edtMortAmt", "", MaskKind::Money13, "Loan Amount", "", kRW, kShown, kOn, kTab},
    {"edtAmortPayment", "", MaskKind::Money13, "Monthly Payment", "", kRO, kShown, kOn, kNoTab},
    {"edtToPmt", "pnlAddExtra", MaskKind::Count, "To Payment #", "", kRW, kShown, kOn, kTab},
    {"edtRVBHousePrice", "", MaskKind::Money13, "Price of Home You Can Afford at Your Rent Payment",
     "CalcRVB", kRO, kShown, kOn, kNoTab},
    {"edtPPCFromPmt", "", MaskKind::Count, "From Payment #", "CalcPPC", kRW, kHidden, kOff, kTab},
    {"edtPPCNewTerm", "", MaskKind::Count, "New Term in Months", "", kRO, kShown, kOn, kNoTab},
    {"edtHSPTransferTaxPercent", "", MaskKind::Percent, "Transfer Taxes (%)", "CalcHSP", kRW, kShown, kOn,
     kTab},
    {"edtHSPNetGain", "", MaskKind::Money17, "Seller's Proceeds at Closing", "CalcHSP", kRO, kShown, kOn,
     kNoTab},
};

class FieldAttributes : public ::testing::TestWithParam<Attributes> {};

TEST_P(FieldAttributes, AtProgramStart) {
    const Attributes& expected = GetParam();
    const Workspace ws;
    const ValueField& field = ws.field(expected.field);
    EXPECT_EQ(field.design().panel, expected.panel);
    EXPECT_EQ(field.design().mask, expected.mask);
    EXPECT_EQ(field.design().label, expected.label);
    EXPECT_EQ(field.design().exitHandler, expected.exitHandler);
    EXPECT_EQ(field.readOnly(), expected.readOnly);
    EXPECT_EQ(field.visible(), expected.visible);
    EXPECT_EQ(field.enabled(), expected.enabled);
    EXPECT_EQ(field.tabStop(), expected.tabStop);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldAttributes, ::testing::ValuesIn(kAttributes),
                         [](const auto& row) { return std::string(row.param.field); });

TEST(FieldAttributes, ComputedFieldsStartInTheResultLookAndOutOfTheTabOrder) {
    const Workspace ws;
    for (const ValueField& field : ws.fields()) {
        if (field.readOnly()) {
            EXPECT_FALSE(field.tabStop()) << field.name();
            EXPECT_EQ(field.look(), Look::Result) << field.name();
        } else if (field.name() != "edtPayment") {
            EXPECT_EQ(field.look(), Look::Normal) << field.name();
        }
    }
    EXPECT_EQ(ws.field("edtPayment").look(), Look::Result);
}

TEST(FieldAttributes, EachPageUsesOnlyItsOwnHandlersAndPanels) {
    struct Allowed {
        std::set<std::string_view> handlers, panels;
    };
    const std::map<std::string_view, Allowed> allowed = {
        {"pgQuickCalculators", {{"CalcMPI", ""}, {"Page2", "Page1"}}},
        {"pgEstimatedClosingCosts", {{"CalcECC"}, {"", "pnlClosing", "pnlEscrow"}}},
        {"pgMortgageQualifier", {{"CalcMQ"}, {""}}},
        {"pgBiweeklyPaymentCalculator", {{"CalcBW", ""}, {""}}},
        {"pgRefinancingCalculator", {{"CalcRefi", "CalcClosingCosts"}, {"", "pnlClosingCosts"}}},
        {"pgLoanSpreadCalculator", {{"ChooseLoanSpreadCalculator"}, {""}}},
        {"pgAmortizationSchedules", {{""}, {"", "pnlAddExtra"}}},
        {"pgRentVsBuyCalculator", {{"CalcRVB"}, {""}}},
        {"pgPrepaymentCalculator", {{"CalcPPC", ""}, {""}}},
        {"pgHomesellersProceedsCalculator", {{"CalcHSP"}, {""}}},
    };
    for (const FieldDesign& design : allFieldDesigns()) {
        const auto it = allowed.find(design.page);
        ASSERT_NE(it, allowed.end()) << design.name;
        EXPECT_TRUE(it->second.handlers.contains(design.exitHandler))
            << design.name << ": " << design.exitHandler;
        EXPECT_TRUE(it->second.panels.contains(design.panel)) << design.name << ": " << design.panel;
    }
}

TEST(FieldAttributes, EveryFieldStartsAsWideAsItsMask) {
    const Workspace ws;
    for (const ValueField& field : ws.fields())
        EXPECT_EQ(field.text().size(), field.mask().picture.size()) << field.name();
}

// Choices.

struct ChoiceRow {
    std::string_view name;
    std::string_view page;
    std::vector<std::string> items;
    int index;
    std::string_view text;
    bool editable;
    bool visible;
};

void PrintTo(const ChoiceRow& row, std::ostream* os) {
    *os << row.name;
}

const ChoiceRow kChoices[] = {
    {"nbkQuickCalc",
     "pgQuickCalculators",
     {"Monthly Payment (P&&I)", "Missing Loan Variables"},
     0,
     "",
     false,
     true},
    {"rgCalculate",
     "pgLoanSpreadCalculator",
     {"PMT (P && I)", "Loan Amount", "Rates", "Term (Months)"},
     0,
     "",
     false,
     true},
    {"rgLoan",
     "pgLoanSpreadCalculator",
     {"$100", "$250", "$500", "$1000", "$2000", "$2500", "$3000", "$4000", "$5000"},
     3,
     "",
     false,
     true},
    {"rgInterest",
     "pgLoanSpreadCalculator",
     {" .125", " .25", " .375", " .5", " .625", " .75", " .875", "1.0"},
     3,
     "",
     false,
     true},
    {"rgPayments",
     "pgLoanSpreadCalculator",
     {"$10", "$25", "$50", "$75", "$100", "$125", "$150", "$175", "$200"},
     3,
     "",
     false,
     false},
    {"cbMonth",
     "pgAmortizationSchedules",
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     0,
     "Jan",
     true,
     true},
    // The amortization page's prepayment panel starts with a range of payments; the prepayment
    // calculator's mode buttons are never shown and stay on all payments.
    {"rgAddTo",
     "pgAmortizationSchedules",
     {"&Single Payment", "&Range of Payments", "&All Payments"},
     1,
     "",
     false,
     true},
    {"rgPPCPrepayments",
     "pgPrepaymentCalculator",
     {"&Single Payment", "&Range of Payments", "&All Payments"},
     2,
     "",
     false,
     false},
    // Typing into the closing-month box is possible; its handler turns a non-month into "January".
    {"cbHSPClosingMonth",
     "pgHomesellersProceedsCalculator",
     {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"},
     6,
     "July",
     true,
     true},
};

class ChoiceAtStart : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(ChoiceAtStart, ItemsSelectionAndText) {
    const ChoiceRow& expected = GetParam();
    const Workspace ws;
    const Choice& choice = ws.choice(expected.name);
    EXPECT_EQ(choice.page, expected.page);
    EXPECT_EQ(choice.items, expected.items);
    EXPECT_EQ(choice.index, expected.index);
    EXPECT_EQ(choice.text, expected.text);
    EXPECT_EQ(choice.editable, expected.editable);
    EXPECT_EQ(choice.visible, expected.visible);
}

INSTANTIATE_TEST_SUITE_P(Choices, ChoiceAtStart, ::testing::ValuesIn(kChoices),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ChoiceAtStart, NoOtherChoices) {
    const Workspace ws;
    EXPECT_EQ(ws.choices().size(), std::size(kChoices));
}

// Grids.

struct GridRow {
    std::string_view name;
    std::string_view page;
    int rows;
    std::vector<int> widths;
    std::vector<std::string> headings; // row 0
    bool visible;
};

void PrintTo(const GridRow& row, std::ostream* os) {
    *os << row.name;
}

const GridRow kGrids[] = {
    {"grdLS",
     "pgLoanSpreadCalculator",
     12,
     {69, 73, 73, 73, 73, 73, 73, 73},
     {" Loan / Rate", "5.50%", "6.00%", "6.50%", "7.00%", "7.50%", "8.00%", "8.50%"},
     true},
    {"grdAmortization",
     "pgAmortizationSchedules",
     2,
     {39, 55, 65, 65, 90, 90, 80, 90},
     {"PMT", "Month", "Principal", "Interest", "Total Principal", "Total Interest", "Prepayment", "Balance"},
     true},
    {"grdAnnualAmortization",
     "pgAmortizationSchedules",
     2,
     {39, 116, 140, 140, 140},
     {"Year", "Period", "Total Annual Principal", "Total Annual Interest", "Total Annual Payment"},
     false},
};

class GridAtStart : public ::testing::TestWithParam<GridRow> {};

TEST_P(GridAtStart, SizeHeadingsWidthsAndVisibility) {
    const GridRow& expected = GetParam();
    const Workspace ws;
    const TextGrid& grid = ws.grid(expected.name);
    EXPECT_EQ(grid.page, expected.page);
    ASSERT_EQ(grid.rowCount(), expected.rows);
    ASSERT_EQ(grid.colCount(), static_cast<int>(expected.widths.size()));
    EXPECT_EQ(grid.fixedRows, 1);
    EXPECT_EQ(grid.fixedCols, 1);
    EXPECT_EQ(grid.colWidths, expected.widths);
    EXPECT_EQ(grid.cells[0], expected.headings);
    EXPECT_EQ(grid.visible, expected.visible);
    EXPECT_EQ(grid.rowColours.size(), static_cast<std::size_t>(expected.rows));
    EXPECT_EQ(grid.colColours.size(), expected.widths.size());
}

INSTANTIATE_TEST_SUITE_P(Grids, GridAtStart, ::testing::ValuesIn(kGrids),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GridAtStart, AmortizationGridsHaveOneEmptyDataRow) {
    // An empty cell at column 0, row 1 tells that no schedule was ever built.
    const Workspace ws;
    for (std::string_view name : {"grdAmortization", "grdAnnualAmortization"})
        for (const std::string& text : ws.grid(name).cells[1])
            EXPECT_EQ(text, "") << name;
}

TEST(GridAtStart, LoanSpreadGridShowsThePaymentLayoutWithAYellowCentreCross) {
    const Workspace ws;
    const TextGrid& grid = ws.grid("grdLS");
    const std::vector<std::string> rowLabels = {" $95,000",  " $96,000",  " $97,000",  " $98,000",
                                                " $99,000",  " $100,000", " $101,000", " $102,000",
                                                " $103,000", " $104,000", " $105,000"};
    for (int row = 1; row <= 11; ++row) {
        EXPECT_EQ(grid.cell(0, row), rowLabels[static_cast<std::size_t>(row - 1)]);
        for (int col = 1; col <= 7; ++col)
            EXPECT_EQ(grid.cell(col, row), "") << col << "," << row;
    }
    EXPECT_EQ(grid.selectedCol, 4);
    EXPECT_EQ(grid.selectedRow, 6);
    for (int row = 0; row < 12; ++row)
        for (int col = 0; col < 8; ++col)
            EXPECT_EQ(grid.colour(col, row), (col == 4 || row == 6) ? TextGrid::kYellow : TextGrid::kNoColour)
                << col << "," << row;
}

TEST(TextGridResize, KeepsWhatStaysInsideAndAddsEmptyUncolouredCells) {
    TextGrid grid;
    grid.resize(2, 2);
    grid.cell(1, 1) = "kept";
    grid.rowColours[1] = 0x112233;
    grid.colWidths[1] = 90;
    grid.textColours[{1, 1}] = TextGrid::kRed;
    grid.resize(3, 4);
    EXPECT_EQ(grid.cell(1, 1), "kept");
    EXPECT_EQ(grid.textColour(1, 1), TextGrid::kRed);
    EXPECT_EQ(grid.textColour(3, 2), TextGrid::kNoColour);
    EXPECT_EQ(grid.cell(3, 2), "");
    EXPECT_EQ(grid.colour(3, 1), 0x112233); // the row colour wins
    EXPECT_EQ(grid.colour(3, 2), TextGrid::kNoColour);
    EXPECT_EQ(grid.colWidths, (std::vector<int>{TextGrid::kDefaultColWidth, 90, TextGrid::kDefaultColWidth,
                                                TextGrid::kDefaultColWidth}));
    grid.resize(1, 1);
    EXPECT_TRUE(grid.textColours.empty());  // a cell that goes takes its text colour along
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.colCount(), 1);
    EXPECT_THROW(grid.cell(1, 0), std::out_of_range);
    EXPECT_THROW(grid.resize(-1, 2), std::invalid_argument);
}

// Lookups.

struct UnknownLookup {
    std::string_view what;
    void (*lookup)(Workspace&, std::string_view);
};

void PrintTo(const UnknownLookup& row, std::ostream* os) {
    *os << row.what;
}

const UnknownLookup kUnknownLookups[] = {
    {"field", [](Workspace& ws, std::string_view name) { ws.field(name); }},
    {"constField", [](Workspace& ws, std::string_view name) { std::as_const(ws).field(name); }},
    {"choice", [](Workspace& ws, std::string_view name) { ws.choice(name); }},
    {"grid", [](Workspace& ws, std::string_view name) { ws.grid(name); }},
    {"control", [](Workspace& ws, std::string_view name) { ws.control(name); }},
    {"pageFields", [](Workspace& ws, std::string_view name) { ws.pageFields(name); }},
    {"showPage", [](Workspace& ws, std::string_view name) { ws.showPage(name); }},
};

class UnknownName : public ::testing::TestWithParam<UnknownLookup> {};

TEST_P(UnknownName, ThrowsOutOfRangeNamingIt) {
    Workspace ws;
    try {
        GetParam().lookup(ws, "edtNoSuchThing");
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_NE(std::string_view(error.what()).find("edtNoSuchThing"), std::string_view::npos)
            << error.what();
    }
    EXPECT_EQ(ws.shownPage(), "pgMenu");
}

INSTANTIATE_TEST_SUITE_P(Lookups, UnknownName, ::testing::ValuesIn(kUnknownLookups),
                         [](const auto& row) { return std::string(row.param.what); });

TEST(Lookup, FindReturnsNullForUnknownAndTheSameObjectForKnownNames) {
    Workspace ws;
    EXPECT_EQ(ws.findField("edtmpisalesprice"), nullptr); // names compare exactly
    EXPECT_EQ(ws.findChoice("rgNone"), nullptr);
    EXPECT_EQ(ws.findGrid("grdNone"), nullptr);
    EXPECT_EQ(ws.findControl("btnNone"), nullptr);
    EXPECT_EQ(ws.findField("edtMPISalesPrice"), &ws.field("edtMPISalesPrice"));
    EXPECT_EQ(ws.findChoice("cbMonth"), &ws.choice("cbMonth"));
    EXPECT_EQ(ws.findGrid("grdLS"), &ws.grid("grdLS"));
}

TEST(Lookup, FieldsKeepTheirAddressesAndTextsPerWorkspace) {
    Workspace first;
    Workspace second;
    ValueField* before = &first.field("edtLA");
    first.field("edtLA").writeFloat(1234.5);
    for (int i = 0; i < 50; ++i)
        first.addControl(ControlState("ctl" + std::to_string(i)));
    EXPECT_EQ(&first.field("edtLA"), before);
    EXPECT_EQ(first.field("edtLA").readFloat(), 1234.5);
    EXPECT_EQ(second.field("edtLA").readFloat(), 0.0);
}

// Controls, pages shown, shared state.

TEST(Controls, RegisteredOnceAndStableWhileOthersAreAdded) {
    Workspace ws;
    ControlState& calculate = ws.addControl(ControlState("btnCalcQuickCalc", "Calculate", "hint", false));
    ControlState& again = ws.addControl(ControlState("btnCalcQuickCalc", "Other", "", true));
    EXPECT_EQ(&again, &calculate);
    EXPECT_EQ(again.caption(), "Calculate");
    EXPECT_FALSE(again.enabled());
    for (int i = 0; i < 100; ++i)
        ws.addControl(ControlState("lbl" + std::to_string(i)));
    EXPECT_EQ(&ws.control("btnCalcQuickCalc"), &calculate);
    EXPECT_EQ(ws.findControl("lbl99")->name(), "lbl99");
}

TEST(ShownPage, StartsOnTheMainMenuAndFollowsShowPage) {
    Workspace ws;
    EXPECT_EQ(ws.shownPage(), "pgMenu");
    for (const PageInfo& page : pages()) {
        ws.showPage(page.name);
        EXPECT_EQ(ws.shownPage(), page.name);
    }
}

TEST(SharedStateAtStart, NothingOpenZeroValuesFirstMonth) {
    const Workspace ws;
    const SharedState& state = ws.state();
    EXPECT_EQ(state.DocumentFileName, "");
    EXPECT_EQ(state.ValueSet, 0);
    EXPECT_EQ(state.ScheduleStartMonth, 1);
    EXPECT_EQ(state.DefaultCalculator, 0);
}

struct StartDateRow {
    std::string_view rowName;
    RegionalSettings regional;
    int year, month;
    std::string shortName, longName;
};

void PrintTo(const StartDateRow& row, std::ostream* os) {
    *os << row.rowName;
}

const StartDateRow kStartDates[] = {
    {"UnitedStatesDecember", RegionalSettings::unitedStates(), 2001, 12, "Dec", "December"},
    {"UnitedStatesJanuary", RegionalSettings::unitedStates(), 1999, 1, "Jan", "January"},
    {"GermanMarch", RegionalSettings::germanStyle(), 2024, 3,
     RegionalSettings::germanStyle().shortMonthNames[2], RegionalSettings::germanStyle().longMonthNames[2]},
};

class StartDate : public ::testing::TestWithParam<StartDateRow> {};

TEST_P(StartDate, SetsYearMonthNamesAndScheduleYear) {
    const StartDateRow& row = GetParam();
    Workspace ws(row.regional);
    ws.setStartDate(row.year, row.month);
    EXPECT_EQ(ws.state().CurrentYear, row.year);
    EXPECT_EQ(ws.state().ScheduleStartYear, row.year);
    EXPECT_EQ(ws.state().CurrentMonthShort, row.shortName);
    EXPECT_EQ(ws.state().CurrentMonthLong, row.longName);
}

INSTANTIATE_TEST_SUITE_P(Clock, StartDate, ::testing::ValuesIn(kStartDates),
                         [](const auto& row) { return std::string(row.param.rowName); });

TEST(StartDate, MonthOutsideTheYearIsRejected) {
    Workspace ws;
    EXPECT_THROW(ws.setStartDate(2000, 0), std::out_of_range);
    EXPECT_THROW(ws.setStartDate(2000, 13), std::out_of_range);
    EXPECT_EQ(ws.state().CurrentYear, 0);
}

TEST(RegionalSettingsOfTheWorkspace, EqualSeparatorsFallBackToPointAndComma) {
    RegionalSettings clash = RegionalSettings::unitedStates();
    clash.thousandsSeparator = clash.decimalSeparator = U',';
    const Workspace ws(clash);
    EXPECT_EQ(ws.regional().decimalSeparator, U'.');
    EXPECT_EQ(ws.regional().thousandsSeparator, U',');
    EXPECT_EQ(&ws.field("edtLA").regional(), &ws.regional());
}

} // namespace
} // namespace kelvarin::workspace
