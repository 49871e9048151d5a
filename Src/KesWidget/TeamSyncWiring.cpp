#include "TeamSyncWiring.h"

#include "LiveRecorder.h"
#include "TeamServerAddress.h"
#include "TeamSyncRunner.h"
#include "TeamSyncStatus.h"

#include <QBoxLayout>
#include <QTimer>

TeamSyncWiring::TeamSyncWiring(const QString &storePath, LiveRecorder *recorder, QWidget *window)
    : QObject(window), m_runner(new TeamSyncRunner(storePath, this)),
      m_status(new TeamSyncStatus(window))
{
    // In the title bar, before the window's own buttons.
    if (auto *title = window->findChild<QBoxLayout *>(QStringLiteral("horizontalLayout_4")))
        title->insertWidget(qMax(0, title->count() - 1), m_status);
    connect(m_runner, &TeamSyncRunner::StateChanged, m_status, &TeamSyncStatus::Show);
    connect(m_runner, &TeamSyncRunner::Synced, this, [this](qint64, qint64 pulled) {
        if (pulled > 0)
            emit RecordsChanged();
    });
    connect(m_status, &TeamSyncStatus::SyncRequested, this, &TeamSyncWiring::Request);
    connect(recorder, &LiveRecorder::BatchEnded, this, &TeamSyncWiring::Request);
    m_runner->Repeat(TeamSyncRunner::IntervalMsecs, &TeamServerAddress::FromSettings);
    // The first sync once the window is up.
    QTimer::singleShot(0, this, &TeamSyncWiring::Request);
}

void TeamSyncWiring::Request()
{
    m_runner->Request(TeamServerAddress::FromSettings());
}
