#include "app/widgets/ControlBinding.h"

#include "workspace/Workspace.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace kelvarin;

class ControlBindingTest : public QObject {
    Q_OBJECT

private slots:
    void aButtonFollowsItsControlState();
    void aMenuEntryFollowsOnlyTheEnabledFlag();
};

void ControlBindingTest::aButtonFollowsItsControlState() {
    workspace::Workspace ws;
    auto& state = ws.addControl({"btnCalcQuickCalc", "Calculate", "Click to calculate results ...", false});
    QWidget page;
    auto* button = new QPushButton(&page);
    app::bindControl(button, state);
    page.show();
    QCOMPARE(button->text(), QString("Calculate"));
    QCOMPARE(button->toolTip(), QString("Click to calculate results ..."));
    QVERIFY(!button->isEnabled());

    state.setEnabled(true);
    QVERIFY(button->isEnabled());
    state.setVisible(false);
    QVERIFY(button->isHidden());
    state.setVisible(true);
    QVERIFY(button->isVisible());
    state.setCaption("Recalculate");
    QCOMPARE(button->text(), QString("Recalculate"));

    // The binding ends with the widget: the state forgets it and goes on telling the others.
    auto* other = new QPushButton(&page);
    app::bindControl(other, state);
    QCOMPARE(state.observerCount(), 2u);
    delete button;
    QCOMPARE(state.observerCount(), 1u);
    state.setEnabled(false);
    QVERIFY(!state.enabled());
    QVERIFY(!other->isEnabled());
}

void ControlBindingTest::aMenuEntryFollowsOnlyTheEnabledFlag() {
    workspace::Workspace ws;
    auto& state = ws.addControl({"mnuPopMQ", "&Mortgage Qualifier", {}, false});
    auto* entry = new QAction(QStringLiteral("&Mortgage Qualifier"));
    app::bindAction(entry, state);
    QVERIFY(!entry->isEnabled());
    state.setEnabled(true);
    QVERIFY(entry->isEnabled());
    state.setCaption("elsewhere");
    QCOMPARE(entry->text(), QString("&Mortgage Qualifier"));
    delete entry;
    QCOMPARE(state.observerCount(), 0u);
    state.setEnabled(false);
}

QTEST_MAIN(ControlBindingTest)
#include "ControlBindingTest.moc"
