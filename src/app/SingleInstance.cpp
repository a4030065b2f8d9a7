#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kelvarin::app {

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kAnswer = "ok\n";
}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent) : QObject(parent), m_name(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultServerName() { return QStringLiteral("Kelvarin-%1").arg(::getuid()); }

SingleInstance::Result SingleInstance::start(int answerTimeoutMs) {
    if (askRunningCopy(answerTimeoutMs))
        return Result::Second;
    return listen() ? Result::First : Result::Unguarded;
}

bool SingleInstance::askRunningCopy(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(timeoutMs))
        reply += socket.readAll();
    return reply.startsWith(kAnswer.trimmed());
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered on the name: what is left of it belongs to a copy that is gone.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            delete m_server;
            m_server = nullptr;
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::serve);
    return true;
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

}  // namespace kelvarin::app
