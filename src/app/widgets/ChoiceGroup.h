#pragma once

#include "workspace/Choice.h"

#include <QGroupBox>
#include <functional>
#include <vector>

class QRadioButton;

namespace kelvarin::app {

// A radio group showing a workspace choice: one radio button per item (the item text keeps its
// design form, "&&" for a literal "&"), laid out in the given number of columns, filled down
// each column first. A click on a button calls the click handler with its item; the buttons
// show the choice's selection and visibility again after refresh().
class ChoiceGroup : public QGroupBox {
    Q_OBJECT
public:
    ChoiceGroup(const workspace::Choice& choice, const QString& title, int columns,
                QWidget* parent = nullptr);

    void onClick(std::function<void(int item)> handler) { m_onClick = std::move(handler); }
    // Takes the choice's selected item and visibility.
    void refresh();
    QRadioButton* button(int item) const { return m_buttons.at(static_cast<std::size_t>(item)); }

private:
    const workspace::Choice& m_choice;
    std::vector<QRadioButton*> m_buttons;
    std::function<void(int)> m_onClick;
};

} // namespace kelvarin::app
