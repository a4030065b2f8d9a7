#include "RecordingUi.h"

#include "calculators/Session.h"
#include "app/widgets/Hints.h"
#include "app/widgets/LeaveErrorReporter.h"
#include "app/widgets/MaskedEdit.h"

#include "loanmath/Numeric.h"
#include "workspace/Workspace.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>

using namespace kelvarin;
using app::MaskedEdit;
using workspace::MessageButtons;
using workspace::MessageIcon;

namespace {

QString padded(const char* text, int width) { return QStringLiteral("%1").arg(QString::fromUtf8(text), width); }

// What a masked entry is built with: a session (its fields and error handler) and the
// reporter of leaving errors, all reaching a recording UI port.
struct EditContext {
    explicit EditContext(const workspace::RegionalSettings& regional = workspace::RegionalSettings::unitedStates())
        : session(regional, ui) {}

    app::test::RecordingUi ui;
    calculators::Session session;
    workspace::Workspace& ws = session.workspace();
    calculators::ErrorHandler& errors = session.errors();
    app::LeaveErrorReporter leaveErrors{ui};
};

// A form: a plain line edit, four masked fields, another plain line edit, in tab order.
struct Form : EditContext {
    QWidget window;
    QLineEdit* before = nullptr;
    QLineEdit* after = nullptr;
    std::map<std::string, MaskedEdit*> edits;
    std::map<std::string, int> exits;      // exit handler runs per field
    std::map<std::string, double> readOnExit;  // the field's value as the exit handler read it

    Form() {
        auto* layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        before->setObjectName("before");
        layout->addWidget(before);
        for (const char* name : {"edtMPISalesPrice", "edtMPIInterestRate", "edtMPITermInMonths", "edtEccHousingRatio"}) {
            auto* edit = new MaskedEdit(ws.field(name), errors, leaveErrors, &window);
            edit->setExitHandler([this, name] {
                ++exits[name];
                readOnExit[name] = ws.field(name).readFloat();
            });
            layout->addWidget(edit);
            edits[name] = edit;
        }
        after = new QLineEdit(&window);
        after->setObjectName("after");
        layout->addWidget(after);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    MaskedEdit* edit(const char* name) { return edits.at(name); }

    // Focus on the field, its text replaced by typing.
    void type(const char* name, const QString& text) {
        edit(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit(name), text);
    }
};

// A qualifier income box as the page lays it out: '$#,###,###.##' in 86 pixels of Arial 8.
struct IncomeBox : EditContext {
    QWidget window;
    MaskedEdit* edit = new MaskedEdit(ws.field("edtIncome1"), errors, leaveErrors, &window);
    QLineEdit* after = new QLineEdit(&window);

    IncomeBox() {
        window.setFont(QFont("Arial", 8));
        edit->setGeometry(10, 10, 86, 21);
        after->setGeometry(10, 40, 86, 21);
        window.resize(120, 80);
        field().setHint("Income|Gross monthly income");
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        after->setFocus();
    }
    workspace::ValueField& field() { return ws.field("edtIncome1"); }

    // The shown text is drawn whole: its leftmost text pixel lies as far from the box's right
    // edge as in a line edit wide enough for any text, right-aligned in the same font.
    bool shownTextFits() {
        QLineEdit wide(&window);
        wide.setGeometry(0, 0, 400, edit->height());
        wide.setFont(edit->font());
        wide.setAlignment(edit->alignment());
        wide.setText(edit->shownText());
        wide.show();
        // One pixel of leeway: the box paints a cut text itself.
        return std::abs(textReach(edit) - textReach(&wide)) <= 1;
    }
    static int textReach(QWidget* widget) {
        const QImage image = widget->grab().toImage();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 100)
                    return image.width() - x;
        return 0;
    }
};

}  // namespace

class MaskedEditTest : public QObject {
    Q_OBJECT

private slots:
    void enteringSelectsTheWholeTextWithTheCaretAtTheEnd_data();
    void enteringSelectsTheWholeTextWithTheCaretAtTheEnd();
    void typingRefusesWhatTheFieldDoesNotAccept_data();
    void typingRefusesWhatTheFieldDoesNotAccept();
    void leavingValidatesReformatsAndRunsTheExitHandler_data();
    void leavingValidatesReformatsAndRunsTheExitHandler();
    void onlyOneErrorBoxAtATime();
    void aMenuOrAnotherWindowIsNotLeaving();
    void aProgramWriteUpdatesTheViewWithoutTheExitHandler();
    void looksFollowTheField_data();
    void looksFollowTheField();
    void aCalculationErrorInTheExitHandlerReachesTheErrorHandler();
    void aFieldHiddenWhileFocusedIsLeftUnchecked();
    void anOverWideTextShrinksAndThenIsCutOnTheLeft_data();
    void anOverWideTextShrinksAndThenIsCutOnTheLeft();
    void whileEditingTheRealTextIsShown();
    void aFontSetFromOutsideIsTheSizeToShrinkFrom();
    void everyMaskUnderBothRegionalSettings_data();
    void everyMaskUnderBothRegionalSettings();
};

void MaskedEditTest::enteringSelectsTheWholeTextWithTheCaretAtTheEnd_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("tab key") << "tab";
    QTest::newRow("mouse click") << "mouse";
    QTest::newRow("program focus") << "program";
}

void MaskedEditTest::enteringSelectsTheWholeTextWithTheCaretAtTheEnd() {
    QFETCH(QString, how);
    Form form;
    form.ws.field("edtMPISalesPrice").writeFloat(1234.5);
    MaskedEdit* edit = form.edit("edtMPISalesPrice");
    form.before->setFocus();
    if (how == "tab")
        QTest::keyClick(form.before, Qt::Key_Tab);
    else if (how == "mouse")
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
    else
        edit->setFocus(Qt::OtherFocusReason);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), padded("$1,234.50", 17));
    QCOMPARE(edit->selectedText(), edit->text());
    QCOMPARE(edit->cursorPosition(), edit->text().size());
    QVERIFY(edit->alignment() & Qt::AlignRight);
}

void MaskedEditTest::typingRefusesWhatTheFieldDoesNotAccept_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("money takes digits, point and minus") << "edtMPISalesPrice" << "-12.5" << "-12.5";
    QTest::newRow("money refuses letters") << "edtMPISalesPrice" << "1a2b" << "12";
    QTest::newRow("money refuses the currency sign") << "edtMPISalesPrice" << "$100" << "100";
    QTest::newRow("count refuses a point") << "edtMPITermInMonths" << "36.0" << "360";
    QTest::newRow("count takes a minus") << "edtMPITermInMonths" << "-3" << "-3";
    QTest::newRow("ratio refuses minus and point") << "edtEccHousingRatio" << "-2.8" << "28";
    QTest::newRow("ratio refuses a third digit") << "edtEccHousingRatio" << "123" << "12";
    QTest::newRow("percent refuses the percent sign") << "edtMPIInterestRate" << "8.75%" << "8.75";
}

void MaskedEditTest::typingRefusesWhatTheFieldDoesNotAccept() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    Form form;
    const QByteArray name = field.toLatin1();
    form.type(name.constData(), keys);
    QCOMPARE(form.edit(name.constData())->text(), shown);
    QCOMPARE(QString::fromStdString(form.ws.field(name.constData()).textUtf8()), shown);
}

void MaskedEditTest::leavingValidatesReformatsAndRunsTheExitHandler_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");   // empty: accepted
    QTest::addColumn<QString>("shown");   // the text after leaving
    QTest::addColumn<double>("read");     // what the exit handler read
    QTest::newRow("valid money is reformatted") << "edtMPISalesPrice" << "1234.5" << "" << padded("$1,234.50", 17) << 1234.5;
    QTest::newRow("valid percent is reformatted") << "edtMPIInterestRate" << "12.5" << "" << padded("12.5000%", 9) << 12.5;
    QTest::newRow("empty money reads 0 and shows $0.00") << "edtMPISalesPrice" << "" << "" << padded("$0.00", 17) << 0.0;
    QTest::newRow("minus inside the digits is not a number")
        << "edtMPISalesPrice" << "1-2" << "Value is not valid for this field type" << "1-2" << 0.0;
    QTest::newRow("count beyond 32767 is out of range")
        << "edtMPITermInMonths" << "99999" << "Value is not within required range" << "99999" << 0.0;
}

void MaskedEditTest::leavingValidatesReformatsAndRunsTheExitHandler() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    QFETCH(QString, shown);
    QFETCH(double, read);
    Form form;
    const QByteArray name = field.toLatin1();
    MaskedEdit* edit = form.edit(name.constData());
    edit->setFocus(Qt::TabFocusReason);
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, typed);
    form.after->setFocus(Qt::TabFocusReason);

    QCOMPARE(form.exits[name.toStdString()], 1);
    QCOMPARE(form.readOnExit[name.toStdString()], read);
    QCOMPARE(edit->text(), shown);
    QVERIFY(form.ui.messages.empty());  // the box waits until the focus change is done
    QCoreApplication::processEvents();
    if (error.isEmpty()) {
        QVERIFY(form.ui.messages.empty());
        QVERIFY(form.after->hasFocus());
    } else {
        QCOMPARE(form.ui.messages.size(), 1u);
        QCOMPARE(QString::fromStdString(form.ui.messages[0].text), error);
        QCOMPARE(form.ui.messages[0].icon, MessageIcon::Error);
        QCOMPARE(form.ui.messages[0].buttons, MessageButtons::Ok);
        QVERIFY(edit->hasFocus());
    }
}

void MaskedEditTest::everyMaskUnderBothRegionalSettings_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");   // '.' is the decimal key on both keyboards
    QTest::addColumn<QString>("shown");  // trimmed text after leaving
    QTest::addColumn<double>("read");
    const struct {
        const char* name;
        const char* field;
        const char* keys;
        const char* us;
        const char* de;
        double read;
    } rows[] = {
        {"money 17", "edtMPISalesPrice", "1234567.891", "$1,234,567.89", "€ 1.234.567,89", 1234567.89},
        {"money 13", "edtMortAmt", "98765.4", "$98,765.40", "€ 98.765,40", 98765.4},
        {"money 11", "edtAF", "275", "$275.00", "€ 275,00", 275},
        {"money 10", "edtLOF", "-12.5", "-$12.50", "-€ 12,50", -12.5},
        {"percent", "edtMPIInterestRate", "7.125", "7.1250%", "7,1250%", 7.125},
        {"points", "edtEccOriginationPoints", "1.5", "1.5000", "1,5000", 1.5},
        {"ratio", "edtHousingRatio", "28", "28", "28", 28},
        {"count", "edtMPITermInMonths", "-360", "-360", "-360", -360},
        {"count written from the left", "edtOldPaymentsMade", "12", "12", "12", 12},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s, United States", row.name) << false << row.field << row.keys << row.us << row.read;
        QTest::addRow("%s, German-style", row.name) << true << row.field << row.keys << row.de << row.read;
    }
}

void MaskedEditTest::everyMaskUnderBothRegionalSettings() {
    QFETCH(bool, german);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(double, read);
    EditContext context(german ? workspace::RegionalSettings::germanStyle()
                               : workspace::RegionalSettings::unitedStates());
    auto& [ui, session, ws, errors, leaveErrors] = context;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    const QByteArray name = field.toLatin1();
    workspace::ValueField& value = ws.field(name.constData());
    value.setReadOnly(false);
    auto* edit = new MaskedEdit(value, errors, leaveErrors, &window);
    double readOnExit = -1;
    edit->setExitHandler([&] { readOnExit = value.readFloat(); });
    auto* after = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(after);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, keys);
    after->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();

    QVERIFY(ui.messages.empty());
    QCOMPARE(edit->text().trimmed(), shown);
    QCOMPARE(QString::fromStdU32String(value.text()), edit->text());
    QCOMPARE(readOnExit, read);
}

void MaskedEditTest::onlyOneErrorBoxAtATime() {
    Form form;
    MaskedEdit* price = form.edit("edtMPISalesPrice");
    form.type("edtMPISalesPrice", "1-2");
    form.edit("edtMPITermInMonths")->setFocus(Qt::TabFocusReason);
    QVERIFY(price->hasFocus());  // the invalid field keeps the focus
    form.after->setFocus(Qt::TabFocusReason);  // left again before its box showed
    QVERIFY(price->hasFocus());
    // While the box is open the field is left once more.
    form.ui.whileOpen = [&] {
        form.after->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    };
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(form.ui.messages.size(), 1u);
    QCOMPARE(form.ui.overlapping, 0);
    QCOMPARE(QString::fromStdString(form.ui.messages[0].text), QString("Value is not valid for this field type"));
    QCOMPARE(form.exits["edtMPISalesPrice"], 3);  // every leaving ran the exit handler

    // Corrected, the field lets the focus go; the next field's error shows a box of its own.
    price->selectAll();
    QTest::keyClicks(price, "5");
    form.type("edtMPITermInMonths", "99999");
    form.after->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(form.ui.messages.size(), 2u);
    QCOMPARE(QString::fromStdString(form.ui.messages[1].text), QString("Value is not within required range"));
    QCOMPARE(price->text(), padded("$5.00", 17));
}

void MaskedEditTest::aMenuOrAnotherWindowIsNotLeaving() {
    Form form;
    form.type("edtMPISalesPrice", "1-2");
    QMenu menu(&form.window);
    menu.addAction("entry");
    menu.popup(form.window.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.close();

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCoreApplication::processEvents();
    QCOMPARE(form.exits["edtMPISalesPrice"], 0);
    QVERIFY(form.ui.messages.empty());

    form.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QCOMPARE(QApplication::focusWidget(), form.edit("edtMPISalesPrice"));
    form.after->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.exits["edtMPISalesPrice"], 1);
}

void MaskedEditTest::aProgramWriteUpdatesTheViewWithoutTheExitHandler() {
    Form form;
    form.ws.field("edtMPISalesPrice").writeFloat(786.7043);
    QCOMPARE(form.edit("edtMPISalesPrice")->text(), padded("$786.70", 17));
    // Written while it has the focus: still no exit handler until the focus leaves.
    form.edit("edtMPITermInMonths")->setFocus(Qt::TabFocusReason);
    form.ws.field("edtMPITermInMonths").writeWhole(360);
    QCOMPARE(form.edit("edtMPITermInMonths")->text(), padded("360", 6));
    QCOMPARE(form.exits["edtMPISalesPrice"], 0);
    QCOMPARE(form.exits["edtMPITermInMonths"], 0);
}

void MaskedEditTest::looksFollowTheField_data() {
    QTest::addColumn<int>("look");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("textColour");
    const QPalette normal = QLineEdit().palette();
    QTest::newRow("normal") << int(workspace::Look::Normal) << true << normal.color(QPalette::Active, QPalette::Base)
                            << normal.color(QPalette::Active, QPalette::Text);
    QTest::newRow("result: yellow, black text") << int(workspace::Look::Result) << true << QColor(Qt::yellow)
                                                << QColor(Qt::black);
    QTest::newRow("target: disabled, grey text") << int(workspace::Look::Target) << false
                                                 << normal.color(QPalette::Active, QPalette::Base) << QColor(Qt::gray);
}

void MaskedEditTest::looksFollowTheField() {
    QFETCH(int, look);
    QFETCH(bool, enabled);
    QFETCH(QColor, base);
    QFETCH(QColor, textColour);
    Form form;
    form.ws.field("edtMPISalesPrice").setLook(workspace::Look::Result);
    form.ws.field("edtMPISalesPrice").setLook(static_cast<workspace::Look>(look));
    MaskedEdit* edit = form.edit("edtMPISalesPrice");
    QCOMPARE(edit->isEnabled(), enabled);
    const auto group = enabled ? QPalette::Active : QPalette::Disabled;
    QCOMPARE(edit->palette().color(group, QPalette::Base), base);
    QCOMPARE(edit->palette().color(group, QPalette::Text), textColour);
}

void MaskedEditTest::aCalculationErrorInTheExitHandlerReachesTheErrorHandler() {
    Form form;
    form.edit("edtMPISalesPrice")->setExitHandler([&] {
        form.ws.field("edtMPIInterestRate").writeFloat(7.5);  // written before the fault: stays
        loanmath::Div(1, 0, "test");
        form.ws.field("edtMPIInterestRate").writeFloat(9);
    });
    form.type("edtMPISalesPrice", "100");
    form.after->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.ui.messages.size(), 1u);
    QCOMPARE(form.ui.messages[0].text, std::string(calculators::ErrorHandler::kCalculationMessage));
    QCOMPARE(form.ui.messages[0].icon, MessageIcon::Information);
    QCOMPARE(form.edit("edtMPIInterestRate")->text(), padded("7.5000%", 9));
    QVERIFY(form.after->hasFocus());
}

void MaskedEditTest::aFieldHiddenWhileFocusedIsLeftUnchecked() {
    Form form;
    form.type("edtMPISalesPrice", "1-2");
    form.edit("edtMPISalesPrice")->hide();
    QCoreApplication::processEvents();
    QCOMPARE(form.exits["edtMPISalesPrice"], 1);
    QVERIFY(form.ui.messages.empty());
    QVERIFY(!form.edit("edtMPISalesPrice")->hasFocus());
}

void MaskedEditTest::anOverWideTextShrinksAndThenIsCutOnTheLeft_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // "design": whole in the design font; "smaller": whole in a smaller one; "cut": 6 points, cut
    QTest::addColumn<QString>("shown");
    const struct {
        const char* name;
        double value;
        const char* text;
        const char* shown;
    } rows[] = {
        {"the largest value of the mask", 9999999.99, "$9,999,999.99", "design"},
        {"a minus sign with no free position", -9999999.99, "-$9,999,999.99", "design"},
        {"two digits more", 999999999.99, "$999,999,999.99", "smaller"},
        {"thirteen digits", 1234567890123.0, "$1,234,567,890,123.00", "cut"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.value << row.text << row.shown;
}

void MaskedEditTest::anOverWideTextShrinksAndThenIsCutOnTheLeft() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    IncomeBox box;
    box.field().writeFloat(value);
    QCOMPARE(box.edit->text(), text);
    QCOMPARE(box.field().readFloat(), value);
    QVERIFY(box.shownTextFits());
    if (shown == "design") {
        QCOMPARE(box.edit->font().pointSizeF(), 8.0);
    } else if (shown == "smaller") {
        QVERIFY(box.edit->font().pointSizeF() < 8.0);
        QVERIFY(box.edit->font().pointSizeF() >= MaskedEdit::kSmallestPointSize);
    } else {
        QCOMPARE(box.edit->font().pointSizeF(), MaskedEdit::kSmallestPointSize);
        const QString cut = box.edit->shownText();
        QVERIFY2(cut.startsWith(QChar(0x2026)) && text.endsWith(cut.mid(1)) && cut.size() < text.size(),
                 qPrintable(cut));
    }
    QCOMPARE(app::hintOf(box.edit), shown == "cut" ? text : QString("Income|Gross monthly income"));
    QCOMPARE(box.edit->toolTip(), shown == "cut" ? text : QString("Income"));
    if (shown != "cut")
        QCOMPARE(box.edit->shownText(), text);

    // A value that fits again brings back the design font and hint.
    box.field().writeFloat(1234.5);
    QCOMPARE(box.edit->font().pointSizeF(), 8.0);
    QCOMPARE(box.edit->shownText(), padded("$1,234.50", 13));
    QCOMPARE(app::hintOf(box.edit), QString("Income|Gross monthly income"));
    QCOMPARE(box.edit->toolTip(), QString("Income"));
}

void MaskedEditTest::whileEditingTheRealTextIsShown() {
    IncomeBox box;
    box.field().writeFloat(1234567890123.0);
    QVERIFY(box.edit->shownText().startsWith(QChar(0x2026)));

    box.edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(box.edit->shownText(), QString("$1,234,567,890,123.00"));
    QCOMPARE(box.edit->selectedText(), QString("$1,234,567,890,123.00"));
    QTest::keyClicks(box.edit, "2500000000000");
    QCOMPARE(box.edit->shownText(), QString("2500000000000"));
    QCOMPARE(QString::fromStdU32String(box.field().text()), QString("2500000000000"));

    box.after->setFocus(Qt::TabFocusReason);
    QCOMPARE(box.edit->text(), QString("$2,500,000,000,000.00"));
    QCOMPARE(box.field().readFloat(), 2500000000000.0);
    QVERIFY(box.edit->shownText().startsWith(QChar(0x2026)));
    QCOMPARE(app::hintOf(box.edit), QString("$2,500,000,000,000.00"));

    QTest::mouseClick(box.edit, Qt::LeftButton, {}, QPoint(5, box.edit->height() / 2));
    QCOMPARE(box.edit->shownText(), QString("$2,500,000,000,000.00"));
}

void MaskedEditTest::aFontSetFromOutsideIsTheSizeToShrinkFrom() {
    IncomeBox box;
    box.field().writeFloat(1234567890123.0);
    box.edit->setFont(QFont("Arial", 7));
    QCOMPARE(box.edit->font().pointSizeF(), MaskedEdit::kSmallestPointSize);  // still cut
    box.field().writeFloat(100);
    QCOMPARE(box.edit->font().pointSizeF(), 7.0);
}

QTEST_MAIN(MaskedEditTest)
#include "MaskedEditTest.moc"
