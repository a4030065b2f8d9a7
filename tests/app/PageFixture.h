#pragma once

#include "RecordingUi.h"
#include "app/ButtonBar.h"
#include "app/MainWindow.h"
#include "app/PageSet.h"
#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <utility>
#include <vector>

namespace kelvarin::app::test {

// The started window on one calculator page, entered by a navigation command, every field at
// zero, message boxes recorded.
class PageFixture {
public:
    PageFixture(const char* pageName, const char* command) : m_pageName(pageName) {
        window->uiPort().setMessageFunction(app::test::recordInto(ui));
        window->hooks().file.print = [] {}; // stands in for the report command: printing can show
        window->FormCreate();
        window->session().calculators().ResetAllToZero();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->navigate(command);
    }

    RecordingUi ui;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(workspace::RegionalSettings::unitedStates());
    workspace::Workspace& ws = window->workspace();

    QWidget* page() { return window->pages().page(m_pageName); }
    MaskedEdit* edit(const QString& name) {
        auto* found = window->findChild<MaskedEdit*>(name);
        if (!found)
            qFatal("no field %s", qPrintable(name));
        return found;
    }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QString shown(const QString& name) { return edit(name)->text().trimmed(); }
    QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    bool printing() { return window->buttonBar().button("btnPrint")->isEnabled(); }

    // Focus on the field, which selects its text, then type over it.
    void type(const QString& name, const QString& text) {
        edit(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit(name), text);
    }
    // Types the values one after the other, moving on with the Tab key as a user would.
    void typeWithTab(const QStringList& values) {
        for (const QString& value : values) {
            QTest::keyClicks(QApplication::focusWidget(), value);
            leave();
        }
    }
    void leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

private:
    const char* m_pageName;
};

// "field=value" pairs of a data row.
inline std::vector<std::pair<QString, QString>> pairs(const QStringList& list) {
    std::vector<std::pair<QString, QString>> result;
    for (const QString& item : list) {
        const auto equals = item.indexOf(QLatin1Char('='));
        result.emplace_back(item.left(equals), item.mid(equals + 1));
    }
    return result;
}

} // namespace kelvarin::app::test
