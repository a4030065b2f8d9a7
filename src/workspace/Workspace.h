#pragma once

#include "Choice.h"
#include "ControlState.h"
#include "FieldDesign.h"
#include "Pages.h"
#include "RegionalSettings.h"
#include "SharedState.h"
#include "TextGrid.h"
#include "ValueField.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::workspace {

// Everything the user works on: the eleven pages with their 206 value fields, choices and
// grids, plus the main window's shared state. Fields keep stable addresses for the run.
class Workspace {
public:
    explicit Workspace(RegionalSettings regional = RegionalSettings::unitedStates());
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const RegionalSettings& regional() const { return m_regional; }

    // Lookup by name; field() and friends throw std::out_of_range for an unknown name.
    ValueField& field(std::string_view name);
    const ValueField& field(std::string_view name) const;
    ValueField* findField(std::string_view name);
    const ValueField* findField(std::string_view name) const;
    // The fields of a page (panels included) in tab order; all fields in page order.
    // pageFields() throws std::out_of_range for an unknown page; the main menu has none.
    std::vector<ValueField*> pageFields(std::string_view pageName);
    std::vector<const ValueField*> pageFields(std::string_view pageName) const;
    std::span<ValueField> fields() { return {m_fields.data(), m_fields.size()}; }
    std::span<const ValueField> fields() const { return {m_fields.data(), m_fields.size()}; }

    Choice& choice(std::string_view name);
    const Choice& choice(std::string_view name) const;
    Choice* findChoice(std::string_view name);
    const Choice* findChoice(std::string_view name) const;
    const std::deque<Choice>& choices() const { return m_choices; }
    TextGrid& grid(std::string_view name);
    const TextGrid& grid(std::string_view name) const;
    TextGrid* findGrid(std::string_view name);
    const TextGrid* findGrid(std::string_view name) const;
    const std::deque<TextGrid>& grids() const { return m_grids; }

    // Plain controls (buttons, labels, panels) whose state calculators change. A page
    // registers its controls once; control() throws std::out_of_range for an unknown name.
    // Registering a name again returns the control registered first, unchanged, so that a
    // calculator module and the widget showing the page may both register it.
    ControlState& addControl(ControlState initial);
    ControlState& control(std::string_view name);
    const ControlState& control(std::string_view name) const;
    ControlState* findControl(std::string_view name);
    const ControlState* findControl(std::string_view name) const;

    SharedState& state() { return m_state; }
    const SharedState& state() const { return m_state; }
    // The clock reading of start-up: CurrentYear, CurrentMonthShort and CurrentMonthLong (the
    // regional month names of month 1..12) and ScheduleStartYear. Throws std::out_of_range
    // for a month outside 1..12.
    void setStartDate(int year, int month);

    // The shown page of nbkMain, by name.
    std::string_view shownPage() const { return m_shownPage; }
    void showPage(std::string_view pageName); // throws std::out_of_range for an unknown page
    // Views of nbkMain are told after every change of the shown page.
    using PageObserver = std::function<void(std::string_view pageName)>;
    int addPageObserver(PageObserver observer);
    void removePageObserver(int id);

private:
    RegionalSettings m_regional;
    std::vector<ValueField> m_fields; // never resized after construction
    std::map<std::string, std::size_t, std::less<>> m_fieldIndex;
    std::deque<Choice> m_choices;
    std::deque<TextGrid> m_grids;
    std::deque<ControlState> m_controls;
    SharedState m_state;
    std::string m_shownPage = "pgMenu";
    std::vector<std::pair<int, PageObserver>> m_pageObservers;
    int m_nextPageObserverId = 1;
};

// The design tables: every value field of every page, in page order and tab order.
std::span<const FieldDesign> allFieldDesigns();

} // namespace kelvarin::workspace
