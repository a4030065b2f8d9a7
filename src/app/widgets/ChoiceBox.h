#pragma once

#include "workspace/Choice.h"

#include <QComboBox>

namespace kelvarin::app {

// A drop-down showing one workspace choice: its items, its selection and (editable) its text,
// following every change the program makes through Choice::set. What the user does goes into
// the choice first: picking an item sets index and text, typing sets the text and the index of
// the item it matches (-1 for none); then changed() is emitted for the page's handler.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(workspace::Choice& choice, QWidget* parent = nullptr);
    ~ChoiceBox() override;

    workspace::Choice& choice() { return m_choice; }

signals:
    void changed(int index);
    // The focus went to another control of the window (not to the box's own list).
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void followChoice();

    workspace::Choice& m_choice;
    int m_observer = 0;
    bool m_following = false;
};

} // namespace kelvarin::app
