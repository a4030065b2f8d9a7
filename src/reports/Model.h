#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::reports {

// Report units: one unit is 254/91.6256 tenths of a millimetre, so US Letter portrait
// (215.9 mm by 279.4 mm) is about 779 by 1008 units. Positions run from the page's top-left.
constexpr double kMillimetresPerUnit = 25.4 / 91.6256;
constexpr double kPageWidth = 215.9 / kMillimetresPerUnit;
constexpr double kPageHeight = 279.4 / kMillimetresPerUnit;
// A point is 25.4 / 72 mm.
constexpr double kUnitsPerPoint = (25.4 / 72.0) / kMillimetresPerUnit;

enum class FontStyle { Plain, Bold, BoldItalic };
enum class HAlign { Left, Right, Centre, Justify };
enum class VAlign { Top, Middle, Bottom };

struct Font {
    std::string family = "Arial";
    double points = 8;
    FontStyle style = FontStyle::Plain;
    bool operator==(const Font&) const = default;
};

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kSilver = 0xC0C0C0;

struct TextObject {
    std::string name; // may be empty for a fixed text
    double left = 0, top = 0, width = 0, height = 0;
    Font font;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool framed = false; // all four sides in frameColour
    std::uint32_t frameColour = 0;
    // Lines are separated by '\n'; each wraps inside the box. In a master-data band a
    // "[Name]" placeholder is replaced by the row's value for Name.
    std::string text;
};

// A thin black horizontal line; a double rule is two lines 2 units apart.
struct Rule {
    double left = 0, top = 0, width = 0;
    bool doubled = false;
};

enum class BandKind { ReportTitle, PageHeader, MasterData, PageFooter };

struct Band {
    BandKind kind;
    double top = 0, height = 0;
    bool holds(double y) const { return y >= top && y < top + height; }
};

// A stored report: one page definition (US Letter portrait), bands, text objects and rules.
// Texts written into objects stay there until written again.
class ReportTemplate {
public:
    ReportTemplate(std::string name, std::vector<Band> bands);

    const std::string& name() const { return m_name; }
    const std::vector<Band>& bands() const { return m_bands; }
    const Band* band(BandKind kind) const;
    const std::deque<TextObject>& texts() const { return m_texts; }
    const std::vector<Rule>& rules() const { return m_rules; }

    TextObject& add(TextObject object);
    void add(Rule rule) { m_rules.push_back(rule); }

    // Lookup by name without regard to letter case; nullptr for an unknown name.
    TextObject* find(std::string_view name);
    const TextObject* find(std::string_view name) const;
    // Throws std::out_of_range for an unknown name: a print routine naming a missing object
    // is a programming fault.
    TextObject& object(std::string_view name);
    void setText(std::string_view name, std::string text) { object(name).text = std::move(text); }
    const std::string& text(std::string_view name) const;

    // The band whose vertical extent holds y, or nullptr.
    const Band* bandAt(double y) const;

private:
    std::string m_name;
    std::vector<Band> m_bands;
    std::deque<TextObject> m_texts; // stable addresses
    std::vector<Rule> m_rules;
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace kelvarin::reports
