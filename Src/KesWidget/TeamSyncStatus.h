#pragma once

#include "TeamSyncRunner.h"

#include <QWidget>

class QLabel;
class QToolButton;

// The state of the team sync, always in view while a team server is set: synced, how many
// changes wait, offline or refused with the reason (the whole of it in the tool tip); and a
// button that asks for a sync now.
class TeamSyncStatus : public QWidget
{
    Q_OBJECT
public:
    explicit TeamSyncStatus(QWidget *parent = nullptr);

    void Show(TeamSyncRunner::State state, qint64 waiting, const QString &reason);

signals:
    void SyncRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void Retranslate();

    QLabel *m_text;
    QToolButton *m_sync;
    TeamSyncRunner::State m_state = TeamSyncRunner::State::NotSetUp;
    qint64 m_waiting = 0;
    QString m_reason;
};
