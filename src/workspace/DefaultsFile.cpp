#include "workspace/DefaultsFile.h"

#include "workspace/AtomicFile.h"
#include "workspace/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <system_error>
#include <utility>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KELVARIN_HAVE_ACCESS 1
#endif

namespace kelvarin::workspace {

namespace fs = std::filesystem;

namespace {

std::string decimalSeparatorText(const RegionalSettings& regional) {
    return toUtf8(std::u32string(1, regional.normalised().decimalSeparator));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// The blanks an initialisation file trims around names and values.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// ---- Lines ----
//
// Reader and writer classify lines alike: a NUL byte ends the line's text; leading blanks are
// skipped; ";" or "#" starts a comment; "[" up to the first "]" is a section header (without "]"
// the line is ignored); otherwise "key=value" with both trimmed, and lines without "=" or with an
// empty key are ignored.

struct Line {
    std::string text; // without its line end
    std::string end;  // "\r\n", "\n", "\r" or "" for a last line without one
};

enum class LineKind { Other, Section, Key };

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t valueStart = 0; // Key: where the value's text begins
};

LineInfo classify(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size() || text[i] == ';' || text[i] == '#')
        return {};
    if (text[i] == '[') {
        const std::size_t close = text.find(']', i + 1);
        if (close == std::string_view::npos)
            return {};
        return {LineKind::Section, trimBlanks(text.substr(i + 1, close - i - 1)), 0};
    }
    const std::size_t equals = text.find('=', i);
    if (equals == std::string_view::npos)
        return {};
    const std::string_view key = trimBlanks(text.substr(i, equals - i));
    if (key.empty())
        return {};
    std::size_t valueStart = equals + 1;
    while (valueStart < text.size() && isBlank(text[valueStart]))
        ++valueStart;
    return {LineKind::Key, key, valueStart};
}

class IniLines {
public:
    explicit IniLines(std::string_view content) {
        static constexpr std::string_view bom = "\xEF\xBB\xBF";
        if (content.substr(0, bom.size()) == bom) {
            m_bom = bom;
            content.remove_prefix(bom.size());
        }
        std::size_t start = 0;
        while (start < content.size()) {
            std::size_t end = content.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                m_lines.push_back({std::string(content.substr(start)), ""});
                break;
            }
            const std::size_t endLength =
                (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1;
            m_lines.push_back({std::string(content.substr(start, end - start)),
                               std::string(content.substr(end, endLength))});
            if (m_newLine.empty())
                m_newLine = content.substr(end, endLength);
            start = end + endLength;
        }
        if (m_newLine.empty())
            m_newLine = "\r\n";
    }

    void set(std::string_view section, std::string_view key, std::string_view value) {
        bool inSection = false;
        bool found = false;
        int blocksSeen = 0;
        std::size_t insertAfter = 0;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const LineInfo info = classify(m_lines[i].text);
            if (info.kind == LineKind::Section) {
                inSection = sameName(info.name, section);
                if (inSection && ++blocksSeen == 1)
                    insertAfter = i;
            } else if (info.kind == LineKind::Key && inSection) {
                if (blocksSeen == 1)
                    insertAfter = i;
                if (sameName(info.name, key)) {
                    m_lines[i].text = m_lines[i].text.substr(0, info.valueStart) + std::string(value);
                    found = true;
                }
            }
        }
        if (found)
            return;
        const std::string entry = std::string(key) + "=" + std::string(value);
        if (blocksSeen > 0) {
            if (m_lines[insertAfter].end.empty())
                m_lines[insertAfter].end = m_newLine;
            m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1,
                           Line{entry, m_newLine});
            return;
        }
        if (!m_lines.empty()) {
            if (m_lines.back().end.empty())
                m_lines.back().end = m_newLine;
            if (!trimBlanks(m_lines.back().text).empty())
                m_lines.push_back({"", m_newLine});
        }
        m_lines.push_back({"[" + std::string(section) + "]", m_newLine});
        m_lines.push_back({entry, m_newLine});
    }

    void erase(std::string_view section) {
        bool inSection = false;
        std::erase_if(m_lines, [&](const Line& line) {
            const LineInfo info = classify(line.text);
            if (info.kind == LineKind::Section)
                inSection = sameName(info.name, section);
            return inSection;
        });
    }

    [[nodiscard]] std::string text() const {
        std::string out = m_bom;
        for (const Line& line : m_lines)
            out += line.text + line.end;
        return out;
    }

    [[nodiscard]] const std::vector<Line>& lines() const { return m_lines; }

private:
    std::string m_bom;
    std::string m_newLine;
    std::vector<Line> m_lines;
};

// A key line's value as read: blanks trimmed, one pair of enclosing double quotes removed, cut to
// MaxDefaultsValueLength.
std::string valueOf(std::string_view text, const LineInfo& info) {
    text = text.substr(0, text.find('\0'));
    std::string_view value = trimBlanks(text.substr(info.valueStart));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxDefaultsValueLength));
}

// The text to write for a value so that valueOf gives it back: quoted when blanks at either end
// would be trimmed or its own enclosing quotes removed.
std::string storedValue(std::string_view value) {
    const bool trimmed = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (trimmed || quoted)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

// Why a name or value cannot be stored so that it reads back the same, or empty when it can.
std::string unstorable(std::string_view section, std::string_view key, const std::string* value) {
    auto hasLineBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos ||
        trimBlanks(section).size() != section.size())
        return "the section name \"" + std::string(section) + "\" cannot be stored";
    if (key.empty() && value == nullptr)
        return {};
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';' || key.front() == '#' || trimBlanks(key).size() != key.size())
        return "the key name \"" + std::string(key) + "\" cannot be stored";
    if (value != nullptr && hasLineBreak(*value))
        return "the value of " + std::string(key) + " holds a line break";
    return {};
}

// ---- Start-up keys, in the order they are read ----

using WholeMember = std::int32_t HeldValues::*;
using NumberMember = double HeldValues::*;

struct StartupKey {
    const char* section;
    const char* key;
    std::variant<WholeMember, NumberMember> member;
};

const StartupKey startupKeys[] = {
    {"GeneralValues", "DefaultValueSet", &HeldValues::DefaultValueSet},
    {"GeneralValues", "Loan", &HeldValues::Loan},
    {"GeneralValues", "Interest", &HeldValues::Interest},
    {"GeneralValues", "Term", &HeldValues::Term},
    {"GeneralValues", "Payment", &HeldValues::AmortPayment},
    {"GeneralValues", "Month", &HeldValues::Month},
    {"General Values", "Year", &HeldValues::Year},
    {"GeneralValues", "Federal", &HeldValues::Federal},
    {"GeneralValues", "State", &HeldValues::State},
    {"GeneralValues", "Downpayment", &HeldValues::Downpayment},
    {"GeneralValues", "DefaultCalc", &HeldValues::DefaultCalc},
    {"Ratios", "HRatio", &HeldValues::HRatio},
    {"Ratios", "DRatio", &HeldValues::DRatio},
    {"PmiValues", "Pmip308085", &HeldValues::Pmip308085},
    {"PmiValues", "Pmip308590", &HeldValues::Pmip308590},
    {"PmiValues", "Pmip309095", &HeldValues::Pmip309095},
    {"PmiValues", "Pmip309597", &HeldValues::Pmip309597},
    {"PmiValues", "Pmip158085", &HeldValues::Pmip158085},
    {"PmiValues", "Pmip158590", &HeldValues::Pmip158590},
    {"PmiValues", "Pmip159095", &HeldValues::Pmip159095},
    {"PmiValues", "Pmip159597", &HeldValues::Pmip159597},
    {"ClosingCosts", "AppraisalFee", &HeldValues::AppraisalFee},
    {"ClosingCosts", "CreditReport", &HeldValues::CreditReport},
    {"ClosingCosts", "TaxServiceFee", &HeldValues::TaxServiceFee},
    {"ClosingCosts", "LendersInspectionFee", &HeldValues::LendersInspectionFee},
    {"ClosingCosts", "TitleInsurance", &HeldValues::TitleInsurance},
    {"ClosingCosts", "TitleSearch", &HeldValues::TitleSearch},
    {"ClosingCosts", "EscrowClosingFee", &HeldValues::EscrowClosingFee},
    {"ClosingCosts", "RecordingFee", &HeldValues::RecordingFee},
    {"ClosingCosts", "OtherFees", &HeldValues::OtherFees},
    {"ClosingCosts", "SellerPaid", &HeldValues::SellerPaid},
    {"Escrows", "InterimInterestDays", &HeldValues::InterimInterestDays},
    {"Escrows", "PropertyTaxMonths", &HeldValues::PropertyTaxMonths},
    {"Escrows", "HomeownersFirstYear", &HeldValues::HomeownersFirstYear},
    {"Escrows", "HomeownersRenewalMonths", &HeldValues::HomeownersRenewalMonths},
};

} // namespace

// ---- Number and whole texts ----

std::string formatNumberText(double value, const RegionalSettings& regional) {
    if (!std::isfinite(value))
        throw std::invalid_argument("formatNumberText: value is not finite");
    if (value == 0)
        return "0";

    // Round to 15 significant digits: d.dddddddddddddde±x
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    std::string_view exponentText = text.substr(e + 1);
    const bool negativeExponent = exponentText.front() == '-';
    exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (negativeExponent)
        exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::string separator = decimalSeparatorText(regional);
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += separator + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
        }
    } else {
        out += "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::optional<double> parseNumberText(std::string_view text, const RegionalSettings& regional) {
    const std::string separator = decimalSeparatorText(regional);
    std::string plain; // the same number with "." for from_chars
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    // Decimal position of the first significant digit, for telling underflow from overflow.
    int leadingMagnitude = 0;
    bool significant = false;
    int integerDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++integerDigits)
        plain += text[i];
    for (int k = 0; k < integerDigits && !significant; ++k) {
        if (plain[plain.size() - integerDigits + k] != '0') {
            significant = true;
            leadingMagnitude = integerDigits - k - 1;
        }
    }
    int fractionDigits = 0;
    if (text.substr(i, separator.size()) == separator) {
        i += separator.size();
        plain += '.';
        for (; i < text.size() && isDigit(text[i]); ++i, ++fractionDigits) {
            if (!significant && text[i] != '0') {
                significant = true;
                leadingMagnitude = -(fractionDigits + 1);
            }
            plain += text[i];
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        plain += 'e';
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent)
                plain += '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000L);
        }
        if (i == exponentStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (significant && leadingMagnitude + exponent >= 0)
            return std::nullopt; // beyond the double range
        return plain.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string formatWholeText(std::int32_t value) {
    return std::to_string(value);
}

std::optional<std::int32_t> parseWholeText(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X") {
        base = 16;
        i += 2;
    } else if (text.substr(i, 1) == "$") {
        base = 16;
        i += 1;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? hexDigitValue(text[i]) : (isDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t{1} << 31)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// ---- Snapshot ----

// Sections of the same name (in any letter case) form one; within it the first occurrence of a
// key wins. Keys before the first section belong to none and are not read.
struct DefaultsSnapshot::Impl {
    struct Key {
        std::string name; // as spelled at its first occurrence
        std::string value;
    };
    struct Section {
        std::vector<Key> keys;                    // in file order
        std::map<std::string, std::size_t> index; // lower-case name -> keys
    };
    std::map<std::string, Section> sections; // lower-case name

    const Section* find(std::string_view name) const {
        const auto it = sections.find(lowerCase(name));
        return it == sections.end() ? nullptr : &it->second;
    }
};

DefaultsSnapshot::DefaultsSnapshot(std::string_view content, RegionalSettings regional)
    : m_regional(std::move(regional)) {
    auto impl = std::make_shared<Impl>();
    Impl::Section* section = nullptr;
    const IniLines lines(content);
    for (const Line& line : lines.lines()) {
        const LineInfo info = classify(line.text);
        if (info.kind == LineKind::Section) {
            section = &impl->sections[lowerCase(info.name)];
        } else if (info.kind == LineKind::Key && section != nullptr) {
            if (section->index.try_emplace(lowerCase(info.name), section->keys.size()).second)
                section->keys.push_back({std::string(info.name), valueOf(line.text, info)});
        }
    }
    m_impl = std::move(impl);
}

std::optional<std::string> DefaultsSnapshot::value(std::string_view section, std::string_view key) const {
    const Impl::Section* found = m_impl->find(section);
    if (found == nullptr)
        return std::nullopt;
    const auto it = found->index.find(lowerCase(key));
    if (it == found->index.end())
        return std::nullopt;
    return found->keys[it->second].value;
}

std::string DefaultsSnapshot::readString(std::string_view section, std::string_view key,
                                         std::string_view def) const {
    auto text = value(section, key);
    return text ? std::move(*text) : std::string(def);
}

std::int32_t DefaultsSnapshot::readWhole(std::string_view section, std::string_view key,
                                         std::int32_t def) const {
    const auto text = value(section, key);
    if (!text)
        return def;
    return parseWholeText(*text).value_or(def);
}

double DefaultsSnapshot::readNumber(std::string_view section, std::string_view key, double def) const {
    const auto text = value(section, key);
    if (!text)
        return def;
    return parseNumberText(*text, m_regional).value_or(def);
}

std::vector<std::string> DefaultsSnapshot::keys(std::string_view section) const {
    std::vector<std::string> out;
    if (const Impl::Section* found = m_impl->find(section))
        for (const Impl::Key& key : found->keys)
            out.push_back(key.name);
    return out;
}

bool DefaultsSnapshot::hasSection(std::string_view section) const {
    return m_impl->find(section) != nullptr;
}

// ---- Changes ----

DefaultsChanges& DefaultsChanges::setString(std::string_view section, std::string_view key,
                                            std::string_view value) {
    m_changes.push_back({std::string(section), std::string(key), std::string(value)});
    return *this;
}

DefaultsChanges& DefaultsChanges::setWhole(std::string_view section, std::string_view key,
                                           std::int32_t value) {
    m_changes.push_back({std::string(section), std::string(key), value});
    return *this;
}

DefaultsChanges& DefaultsChanges::setNumber(std::string_view section, std::string_view key, double value) {
    m_changes.push_back({std::string(section), std::string(key), value});
    return *this;
}

DefaultsChanges& DefaultsChanges::eraseSection(std::string_view section) {
    m_changes.push_back({std::string(section), std::string(), Erase{}});
    return *this;
}

// ---- File ----

DefaultsFile::DefaultsFile(fs::path file, RegionalSettings regional)
    : m_path(std::move(file)), m_regional(std::move(regional)) {}

DefaultsSnapshot DefaultsFile::snapshot() const {
    std::string content;
    std::string reason;
    if (readFileBytes(m_path, content, reason, MaxDefaultsFileSize) != ReadStatus::Ok)
        content.clear();
    return DefaultsSnapshot(content, m_regional);
}

std::string DefaultsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view def) const {
    return snapshot().readString(section, key, def);
}

std::int32_t DefaultsFile::readWhole(std::string_view section, std::string_view key, std::int32_t def) const {
    return snapshot().readWhole(section, key, def);
}

double DefaultsFile::readNumber(std::string_view section, std::string_view key, double def) const {
    return snapshot().readNumber(section, key, def);
}

std::vector<std::string> DefaultsFile::sectionKeys(std::string_view section) const {
    return snapshot().keys(section);
}

WriteResult DefaultsFile::writeString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    return apply(DefaultsChanges().setString(section, key, value));
}

WriteResult DefaultsFile::writeWhole(std::string_view section, std::string_view key, std::int32_t value) {
    return apply(DefaultsChanges().setWhole(section, key, value));
}

WriteResult DefaultsFile::writeNumber(std::string_view section, std::string_view key, double value) {
    return apply(DefaultsChanges().setNumber(section, key, value));
}

WriteResult DefaultsFile::eraseSection(std::string_view section) {
    return apply(DefaultsChanges().eraseSection(section));
}

WriteResult DefaultsFile::apply(const DefaultsChanges& changes) {
    try {
        std::string content;
        std::string reason;
        const ReadStatus status = readFileBytes(m_path, content, reason, MaxDefaultsFileSize);
        if (status == ReadStatus::Failed)
            return saveFailure(m_path, "the existing file cannot be read (" + reason + ")");

        IniLines lines(content);
        for (const DefaultsChanges::Change& change : changes.m_changes) {
            if (std::holds_alternative<DefaultsChanges::Erase>(change.value)) {
                if (std::string why = unstorable(change.section, {}, nullptr); !why.empty())
                    return saveFailure(m_path, why);
                lines.erase(change.section);
                continue;
            }
            std::string text;
            if (const auto* s = std::get_if<std::string>(&change.value)) {
                text = *s;
            } else if (const auto* whole = std::get_if<std::int32_t>(&change.value)) {
                text = formatWholeText(*whole);
            } else {
                const double number = std::get<double>(change.value);
                if (!std::isfinite(number))
                    return saveFailure(m_path, "the value of " + change.key + " is not a number");
                text = formatNumberText(number, m_regional);
            }
            if (std::string why = unstorable(change.section, change.key, &text); !why.empty())
                return saveFailure(m_path, why);
            lines.set(change.section, change.key, storedValue(text));
        }

        const std::string updated = lines.text();
        if (status == ReadStatus::Ok && updated == content)
            return {};
        return writeFileAtomically(m_path, updated);
    } catch (const std::exception& e) {
        return saveFailure(m_path, e.what());
    }
}

// ---- Location ----

fs::path findDefaultsFile(const fs::path& folder) {
    std::error_code ec;
    std::optional<fs::path> best;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!sameName(name, DefaultsFileName) || it->is_directory(ec))
            continue;
        if (name == DefaultsFileName)
            return it->path();
        if (!best || name < best->filename().string())
            best = it->path();
    }
    return best ? *best : folder / DefaultsFileName;
}

bool folderIsWritable(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return false;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path probe = folder / (".kelvarin-probe-" + randomSuffix());
        errno = 0;
        if (std::FILE* file = std::fopen(probe.c_str(), "wbx")) {
            std::fclose(file);
            fs::remove(probe, ec);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

fs::path locateDefaultsFile(const fs::path& programFolder, const fs::path& userFolder,
                            const WritableCheck& isWritable) {
    try {
        const fs::path programFile = findDefaultsFile(programFolder);
        if (userFolder.empty() || isWritable(programFolder))
            return programFile;

        std::error_code ec;
        const fs::path userFile = findDefaultsFile(userFolder);
        if (fs::exists(userFile, ec))
            return userFile;
        if (ec)
            return programFile;

        std::string content;
        std::string reason;
        const ReadStatus status = readFileBytes(programFile, content, reason, MaxDefaultsFileSize);
        if (status == ReadStatus::Failed)
            return programFile;
        fs::create_directories(userFolder, ec);
        if (ec)
            return programFile;
        if (status == ReadStatus::Missing)
            return userFile; // the first write creates it
        return writeFileAtomically(userFile, content) ? userFile : programFile;
    } catch (...) {
        return programFolder / DefaultsFileName;
    }
}

bool folderAllowsWriting(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return false;
#ifdef KELVARIN_HAVE_ACCESS
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#else
    return (fs::status(folder, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
#endif
}

fs::path lookUpDefaultsFile(const fs::path& programFolder, const fs::path& userFolder,
                            const WritableCheck& isWritable) {
    try {
        const fs::path programFile = findDefaultsFile(programFolder);
        if (userFolder.empty() || isWritable(programFolder))
            return programFile;
        std::error_code ec;
        const fs::path userFile = findDefaultsFile(userFolder);
        return fs::exists(userFile, ec) ? userFile : programFile;
    } catch (...) {
        return programFolder / DefaultsFileName;
    }
}

// ---- Start-up ----

HeldValues readHeldValues(const DefaultsSnapshot& snapshot) {
    HeldValues held;
    for (const StartupKey& entry : startupKeys) {
        if (const auto* whole = std::get_if<WholeMember>(&entry.member)) {
            held.*(*whole) = snapshot.readWhole(entry.section, entry.key, held.*(*whole));
        } else {
            const NumberMember number = std::get<NumberMember>(entry.member);
            held.*number = snapshot.readNumber(entry.section, entry.key, held.*number);
        }
    }
    return held;
}

HeldValues loadDefaults(const DefaultsFile& file, SharedState& state) {
    state.ValueSet = 0;
    HeldValues held = readHeldValues(file.snapshot());
    state.ValueSet = held.DefaultValueSet;
    state.ScheduleStartMonth = held.Month;
    state.ScheduleStartYear = held.Year;
    state.DefaultCalculator = held.DefaultCalc;
    return held;
}

} // namespace kelvarin::workspace
