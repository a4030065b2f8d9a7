#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

using kelvarin::app::SingleInstance;

namespace {

QString uniqueName() { return "kelvarin-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces); }

// One run of the helper: started, and its first line read.
struct Copy {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    explicit Copy(const QString& name, int timeoutMs = 1000) {
        process->start(KELVARIN_INSTANCE_HELPER, {name, QString::number(timeoutMs)});
    }
    ~Copy() {
        if (process->state() != QProcess::NotRunning) {
            process->closeWriteChannel();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(3000);
        }
    }
    QString line(int timeoutMs = 10000) {
        while (!process->canReadLine())
            if (!process->waitForReadyRead(timeoutMs))
                return "(no answer)";
        return QString::fromLatin1(process->readLine()).trimmed();
    }
};

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartRaisesTheFirstAndEnds();
    void aNameLeftByACrashedCopyIsTakenOver();
    void aCleanEndFreesTheName();
    void aSilentHolderOfTheNameIsNoRunningCopy();
    void withoutAnyNameTheCopyRunsUnguarded();
};

void SingleInstanceTest::aSecondStartRaisesTheFirstAndEnds() {
    const QString name = uniqueName();
    Copy first(name);
    QCOMPARE(first.line(), QString("first"));
    Copy second(name);
    QCOMPARE(second.line(), QString("second"));
    QVERIFY(second.process->waitForFinished(5000));
    QCOMPARE(second.process->exitCode(), 0);
    QCOMPARE(first.line(), QString("raised"));
    Copy third(name);
    QCOMPARE(third.line(), QString("second"));
    QCOMPARE(first.line(), QString("raised"));
}

void SingleInstanceTest::aNameLeftByACrashedCopyIsTakenOver() {
    const QString name = uniqueName();
    {
        Copy crashed(name);
        QCOMPARE(crashed.line(), QString("first"));
        crashed.process->kill();  // no clean-up: the socket file stays behind
        QVERIFY(crashed.process->waitForFinished(5000));
    }
    Copy next(name);
    QCOMPARE(next.line(), QString("first"));
    Copy after(name);
    QCOMPARE(after.line(), QString("second"));
}

void SingleInstanceTest::aCleanEndFreesTheName() {
    const QString name = uniqueName();
    {
        Copy ended(name);
        QCOMPARE(ended.line(), QString("first"));
    }
    Copy next(name);
    QCOMPARE(next.line(), QString("first"));
}

void SingleInstanceTest::aSilentHolderOfTheNameIsNoRunningCopy() {
    const QString name = uniqueName();
    QLocalServer silent;  // accepts connections but never answers
    QVERIFY(silent.listen(name));
    Copy next(name, 300);
    QCOMPARE(next.line(), QString("first"));
}

void SingleInstanceTest::withoutAnyNameTheCopyRunsUnguarded() {
    QTemporaryDir dir;
    SingleInstance instance(dir.path() + "/no-such-folder/kelvarin");
    QCOMPARE(instance.start(200), SingleInstance::Result::Unguarded);
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
