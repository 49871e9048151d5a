#include "TeamCheckRunner.h"

#include "TeamServerAddress.h"

#include <QThread>

TeamCheckRunner::TeamCheckRunner(QObject *parent) : QObject(parent) {}

TeamCheckRunner::~TeamCheckRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void TeamCheckRunner::Start(const TeamServerAddress &address)
{
    if (m_thread)
        return;
    auto outcome = std::make_shared<TeamCheck::Outcome>();
    m_outcome = outcome;
    m_thread = QThread::create([address, outcome]() { *outcome = TeamCheck::Diagnose(address); });
    connect(m_thread, &QThread::finished, this, &TeamCheckRunner::On_ThreadFinished);
    m_thread->start();
}

void TeamCheckRunner::On_ThreadFinished()
{
    // Joined before the outcome is read.
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const TeamCheck::Outcome outcome = *m_outcome;
    emit Finished(outcome.error, outcome.user, outcome.roles, outcome.schemaVersion);
}
