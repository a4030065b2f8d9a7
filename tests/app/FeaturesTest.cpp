#include "app/Features.h"

#include "RecordingUi.h"
#include "app/MainWindow.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

using namespace kelvarin;

namespace {

struct Fixture {
    app::test::RecordingUi ui;
    std::unique_ptr<app::MainWindow> window =
        std::make_unique<app::MainWindow>(workspace::RegionalSettings::unitedStates());
    workspace::Workspace& ws = window->workspace();

    Fixture() {
        window->uiPort().setMessageFunction(app::test::recordInto(ui));
        app::installFeatures(*window);
    }
};

// Answers the file dialogs from a queue; an empty queue is Cancel.
struct ScriptedDialogs : calculators::DocumentDialogs {
    std::deque<std::string> answers;
    std::optional<std::string> next() {
        if (answers.empty())
            return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseFileToOpen() override { return next(); }
    std::optional<std::string> chooseFileToSave(const std::string&) override { return next(); }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FeaturesTest : public QObject {
    Q_OBJECT

private slots:
    void resetCommandsWriteTheShownPagesSet_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("loanAmount");
        QTest::newRow("this calculator to samples") << "thisSamples"
                                                    << "$100,000.00";
        QTest::newRow("this calculator to zero") << "thisZero"
                                                 << "$0.00";
        QTest::newRow("all calculators to zero") << "allZero"
                                                 << "$0.00";
    }
    void resetCommandsWriteTheShownPagesSet() {
        QFETCH(QString, command);
        QFETCH(QString, loanAmount);
        Fixture f;
        f.ws.field("edtLA").writeFloat(5);
        f.ws.showPage("pgQuickCalculators");
        auto& reset = f.window->hooks().reset;
        (command == "thisSamples" ? reset.thisSamplesClick
         : command == "thisZero"  ? reset.thisZeroClick
                                  : reset.allZeroClick)();
        QCOMPARE(QString::fromStdString(f.ws.field("edtLA").textUtf8()).trimmed(), loanAmount);
        QCOMPARE(f.ws.state().ValueSet, command == "thisSamples" ? 1 : 0);
    }

    void allSamplesFillsEveryPageAndKeepsTheValueSet() {
        Fixture f;
        f.window->hooks().reset.allSamplesClick();
        QCOMPARE(QString::fromStdString(f.ws.field("edtLA").textUtf8()).trimmed(), "$100,000.00");
        QCOMPARE(f.ws.field("edtIncome1").readFloat(), 4000.0);
        QCOMPARE(f.ws.state().ValueSet, 0);
    }

    void documentCommandsNameTheWindow() {
        Fixture f;
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        f.window->session().documents().setDialogs(&dialogs);
        auto& file = f.window->hooks().file;
        QVERIFY(file.open && file.save && file.saveAs && file.closeDocument);

        const QString path = folder.filePath("loan.zlk");
        dialogs.answers.push_back(folder.filePath("loan").toStdString());
        file.save(); // no document yet: asks for a name, and that name is the document
        QCOMPARE(f.window->windowTitle(), "Kelvarin, 2.1.00 - loan.zlk");
        QCOMPARE(QString::fromStdString(f.ws.state().DocumentFileName), path);

        f.ws.field("edtLA").writeFloat(777);
        file.save(); // no dialog this time
        QVERIFY(fileBytes(path).contains("\r\n777\r\n"));

        file.closeDocument();
        QCOMPARE(f.window->windowTitle(), "Kelvarin, 2.1.00");
        QCOMPARE(f.ws.field("edtLA").readFloat(), 0.0);

        dialogs.answers.push_back(path.toStdString());
        file.open();
        QCOMPARE(f.window->windowTitle(), "Kelvarin, 2.1.00 - loan.zlk");
        QCOMPARE(f.ws.field("edtLA").readFloat(), 777.0);
        f.window->session().documents().setDialogs(nullptr);
    }

    void theClosePromptsYesSavesTheDocument() {
        Fixture f;
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        f.window->session().documents().setDialogs(&dialogs);
        const QString path = folder.filePath("kept.zlk");
        dialogs.answers.push_back(path.toStdString());
        f.window->hooks().file.saveAs();
        f.ws.field("edtLA").writeFloat(4321);
        f.ui.answer = workspace::MessageAnswer::Yes;
        f.window->show();
        QVERIFY(f.window->close());
        QVERIFY(fileBytes(path).contains("\r\n4321\r\n"));
        f.window->session().documents().setDialogs(nullptr);
    }
};

QTEST_MAIN(FeaturesTest)
#include "FeaturesTest.moc"
