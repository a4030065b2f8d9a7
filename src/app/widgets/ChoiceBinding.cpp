#include "ChoiceBinding.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace kelvarin::app {

namespace {

QString qs(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void followVisibility(QWidget* widget, const workspace::Choice& choice) {
    widget->setEnabled(choice.enabled);
    if (widget->isHidden() == choice.visible)
        widget->setVisible(choice.visible);
}

int indexOfText(const workspace::Choice& choice, const std::string& text) {
    for (std::size_t k = 0; k < choice.items.size(); ++k)
        if (choice.items[k] == text)
            return static_cast<int>(k);
    return -1;
}

} // namespace

QComboBox* makeDropDown(workspace::Choice& choice, ChoiceHandler handler, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(qs(choice.name));
    for (const std::string& item : choice.items)
        box->addItem(qs(item));
    box->setEditable(choice.editable);
    if (choice.editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // the text stays as typed until the typing ends
    }
    const auto follow = [box](const workspace::Choice& c) {
        const QSignalBlocker blocker(box);
        if (c.editable)
            box->setEditText(qs(c.text));
        else
            box->setCurrentIndex(c.index);
        followVisibility(box, c);
    };
    follow(choice);
    const int id = choice.addObserver(follow);
    QObject::connect(box, &QObject::destroyed, [&choice, id] { choice.removeObserver(id); });

    QObject::connect(box, &QComboBox::activated, box, [&choice, handler](int index) {
        if (index < 0 || index >= static_cast<int>(choice.items.size()))
            return;
        choice.index = index;
        choice.text = choice.items[static_cast<std::size_t>(index)];
        handler(index);
    });
    if (QLineEdit* edit = box->lineEdit()) {
        QObject::connect(edit, &QLineEdit::editingFinished, box, [&choice, handler, edit] {
            const QByteArray typed = edit->text().toUtf8();
            const std::string text(typed.constData(), static_cast<std::size_t>(typed.size()));
            if (text == choice.text)
                return;
            choice.text = text;
            choice.index = indexOfText(choice, text);
            handler(choice.index);
        });
    }
    return box;
}

void bindRadioButtons(workspace::Choice& choice, const std::vector<QRadioButton*>& buttons,
                      ChoiceHandler handler) {
    if (buttons.empty())
        return;
    auto* group = new QButtonGroup(buttons.front()->parent());
    for (std::size_t k = 0; k < buttons.size(); ++k)
        group->addButton(buttons[k], static_cast<int>(k));
    const auto follow = [buttons](const workspace::Choice& c) {
        for (std::size_t k = 0; k < buttons.size(); ++k) {
            const QSignalBlocker blocker(buttons[k]);
            buttons[k]->setChecked(static_cast<int>(k) == c.index);
            followVisibility(buttons[k], c);
        }
    };
    follow(choice);
    const int id = choice.addObserver(follow);
    QObject::connect(group, &QObject::destroyed, [&choice, id] { choice.removeObserver(id); });
    QObject::connect(group, &QButtonGroup::idClicked, group, [&choice, handler](int index) {
        choice.index = index;
        handler(index);
    });
}

} // namespace kelvarin::app
