#include "ValueField.h"

#include "NumberText.h"

#include <stdexcept>
#include <utility>

namespace kelvarin::workspace {

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool maskCharAccepts(char32_t maskChar, char32_t ch, char32_t decimalSeparator) {
    const bool common = isDigit(ch) || ch == U' ';
    switch (maskChar) {
    case U'#': return common || ch == U'-' || ch == decimalSeparator;
    case U'i': return common || ch == U'-';
    case U'9': return common;
    default: return false;
    }
}

char32_t decimalSeparatorOf(const ValueField& field) {
    const auto& r = field.regional();
    if (r.decimalSeparator == 0 || r.decimalSeparator == r.thousandsSeparator)
        return r.normalised().decimalSeparator;
    return r.decimalSeparator;
}

bool typingAllowed(const ValueField& field) { return !field.readOnly() && field.enabled(); }

}  // namespace

ValueField::ValueField(const FieldDesign& design, const RegionalSettings& regional)
    : m_spec(&design),
      m_regional(&regional),
      m_readOnly(design.readOnly),
      m_visible(design.visible),
      m_enabled(design.enabled),
      m_tabStop(design.tabStop),
      m_hint(design.hint) {
    m_text = formatWhole(mask(), regional, 0, design.leftJustified);
}

const MaskInfo& ValueField::mask() const { return maskInfo(m_spec->mask); }

std::string ValueField::textUtf8() const { return toUtf8(m_text); }

void ValueField::setTypedText(std::u32string text) { setText(std::move(text)); }

double ValueField::readFloat() const {
    const auto parsed = parseFieldText(mask(), *m_regional, m_text);
    return parsed.status == ParsedText::Status::Valid ? *parsed.value : 0.0;
}

std::int32_t ValueField::readWhole() const {
    if (mask().dataType != DataType::Whole)
        throw std::logic_error("readWhole on a floating field: " + std::string(name()));
    // A valid count text lies within -32768..32767.
    return static_cast<std::int32_t>(readFloat());
}

bool ValueField::isValid() const {
    return parseFieldText(mask(), *m_regional, m_text).status == ParsedText::Status::Valid;
}

void ValueField::writeFloat(double value) {
    if (mask().dataType != DataType::Floating)
        throw std::logic_error("writeFloat on a count field: " + std::string(name()));
    setText(formatFloating(mask(), *m_regional, value, m_spec->leftJustified));
}

void ValueField::writeWhole(std::int32_t value) {
    setText(formatWhole(mask(), *m_regional, value, m_spec->leftJustified));
}

void ValueField::setText(std::u32string text) {
    if (text == m_text)
        return;  // an editor echoing the shown text back has typed nothing
    m_text = std::move(text);
    changed(true);
}

void ValueField::setReadOnly(bool on) {
    if (std::exchange(m_readOnly, on) != on)
        changed(false);
}

void ValueField::setVisible(bool on) {
    if (std::exchange(m_visible, on) != on)
        changed(false);
}

void ValueField::setEnabled(bool on) {
    if (std::exchange(m_enabled, on) != on)
        changed(false);
}

void ValueField::setTabStop(bool on) {
    if (std::exchange(m_tabStop, on) != on)
        changed(false);
}

void ValueField::setLook(Look look) {
    if (std::exchange(m_look, look) != look)
        changed(false);
}

void ValueField::setHint(std::string hint) {
    if (hint == m_hint)
        return;
    m_hint = std::move(hint);
    changed(false);
}

int ValueField::addObserver(Observer observer) {
    const int id = m_nextObserverId++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void ValueField::removeObserver(int id) {
    std::erase_if(m_observers, [id](const auto& entry) { return entry.first == id; });
}

void ValueField::changed(bool textChanged) {
    // A copy, so that an observer may add or remove observers while being told.
    const auto observers = m_observers;
    for (const auto& [id, observer] : observers)
        if (observer)
            observer(*this);
    if (textChanged && m_changeHandler)
        m_changeHandler();
}

std::string_view LeaveOutcome::message() const {
    switch (kind) {
    case Kind::Accepted: return {};
    case Kind::NotValid: return "Value is not valid for this field type";
    case Kind::OutOfRange: return "Value is not within required range";
    case Kind::EntryError: return "Entry Error";
    }
    return "Entry Error";
}

LeaveOutcome validateLeave(const ValueField& field) {
    LeaveOutcome outcome;
    if (!field.visible() || !field.enabled() || field.readOnly()) {
        outcome.text = field.text();
        return outcome;
    }
    const auto& mask = field.mask();
    const auto parsed = parseFieldText(mask, field.regional(), field.text());
    switch (parsed.status) {
    case ParsedText::Status::NotNumber: outcome.kind = LeaveOutcome::Kind::NotValid; return outcome;
    case ParsedText::Status::OutOfRange: outcome.kind = LeaveOutcome::Kind::OutOfRange; return outcome;
    case ParsedText::Status::Valid: break;
    }
    const bool left = field.design().leftJustified;
    if (mask.dataType == DataType::Whole)
        outcome.text = formatWhole(mask, field.regional(), static_cast<std::int64_t>(*parsed.value), left);
    else
        outcome.text = formatFloating(mask, field.regional(), *parsed.value, left);
    return outcome;
}

bool acceptsAt(const ValueField& field, std::size_t position, char32_t ch) {
    const auto picture = field.mask().picture;
    if (!typingAllowed(field) || position >= picture.size())
        return false;
    return maskCharAccepts(picture[position], ch, decimalSeparatorOf(field));
}

bool acceptsTyped(const ValueField& field, char32_t ch) {
    if (!typingAllowed(field))
        return false;
    const auto separator = decimalSeparatorOf(field);
    for (auto m : field.mask().picture)
        if (maskCharAccepts(m, ch, separator))
            return true;
    return false;
}

char32_t typedCharacter(const ValueField& field, char32_t key) {
    return key == U'.' ? decimalSeparatorOf(field) : key;
}

}  // namespace kelvarin::workspace
