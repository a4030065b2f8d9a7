#include "ErrorHandler.h"

#include "AppInfo.h"

#include "loanmath/Numeric.h"

namespace kelvarin::app {

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

// A repair that fails is dropped: the handler must never fail itself.
template <typename Step> void guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

void writeNumber(workspace::ValueField& field, double value) {
    if (field.mask().dataType == workspace::DataType::Whole)
        field.writeWhole(static_cast<std::int32_t>(value));
    else
        field.writeFloat(value);
}

}  // namespace

const std::string& ErrorHandler::unidentifiedMessage() {
    static const std::string text = std::string("An unidentified error has occurred.\r\n\r\n"
                                                "Please contact Larkmoor Software    \r\n\r\nat:  ") +
                                    kSupportMail;
    return text;
}

ErrorHandler::ErrorHandler(workspace::Workspace& ws, workspace::UiPort& ui, const Hooks& hooks)
    : m_ws(ws), m_ui(ui), m_hooks(hooks) {}

bool ErrorHandler::dispatch(const std::function<void()>& handler) noexcept {
    if (!handler)
        return true;
    try {
        handler();
        return true;
    } catch (...) {
        appOnException(std::current_exception());
        return false;
    }
}

void ErrorHandler::appOnException(std::exception_ptr error) noexcept {
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
        guarded([&] { runHook(m_hooks.reset.resetAmortizationSchedules); });
    if (shown == "pgLoanSpreadCalculator") {
        guarded([&] {
            writeNumber(m_ws.field("edtLoan"), 100000);
            writeNumber(m_ws.field("edtInterest"), 8.75);
            writeNumber(m_ws.field("edtTerm"), 360);
            writeNumber(m_ws.field("edtPayment"), 786.7);
            m_ui.focus("edtLoan");
        });
    }
    guarded([&] { runHook(m_hooks.repair.rebuildLoanSpread); });
}

}  // namespace kelvarin::app
