#pragma once

#include "TeamCheck.h"

#include <QObject>

#include <memory>

class QThread;
struct TeamServerAddress;

// Runs TeamCheck::Diagnose on a thread of its own, so that a window asking for it never waits
// for the network, and tells the outcome on the thread that owns the runner.
class TeamCheckRunner : public QObject
{
    Q_OBJECT
public:
    explicit TeamCheckRunner(QObject *parent = nullptr);
    // Waits for a check still running: at most the connection's time-out.
    ~TeamCheckRunner() override;

    bool IsRunning() const { return m_thread != nullptr; }
    // Starts a check; ignored while one runs.
    void Start(const TeamServerAddress &address);

signals:
    void Finished(const TeamError &error, const QString &user, const QStringList &roles,
                  int schemaVersion);

private:
    void On_ThreadFinished();

    QThread *m_thread = nullptr;
    std::shared_ptr<TeamCheck::Outcome> m_outcome;
};
