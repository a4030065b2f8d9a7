#include "Layout.h"

#include <algorithm>

namespace kelvarin::reports {

namespace {

// Inner margin between a box's sides and its text.
constexpr double kPadding = 2;
constexpr double kDoubleRuleGap = 2;

std::size_t codePoints(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

struct WrappedLine {
    std::string text;
    bool lastOfParagraph = false;
};

std::vector<WrappedLine> wrapLines(std::string_view text, double width, const Font& font,
                                   const TextMeasurer& measurer) {
    std::vector<WrappedLine> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        // Tokens: leading blanks, then each word with the blanks after it.
        std::string line;
        std::size_t pos = 0;
        while (pos < paragraph.size()) {
            std::size_t wordEnd = paragraph.find(' ', pos);
            if (wordEnd == pos) { // blanks before the first word
                wordEnd = paragraph.find_first_not_of(' ', pos);
                if (wordEnd == std::string_view::npos)
                    wordEnd = paragraph.size();
                line.append(paragraph.substr(pos, wordEnd - pos));
                pos = wordEnd;
                continue;
            }
            if (wordEnd == std::string_view::npos)
                wordEnd = paragraph.size();
            std::size_t tokenEnd = paragraph.find_first_not_of(' ', wordEnd);
            if (tokenEnd == std::string_view::npos)
                tokenEnd = paragraph.size();
            const std::string_view word = paragraph.substr(pos, wordEnd - pos);
            const std::string candidate = line + std::string(word);
            if (!trimRight(line).empty() && measurer.width(candidate, font) > width) {
                out.push_back({std::string(trimRight(line)), false});
                line.clear();
            }
            line.append(paragraph.substr(pos, tokenEnd - pos));
            pos = tokenEnd;
        }
        out.push_back({std::string(trimRight(line)), true});
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return out;
}

class Placer {
public:
    Placer(const ReportTemplate& report, const TextMeasurer& measurer)
        : m_report(report), m_measurer(measurer) {}

    // Prints `band` with its top at `y` on `page`.
    void place(const Band& band, double y, LaidOutPage& page, const RowSource* rows) const {
        const double offset = y - band.top;
        for (const TextObject& t : m_report.texts())
            if (m_report.bandAt(t.top) == &band)
                placeText(t, offset, page, rows);
        for (const Rule& r : m_report.rules()) {
            if (m_report.bandAt(r.top) != &band)
                continue;
            page.rules.push_back({r.left, r.top + offset, r.width});
            if (r.doubled)
                page.rules.push_back({r.left, r.top + offset + kDoubleRuleGap, r.width});
        }
    }

private:
    void placeText(const TextObject& t, double offset, LaidOutPage& page, const RowSource* rows) const {
        const double top = t.top + offset;
        if (t.framed)
            page.frames.push_back({t.left, top, t.width, t.height, t.frameColour});
        const std::string text = rows ? substitutePlaceholders(t.text, *rows) : t.text;
        if (text.empty())
            return;
        const double inner = std::max(0.0, t.width - 2 * kPadding);
        std::vector<WrappedLine> lines = wrapLines(text, inner, t.font, m_measurer);
        const double lh = m_measurer.lineHeight(t.font);
        // Lines below the box are not printed; the first line always is.
        const auto fitting = std::max<std::size_t>(1, static_cast<std::size_t>((t.height + 0.5) / lh));
        if (fitting == 1 && lines.size() > 1 && text.find('\n') == std::string::npos)
            lines = {{text, true}}; // a one-line box prints its text whole rather than a part of it
        else if (lines.size() > fitting)
            lines.resize(fitting);
        const double block = lh * static_cast<double>(lines.size());
        double y = top;
        if (t.vAlign == VAlign::Middle)
            y = top + (t.height - block) / 2;
        else if (t.vAlign == VAlign::Bottom)
            y = top + t.height - block;
        y = std::max(y, top);
        PlacedText run;
        run.font = t.font;
        run.clipLeft = t.left;
        run.clipTop = top;
        run.clipWidth = t.width;
        run.clipHeight = t.height;
        for (const WrappedLine& line : lines) {
            if (t.hAlign == HAlign::Justify && !line.lastOfParagraph) {
                justify(line.text, t.left + kPadding, inner, y, run, page);
            } else if (!line.text.empty()) {
                const double w = m_measurer.width(line.text, t.font);
                run.text = line.text;
                switch (t.hAlign) {
                case HAlign::Right:
                    run.x = t.left + t.width - kPadding - w;
                    break;
                case HAlign::Centre:
                    run.x = t.left + (t.width - w) / 2;
                    break;
                default:
                    run.x = t.left + kPadding;
                }
                run.y = y;
                page.texts.push_back(run);
            }
            y += lh;
        }
    }

    // Spreads the words of a line over the whole width, one run per word.
    void justify(const std::string& line, double left, double width, double y, PlacedText run,
                 LaidOutPage& page) const {
        std::vector<std::string> words;
        std::size_t pos = 0;
        while (pos < line.size()) {
            const std::size_t start = line.find_first_not_of(' ', pos);
            if (start == std::string::npos)
                break;
            std::size_t end = line.find(' ', start);
            if (end == std::string::npos)
                end = line.size();
            words.push_back(line.substr(start, end - start));
            pos = end;
        }
        if (words.empty())
            return;
        double used = 0;
        for (const auto& w : words)
            used += m_measurer.width(w, run.font);
        const double gap = words.size() > 1 ? (width - used) / static_cast<double>(words.size() - 1) : 0;
        double x = left;
        run.y = y;
        for (const auto& w : words) {
            run.x = x;
            run.text = w;
            page.texts.push_back(run);
            x += m_measurer.width(w, run.font) + gap;
        }
    }

    const ReportTemplate& m_report;
    const TextMeasurer& m_measurer;
};

double gapBetween(const Band& above, const Band& below) {
    return std::max(0.0, below.top - (above.top + above.height));
}

std::string titleOf(const ReportTemplate& report) {
    const TextObject* t = report.find("lblReportTitle");
    return t ? t->text : report.name();
}

} // namespace

double FixedWidthMeasurer::width(std::string_view utf8, const Font& font) const {
    return static_cast<double>(codePoints(utf8)) * font.points * kUnitsPerPoint * 0.5;
}

double FixedWidthMeasurer::lineHeight(const Font& font) const {
    return font.points * kUnitsPerPoint * 1.2;
}

std::vector<std::string> wrapText(std::string_view text, double width, const Font& font,
                                  const TextMeasurer& measurer) {
    std::vector<std::string> out;
    for (auto& line : wrapLines(text, width, font, measurer))
        out.push_back(std::move(line.text));
    return out;
}

std::string substitutePlaceholders(std::string_view text, const RowSource& rows) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('[', pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find(']', open);
        if (close == std::string_view::npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, open - pos));
        out.append(rows.value(text.substr(open + 1, close - open - 1)).value_or(std::string()));
        pos = close + 1;
    }
    return out;
}

LaidOutDocument buildReport(const ReportTemplate& report, RowSource* rows, const TextMeasurer& measurer) {
    const Placer placer(report, measurer);
    const Band* title = report.band(BandKind::ReportTitle);
    const Band* header = report.band(BandKind::PageHeader);
    const Band* master = report.band(BandKind::MasterData);
    const Band* footer = report.band(BandKind::PageFooter);

    LaidOutDocument doc;
    doc.title = titleOf(report);
    const double margin = title ? title->top : header ? header->top : master ? master->top : 0;
    const double limit = footer ? footer->top : kPageHeight;

    // Starts a page with its footer and header; returns where the band after the header goes.
    const Band* previous = nullptr;
    double bottom = 0; // bottom of the last band printed on the page
    auto newPage = [&] {
        LaidOutPage& page = doc.pages.emplace_back();
        if (footer)
            placer.place(*footer, footer->top, page, nullptr);
        previous = nullptr;
        bottom = margin;
        if (doc.pages.size() == 1 && title) {
            placer.place(*title, title->top, page, nullptr);
            previous = title;
            bottom = title->top + title->height;
        }
        if (header) {
            const double y = previous ? bottom + gapBetween(*previous, *header) : margin;
            placer.place(*header, y, doc.pages.back(), nullptr);
            previous = header;
            bottom = y + header->height;
        }
    };
    newPage();

    if (master && rows) {
        bool firstRowOnPage = true;
        for (rows->first(); !rows->atEnd(); rows->next()) {
            double y = firstRowOnPage && previous ? bottom + gapBetween(*previous, *master) : bottom;
            if (firstRowOnPage && !previous)
                y = margin;
            if (y + master->height > limit && !firstRowOnPage) {
                newPage();
                firstRowOnPage = true;
                y = previous ? bottom + gapBetween(*previous, *master) : margin;
            }
            placer.place(*master, y, doc.pages.back(), rows);
            bottom = y + master->height;
            firstRowOnPage = false;
        }
    }
    return doc;
}

LaidOutDocument buildSinglePageReport(const ReportTemplate& report, const TextMeasurer& measurer) {
    const Placer placer(report, measurer);
    LaidOutDocument doc;
    doc.title = titleOf(report);
    LaidOutPage& page = doc.pages.emplace_back();
    if (const Band* title = report.band(BandKind::ReportTitle))
        placer.place(*title, title->top, page, nullptr);
    if (const Band* footer = report.band(BandKind::PageFooter))
        placer.place(*footer, footer->top, page, nullptr);
    return doc;
}

} // namespace kelvarin::reports
