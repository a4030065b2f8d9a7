#pragma once

#include "AtomicFile.h"
#include "HeldValues.h"
#include "RegionalSettings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::workspace {

class Workspace;

// The document file (*.zlk): 188 value lines in a fixed order, then one line per data row of
// grdAmortization (its eight cell texts joined by single blanks). Lines end with CR LF; numbers
// use the regional decimal separator; the text is UTF-8. There is no header or version mark.

inline constexpr int DocumentValueLines = 188;
inline constexpr int ScheduleColumns = 8;
// Larger files are refused unread: a schedule of any length is far smaller.
inline constexpr std::uintmax_t MaxDocumentFileSize = 16 * 1024 * 1024;

enum class LineForm { Number, Whole, Text };
// Where a value line comes from and goes to.
enum class LineSource { ValueSet, Held, DefaultCalculator, Field, ChoiceIndex, ChoiceText };

struct DocumentLine {
    std::string_view name; // held value, field or choice name
    LineForm form;
    LineSource source;
};

// The 188 value lines in file order.
std::span<const DocumentLine> documentLayout();

// A document read and checked but not applied: one value per value line (the member the
// line's form uses) and the schedule rows as cell texts.
struct DocumentValue {
    double number = 0;
    std::int32_t whole = 0;
    std::string text;
};
struct DocumentContent {
    std::vector<DocumentValue> values; // DocumentValueLines of them
    std::vector<std::array<std::string, ScheduleColumns>> rows;
};

// A failed read: the first bad line (1-based; 0 when the file as a whole is at fault) and why.
struct DocumentError {
    int line = 0;
    std::string reason;
};

struct ParsedDocument {
    std::optional<DocumentContent> content;
    DocumentError error; // set when content is empty
};

// The file's text for the workspace and held values. A number line holds the value the field's
// text reads as (0 when not valid) in the shortest form of at most 15 significant digits; where
// that would reopen as another text, the digits the field needs to show the same text again.
std::string writeDocument(const Workspace& ws, const HeldValues& held);

// Splits the text into lines (CR LF, LF or CR alone end a line) and checks every value line:
// numbers in the regional form, whole numbers within 32 bits, rgCalculate 0 to 3. A file with
// fewer than 188 lines fails at the first missing line. Schedule rows are taken as text.
ParsedDocument parseDocument(std::string_view bytes, const RegionalSettings& regional);

// Puts a checked document into the workspace in one step: the value lines in order (the held
// AmortPayment then takes line 125's number), then the schedule rows replace grdAmortization's
// data rows (one empty data row when there are none). Never fails.
void applyDocument(Workspace& ws, HeldValues& held, const DocumentContent& content);

// Splits a schedule line into its eight cells: the text before the first blank, then two words
// joined by a blank (the month), five words, and the rest; trailing blanks dropped from each.
std::array<std::string, ScheduleColumns> splitScheduleRow(std::string_view line);

// How a document's bytes reach the disk; tests put a failing writer here.
using DocumentWriter = std::function<WriteResult(const std::filesystem::path&, std::string_view)>;

// Writes the document through the writer (atomically by default): on failure the old file is
// whole and the result says why.
WriteResult saveDocumentFile(const std::filesystem::path& path, const Workspace& ws, const HeldValues& held,
                             const DocumentWriter& writer = {});

// Reads and checks the file. A missing file gives Missing; an unreadable one Failed; a file that
// does not check gives Failed with the error.
struct LoadedDocument {
    ReadStatus status = ReadStatus::Failed;
    std::optional<DocumentContent> content;
    DocumentError error;
};
LoadedDocument loadDocumentFile(const std::filesystem::path& path, const RegionalSettings& regional);

} // namespace kelvarin::workspace
