#pragma once

#include <QObject>

class LiveRecorder;
class QWidget;
class TeamSyncRunner;
class TeamSyncStatus;

// The team sync behind the window: the state in the title bar, a sync at the end of every run,
// every few minutes and on the button, with the team server of the settings. Told once the
// records came down, so that the pages showing them read them again.
class TeamSyncWiring : public QObject
{
    Q_OBJECT
public:
    TeamSyncWiring(const QString &storePath, LiveRecorder *recorder, QWidget *window);

signals:
    void RecordsChanged();

private:
    void Request();

    TeamSyncRunner *m_runner;
    TeamSyncStatus *m_status;
};
