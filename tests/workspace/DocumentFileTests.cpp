#include "workspace/DocumentFile.h"
#include "workspace/NumberText.h"
#include "workspace/Workspace.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kelvarin::workspace {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> lineTexts(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string out;
    for (const std::string& line : lines)
        out += line + std::string(end);
    return out;
}

// Every stored field, choice and held value gets a figure of its own, with a few that test the
// number forms (cents, negatives, a figure beyond 15 significant digits) and a two-row schedule
// with a prepayment.
void fillEverything(Workspace& ws, HeldValues& held) {
    int n = 0;
    for (const DocumentLine& line : documentLayout()) {
        ++n;
        if (line.source != LineSource::Field)
            continue;
        ValueField& field = ws.field(line.name);
        if (field.mask().dataType == DataType::Whole)
            field.writeWhole(n);
        else
            field.writeFloat(n % 3 == 0 ? -(n * 101.25) : n * 1000.5 + 0.25);
    }
    ws.field("edtLA").writeFloat(1234567890123.45);
    ws.field("edtIR").writeFloat(8.125);
    ws.field("edtPMIPercent").writeFloat(0.0032);
    ws.choice("rgCalculate").index = 2;
    ws.choice("cbMonth").text = "Mar";
    ws.choice("cbHSPClosingMonth").text = "März";
    held.Loan = 150000;
    held.Interest = 7.125;
    held.Term = 240;
    held.Federal = 28;
    held.State = 4.5;
    held.Downpayment = 30000.5;
    ws.state().ValueSet = 1;
    ws.state().DefaultCalculator = 7;
    TextGrid& grid = ws.grid("grdAmortization");
    grid.resize(3, 8);
    const std::vector<std::vector<std::string>> rows{
        {"1", "Jan 2000", "$5,057.53", "$729.17", "$5,057.53", "$729.17", "$5,000.00", "$94,942.47"},
        {"2", "Feb 2000", "$60.00", "$692.31", "$5,117.53", "$1,421.48", "$0.00", "$94,882.47"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 8; ++c)
            grid.cell(c, r + 1) = rows[r][c];
}

class DocumentRoundTrip : public ::testing::TestWithParam<RegionalSettings> {};

TEST_P(DocumentRoundTrip, EveryStoredTextAndTheScheduleComeBack) {
    Workspace written(GetParam());
    HeldValues writtenHeld;
    fillEverything(written, writtenHeld);
    const std::string bytes = writeDocument(written, writtenHeld);
    EXPECT_EQ(lineTexts(bytes).size(), 188u + 2u);

    Workspace read(GetParam());
    HeldValues readHeld;
    ParsedDocument parsed = parseDocument(bytes, GetParam());
    ASSERT_TRUE(parsed.content) << parsed.error.reason;
    applyDocument(read, readHeld, *parsed.content);

    for (const DocumentLine& line : documentLayout()) {
        if (line.source == LineSource::Field) {
            EXPECT_EQ(read.field(line.name).textUtf8(), written.field(line.name).textUtf8()) << line.name;
        }
    }
    EXPECT_EQ(read.choice("rgCalculate").index, 2);
    EXPECT_EQ(read.choice("cbMonth").text, "Mar");
    EXPECT_EQ(read.choice("cbMonth").index, 2);
    EXPECT_EQ(read.choice("cbHSPClosingMonth").text, "März");
    EXPECT_EQ(read.choice("cbHSPClosingMonth").index, -1);
    EXPECT_EQ(read.state().ValueSet, 1);
    EXPECT_EQ(read.state().DefaultCalculator, 7);
    // The held payment follows the amortization page's payment field (line 125).
    writtenHeld.AmortPayment = written.field("edtAmortPayment").readFloat();
    EXPECT_EQ(readHeld, writtenHeld);
    EXPECT_EQ(read.grid("grdAmortization").cells, written.grid("grdAmortization").cells);
    EXPECT_EQ(writeDocument(read, readHeld), writeDocument(written, writtenHeld));
}

INSTANTIATE_TEST_SUITE_P(Regional, DocumentRoundTrip,
                         ::testing::Values(RegionalSettings::unitedStates(), RegionalSettings::germanStyle()),
                         [](const auto& row) { return row.index == 0 ? "UnitedStates" : "GermanStyle"; });

TEST(DocumentWrite, NumberFormsFollowTheFieldsValue) {
    Workspace ws;
    HeldValues held;
    ws.field("edtMPISalesPrice").writeFloat(1234.5);       // shows $1,234.50
    ws.field("edtMPITermInMonths").setTypedText(U"99999"); // typed, out of range
    ws.field("edtMPIPayment").setTypedText(U"12x");        // not a number
    ws.field("edtEccInterest").writeFloat(-8.75);
    ws.field("edtPMIPercent").writeFloat(0.0032);
    const std::vector<std::string> lines = lineTexts(writeDocument(ws, held));
    EXPECT_EQ(lines[13], "1234.5");
    EXPECT_EQ(lines[18], "0");
    EXPECT_EQ(lines[19], "0");
    EXPECT_EQ(lines[22], "-8.75");
    EXPECT_EQ(lines[61], "0.0032");

    Workspace german(RegionalSettings::germanStyle());
    german.field("edtMPISalesPrice").writeFloat(1234.5);
    EXPECT_EQ(lineTexts(writeDocument(german, held))[13], "1234,5");
}

TEST(DocumentWrite, LayoutNamesResolveAndFormsMatchTheFields) {
    Workspace ws;
    ASSERT_EQ(documentLayout().size(), 188u);
    for (const DocumentLine& line : documentLayout()) {
        if (line.source == LineSource::Field) {
            const ValueField& field = ws.field(line.name);
            EXPECT_EQ(field.mask().dataType == DataType::Whole, line.form == LineForm::Whole) << line.name;
        } else if (line.source == LineSource::ChoiceIndex || line.source == LineSource::ChoiceText) {
            EXPECT_NE(ws.findChoice(line.name), nullptr) << line.name;
        }
    }
}

TEST(DocumentRead, LineEndsOfEveryKindReadAlike) {
    Workspace ws;
    HeldValues held;
    fillEverything(ws, held);
    const std::string crlf = writeDocument(ws, held);
    const std::vector<std::string> lines = lineTexts(crlf);
    const auto expected = parseDocument(crlf, ws.regional());
    ASSERT_TRUE(expected.content);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"LF", joinLines(lines, "\n")},
        {"CR", joinLines(lines, "\r")},
        {"no end on the last line", crlf.substr(0, crlf.size() - 2)},
        {"byte order mark", "\xEF\xBB\xBF" + crlf},
    };
    for (const Case& c : cases) {
        const auto parsed = parseDocument(c.bytes, ws.regional());
        ASSERT_TRUE(parsed.content) << c.name << ": " << parsed.error.reason;
        EXPECT_EQ(parsed.content->rows, expected.content->rows) << c.name;
        for (std::size_t i = 0; i < 188; ++i) {
            EXPECT_EQ(parsed.content->values[i].number, expected.content->values[i].number) << c.name << i;
            EXPECT_EQ(parsed.content->values[i].whole, expected.content->values[i].whole) << c.name << i;
            EXPECT_EQ(parsed.content->values[i].text, expected.content->values[i].text) << c.name << i;
        }
    }
}

TEST(DocumentRead, BadFilesFailAtTheirFirstBadLine) {
    Workspace ws;
    HeldValues held;
    fillEverything(ws, held);
    const std::vector<std::string> good = lineTexts(writeDocument(ws, held));
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> change;
        int line;
        const RegionalSettings& regional;
    };
    const RegionalSettings us = RegionalSettings::unitedStates();
    const RegionalSettings german = RegionalSettings::germanStyle();
    const std::vector<Case> cases{
        {"empty file", [](auto& l) { l.clear(); }, 1, us},
        {"truncated", [](auto& l) { l.resize(100); }, 101, us},
        {"187 lines", [](auto& l) { l.resize(187); }, 188, us},
        {"letters in a number", [](auto& l) { l[49] = "12x"; }, 50, us},
        {"empty number line", [](auto& l) { l[20] = ""; }, 21, us},
        {"decimals in a whole line", [](auto& l) { l[12] = "360.5"; }, 13, us},
        {"whole number beyond 32 bits", [](auto& l) { l[0] = "4294967296"; }, 1, us},
        {"number beyond a double", [](auto& l) { l[1] = "1E400"; }, 2, us},
        {"rgCalculate beyond its items", [](auto& l) { l[120] = "4"; }, 121, us},
        {"rgCalculate negative", [](auto& l) { l[120] = "-1"; }, 121, us},
        {"written with the other decimal separator", [](auto& l) { l[2] = "7.125"; }, 3, german},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = good;
        c.change(lines);
        const ParsedDocument parsed = parseDocument(joinLines(lines), c.regional);
        EXPECT_FALSE(parsed.content) << c.name;
        EXPECT_EQ(parsed.error.line, c.line) << c.name << ": " << parsed.error.reason;
    }
}

TEST(DocumentRead, AFileWithoutRowsKeepsOneEmptyScheduleRow) {
    Workspace ws;
    HeldValues held;
    fillEverything(ws, held);
    std::vector<std::string> lines = lineTexts(writeDocument(ws, held));
    lines.resize(188);
    const ParsedDocument parsed = parseDocument(joinLines(lines), ws.regional());
    ASSERT_TRUE(parsed.content);
    applyDocument(ws, held, *parsed.content);
    const TextGrid& grid = ws.grid("grdAmortization");
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cells[1], std::vector<std::string>(8));
    EXPECT_EQ(grid.cell(0, 0), "PMT");
}

TEST(DocumentRead, ScheduleRowsSplitIntoEightCells) {
    using Cells = std::array<std::string, ScheduleColumns>;
    struct Case {
        const char* name;
        std::string_view line;
        Cells cells;
    };
    const std::vector<Case> cases{
        {"full row",
         "1 Jan 2000 $5,057.53 $729.17 $5,057.53 $729.17 $5,000.00 $94,942.47",
         {"1", "Jan 2000", "$5,057.53", "$729.17", "$5,057.53", "$729.17", "$5,000.00", "$94,942.47"}},
        {"empty row of seven blanks", "       ", {}},
        {"too few words", "12 Mar 2001 $1.00", {"12", "Mar 2001", "$1.00", "", "", "", "", ""}},
        {"blanks after the balance",
         "1 Jan 2000 a b c d e f   ",
         {"1", "Jan 2000", "a", "b", "c", "d", "e", "f"}},
        {"extra words stay in the balance",
         "1 Jan 2000 a b c d e f g",
         {"1", "Jan 2000", "a", "b", "c", "d", "e", "f g"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitScheduleRow(c.line), c.cells) << c.name;
}

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("kelvarin-doc-" + std::to_string(random()));
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path m_folder;
};

TEST_F(DocumentFiles, AWriteThatFailsMidwayKeepsTheOldFile) {
    Workspace ws;
    HeldValues held;
    const fs::path path = m_folder / "loan.zlk";
    ASSERT_TRUE(saveDocumentFile(path, ws, held));
    const std::string old = contents(path);

    fillEverything(ws, held);
    const WriteResult result =
        saveDocumentFile(path, ws, held, [](const fs::path& target, std::string_view bytes) {
            return writeFileAtomically(target, bytes, [] { return std::string("no space left on device"); });
        });
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("loan.zlk"), std::string::npos) << result.message;
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator{}), 1)
        << "no temporary left";

    ASSERT_TRUE(saveDocumentFile(path, ws, held));
    const LoadedDocument loaded = loadDocumentFile(path, ws.regional());
    ASSERT_EQ(loaded.status, ReadStatus::Ok);
    EXPECT_EQ(loaded.content->rows.size(), 2u);
}

TEST_F(DocumentFiles, MissingAndUnreadableFilesAreToldApart) {
    EXPECT_EQ(loadDocumentFile(m_folder / "none.zlk", RegionalSettings::unitedStates()).status,
              ReadStatus::Missing);
    EXPECT_EQ(loadDocumentFile(m_folder, RegionalSettings::unitedStates()).status, ReadStatus::Failed);
}

} // namespace
} // namespace kelvarin::workspace
