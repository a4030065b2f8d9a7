#include "Workspace.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace kelvarin::workspace {
namespace {

[[noreturn]] void throwUnknown(std::string_view kind, std::string_view name) {
    throw std::out_of_range("unknown " + std::string(kind) + ": \"" + std::string(name) + "\"");
}

std::string_view nameOf(const Choice& choice) {
    return choice.name;
}
std::string_view nameOf(const TextGrid& grid) {
    return grid.name;
}
std::string_view nameOf(const ControlState& control) {
    return control.name();
}

// Works on const and non-const containers alike; the result keeps the container's constness.
template <typename Items> auto findByName(Items& items, std::string_view name) -> decltype(&*items.begin()) {
    const auto it = std::ranges::find_if(items, [name](const auto& item) { return nameOf(item) == name; });
    return it == items.end() ? nullptr : &*it;
}

Choice makeChoice(std::string name, std::string page, std::vector<std::string> items, int index) {
    Choice choice;
    choice.name = std::move(name);
    choice.page = std::move(page);
    choice.items = std::move(items);
    choice.index = index;
    return choice;
}

// A drop-down shows its text; the selected item is the one with that text, if any.
Choice makeDropDown(std::string name, std::string page, std::vector<std::string> items, std::string text) {
    const auto it = std::ranges::find(items, text);
    const int index = it == items.end() ? -1 : static_cast<int>(it - items.begin());
    Choice choice = makeChoice(std::move(name), std::move(page), std::move(items), index);
    choice.text = std::move(text);
    choice.editable = true;
    return choice;
}

TextGrid makeGrid(std::string name, std::string page, int rows, std::vector<int> widths) {
    TextGrid grid;
    grid.name = std::move(name);
    grid.page = std::move(page);
    grid.resize(rows, static_cast<int>(widths.size()));
    grid.colWidths = std::move(widths);
    grid.fixedRows = 1;
    grid.fixedCols = 1;
    grid.selectedCol = 1;
    grid.selectedRow = 1;
    return grid;
}

void writeRow(TextGrid& grid, int row, std::span<const std::string_view> texts) {
    for (std::size_t col = 0; col < texts.size(); ++col)
        grid.cell(static_cast<int>(col), row) = texts[col];
}

// The loan spread grid before its first fill: the payment mode's layout, with the centre
// (column 4, row 6) marked by a yellow cross and selected.
TextGrid makeLoanSpreadGrid() {
    TextGrid grid = makeGrid("grdLS", "pgLoanSpreadCalculator", 12, {69, 73, 73, 73, 73, 73, 73, 73});
    constexpr std::array<std::string_view, 8> kColumnLabels{" Loan / Rate", "5.50%", "6.00%", "6.50%",
                                                            "7.00%",        "7.50%", "8.00%", "8.50%"};
    constexpr std::array<std::string_view, 11> kRowLabels{" $95,000",  " $96,000",  " $97,000",  " $98,000",
                                                          " $99,000",  " $100,000", " $101,000", " $102,000",
                                                          " $103,000", " $104,000", " $105,000"};
    writeRow(grid, 0, kColumnLabels);
    for (std::size_t row = 0; row < kRowLabels.size(); ++row)
        grid.cell(0, static_cast<int>(row) + 1) = kRowLabels[row];
    grid.colColours[4] = TextGrid::kYellow;
    grid.rowColours[6] = TextGrid::kYellow;
    grid.selectedCol = 4;
    grid.selectedRow = 6;
    return grid;
}

// Titles and one empty data row: no schedule has been built yet.
TextGrid makeMonthlyAmortizationGrid() {
    TextGrid grid =
        makeGrid("grdAmortization", "pgAmortizationSchedules", 2, {39, 55, 65, 65, 90, 90, 80, 90});
    constexpr std::array<std::string_view, 8> kTitles{"PMT",        "Month",           "Principal",
                                                      "Interest",   "Total Principal", "Total Interest",
                                                      "Prepayment", "Balance"};
    writeRow(grid, 0, kTitles);
    return grid;
}

TextGrid makeAnnualAmortizationGrid() {
    TextGrid grid = makeGrid("grdAnnualAmortization", "pgAmortizationSchedules", 2, {39, 116, 140, 140, 140});
    constexpr std::array<std::string_view, 5> kTitles{"Year", "Period", "Total Annual Principal",
                                                      "Total Annual Interest", "Total Annual Payment"};
    writeRow(grid, 0, kTitles);
    grid.visible = false;
    return grid;
}

} // namespace

Workspace::Workspace(RegionalSettings regional) : m_regional(regional.normalised()) {
    const std::span<const FieldDesign> designs = allFieldDesigns();
    m_fields.reserve(designs.size());
    for (const FieldDesign& design : designs) {
        if (!findPage(design.page))
            throw std::logic_error("field " + std::string(design.name) + " on unknown page " +
                                   std::string(design.page));
        if (!m_fieldIndex.emplace(std::string(design.name), m_fields.size()).second)
            throw std::logic_error("duplicate field name " + std::string(design.name));
        ValueField& field = m_fields.emplace_back(design, m_regional);
        if (design.resultLook)
            field.setLook(Look::Result);
    }

    m_choices.push_back(makeChoice("nbkQuickCalc", "pgQuickCalculators",
                                   {"Monthly Payment (P&&I)", "Missing Loan Variables"}, 0));
    m_choices.push_back(makeChoice("rgCalculate", "pgLoanSpreadCalculator",
                                   {"PMT (P && I)", "Loan Amount", "Rates", "Term (Months)"}, 0));
    m_choices.push_back(
        makeChoice("rgLoan", "pgLoanSpreadCalculator",
                   {"$100", "$250", "$500", "$1000", "$2000", "$2500", "$3000", "$4000", "$5000"}, 3));
    m_choices.push_back(makeChoice("rgInterest", "pgLoanSpreadCalculator",
                                   {" .125", " .25", " .375", " .5", " .625", " .75", " .875", "1.0"}, 3));
    Choice& payments = m_choices.emplace_back(
        makeChoice("rgPayments", "pgLoanSpreadCalculator",
                   {"$10", "$25", "$50", "$75", "$100", "$125", "$150", "$175", "$200"}, 3));
    payments.visible = false;
    // Both month boxes take typed text; their handlers bring it back to a month name.
    m_choices.push_back(makeDropDown(
        "cbMonth", "pgAmortizationSchedules",
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}, "Jan"));
    // The prepayment modes of the amortization page's panel and of the prepayment calculator, whose
    // buttons are never shown ("All Payments" is its mode in use).
    m_choices.push_back(makeChoice("rgAddTo", "pgAmortizationSchedules",
                                   {"&Single Payment", "&Range of Payments", "&All Payments"}, 1));
    Choice& ppcMode = m_choices.emplace_back(makeChoice("rgPPCPrepayments", "pgPrepaymentCalculator",
                                                        {"&Single Payment", "&Range of Payments", "&All Payments"}, 2));
    ppcMode.visible = false;
    m_choices.push_back(makeDropDown("cbHSPClosingMonth", "pgHomesellersProceedsCalculator",
                                     {"January", "February", "March", "April", "May", "June", "July",
                                      "August", "September", "October", "November", "December"},
                                     "July"));

    m_grids.push_back(makeLoanSpreadGrid());
    m_grids.push_back(makeMonthlyAmortizationGrid());
    m_grids.push_back(makeAnnualAmortizationGrid());
}

ValueField& Workspace::field(std::string_view name) {
    if (ValueField* found = findField(name))
        return *found;
    throwUnknown("value field", name);
}

const ValueField& Workspace::field(std::string_view name) const {
    if (const ValueField* found = findField(name))
        return *found;
    throwUnknown("value field", name);
}

ValueField* Workspace::findField(std::string_view name) {
    const auto it = m_fieldIndex.find(name);
    return it == m_fieldIndex.end() ? nullptr : &m_fields[it->second];
}

const ValueField* Workspace::findField(std::string_view name) const {
    const auto it = m_fieldIndex.find(name);
    return it == m_fieldIndex.end() ? nullptr : &m_fields[it->second];
}

std::vector<ValueField*> Workspace::pageFields(std::string_view pageName) {
    if (!findPage(pageName))
        throwUnknown("page", pageName);
    std::vector<ValueField*> result;
    for (ValueField& field : m_fields)
        if (field.design().page == pageName)
            result.push_back(&field);
    return result;
}

std::vector<const ValueField*> Workspace::pageFields(std::string_view pageName) const {
    if (!findPage(pageName))
        throwUnknown("page", pageName);
    std::vector<const ValueField*> result;
    for (const ValueField& field : m_fields)
        if (field.design().page == pageName)
            result.push_back(&field);
    return result;
}

Choice& Workspace::choice(std::string_view name) {
    if (Choice* found = findChoice(name))
        return *found;
    throwUnknown("choice", name);
}

const Choice& Workspace::choice(std::string_view name) const {
    if (const Choice* found = findChoice(name))
        return *found;
    throwUnknown("choice", name);
}

Choice* Workspace::findChoice(std::string_view name) {
    return findByName(m_choices, name);
}

const Choice* Workspace::findChoice(std::string_view name) const {
    return findByName(m_choices, name);
}

TextGrid& Workspace::grid(std::string_view name) {
    if (TextGrid* found = findGrid(name))
        return *found;
    throwUnknown("grid", name);
}

const TextGrid& Workspace::grid(std::string_view name) const {
    if (const TextGrid* found = findGrid(name))
        return *found;
    throwUnknown("grid", name);
}

TextGrid* Workspace::findGrid(std::string_view name) {
    return findByName(m_grids, name);
}

const TextGrid* Workspace::findGrid(std::string_view name) const {
    return findByName(m_grids, name);
}

ControlState& Workspace::addControl(ControlState initial) {
    if (ControlState* existing = findControl(initial.name()))
        return *existing;
    return m_controls.emplace_back(std::move(initial));
}

ControlState& Workspace::control(std::string_view name) {
    if (ControlState* found = findControl(name))
        return *found;
    throwUnknown("control", name);
}

const ControlState& Workspace::control(std::string_view name) const {
    if (const ControlState* found = findControl(name))
        return *found;
    throwUnknown("control", name);
}

ControlState* Workspace::findControl(std::string_view name) {
    return findByName(m_controls, name);
}

const ControlState* Workspace::findControl(std::string_view name) const {
    return findByName(m_controls, name);
}

void Workspace::setStartDate(int year, int month) {
    if (month < 1 || month > 12)
        throw std::out_of_range("month " + std::to_string(month) + " outside 1..12");
    const auto index = static_cast<std::size_t>(month - 1);
    m_state.CurrentYear = year;
    m_state.CurrentMonthShort = m_regional.shortMonthNames[index];
    m_state.CurrentMonthLong = m_regional.longMonthNames[index];
    m_state.ScheduleStartYear = year;
}

void Workspace::showPage(std::string_view pageName) {
    if (!findPage(pageName))
        throwUnknown("page", pageName);
    if (m_shownPage == pageName)
        return;
    m_shownPage = pageName;
    for (auto observers = m_pageObservers; auto& [id, observer] : observers)
        observer(m_shownPage);
}

int Workspace::addPageObserver(PageObserver observer) {
    m_pageObservers.emplace_back(m_nextPageObserverId, std::move(observer));
    return m_nextPageObserverId++;
}

void Workspace::removePageObserver(int id) {
    std::erase_if(m_pageObservers, [id](const auto& entry) { return entry.first == id; });
}

} // namespace kelvarin::workspace
