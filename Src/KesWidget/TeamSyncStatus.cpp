#include "TeamSyncStatus.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

TeamSyncStatus::TeamSyncStatus(QWidget *parent)
    : QWidget(parent), m_text(new QLabel(this)), m_sync(new QToolButton(this))
{
    setObjectName(QStringLiteral("TeamSyncStatus"));
    m_text->setObjectName(QStringLiteral("TeamSyncStateLabel"));
    m_sync->setObjectName(QStringLiteral("TeamSyncButton"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_sync);
    connect(m_sync, &QToolButton::clicked, this, &TeamSyncStatus::SyncRequested);
    Retranslate();
    setVisible(false);
}

void TeamSyncStatus::Show(TeamSyncRunner::State state, qint64 waiting, const QString &reason)
{
    m_state = state;
    m_waiting = waiting;
    m_reason = reason;
    Retranslate();
    setVisible(state != TeamSyncRunner::State::NotSetUp);
}

void TeamSyncStatus::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void TeamSyncStatus::Retranslate()
{
    QString text;
    switch (m_state) {
    case TeamSyncRunner::State::NotSetUp:
        break;
    case TeamSyncRunner::State::Syncing:
        text = tr("Team: syncing…");
        break;
    case TeamSyncRunner::State::Synced:
        text = tr("Team: synced");
        break;
    case TeamSyncRunner::State::Waiting:
        text = tr("Team: %n waiting", nullptr, int(qMin<qint64>(m_waiting, INT_MAX)));
        break;
    case TeamSyncRunner::State::Offline:
        text = tr("Team: offline, %n waiting", nullptr, int(qMin<qint64>(m_waiting, INT_MAX)));
        break;
    case TeamSyncRunner::State::Refused:
        // The first line names what was refused; the tool tip holds the whole reason.
        text = tr("Team: refused: %1").arg(m_reason.section(QLatin1Char('\n'), 0, 0));
        break;
    }
    m_text->setText(text);
    m_text->setToolTip(m_reason);
    m_sync->setText(tr("Sync"));
    m_sync->setToolTip(tr("Send the records to the team server and fetch the team's now"));
    m_sync->setEnabled(m_state != TeamSyncRunner::State::Syncing);
}
