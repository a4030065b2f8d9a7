#pragma once

#include "Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::reports {

// Text measuring in report units; the Qt layer measures with the real fonts, tests with
// FixedWidthMeasurer.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double width(std::string_view utf8, const Font& font) const = 0;
    virtual double lineHeight(const Font& font) const = 0;
};

// Every character (UTF-8 code point) is half an em wide; a line is 1.2 em high.
class FixedWidthMeasurer : public TextMeasurer {
public:
    double width(std::string_view utf8, const Font& font) const override;
    double lineHeight(const Font& font) const override;
};

// One run of text: its line box starts at (x, y); clipped to the object's box.
struct PlacedText {
    double x = 0, y = 0;
    std::string text;
    Font font;
    double clipLeft = 0, clipTop = 0, clipWidth = 0, clipHeight = 0;
};
struct PlacedFrame {
    double left = 0, top = 0, width = 0, height = 0;
    std::uint32_t colour = 0;
};
struct PlacedRule {
    double left = 0, top = 0, width = 0;
};

struct LaidOutPage {
    std::vector<PlacedText> texts;
    std::vector<PlacedFrame> frames;
    std::vector<PlacedRule> rules;
};

// The built report: pages of positioned texts and rules in report units.
struct LaidOutDocument {
    std::string title; // the report title, for the PDF's title
    double pageWidth = kPageWidth;
    double pageHeight = kPageHeight;
    std::vector<LaidOutPage> pages;
};

// The rows of a master-data band: a cursor with first/next, an end test, and the texts of the
// current row by placeholder name (nullopt: no value).
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool atEnd() const = 0;
    virtual std::optional<std::string> value(std::string_view name) const = 0;
};

// The band loop: the report title once at the top of page 1, the page header at the top of every
// page (below the title on page 1), one master-data band per row, and the page footer on every
// page. A row that would reach below the page footer's top starts a new page. On page 1 the bands
// stand where the template puts them; later pages begin at the title's top, keeping the design's
// gap between page header and master data.
LaidOutDocument buildReport(const ReportTemplate& report, RowSource* rows, const TextMeasurer& measurer);

// The one-page build: the report-title band, then the page-footer band, and nothing else.
LaidOutDocument buildSinglePageReport(const ReportTemplate& report, const TextMeasurer& measurer);

// Wraps each line of `text` ('\n' separated) to `width`, breaking at blanks; a blank at a break
// is dropped, other blanks (double blanks included) stay. A word wider than `width` keeps its line.
std::vector<std::string> wrapText(std::string_view text, double width, const Font& font,
                                  const TextMeasurer& measurer);

// Replaces each "[Name]" by the row's value for Name (empty when it has none).
std::string substitutePlaceholders(std::string_view text, const RowSource& rows);

} // namespace kelvarin::reports
