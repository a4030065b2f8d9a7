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
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskedEdit(workspace::ValueField& field, ErrorHandler& errors, LeaveErrorReporter& leaveErrors,
               QWidget* parent = nullptr);
    ~MaskedEdit() override;

    workspace::ValueField& field() { return m_field; }
    // The page's recalculation; runs through the error handler's dispatch.
    void setExitHandler(std::function<void()> handler) { m_exitHandler = std::move(handler); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void followField();
    void applyLook();
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
};

} // namespace kelvarin::app
