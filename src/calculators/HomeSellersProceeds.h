#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// The home seller's proceeds page: what the seller keeps at closing after the loans, the
// prorated property taxes, the transfer taxes, the commissions and the fees.
class HomeSellersProceeds {
public:
    explicit HomeSellersProceeds(CalculatorContext context);

    // Run on leaving any field of the page (fromMonthBox false) and on every change or leave of
    // the closing-month box (fromMonthBox true), which first puts a text that is no month name
    // back to "January".
    void CalcHSP(bool fromMonthBox = false);
    // The closing-month box changed: index is the chosen item, or -1 when the text typed into
    // the box (already in its choice) matches no item.
    void cbHSPClosingMonthChange(int index);
    // Writes the zero or sample set chosen by ValueSet and sets the month box to the current
    // month (both sets); the focus goes to the sales price when the page is shown, unless
    // moveFocus is false.
    void ResetHomeSellersProceeds(bool moveFocus = true);

    void registerHandlers(HandlerTable& table);

    // 1 for "January" .. 12 for "December" (exact, case-sensitive); 0 for any other text.
    static int monthNumber(std::string_view text);

private:
    void setMonthText(std::string text);

    CalculatorContext m_ctx;
};

} // namespace kelvarin::calculators
