#pragma once

#include "FieldSpec.h"
#include "RegionalSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvarin::workspace {

// normal: window colours; result: yellow background, black text (computed fields);
// target: the quick calculator's chosen variable, shown disabled with grey text.
enum class Look { Normal, Result, Target };

// One value field. The text it shows is the only place its value is held: every read
// parses the text, every write formats and rounds into it. The text is always exactly as
// wide as the mask (one char32_t per position).
class ValueField {
public:
    ValueField(const FieldSpec& spec, const RegionalSettings& regional);

    const FieldSpec& spec() const { return *m_spec; }
    std::string_view name() const { return m_spec->name; }
    const MaskInfo& mask() const;
    const RegionalSettings& regional() const { return *m_regional; }

    const std::u32string& text() const { return m_text; }
    std::string textUtf8() const;
    // Text from the keyboard, as the editor holds it (no validation, no reformatting).
    void setTypedText(std::u32string text);

    // Parsed value; 0 when the text is not valid. readWhole is for count fields only.
    double readFloat() const;
    std::int32_t readWhole() const;
    bool isValid() const;

    // Formats and rounds into the text. writeFloat is for floating fields only.
    // A program write never runs the exit handler; it does run the change handler.
    void writeFloat(double value);
    void writeWhole(std::int32_t value);

    bool readOnly() const { return m_readOnly; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    bool tabStop() const { return m_tabStop; }
    Look look() const { return m_look; }
    const std::string& hint() const { return m_hint; }
    void setReadOnly(bool on);
    void setVisible(bool on);
    void setEnabled(bool on);
    void setTabStop(bool on);
    void setLook(Look look);
    void setHint(std::string hint);

    // Run on every change of the text (only edtMQir1 has one).
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }
    // Views (the masked entry widget) are told after any change of text or attributes.
    using Observer = std::function<void(const ValueField&)>;
    int addObserver(Observer observer);
    void removeObserver(int id);

private:
    void changed(bool textChanged);

    const FieldSpec* m_spec;
    const RegionalSettings* m_regional;
    std::u32string m_text;
    bool m_readOnly, m_visible, m_enabled, m_tabStop;
    Look m_look = Look::Normal;
    std::string m_hint;
    std::function<void()> m_changeHandler;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextObserverId = 1;
};

// Outcome of leaving a field: accepted with its reformatted text, or one of the three errors.
struct LeaveOutcome {
    enum class Kind { Accepted, NotValid, OutOfRange, EntryError };
    Kind kind = Kind::Accepted;
    std::u32string text;  // the reformatted text when accepted

    bool accepted() const { return kind == Kind::Accepted; }
    // "Value is not valid for this field type", "Value is not within required range", "Entry Error"
    std::string_view message() const;
};

// The validation run when the focus leaves a field. Hidden or disabled fields are accepted
// unchecked (with their text unchanged). Does not change the field.
LeaveOutcome validateLeave(const ValueField& field);

// Whether the position under the caret accepts a typed character.
bool acceptsAt(const ValueField& field, std::size_t position, char32_t ch);

}  // namespace kelvarin::workspace
