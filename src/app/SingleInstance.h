#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <optional>

class QLocalServer;

namespace kelvarin::app {

// Only one copy per user. The copy that holds the lock file "<folder>/<name>.lock" is the
// running copy; a lock whose process is gone is stale and taken over. The local socket
// "<folder>/<name>.socket" only carries a later start's request to bring the running copy to
// the front: a running copy that does not answer still owns the instance. When no lock can
// be had at all (the folder is missing or not writable) the copy runs unguarded.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Result {
        First,       // this copy holds the lock
        Second,      // the running copy answered and was asked to come to the front
        Unanswered,  // a running copy holds the lock but did not answer in time
        Unguarded,   // no lock could be had: run anyway
    };

    explicit SingleInstance(QString folder = defaultFolder(), QString name = defaultName(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    Result start(int answerTimeoutMs = 2000);

    QString lockPath() const { return m_folder + QStringLiteral("/") + m_name + QStringLiteral(".lock"); }
    QString socketPath() const { return m_folder + QStringLiteral("/") + m_name + QStringLiteral(".socket"); }
    // The running copy's process id, when the lock file names one.
    std::optional<qint64> ownerProcess() const;

    // The user's runtime folder; the temporary folder when the system gives none.
    static QString defaultFolder();
    // "Kelvarin-" and the user's id: one copy per user even in a shared temporary folder.
    static QString defaultName();

signals:
    // A later start asked this copy to restore its window and bring it to the front.
    void raiseRequested();

private:
    bool askRunningCopy(int timeoutMs) const;
    void listen();
    void serve();

    QString m_folder;
    QString m_name;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};

// The exit status of a start that must end without a window (Second: 0; Unanswered: 1, after
// saying why on standard error); nothing when this copy runs on (First; Unguarded, after a
// warning on standard error).
std::optional<int> endOfStart(SingleInstance::Result result, const SingleInstance& instance);

}  // namespace kelvarin::app
