#include "calculators/Session.h"
#include "loanmath/Numeric.h"
#include "support/RecordingUi.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace kelvarin::calculators {
namespace {

using workspace::MessageButtons;
using workspace::MessageIcon;

[[noreturn]] void divideByZero() {
    loanmath::Div(1, 0, "test");
    throw std::logic_error("unreachable");
}

const std::string kCalculation =
    "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
    "Please try again with reasonable values.";
const std::string kUnidentified =
    "An unidentified error has occurred.\r\n\r\nPlease contact Larkmoor Software    \r\n\r\nat:  "
    "support@larkmoor.example";

struct ErrorCase {
    const char* name;
    void (*raise)();
    const std::string* message;
};

class ErrorMessages : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorMessages, EachErrorShowsItsMessageOnce) {
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    EXPECT_FALSE(session.errors().dispatch(GetParam().raise));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, *GetParam().message);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorMessages,
    ::testing::Values(ErrorCase{"division_by_zero", [] { divideByZero(); }, &kCalculation},
                      ErrorCase{"overflow", [] { (void)loanmath::Held(1e4000L, "test"); }, &kCalculation},
                      ErrorCase{"log_of_zero", [] { (void)loanmath::Ln(0, "test"); }, &kCalculation},
                      ErrorCase{"standard_exception", [] { throw std::invalid_argument("line 12"); },
                                &kUnidentified},
                      ErrorCase{"unknown_type", [] { throw 42; }, &kUnidentified}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ErrorRepairs, TheLoanSpreadPageGetsItsFourValuesAndTheFocus) {
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    auto& ws = session.workspace();
    ws.showPage("pgLoanSpreadCalculator");
    session.errors().dispatch(divideByZero);
    const auto text = [&](const char* name) {
        std::string t = ws.field(name).textUtf8();
        return t.substr(t.find_first_not_of(' '));
    };
    EXPECT_EQ(text("edtLoan"), "$100,000.00");
    EXPECT_EQ(text("edtInterest"), "8.7500%");
    EXPECT_EQ(text("edtTerm"), "360");
    EXPECT_EQ(text("edtPayment"), "$786.70");
    EXPECT_EQ(ui.focusMoves, std::vector<std::string>{"edtLoan"});
}

TEST(ErrorRepairs, OtherPagesAndOtherErrorsAreLeftAlone) {
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    auto& ws = session.workspace();
    ws.showPage("pgRentVsBuyCalculator");
    session.errors().dispatch(divideByZero);
    ws.showPage("pgLoanSpreadCalculator");
    session.errors().dispatch([] { throw std::runtime_error("not a calculation"); });
    EXPECT_EQ(ws.field("edtLoan").readFloat(), 0);
    EXPECT_TRUE(ui.focusMoves.empty());
}

TEST(ErrorRepairs, FieldsWrittenBeforeTheFaultKeepTheirText) {
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.errors().dispatch([&] {
        session.workspace().field("edtRVBMonthlyRent").writeFloat(950);
        divideByZero();
    });
    EXPECT_EQ(session.workspace().field("edtRVBMonthlyRent").readFloat(), 950);
}

TEST(ErrorRepairs, AMessageBoxThatFailsDoesNotEscape) {
    testing::RecordingUi ui;
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    ui.whileOpen = [] { throw std::runtime_error("box"); };
    EXPECT_FALSE(session.errors().dispatch(divideByZero));
    EXPECT_TRUE(session.errors().dispatch([] {}));
    EXPECT_TRUE(session.errors().dispatch(nullptr));
}

} // namespace
} // namespace kelvarin::calculators
