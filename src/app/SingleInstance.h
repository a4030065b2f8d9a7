#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace kelvarin::app {

// Only one copy per user: the first copy listens on a local socket; a later start asks it to
// come to the front and then ends. A name left behind by a crashed copy (nobody answers) is
// taken over; when no socket can be had at all the copy runs unguarded.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Result {
        First,      // this copy holds the name
        Second,     // a running copy answered and was asked to come to the front
        Unguarded,  // no name could be had: run anyway
    };

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    Result start(int answerTimeoutMs = 2000);
    QString serverName() const { return m_name; }

    // "Kelvarin-" and the user's id: one copy per user.
    static QString defaultServerName();

signals:
    // A later start asked this copy to restore its window and bring it to the front.
    void raiseRequested();

private:
    bool askRunningCopy(int timeoutMs) const;
    bool listen();
    void serve();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace kelvarin::app
