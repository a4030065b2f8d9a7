#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace kelvarin::app {

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kAnswer = "ok\n";

void sayOnStandardError(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
}  // namespace

SingleInstance::SingleInstance(QString folder, QString name, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_name(std::move(name)), m_lock(lockPath()) {
    // The lock lives as long as the copy: its age says nothing, only whether its process is gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString SingleInstance::defaultName() { return QStringLiteral("Kelvarin-%1").arg(::getuid()); }

std::optional<qint64> SingleInstance::ownerProcess() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.getLockInfo(&pid, &host, &application) && pid > 0)
        return pid;
    return std::nullopt;
}

SingleInstance::Result SingleInstance::start(int answerTimeoutMs) {
    if (m_lock.tryLock(0)) {
        listen();
        return Result::First;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return Result::Unguarded;
    if (askRunningCopy(answerTimeoutMs))
        return Result::Second;
    // The running copy may have ended while we asked. A lock file that still names no process
    // was left half-written by a crash; Qt removes it only when no process holds it.
    if (!ownerProcess())
        m_lock.removeStaleLockFile();
    if (m_lock.tryLock(0)) {
        listen();
        return Result::First;
    }
    return Result::Unanswered;
}

bool SingleInstance::askRunningCopy(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // A copy that has just taken the lock may not listen yet: try again until the deadline.
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray reply;
    while (!reply.contains('\n') && !deadline.hasExpired() &&
           socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    return reply.startsWith(kAnswer.trimmed());
}

void SingleInstance::listen() {
    // The lock is ours, so a socket file under the name is left over from a copy that is gone.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        // Still the running copy; later starts will end without being able to raise it.
        sayOnStandardError(QStringLiteral("Kelvarin: cannot listen on %1 (%2); a second start cannot bring "
                                          "this window to the front.")
                               .arg(socketPath(), m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::serve);
}

void SingleInstance::serve() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRaise) {
                socket->write(kAnswer);
                socket->flush();
                emit raiseRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

std::optional<int> endOfStart(SingleInstance::Result result, const SingleInstance& instance) {
    switch (result) {
    case SingleInstance::Result::First:
        return std::nullopt;
    case SingleInstance::Result::Second:
        return 0;
    case SingleInstance::Result::Unguarded:
        sayOnStandardError(
            QStringLiteral("Kelvarin: cannot create the lock file %1, so a second copy cannot be "
                           "prevented; starting anyway.")
                .arg(instance.lockPath()));
        return std::nullopt;
    case SingleInstance::Result::Unanswered: {
        const auto pid = instance.ownerProcess();
        const QString who =
            pid ? QStringLiteral("Kelvarin (process %1)").arg(*pid) : QStringLiteral("Kelvarin");
        sayOnStandardError(
            QStringLiteral("%1 is already running but did not answer the request to come to the "
                           "front, so this copy ends without opening a window. If the running "
                           "copy has stopped responding, end it and start Kelvarin again.")
                .arg(who));
        return 1;
    }
    }
    return std::nullopt;
}

}  // namespace kelvarin::app
