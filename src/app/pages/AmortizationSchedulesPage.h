#pragma once

#include "Page.h"

namespace kelvarin::app {

class ScheduleGridView;

// pgAmortizationSchedules: the loan inputs and the first payment's month and year on the left, the
// schedule buttons on the right, and below them the monthly grid or, in its place, the annual one.
// "Add Prepayments" opens the panel "Add To" over the buttons (single payment, range or all
// payments, the amount and payment numbers, Apply Extra, Remove Extra, Return to Amort). Nothing
// recalculates on leaving a field: the buttons and entering the page rebuild the schedule.
class AmortizationSchedulesPage : public Page {
    Q_OBJECT
public:
    AmortizationSchedulesPage(const workspace::PageInfo& info, PageContext& context,
                              QWidget* parent = nullptr);

    ScheduleGridView* monthlyGrid() const { return m_monthly; }
    ScheduleGridView* annualGrid() const { return m_annual; }

private:
    ScheduleGridView* m_monthly = nullptr;
    ScheduleGridView* m_annual = nullptr;
};

} // namespace kelvarin::app
