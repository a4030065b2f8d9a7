#include "calculators/Documents.h"
#include "calculators/Session.h"
#include "support/RecordingUi.h"
#include "workspace/Pages.h"
#include "workspace/ValueSets.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace kelvarin::calculators {
namespace {

namespace fs = std::filesystem;
using workspace::RegionalSettings;

// Answers the file dialogs from a queue; an empty queue is Cancel.
class ScriptedDialogs : public DocumentDialogs {
public:
    std::optional<std::string> chooseFileToOpen() override {
        ++opens;
        return next();
    }
    std::optional<std::string> chooseFileToSave(const std::string& proposedName) override {
        proposed.push_back(proposedName);
        return next();
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> proposed;
    int opens = 0;

private:
    std::optional<std::string> next() {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Everything a failed command must leave alone.
struct Snapshot {
    std::map<std::string, std::string> texts;
    std::vector<std::vector<std::string>> schedule;
    std::string document;
    workspace::HeldValues held;
    int valueSet;

    bool operator==(const Snapshot&) const = default;
};

class DocumentsTest : public ::testing::TestWithParam<RegionalSettings> {
protected:
    DocumentsTest() : session(GetParam(), ui) {
        folder = fs::temp_directory_path() / ("kelvarin-documents-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        session.start(workspace::DefaultsFile(folder / "ZELK.INI"), {2026, 12});
        documents().setDialogs(&dialogs);
        documents().onOpened = [this](const std::string& path) { opened.push_back(path); };
    }
    ~DocumentsTest() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    Documents& documents() { return session.documents(); }
    workspace::Workspace& ws() { return session.workspace(); }
    std::string path(const char* name) const { return (folder / name).string(); }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    Snapshot snapshot() {
        Snapshot s{{},
                   ws().grid("grdAmortization").cells,
                   ws().state().DocumentFileName,
                   session.held(),
                   ws().state().ValueSet};
        for (const auto& field : ws().fields())
            s.texts[std::string(field.name())] = field.textUtf8();
        for (const auto& choice : ws().choices())
            s.texts[choice.name] = choice.text + "#" + std::to_string(choice.index);
        return s;
    }
    // A document with samples everywhere and a few typed figures, saved as name.
    std::string savedSampleDocument(const char* name) {
        session.calculators().ResetAllToSamples();
        ws().field("edtLA").writeFloat(123456.78);
        ws().field("edtMQir1").writeFloat(6.875);
        dialogs.answers.push_back(path(name));
        EXPECT_TRUE(documents().mnuFileSaveAsClick());
        return path(name);
    }

    testing::RecordingUi ui;
    Session session;
    ScriptedDialogs dialogs;
    fs::path folder;
    std::vector<std::string> opened;
};

TEST_P(DocumentsTest, SaveThenOpenRestoresEveryStoredText) {
    const std::string file = savedSampleDocument("samples.zlk");
    const Snapshot saved = snapshot();

    session.calculators().ResetAllToZero();
    ws().field("edtIncome1").writeFloat(1);
    dialogs.answers.push_back(file);
    documents().btnOpenClick();

    const Snapshot reopened = snapshot();
    for (const workspace::DocumentLine& line : workspace::documentLayout()) {
        if (line.source == workspace::LineSource::Field) {
            EXPECT_EQ(reopened.texts.at(std::string(line.name)), saved.texts.at(std::string(line.name)))
                << line.name;
        }
    }
    EXPECT_EQ(ws().state().DocumentFileName, file);
    EXPECT_EQ(opened, std::vector<std::string>{file});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(DocumentsTest, TheScheduleComesBackWithItsPrepayments) {
    ws().showPage("pgAmortizationSchedules");
    session.calculators().ResetAllToSamples(); // the shown page calculates its schedule
    auto& amortization = session.calculators().amortizationSchedules();
    amortization.btnExtraClick();
    amortization.SetPrepaymentMode(0);
    ws().field("edtFromPmt").writeWhole(3);
    ws().field("edtExtraAmount").writeFloat(5000);
    amortization.btnRecalcExtraClick();
    const auto schedule = ws().grid("grdAmortization").cells;
    ASSERT_GT(schedule.size(), 4u);
    ASSERT_NE(schedule[3][6], schedule[2][6]) << "payment 3 carries the prepayment";
    amortization.btnCancelClick();
    dialogs.answers.push_back(path("prepaid.zlk"));
    ASSERT_TRUE(documents().btnSaveClick());

    session.calculators().ResetAllToZero();
    dialogs.answers.push_back(path("prepaid.zlk"));
    documents().btnOpenClick();
    EXPECT_EQ(ws().grid("grdAmortization").cells, schedule);
}

TEST_P(DocumentsTest, AFailedOpenChangesNothing) {
    const std::string good = savedSampleDocument("good.zlk");
    dialogs.answers.push_back(good);
    documents().btnOpenClick();
    opened.clear();
    ws().field("edtLA").writeFloat(42); // unsaved work
    const Snapshot before = snapshot();

    std::string lines = contents(good);
    std::vector<std::size_t> ends;
    for (std::size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at + 2))
        ends.push_back(at + 2);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"truncated", lines.substr(0, ends[99] - 7)},
        {"187 lines", lines.substr(0, ends[186])},
        {"corrupt number", lines.substr(0, ends[48]) + "1x2\r\n" + lines.substr(ends[49])},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        const std::string bad = path("bad.zlk");
        write(bad, c.bytes);
        dialogs.answers.push_back(bad);
        EXPECT_THROW(documents().btnOpenClick(), DocumentFailure) << c.name;
        EXPECT_EQ(snapshot(), before) << c.name;
        EXPECT_TRUE(opened.empty()) << c.name;
    }
}

TEST_P(DocumentsTest, OpeningAMissingFileIsReportedAndChangesNothing) {
    const std::string good = savedSampleDocument("good.zlk");
    const Snapshot before = snapshot();
    dialogs.answers.push_back(path("none.zlk"));
    documents().btnOpenClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The file " + path("none.zlk") + " does not exist.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(ws().state().DocumentFileName, good);
}

TEST_P(DocumentsTest, CancelInTheOpenDialogKeepsTheDocument) {
    const std::string file = savedSampleDocument("kept.zlk");
    ws().field("edtLA").writeFloat(42);
    const Snapshot before = snapshot();
    documents().btnOpenClick(); // no answer: Cancel
    EXPECT_EQ(dialogs.opens, 1);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(ws().state().DocumentFileName, file);
}

TEST_P(DocumentsTest, SaveAsNamesTheDocumentAndSaveWritesThere) {
    const std::string first = savedSampleDocument("first.zlk");
    EXPECT_EQ(dialogs.proposed, std::vector<std::string>{"untitled.zlk"});
    EXPECT_EQ(ws().state().DocumentFileName, first);
    const std::string firstBytes = contents(first);

    dialogs.answers.push_back(path("second")); // typed without extension
    ASSERT_TRUE(documents().mnuFileSaveAsClick());
    const std::string second = path("second.zlk");
    EXPECT_EQ(dialogs.proposed.back(), first);
    EXPECT_EQ(ws().state().DocumentFileName, second);

    ws().field("edtLA").writeFloat(555);
    EXPECT_TRUE(documents().btnSaveClick());
    EXPECT_EQ(dialogs.proposed.size(), 2u) << "Save asked no name";
    EXPECT_NE(contents(second).find("\r\n555\r\n"), std::string::npos);
    EXPECT_EQ(contents(first), firstBytes);
}

TEST_P(DocumentsTest, AFailedSaveKeepsTheOldFileAndTheName) {
    const std::string file = savedSampleDocument("kept.zlk");
    const std::string old = contents(file);
    documents().setWriter([](const fs::path& target, std::string_view bytes) {
        return workspace::writeFileAtomically(target, bytes, [] { return std::string("disk full"); });
    });
    ws().field("edtLA").writeFloat(1);
    EXPECT_THROW(documents().btnSaveClick(), DocumentFailure);
    EXPECT_EQ(contents(file), old);
    EXPECT_EQ(ws().state().DocumentFileName, file);

    dialogs.answers.push_back(path("other.zlk"));
    EXPECT_THROW(documents().mnuFileSaveAsClick(), DocumentFailure);
    EXPECT_EQ(ws().state().DocumentFileName, file);
    EXPECT_FALSE(fs::exists(path("other.zlk")));
}

TEST_P(DocumentsTest, CloseZeroesAndForgetsTheDocumentOnlyWhenOneIsOpen) {
    session.calculators().ResetAllToSamples();
    documents().mnuFileCloseClick(); // no document: nothing happens
    EXPECT_EQ(ws().field("edtLA").readFloat(), 100000);

    savedSampleDocument("open.zlk");
    documents().mnuFileCloseClick();
    EXPECT_EQ(ws().field("edtLA").readFloat(), 0);
    EXPECT_TRUE(ws().state().DocumentFileName.empty());
}

TEST_P(DocumentsTest, AFreshWorkspaceSavesAsZerosAndTheStartDate) {
    dialogs.answers.push_back(path("fresh.zlk"));
    ASSERT_TRUE(documents().btnSaveClick());
    std::string expected;
    for (int line = 1; line <= 188; ++line) {
        const auto& regional = ws().regional();
        if (line == 148)
            expected += regional.longMonthNames[11];
        else if (line == 185)
            expected += regional.shortMonthNames[11];
        else if (line == 186)
            expected += "2026";
        else
            expected += "0";
        expected += "\r\n";
    }
    expected += "       \r\n";
    EXPECT_EQ(contents(path("fresh.zlk")), expected);
}

INSTANTIATE_TEST_SUITE_P(Regional, DocumentsTest,
                         ::testing::Values(RegionalSettings::unitedStates(), RegionalSettings::germanStyle()),
                         [](const auto& row) { return row.index == 0 ? "UnitedStates" : "GermanStyle"; });

// The whole-workspace resets write every page's table; a page reset that runs its calculation
// (closing costs) does so only when its page is shown, so from the main menu the tables hold.
class WholeWorkspaceResets : public ::testing::Test {
protected:
    WholeWorkspaceResets() : session(RegionalSettings::unitedStates(), ui) {
        session.start(
            workspace::DefaultsFile(fs::temp_directory_path() / "kelvarin-no-such-folder" / "ZELK.INI"),
            {2026, 12});
    }
    void expectEveryTable(bool samples) {
        for (const workspace::PageInfo& page : workspace::pages()) {
            for (const workspace::ValueSetEntry& entry : workspace::valueSetOf(page.name)) {
                const auto& field = session.workspace().field(entry.field);
                EXPECT_DOUBLE_EQ(field.readFloat(), samples ? entry.sample : entry.zero) << entry.field;
            }
        }
    }
    testing::RecordingUi ui;
    Session session;
};

TEST_F(WholeWorkspaceResets, SamplesEverywhereKeepTheValueSetAndTheFocus) {
    session.calculators().ResetAllToSamples();
    expectEveryTable(true);
    EXPECT_EQ(session.workspace().state().ValueSet, 0);
    EXPECT_TRUE(ui.focusMoves.empty());

    session.workspace().showPage("pgMortgageQualifier");
    session.calculators().ResetAllToSamples();
    EXPECT_EQ(ui.focusMoves, std::vector<std::string>{"edtIncome1"});
}

TEST_F(WholeWorkspaceResets, ZerosEverywhere) {
    session.calculators().ResetAllToSamples();
    session.workspace().state().ValueSet = 1;
    session.calculators().ResetAllToZero();
    expectEveryTable(false);
    EXPECT_EQ(session.workspace().state().ValueSet, 0);
}

} // namespace
} // namespace kelvarin::calculators
