#include "app/widgets/ControlBinding.h"

#include "workspace/Workspace.h"

#include <QPushButton>
#include <QTest>

using namespace kelvarin;

class ControlBindingTest : public QObject {
    Q_OBJECT

private slots:
    void aButtonFollowsItsControlState();
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

    delete button;  // the binding ends with the widget
    state.setEnabled(false);
}

QTEST_MAIN(ControlBindingTest)
#include "ControlBindingTest.moc"
