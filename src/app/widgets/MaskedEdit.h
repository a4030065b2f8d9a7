#pragma once

#include "workspace/ValueField.h"

#include <QLineEdit>
#include <functional>

namespace kelvarin::calculators {
class ErrorHandler;
}

namespace kelvarin::app {

using calculators::ErrorHandler;
class LeaveErrorReporter;

// The masked entry widget: a right-aligned view of one value field. It shows the field's
// text and look and follows every change of the field; typed text goes into the field.
// Entering selects the whole text with the caret at the end. Leaving for another control of
// the window validates the field (an error takes the focus back and shows one error box),
// reformats it when valid and then, whatever the outcome, runs the exit handler.
// A text wider than the box (a calculation may write more digits than the mask has) is shown
// in a smaller font, down to 6 points; past that, while the field is not being edited, it is
// cut on the left behind "…" and the hint shows the whole text. With the focus the user sees
// and edits the real text.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskedEdit(workspace::ValueField& field, ErrorHandler& errors, LeaveErrorReporter& leaveErrors,
               QWidget* parent = nullptr);
    ~MaskedEdit() override;

    workspace::ValueField& field() { return m_field; }
    // The page's recalculation; runs through the error handler's dispatch.
    void setExitHandler(std::function<void()> handler) { m_exitHandler = std::move(handler); }
    // What the box shows: the text, or its cut form while an over-wide text is not edited.
    QString shownText() const;

    static constexpr double kSmallestPointSize = 6;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followField();
    void applyLook();
    void applyHint();
    void fitText();
    QRect textArea() const;
    bool isLeaving(const QFocusEvent& event) const;
    void leave();

    workspace::ValueField& m_field;
    ErrorHandler& m_errors;
    LeaveErrorReporter& m_leaveErrors;
    std::function<void()> m_exitHandler;
    int m_observer = 0;
    bool m_following = false; // the text is being set from the field
    bool m_entered = false;   // has had the focus since it was last left
    bool m_selectOnRelease = false;
    QPalette m_normalPalette;
    QFont m_designFont;            // the font before any shrinking to fit
    bool m_fitting = false;        // the font is being set to fit the text
    QString m_cutText;             // "…" and the right part of the text; empty when it fits
};

} // namespace kelvarin::app
