#include "calculators/MortgageQualifier.h"
#include "loanmath/Numeric.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <gtest/gtest.h>
#include <map>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;

class MortgageQualifierTest : public ::testing::Test {
protected:
    MortgageQualifierTest() { page.registerHandlers(handlers); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    void typeAll(const std::vector<std::pair<const char*, const char*>>& values) {
        for (auto [field, text] : values)
            type(field, text);
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    MortgageQualifier page{{ws, ui, held}};
};

TEST_F(MortgageQualifierTest, SampleBorrowerQualifiesForDebtLimitedPayment) {
    typeAll({{"edtIncome1", "4000"},
             {"edtOIncome1", "1000"},
             {"edtCards1", "350"},
             {"edtAuto1", "450"},
             {"edtNotes1", "50"},
             {"edtHousingRatio", "28"},
             {"edtDebtRatio", "36"},
             {"edtMQDownPayment", "20000"},
             {"edtMQir1", "7.5"},
             {"edtMQTerm1", "30"},
             {"edtMQir2", "7.25"},
             {"edtMQTerm2", "20"},
             {"edtMQir3", "7"},
             {"edtMQTerm3", "15"}});
    const std::map<std::string, std::string> expected{
        {"edtMQPayment1", "$950.00"},           {"edtMQPayment2", "$950.00"},
        {"edtMQPayment3", "$950.00"},           {"edtMQLoan1", "$135,866.75"},
        {"edtMQLoan2", "$120,195.96"},          {"edtMQLoan3", "$105,693.16"},
        {"edtMQPurchasePrice1", "$155,866.75"}, {"edtMQPurchasePrice2", "$140,195.96"},
        {"edtMQPurchasePrice3", "$125,693.16"}, {"edtCalculatedHousingRatio", "19"},
        {"edtCalculatedDebtRatio", "36"}};
    for (const auto& [field, text] : expected)
        EXPECT_EQ(shown(field), text) << field;
    EXPECT_TRUE(ui.printing);
    EXPECT_EQ(held.HRatio, 28);
    EXPECT_EQ(held.DRatio, 36);
}

struct LimitCase {
    const char* name;
    const char* income;
    const char* debts; // typed as credit cards
    const char* payment;
    const char* housingRatio;
    const char* debtRatio;
};

class LimitTable : public MortgageQualifierTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitTable, TakesTheLowerLimit) {
    const LimitCase& c = GetParam();
    typeAll({{"edtIncome1", c.income},
             {"edtCards1", c.debts},
             {"edtHousingRatio", "28"},
             {"edtDebtRatio", "36"},
             {"edtMQPropertyTaxes", "200"},
             {"edtMQHomeownersInsurance", "100"},
             {"edtMQDownPayment", "10000"},
             {"edtMQir1", "6"},
             {"edtMQTerm1", "30"},
             {"edtMQTerm2", "30"},
             {"edtMQTerm3", "30"}});
    for (const char* field : {"edtMQPayment1", "edtMQPayment2", "edtMQPayment3"})
        EXPECT_EQ(shown(field), c.payment) << field;
    EXPECT_EQ(shown("edtCalculatedHousingRatio"), c.housingRatio);
    EXPECT_EQ(shown("edtCalculatedDebtRatio"), c.debtRatio);
}

INSTANTIATE_TEST_SUITE_P(Cases, LimitTable,
                         ::testing::Values(LimitCase{"limits_tie", "5000", "700", "$1,100.00", "28", "36"},
                                           LimitCase{"debt_limit_wins", "5000", "900", "$900.00", "24", "36"},
                                           LimitCase{"no_income_clamps_to_zero", "0", "900", "$0.00", "0",
                                                     "0"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MortgageQualifierTest, NoIncomeLeavesOnlyTheCash) {
    typeAll({{"edtMQDownPayment", "15000"}, {"edtMQir1", "7"}, {"edtMQTerm1", "30"}, {"edtMQTerm2", "20"}});
    for (const char* row : {"1", "2", "3"}) {
        EXPECT_EQ(shown(std::string("edtMQLoan") + row), "$0.00");
        EXPECT_EQ(shown(std::string("edtMQPurchasePrice") + row), "$15,000.00");
    }
}

TEST_F(MortgageQualifierTest, TermZeroEmptiesOnlyItsRow) {
    typeAll({{"edtIncome1", "5000"},
             {"edtHousingRatio", "28"},
             {"edtDebtRatio", "36"},
             {"edtMQDownPayment", "20000"},
             {"edtMQir1", "7.5"},
             {"edtMQTerm1", "30"},
             {"edtMQTerm2", "0"},
             {"edtMQTerm3", "15"}});
    EXPECT_EQ(shown("edtMQLoan2"), "$0.00");
    EXPECT_EQ(shown("edtMQPurchasePrice2"), "$20,000.00");
    // 1,400 a month: 360 payments at 7.5 % and 180 at 7 %.
    EXPECT_EQ(shown("edtMQLoan1"), "$200,224.68");
    EXPECT_EQ(shown("edtMQPurchasePrice1"), "$220,224.68");
    EXPECT_EQ(shown("edtMQLoan3"), "$155,758.34");
    EXPECT_EQ(shown("edtMQPurchasePrice3"), "$175,758.34");
}

TEST_F(MortgageQualifierTest, FirstRateDrivesTheLowerRates) {
    ws.field("edtMQir1").setTypedText(testing::toU32("7"));
    EXPECT_EQ(shown("edtMQir2"), "6.7500%");
    EXPECT_EQ(shown("edtMQir3"), "6.5000%");
    type("edtMQir2", "6.9");
    EXPECT_EQ(shown("edtMQir2"), "6.9000%");
}

TEST_F(MortgageQualifierTest, ZeroRateWithPaymentStopsAtThatRow) {
    ws.field("edtIncome1").writeFloat(5000);
    ws.field("edtHousingRatio").writeFloat(28);
    ws.field("edtDebtRatio").writeFloat(36);
    ws.field("edtMQir1").writeFloat(7.5);
    ws.field("edtMQir2").writeFloat(0);
    ws.field("edtMQTerm1").writeWhole(30);
    ws.field("edtMQTerm2").writeWhole(20);
    EXPECT_THROW(page.CalcMQ(), loanmath::CalcError);
    EXPECT_EQ(shown("edtMQPayment1"), "$1,400.00");
    EXPECT_EQ(shown("edtMQLoan1"), "$200,224.68");
    EXPECT_EQ(shown("edtMQPayment2"), "$0.00");
}

TEST_F(MortgageQualifierTest, ResetWritesSampleSet) {
    ws.state().ValueSet = 1;
    page.ResetMortgageQualifier();
    EXPECT_EQ(shown("edtMQir1"), "7.5000%");
    EXPECT_EQ(shown("edtMQir2"), "7.2500%");
    EXPECT_EQ(shown("edtMQir3"), "7.0000%");
    EXPECT_EQ(shown("edtMQLoan1"), "$135,866.75");
    EXPECT_EQ(shown("edtCalculatedHousingRatio"), "19");
    ws.state().ValueSet = 0;
    page.ResetMortgageQualifier();
    EXPECT_EQ(shown("edtMQir2"), "0.0000%");
    EXPECT_EQ(shown("edtIncome1"), "$0.00");
}

} // namespace
} // namespace kelvarin::calculators
