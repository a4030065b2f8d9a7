// kelvarin-calc page: drives one page of the real workspace and calculators headlessly, step
// by step as a user would, then prints the page's value fields.

#include "Commands.h"

#include "calculators/Session.h"
#include "workspace/DefaultsFile.h"
#include "workspace/FieldEntry.h"
#include "workspace/NumberText.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
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

// FIELD=TEXT: the whole text replaced by what the keys type, then the field is left.
void typeInto(calculators::Session& session, std::string_view page, std::string_view name, std::string_view text) {
    auto& ws = session.workspace();
    ValueField& field = pageField(ws, page, name);
    if (field.readOnly() || !field.enabled() || !field.visible())
        throw UsageError("field '" + std::string(name) + "' cannot be typed into");
    std::u32string typed;
    for (char32_t key : workspace::fromUtf8(text)) {
        const char32_t c = workspace::typedCharacter(field, key);
        if (workspace::acceptsTyped(field, c))
            typed += c;
        else
            std::cerr << "kelvarin-calc: " << name << " refused '" << workspace::toUtf8(std::u32string(1, key)) << "'\n";
    }
    field.setTypedText(typed);
    const workspace::LeaveOutcome outcome = workspace::leaveField(field);
    if (!outcome.accepted())
        std::cerr << outcome.message() << '\n';
    if (!field.design().exitHandler.empty())
        session.calculators().handlers().runExit(field.design().exitHandler, field);
}

void click(calculators::Session& session, std::string_view control) {
    const auto& handlers = session.calculators().handlers();
    if (!handlers.hasClick(control))
        throw UsageError("no button '" + std::string(control) + "'");
    if (const auto* state = session.workspace().findControl(control); state && !state->enabled()) {
        std::cerr << "kelvarin-calc: " << control << " is disabled\n";
        return;
    }
    handlers.click(control);
}

void choose(calculators::Session& session, std::string_view page, std::string_view group, std::string_view index) {
    workspace::Choice* choice = session.workspace().findChoice(group);
    if (!choice || choice->page != page)
        throw UsageError("no choice '" + std::string(group) + "' on " + std::string(page));
    const int item = ParseInt(index, "choice index", 0, static_cast<int>(choice->items.size()) - 1);
    choice->index = item;
    choice->text = choice->items[static_cast<std::size_t>(item)];
    session.calculators().handlers().choose(group, item);
}

void runStep(calculators::Session& session, std::string_view page, std::string_view step) {
    if (step.starts_with("click:"))
        return click(session, step.substr(6));
    if (step.starts_with("choose:")) {
        const std::string_view rest = step.substr(7);
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos)
            throw UsageError("malformed step '" + std::string(step) + "' (choose:GROUP=INDEX)");
        return choose(session, page, rest.substr(0, equals), rest.substr(equals + 1));
    }
    const auto equals = step.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError("malformed step '" + std::string(step) + "' (FIELD=TEXT, click:CONTROL or choose:GROUP=INDEX)");
    typeInto(session, page, step.substr(0, equals), step.substr(equals + 1));
}

}  // namespace

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
    std::vector<std::string_view> steps;
    for (std::size_t at = 1; at < args.size(); ++at) {
        if (args[at] == "--texts") {
            texts = true;
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
    const workspace::DefaultsFile defaults(workspace::lookUpDefaultsFile(programFolder(), userFolder()), regional);
    const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    session.start(defaults, static_cast<int>(static_cast<unsigned>(today.month())), static_cast<int>(today.year()));
    session.workspace().showPage(page);

    for (std::string_view step : steps)
        runStep(session, page, step);

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

}  // namespace kelvarin::cli
