#include "TeamSyncRunner.h"

#include <QThread>
#include <QTimer>

TeamSyncRunner::TeamSyncRunner(const QString &storePath, QObject *parent)
    : QObject(parent), m_storePath(storePath)
{}

TeamSyncRunner::~TeamSyncRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void TeamSyncRunner::Repeat(int msecs, std::function<TeamServerAddress()> source)
{
    m_source = std::move(source);
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, [this] { Request(m_source()); });
    }
    m_timer->start(msecs);
}

void TeamSyncRunner::Request(const TeamServerAddress &address)
{
    if (address.IsEmpty())
        return Tell(State::NotSetUp, 0, QString());
    if (m_thread) {
        m_again = std::make_unique<TeamServerAddress>(address);
        return;
    }
    auto outcome = std::make_shared<TeamSync::Outcome>();
    m_outcome = outcome;
    const QString path = m_storePath;
    m_thread =
        QThread::create([address, path, outcome]() { *outcome = TeamSync::Run(address, path); });
    connect(m_thread, &QThread::finished, this, &TeamSyncRunner::On_ThreadFinished);
    m_thread->start(QThread::LowPriority);
    Tell(State::Syncing, m_waiting, QString());
}

void TeamSyncRunner::On_ThreadFinished()
{
    // Joined before the outcome is read.
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const TeamSync::Outcome outcome = *m_outcome;
    const TeamError::Kind kind = outcome.error.GetKind();
    if (kind == TeamError::NoServer || kind == TeamError::ConnectionLost ||
        kind == TeamError::TimedOut)
        Tell(State::Offline, outcome.waiting, outcome.error.Message());
    else if (outcome.error.IsError())
        Tell(State::Refused, outcome.waiting, outcome.error.Message());
    else if (!outcome.refused.isEmpty())
        Tell(State::Refused, outcome.waiting, outcome.refused.join(QLatin1Char('\n')));
    else
        Tell(outcome.waiting > 0 ? State::Waiting : State::Synced, outcome.waiting,
             outcome.lost.join(QLatin1Char('\n')));
    if (!outcome.error.IsError())
        emit Synced(outcome.sent, outcome.pulled);
    if (m_again) {
        const TeamServerAddress address = *m_again;
        m_again.reset();
        Request(address);
    }
}

void TeamSyncRunner::Tell(State state, qint64 waiting, const QString &reason)
{
    m_state = state;
    m_waiting = waiting;
    emit StateChanged(state, waiting, reason);
}
