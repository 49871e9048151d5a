#pragma once

#include "TeamServerAddress.h"
#include "TeamSync.h"

#include <QObject>
#include <QString>

#include <memory>

class QThread;
class QTimer;

// Keeps a records file in sync with the team server: each sync runs TeamSync on a thread of its
// own (with its own connections to the server and to the file), so that the window never waits
// for the network; on request, and every few minutes while a server is set. The state it tells
// is what the window shows.
class TeamSyncRunner : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        NotSetUp, // no team server is set
        Syncing,
        Synced,
        Waiting, // changes wait to go up
        Offline, // the server cannot be reached, or did not answer in time
        Refused  // the server refused the login or changes, or has no room; the reason tells
    };
    Q_ENUM(State)

    static constexpr int IntervalMsecs = 3 * 60 * 1000;

    explicit TeamSyncRunner(const QString &storePath, QObject *parent = nullptr);
    // Waits for a sync still running: at most the time of one round of it.
    ~TeamSyncRunner() override;

    // A sync now with the server at that address; one running is followed by one more.
    void Request(const TeamServerAddress &address);
    // Requests a sync every `msecs` with the address `source` gives (read again each time).
    void Repeat(int msecs, std::function<TeamServerAddress()> source);

    State GetState() const { return m_state; }

signals:
    void StateChanged(TeamSyncRunner::State state, qint64 waiting, const QString &reason);
    // After each sync that completed; pulled: the rows that came down.
    void Synced(qint64 sent, qint64 pulled);

private:
    void On_ThreadFinished();
    void Tell(State state, qint64 waiting, const QString &reason);

    QString m_storePath;
    QThread *m_thread = nullptr;
    std::shared_ptr<TeamSync::Outcome> m_outcome;
    std::unique_ptr<TeamServerAddress> m_again;
    QTimer *m_timer = nullptr;
    std::function<TeamServerAddress()> m_source;
    State m_state = State::NotSetUp;
    qint64 m_waiting = 0;
};
