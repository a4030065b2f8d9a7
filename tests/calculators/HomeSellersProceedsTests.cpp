#include "calculators/HomeSellersProceeds.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;
using Entry = std::pair<const char*, const char*>;

constexpr const char* kPage = "pgHomesellersProceedsCalculator";
constexpr const char* kMonthBox = "cbHSPClosingMonth";

// Sales price 100,000, taxes 580 a year, transfer tax 2 %, commission 5,000, fees 750, no loans.
const std::vector<Entry> kSampleInputs{{"edtHSPHouseSalesPrice", "100000"},
                                       {"edtHSPPropertyTaxes", "580"},
                                       {"edtHSPTransferTaxPercent", "2"},
                                       {"edtHSPSalesCommission", "5000"},
                                       {"edtHSPOtherFees", "750"}};

constexpr std::array<const char*, 4> kResults{"edtHSPPropertyTaxesPaid", "edtHSPTransferTaxesPaid",
                                              "edtHSPCosts", "edtHSPNetGain"};

class HomeSellersProceedsTest : public ::testing::Test {
protected:
    HomeSellersProceedsTest() {
        page.registerHandlers(handlers);
        ws.setStartDate(2024, 3);
    }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    void typeAll(const std::vector<Entry>& entries) {
        for (auto [field, text] : entries)
            type(field, text);
    }
    // Picks a month from the list, as the drop-down does.
    void pickMonth(int index) {
        workspace::Choice& box = ws.choice(kMonthBox);
        box.index = index;
        box.text = box.items[static_cast<std::size_t>(index)];
        handlers.choose(kMonthBox, index);
    }
    // Types into the month box: the text matches no item unless it is a month name.
    void typeMonth(std::string text) {
        workspace::Choice& box = ws.choice(kMonthBox);
        box.text = std::move(text);
        box.index = -1;
        handlers.choose(kMonthBox, -1);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    std::vector<std::string> results() {
        std::vector<std::string> texts;
        for (const char* field : kResults)
            texts.push_back(shown(field));
        return texts;
    }
    const workspace::Choice& monthBox() { return ws.choice(kMonthBox); }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    HomeSellersProceeds page{{ws, ui, held}};
};

TEST_F(HomeSellersProceedsTest, JulyClosingReproducesTheStoredSampleResults) {
    ASSERT_EQ(monthBox().text, "July"); // the box's design text
    typeAll(kSampleInputs);
    EXPECT_EQ(results(), (std::vector<std::string>{"$338.33", "$2,000.00", "$8,088.33", "$91,911.67"}));
    EXPECT_TRUE(ui.printing);
    EXPECT_GT(ui.refreshes, 0);

    workspace::Workspace stored{workspace::RegionalSettings::unitedStates()};
    stored.state().ValueSet = 1;
    HomeSellersProceeds storedPage{{stored, ui, held}};
    storedPage.ResetHomeSellersProceeds();
    for (const char* field : kResults)
        EXPECT_EQ(trimmed(stored.field(field)), shown(field)) << field;
}

struct ClosingCase {
    const char* name;
    int monthIndex;
    std::vector<Entry> changes; // typed after the sample inputs
    std::array<const char*, 4> expected;
};

class ClosingTable : public HomeSellersProceedsTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTable, ShowsTheResults) {
    const ClosingCase& c = GetParam();
    typeAll(kSampleInputs);
    pickMonth(c.monthIndex);
    typeAll(c.changes);
    EXPECT_EQ(results(), std::vector<std::string>(c.expected.begin(), c.expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosingTable,
    ::testing::Values(
        ClosingCase{"january_charges_one_month", 0, {}, {"$48.33", "$2,000.00", "$7,798.33", "$92,201.67"}},
        ClosingCase{"july_charges_seven_months", 6, {}, {"$338.33", "$2,000.00", "$8,088.33", "$91,911.67"}},
        ClosingCase{
            "december_charges_the_whole_year", 11, {}, {"$580.00", "$2,000.00", "$8,330.00", "$91,670.00"}},
        // The loans paid off count among the costs; nothing stops the proceeds going negative.
        ClosingCase{"loans_above_the_price",
                    6,
                    {{"edtHSPFirstLoanBalance", "80000"},
                     {"edtHSPSecondLoanBalance", "20000"},
                     {"edtHSPOtherLoans", "10000"}},
                    {"$338.33", "$2,000.00", "$118,088.33", "-$18,088.33"}},
        ClosingCase{"penalty_and_other_commission",
                    6,
                    {{"edtHSPPrepaymentPenalty", "1234.56"}, {"edtHSPOtherSalesCommission", "2500"}},
                    {"$338.33", "$2,000.00", "$11,822.89", "$88,177.11"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct TypedMonthCase {
    const char* name;
    const char* typed;
    const char* textAfter;
    int indexAfter;
    const char* taxesPaid;
};

class TypedMonth : public HomeSellersProceedsTest, public ::testing::WithParamInterface<TypedMonthCase> {};

// Any change of the box that leaves a text other than an exact month name puts it to "January".
TEST_P(TypedMonth, MonthBoxChangeKeepsOnlyExactMonthNames) {
    const TypedMonthCase& c = GetParam();
    typeAll(kSampleInputs);
    typeMonth(c.typed);
    EXPECT_EQ(monthBox().text, c.textAfter);
    EXPECT_EQ(monthBox().index, c.indexAfter);
    EXPECT_EQ(shown("edtHSPPropertyTaxesPaid"), c.taxesPaid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedMonth,
    ::testing::Values(TypedMonthCase{"first_keystroke", "S", "January", 0, "$48.33"},
                      TypedMonthCase{"short_name", "Sep", "January", 0, "$48.33"},
                      TypedMonthCase{"wrong_case", "september", "January", 0, "$48.33"},
                      TypedMonthCase{"trailing_blank", "September ", "January", 0, "$48.33"},
                      TypedMonthCase{"empty", "", "January", 0, "$48.33"},
                      TypedMonthCase{"full_name", "September", "September", 8, "$435.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(HomeSellersProceedsTest, SampleResetTakesTheCurrentMonthForTheNextRecalculation) {
    ws.showPage(kPage);
    ws.state().ValueSet = 1;
    page.ResetHomeSellersProceeds();
    EXPECT_EQ(ui.focused, "edtHSPHouseSalesPrice");
    EXPECT_EQ(monthBox().text, "March");
    EXPECT_EQ(monthBox().index, 2);
    // The stored figures are July's until a field is left.
    EXPECT_EQ(shown("edtHSPPropertyTaxesPaid"), "$338.33");
    type("edtHSPOtherFees", "750");
    EXPECT_EQ(results(), (std::vector<std::string>{"$145.00", "$2,000.00", "$7,895.00", "$92,105.00"}));
}

TEST_F(HomeSellersProceedsTest, ZeroResetEmptiesThePageAndAlsoSetsTheCurrentMonth) {
    typeAll(kSampleInputs);
    pickMonth(11);
    ws.state().ValueSet = 0;
    page.ResetHomeSellersProceeds();
    for (const workspace::ValueField* field : ws.pageFields(kPage))
        EXPECT_EQ(field->readFloat(), 0) << field->design().name;
    EXPECT_EQ(monthBox().text, "March");
    EXPECT_EQ(ui.focused, ""); // the page is not shown
}

// With other regional settings the current month's name matches no list entry: it counts as
// month 0 when another field is left, and becomes "January" at the box's next change.
TEST(HomeSellersProceedsRegional, LocalMonthNameCountsAsNoMonthUntilTheBoxChanges) {
    workspace::Workspace ws{workspace::RegionalSettings::germanStyle()};
    ws.setStartDate(2024, 7);
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    HomeSellersProceeds page{{ws, ui, held}};
    page.registerHandlers(handlers);

    ws.state().ValueSet = 1;
    page.ResetHomeSellersProceeds();
    ASSERT_EQ(ws.choice(kMonthBox).text, "Juli");
    EXPECT_EQ(ws.choice(kMonthBox).index, -1);
    testing::typeAndLeave(ws, handlers, "edtHSPOtherFees", "750");
    EXPECT_EQ(trimmed(ws.field("edtHSPPropertyTaxesPaid")), "\u20AC 0,00");
    EXPECT_EQ(trimmed(ws.field("edtHSPNetGain")), "\u20AC 92.250,00");

    handlers.choose(kMonthBox, -1);
    EXPECT_EQ(ws.choice(kMonthBox).text, "January");
    EXPECT_EQ(trimmed(ws.field("edtHSPPropertyTaxesPaid")), "\u20AC 48,33");
}

} // namespace
} // namespace kelvarin::calculators
