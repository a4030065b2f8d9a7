#pragma once

#include "FieldDesign.h"
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
// wide as the mask (one char32_t per position), with two exceptions that keep the shown
// number true:
// - A value whose digits, minus sign and currency sign do not all fit (a ratio of 100, -99,999.99
//   in '$##,###.##', -123456 in a count field) makes the text grow to the left just enough to
//   hold them: "$123,456.78" in '$##,###.##', "-100.0000%" in '###.####%'. Reading parses it
//   back to the same number when it lies in the field's range.
// - Text typed by the user (setTypedText) is kept as the editor holds it, of any length.
// Currency sign: always in front, floating left of the first digit ("-$1,234.50"), followed by a
// blank where the regional currency format has one ("-€ 1.234,50"), even when that format puts
// the sign after the number; the blank is dropped when only that fits ("€99.999,99").
// Any text that is not a valid value of the field reads 0, whoever wrote it: a count field
// written a whole number outside -32768..32767 shows it truthfully, reads 0, and leaving the
// field reports it out of range.
// A non-finite value shows "NAN", "INF" or "-INF", which reads as not valid.
class ValueField {
public:
    ValueField(const FieldDesign& design, const RegionalSettings& regional);

    const FieldDesign& design() const { return *m_spec; }
    std::string_view name() const { return m_spec->name; }
    const MaskInfo& mask() const;
    const RegionalSettings& regional() const { return *m_regional; }

    const std::u32string& text() const { return m_text; }
    std::string textUtf8() const;
    // Text from the keyboard, as the editor holds it (no validation, no reformatting).
    void setTypedText(std::u32string text);

    // Parsed value; 0 when the text is not valid (outside the range included).
    // readWhole is for count fields only (std::logic_error otherwise).
    double readFloat() const;
    std::int32_t readWhole() const;
    bool isValid() const;

    // Formats and rounds into the text: half away from zero on the first 18 significant digits
    // (2.675 shows 2.67, 0.125 shows 0.13). writeFloat is for floating fields only
    // (std::logic_error for a count field); writeWhole suits any field.
    // A program write never runs the exit handler; it does run the change handler when the
    // text changes.
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

    // Run on every change of the text, typed or written (only edtMQir1 has one); not when a
    // write gives the text the field already shows.
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }
    // Views (the masked entry widget) are told after any change of text or attributes. A view
    // that pushed typed text is told too and should ignore a text equal to its own. An observer
    // may add or remove observers while being told; those take effect from the next change.
    using Observer = std::function<void(const ValueField&)>;
    int addObserver(Observer observer);
    void removeObserver(int id);

private:
    void changed(bool textChanged);

    void setText(std::u32string text);

    const FieldDesign* m_spec;
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

// The validation run when the focus leaves a field. Hidden, disabled and read-only fields are
// accepted unchecked with their text unchanged (the user cannot correct a read-only field, so
// an error would trap the focus there). An empty text is accepted as 0. Does not change the field.
LeaveOutcome validateLeave(const ValueField& field);
// leaveField() (FieldEntry.h) applies it: on acceptance the field takes the reformatted text
// (12.5 typed into a percent field becomes " 12.5000%"); on error the text stays as typed.

// Typing. A position of the mask accepts: '#' a digit, blank, minus or the regional decimal
// separator; 'i' a digit, blank or minus; '9' a digit or blank; '$', ',', '.' and literals
// nothing. Read-only and disabled fields accept nothing.
//
// The masked entry widget is a right-aligned line edit showing text(). On entry it selects the
// whole text with the caret at the end, so typing replaces the value. For each key it calls
// typedCharacter() and inserts the result if acceptsTyped() (else it beeps), then hands its
// whole text to setTypedText(). On focus-out it calls leaveField(), shows message() in an error
// box and takes the focus back when not accepted, then runs the exit handler. acceptsAt() is
// the same rule for one position of a mask-wide text, for an editor that overwrites in place.
bool acceptsAt(const ValueField& field, std::size_t position, char32_t ch);
// Whether some typeable position of the field's mask accepts ch.
bool acceptsTyped(const ValueField& field, char32_t ch);
// The character a key enters: the '.' key gives the regional decimal separator (a ',' under
// German-style settings, where '.' is the thousands separator and is never typed); others as is.
char32_t typedCharacter(const ValueField& field, char32_t key);

}  // namespace kelvarin::workspace
