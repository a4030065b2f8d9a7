#include "ErrorHandler.h"

#include "CalculatorSet.h"
#include "loanmath/Numeric.h"

namespace kelvarin::calculators {

using workspace::MessageButtons;
using workspace::MessageIcon;

namespace {

bool isCalculationError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const loanmath::CalcError&) {
        return true;
    } catch (...) {
        return false;
    }
}

template <typename Step> void guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

const std::string& ErrorHandler::unidentifiedMessage() {
    static const std::string text = std::string("An unidentified error has occurred.\r\n\r\n"
                                                "Please contact Larkmoor Software    \r\n\r\nat:  ") +
                                    kSupportMail;
    return text;
}

ErrorHandler::ErrorHandler(workspace::Workspace& ws, workspace::UiPort& ui, CalculatorSet& calculators)
    : m_ws(ws), m_ui(ui), m_calculators(calculators) {}

bool ErrorHandler::dispatch(const std::function<void()>& handler) noexcept {
    if (!handler)
        return true;
    try {
        handler();
        return true;
    } catch (...) {
        AppOnException(std::current_exception());
        return false;
    }
}

void ErrorHandler::AppOnException(std::exception_ptr error) noexcept {
    if (!isCalculationError(error)) {
        guarded([&] { m_ui.message(unidentifiedMessage(), MessageIcon::Information, MessageButtons::Ok); });
        return;
    }
    guarded([&] { m_ui.message(kCalculationMessage, MessageIcon::Information, MessageButtons::Ok); });
    repairPages();
}

void ErrorHandler::repairPages() noexcept {
    const std::string shown(m_ws.shownPage());
    if (shown == "pgAmortizationSchedules")
        guarded([&] { m_calculators.resetPage(shown); });
    if (shown == "pgLoanSpreadCalculator") {
        guarded([&] {
            m_ws.field("edtLoan").writeFloat(100000);
            m_ws.field("edtInterest").writeFloat(8.75);
            m_ws.field("edtTerm").writeWhole(360);
            m_ws.field("edtPayment").writeFloat(786.7);
            m_ui.focus("edtLoan");
        });
    }
    guarded([&] { m_calculators.rebuildLoanSpread(); });
}

} // namespace kelvarin::calculators
