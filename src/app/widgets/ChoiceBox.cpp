#include "ChoiceBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace kelvarin::app {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

ChoiceBox::ChoiceBox(workspace::Choice& choice, QWidget* parent) : QComboBox(parent), m_choice(choice) {
    setObjectName(qs(choice.name));
    setEditable(choice.editable);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    for (const std::string& item : choice.items)
        addItem(qs(item));
    followChoice();
    m_observer = m_choice.addObserver([this](const workspace::Choice&) { followChoice(); });

    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_following || index < 0 || index >= static_cast<int>(m_choice.items.size()))
            return;
        m_choice.set(index, m_choice.items[static_cast<std::size_t>(index)]);
        emit changed(index);
    });
    if (QLineEdit* edit = lineEdit()) {
        // Only what the keys type: the program's own changes come through the observer.
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& typed) {
            const std::string text = typed.toStdString();
            int index = -1;
            for (std::size_t k = 0; k < m_choice.items.size(); ++k)
                if (m_choice.items[k] == text)
                    index = static_cast<int>(k);
            m_choice.set(index, text);
            emit changed(index);
        });
    }
}

ChoiceBox::~ChoiceBox() {
    m_choice.removeObserver(m_observer);
}

void ChoiceBox::followChoice() {
    m_following = true;
    if (m_choice.index != currentIndex())
        setCurrentIndex(m_choice.index);
    if (isEditable() && currentText() != qs(m_choice.text))
        setEditText(qs(m_choice.text));
    m_following = false;
}

void ChoiceBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::MenuBarFocusReason)
        return;
    const QWidget* next = QApplication::focusWidget();
    if (!next || (next->window() == window() && next != this && !isAncestorOf(next)))
        emit left();
}

} // namespace kelvarin::app
