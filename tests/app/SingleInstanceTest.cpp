#include "app/SingleInstance.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>
#include <unistd.h>

using kelvarin::app::SingleInstance;

namespace {

// One run of the helper in a lock folder of the test's own.
struct Copy {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    explicit Copy(const QString& folder, int timeoutMs = 5000) {
        process->start(KELVARIN_INSTANCE_HELPER, {folder, QString::number(timeoutMs)});
    }
    ~Copy() {
        if (process->state() != QProcess::NotRunning) {
            ::kill(pid_t(process->processId()), SIGCONT);  // in case a test left it stopped
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
    QString errorLine(int timeoutMs = 10000) {
        process->setReadChannel(QProcess::StandardError);
        QString text = line(timeoutMs);
        process->setReadChannel(QProcess::StandardOutput);
        return text;
    }
    // Waits for the copy to end on its own; its exit status, -1 when it did not end.
    int ended() {
        if (!process->waitForFinished(5000) || process->exitStatus() != QProcess::NormalExit)
            return -1;
        return process->exitCode();
    }
    void signal(int number) { QCOMPARE(::kill(pid_t(process->processId()), number), 0); }
};

QString lockIn(const QTemporaryDir& dir) {
    return SingleInstance(dir.path()).lockPath();
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartRaisesTheFirstAndEnds();
    void aLockLeftByAKilledCopyIsTakenOver();
    void aHalfWrittenLockIsTakenOver();
    void aCleanEndFreesTheLock();
    void aStoppedCopyKeepsTheInstanceAndTheSecondStartSaysWhy();
    void anOldLockOfARunningCopyIsNotStale();
    void aSilentSocketWithoutTheLockIsNoRunningCopy();
    void withoutALockTheCopyRunsUnguarded_data();
    void withoutALockTheCopyRunsUnguarded();
};

void SingleInstanceTest::aSecondStartRaisesTheFirstAndEnds() {
    QTemporaryDir dir;
    Copy first(dir.path());
    QCOMPARE(first.line(), QString("first"));
    Copy second(dir.path());
    QCOMPARE(second.line(), QString("second"));
    QCOMPARE(second.ended(), 0);
    QCOMPARE(QString::fromLocal8Bit(second.process->readAllStandardError()), QString());
    QCOMPARE(first.line(), QString("raised"));
    Copy third(dir.path());
    QCOMPARE(third.line(), QString("second"));
    QCOMPARE(first.line(), QString("raised"));
}

void SingleInstanceTest::aLockLeftByAKilledCopyIsTakenOver() {
    QTemporaryDir dir;
    {
        Copy killed(dir.path());
        QCOMPARE(killed.line(), QString("first"));
        killed.signal(SIGKILL);  // no clean-up: the lock file and the socket file stay behind
        QVERIFY(killed.process->waitForFinished(5000));
    }
    QVERIFY(QFileInfo::exists(lockIn(dir)));
    Copy next(dir.path());
    QCOMPARE(next.line(), QString("first"));
    Copy after(dir.path());
    QCOMPARE(after.line(), QString("second"));
    QCOMPARE(next.line(), QString("raised"));
}

void SingleInstanceTest::aHalfWrittenLockIsTakenOver() {
    // A crash between creating the lock file and writing the process id into it.
    QTemporaryDir dir;
    QFile empty(lockIn(dir));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    Copy next(dir.path(), 300);
    QCOMPARE(next.line(), QString("first"));
    Copy after(dir.path());
    QCOMPARE(after.line(), QString("second"));
}

void SingleInstanceTest::aCleanEndFreesTheLock() {
    QTemporaryDir dir;
    {
        Copy ended(dir.path());
        QCOMPARE(ended.line(), QString("first"));
    }
    QVERIFY(!QFileInfo::exists(lockIn(dir)));
    Copy next(dir.path());
    QCOMPARE(next.line(), QString("first"));
}

void SingleInstanceTest::aStoppedCopyKeepsTheInstanceAndTheSecondStartSaysWhy() {
    QTemporaryDir dir;
    Copy first(dir.path());
    QCOMPARE(first.line(), QString("first"));
    first.signal(SIGSTOP);

    Copy second(dir.path(), 300);
    QCOMPARE(second.line(), QString("unanswered"));
    QCOMPARE(second.ended(), 1);
    const QString why = QString::fromLocal8Bit(second.process->readAllStandardError());
    QCOMPARE(why, QStringLiteral(
                      "Kelvarin (process %1) is already running but did not answer the request to come "
                      "to the front, so this copy ends without opening a window. If the running copy has "
                      "stopped responding, end it and start Kelvarin again.\n")
                      .arg(first.process->processId()));

    // Running again, the first copy still owns the instance.
    first.signal(SIGCONT);
    Copy third(dir.path());
    QCOMPARE(third.line(), QString("second"));
    QCOMPARE(third.ended(), 0);
    QCOMPARE(first.line(), QString("raised"));
}

void SingleInstanceTest::anOldLockOfARunningCopyIsNotStale() {
    QTemporaryDir dir;
    Copy first(dir.path());
    QCOMPARE(first.line(), QString("first"));
    QFile lock(lockIn(dir));
    QVERIFY(lock.open(QIODevice::ReadOnly));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    lock.close();
    Copy second(dir.path());
    QCOMPARE(second.line(), QString("second"));
    QCOMPARE(first.line(), QString("raised"));
}

void SingleInstanceTest::aSilentSocketWithoutTheLockIsNoRunningCopy() {
    QTemporaryDir dir;
    QLocalServer silent;  // accepts connections but never answers
    QVERIFY(silent.listen(SingleInstance(dir.path()).socketPath()));
    Copy next(dir.path(), 300);
    QCOMPARE(next.line(), QString("first"));
    Copy after(dir.path());
    QCOMPARE(after.line(), QString("second"));
}

void SingleInstanceTest::withoutALockTheCopyRunsUnguarded_data() {
    QTest::addColumn<QString>("folder");  // below the test's temporary folder
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("missing folder") << "no-such-folder" << false;
    QTest::newRow("a file where the folder should be") << "a-file" << true;
}

void SingleInstanceTest::withoutALockTheCopyRunsUnguarded() {
    QFETCH(QString, folder);
    QFETCH(bool, folderIsAFile);
    QTemporaryDir dir;
    const QString path = dir.filePath(folder);
    if (folderIsAFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Copy copy(path);
    QCOMPARE(copy.line(), QString("unguarded"));
    QCOMPARE(copy.process->state(), QProcess::Running);  // it runs anyway
    QCOMPARE(copy.errorLine(),
             QStringLiteral("Kelvarin: cannot create the lock file %1/Kelvarin-%2.lock, so a second "
                            "copy cannot be prevented; starting anyway.")
                 .arg(path)
                 .arg(::getuid()));
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
