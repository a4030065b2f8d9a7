// kelvarin-calc page: enters one page of the real session headlessly, through the same
// navigation and entry steps as the window, drives it step by step as a user would, then prints
// the page's value fields (and, on request, its grids).

#include "Commands.h"
#include "calculators/Session.h"
#include "loanmath/Numeric.h"
#include "workspace/DefaultsFile.h"
#include "workspace/FieldEntry.h"
#include "workspace/NumberText.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace kelvarin::cli {

namespace {

namespace fs = std::filesystem;
using workspace::ValueField;

// Message boxes go to standard error; every question is answered No.
class StderrUi : public workspace::UiPort {
public:
    void focus(std::string_view) override {}
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon, workspace::MessageButtons,
                                     std::string_view) override {
        std::string plain(text);
        for (auto at = plain.find('\r'); at != std::string::npos; at = plain.find('\r', at))
            plain.erase(at, 1);
        std::cerr << plain << '\n';
        return workspace::MessageAnswer::No;
    }
    void setPrintingAvailable(bool) override {}
    void setBusy(bool) override {}
    void refresh() override {}
};

fs::path programFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path(error) : exe.parent_path();
}

fs::path userFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return fs::path(config) / "Kelvarin";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".config" / "Kelvarin";
    return {};
}

ValueField& pageField(workspace::Workspace& ws, std::string_view page, std::string_view name) {
    ValueField* field = ws.findField(name);
    if (!field || field->design().page != page)
        throw UsageError("no field '" + std::string(name) + "' on " + std::string(page));
    return *field;
}

workspace::Choice& pageChoice(workspace::Workspace& ws, std::string_view page, std::string_view name) {
    workspace::Choice* choice = ws.findChoice(name);
    if (!choice || choice->page != page)
        throw UsageError("no choice '" + std::string(name) + "' on " + std::string(page));
    return *choice;
}

// "NAME=REST" after a step's prefix.
std::pair<std::string_view, std::string_view> splitAssignment(std::string_view step, std::string_view rest,
                                                              const char* form) {
    const auto equals = rest.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError("malformed step '" + std::string(step) + "' (" + form + ")");
    return {rest.substr(0, equals), rest.substr(equals + 1)};
}

class PageDriver {
public:
    PageDriver(calculators::Session& session, std::string_view page) : m_session(session), m_page(page) {}

    void run(std::string_view step) {
        if (step.starts_with("click:"))
            return click(step.substr(6));
        if (step.starts_with("goto:"))
            return m_session.navigator().gotoChosenCalculator(step.substr(5));
        if (step.starts_with("choose:")) {
            const auto [group, index] = splitAssignment(step, step.substr(7), "choose:GROUP=INDEX");
            return choose(group, index);
        }
        if (step.starts_with("text:")) {
            const auto [choice, text] = splitAssignment(step, step.substr(5), "text:CHOICE=TEXT");
            return typeChoice(choice, text);
        }
        if (step.starts_with("cell:")) {
            const auto [grid, place] = splitAssignment(step, step.substr(5), "cell:GRID=COL,ROW");
            return clickCell(grid, place);
        }
        const auto equals = step.find('=');
        if (equals == std::string_view::npos || equals == 0)
            throw UsageError("malformed step '" + std::string(step) +
                             "' (FIELD=TEXT, click:CONTROL, choose:GROUP=INDEX, text:CHOICE=TEXT, "
                             "cell:GRID=COL,ROW or goto:COMMAND)");
        typeInto(step.substr(0, equals), step.substr(equals + 1));
    }

private:
    const calculators::HandlerTable& handlers() const { return m_session.handlers(); }

    // The whole text replaced by what the keys type, then the field is left.
    void typeInto(std::string_view name, std::string_view text) {
        ValueField& field = pageField(m_session.workspace(), m_page, name);
        if (field.readOnly() || !field.enabled() || !field.visible())
            throw UsageError("field '" + std::string(name) + "' cannot be typed into");
        std::u32string typed;
        for (char32_t key : workspace::fromUtf8(text)) {
            const char32_t c = workspace::typedCharacter(field, key);
            if (workspace::acceptsTyped(field, c))
                typed += c;
            else
                std::cerr << "kelvarin-calc: " << name << " refused '"
                          << workspace::toUtf8(std::u32string(1, key)) << "'\n";
        }
        field.setTypedText(typed);
        const workspace::LeaveOutcome outcome = workspace::leaveField(field);
        if (!outcome.accepted())
            std::cerr << outcome.message() << '\n';
        if (!field.design().exitHandler.empty())
            handlers().runExit(field.design().exitHandler, field);
    }

    void click(std::string_view control) {
        if (!handlers().hasClick(control))
            throw UsageError("no button '" + std::string(control) + "'");
        if (const auto* state = m_session.workspace().findControl(control); state && !state->enabled()) {
            std::cerr << "kelvarin-calc: " << control << " is disabled\n";
            return;
        }
        handlers().click(control);
    }

    void choose(std::string_view group, std::string_view index) {
        workspace::Choice& choice = pageChoice(m_session.workspace(), m_page, group);
        const int item = ParseInt(index, "choice index", 0, static_cast<int>(choice.items.size()) - 1);
        choice.index = item;
        choice.text = choice.items[static_cast<std::size_t>(item)];
        handlers().choose(group, item);
    }

    // An editable drop-down takes the typed text; the item of that text is chosen, or none (-1).
    void typeChoice(std::string_view name, std::string_view text) {
        workspace::Choice& choice = pageChoice(m_session.workspace(), m_page, name);
        if (!choice.editable)
            throw UsageError("choice '" + std::string(name) + "' cannot be typed into");
        int item = -1;
        for (std::size_t k = 0; k < choice.items.size(); ++k)
            if (choice.items[k] == text)
                item = static_cast<int>(k);
        choice.text = text;
        choice.index = item;
        handlers().choose(name, item);
    }

    void clickCell(std::string_view name, std::string_view place) {
        const workspace::TextGrid* grid = m_session.workspace().findGrid(name);
        if (!grid || grid->page != m_page)
            throw UsageError("no grid '" + std::string(name) + "' on " + std::string(m_page));
        const auto comma = place.find(',');
        if (comma == std::string_view::npos)
            throw UsageError("cell:" + std::string(name) + " needs COL,ROW");
        const int col = ParseInt(place.substr(0, comma), "column", 0, grid->colCount() - 1);
        const int row = ParseInt(place.substr(comma + 1), "row", 0, grid->rowCount() - 1);
        if (!handlers().clickCell(name, col, row))
            throw UsageError("grid '" + std::string(name) + "' takes no clicks");
    }

    calculators::Session& m_session;
    std::string_view m_page;
};

void printFields(calculators::Session& session, std::string_view page, bool texts, std::ostream& out) {
    for (ValueField* field : session.workspace().pageFields(page)) {
        out << field->name() << '=';
        if (texts)
            out << '"' << field->textUtf8() << '"';
        else if (field->mask().dataType == workspace::DataType::Whole)
            out << field->readWhole();
        else
            out << FormatNumber(field->readFloat());
        out << '\n';
    }
}

// GRID.ROW.COL=TEXT for every cell, titles included, rows and columns numbered from 0 as the
// grid numbers them.
void printGrids(const calculators::Session& session, std::string_view page, std::ostream& out) {
    for (const workspace::TextGrid& grid : session.workspace().grids()) {
        if (grid.page != page)
            continue;
        for (int row = 0; row < grid.rowCount(); ++row)
            for (int col = 0; col < grid.colCount(); ++col)
                out << grid.name << '.' << row << '.' << col << '=' << grid.cell(col, row) << '\n';
    }
}

} // namespace

void RunPage(std::string_view name, Args args, std::ostream& out) {
    if (args.empty())
        throw UsageError(std::string(name) + ": missing PAGE");
    const std::string_view page = args.front();
    const workspace::PageInfo* info = workspace::findPage(page);
    if (!info)
        throw UsageError("unknown page '" + std::string(page) + "'");

    // Options may stand anywhere after PAGE; a step never starts with "--".
    workspace::RegionalSettings regional = workspace::RegionalSettings::unitedStates();
    bool texts = false;
    bool grids = false;
    std::optional<fs::path> defaultsFile;
    std::vector<std::string_view> steps;
    for (std::size_t at = 1; at < args.size(); ++at) {
        if (args[at] == "--texts") {
            texts = true;
        } else if (args[at] == "--grids") {
            grids = true;
        } else if (args[at] == "--defaults") {
            if (++at == args.size())
                throw UsageError("--defaults needs a FILE");
            defaultsFile = fs::path(std::string(args[at]));
        } else if (args[at] == "--locale") {
            if (++at == args.size())
                throw UsageError("--locale needs us or de");
            if (args[at] == "us")
                regional = workspace::RegionalSettings::unitedStates();
            else if (args[at] == "de")
                regional = workspace::RegionalSettings::germanStyle();
            else
                throw UsageError("--locale needs us or de, not '" + std::string(args[at]) + "'");
        } else if (args[at].starts_with("--")) {
            throw UsageError("unknown option '" + std::string(args[at]) + "'");
        } else {
            steps.push_back(args[at]);
        }
    }

    StderrUi ui;
    calculators::Session session(regional, ui);
    auto& state = session.workspace().state();
    state.ProgramFolder = programFolder().string() + "/";
    session.start(workspace::DefaultsFile(defaultsFile ? *defaultsFile : workspace::lookUpDefaultsFile(programFolder(), userFolder()), regional),
                  calculators::LocalDate::today());
    // The program's own ZELK.INI is only read; a file named with --defaults is also written.
    session.calculators().estimatedClosingCosts().setDefaultsFile(&*session.defaultsFile(),
                                                                  defaultsFile.has_value());

    // As in the window: a calculation error ends the step, goes to the error handler (message,
    // repairs) and the run goes on. Anything else ends the run.
    bool calculationFailed = false;
    const auto guarded = [&](auto&& step) {
        try {
            step();
        } catch (const loanmath::CalcError&) {
            session.errors().AppOnException(std::current_exception());
            calculationFailed = true;
        }
    };
    PageDriver driver(session, page);
    guarded([&] { session.navigator().gotoChosenCalculator(info->calculatorsMenu); });
    for (std::string_view step : steps)
        guarded([&] { driver.run(step); });

    printFields(session, page, texts, out);
    if (grids)
        printGrids(session, page, out);
    if (calculationFailed)
        throw loanmath::CalcError(loanmath::CalcErrorKind::InvalidOperation,
                                  "a step of the page could not be calculated");
}

} // namespace kelvarin::cli
