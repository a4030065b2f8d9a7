#include "ChoiceGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kelvarin::app {

ChoiceGroup::ChoiceGroup(const workspace::Choice& choice, const QString& title, int columns, QWidget* parent)
    : QGroupBox(title, parent), m_choice(choice) {
    setObjectName(QString::fromStdString(choice.name));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, title.isEmpty() ? 2 : 4, 4, 2);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(0);
    auto* group = new QButtonGroup(this);
    const int count = static_cast<int>(choice.items.size());
    const int rows = (count + columns - 1) / columns;
    for (int item = 0; item < count; ++item) {
        auto* radio =
            new QRadioButton(QString::fromStdString(choice.items[static_cast<std::size_t>(item)]), this);
        radio->setObjectName(objectName() + QString::number(item));
        group->addButton(radio, item);
        layout->addWidget(radio, item % rows, item / rows);
        m_buttons.push_back(radio);
    }
    // A click, not a change of the checked button: a click on the checked item runs its handler too.
    connect(group, &QButtonGroup::idClicked, this, [this](int item) {
        if (m_onClick)
            m_onClick(item);
    });
    refresh();
}

void ChoiceGroup::refresh() {
    const int index = m_choice.index;
    if (index >= 0 && index < static_cast<int>(m_buttons.size()))
        m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
    if (isHidden() == m_choice.visible)
        setVisible(m_choice.visible);
}

} // namespace kelvarin::app
