#pragma once

#include <QThread>

#include <atomic>

// One collection window of the serial channel: sleeps for the window, then announces its end
// from this thread. The same object is started again for every window.
class ReadPortDataWork : public QThread
{
    Q_OBJECT
public:
    explicit ReadPortDataWork(QObject *parent = nullptr);
    ~ReadPortDataWork() override;

    bool IsRunning() const { return m_running; }
    void SetSleepMsecs(int msecs) { m_sleepMsecs = msecs; }

signals:
    void UpdateReadWork();

protected:
    void run() override;

private:
    // Written here, read by the owner thread to skip redundant start requests.
    std::atomic<bool> m_running{false};
    std::atomic<int> m_sleepMsecs{0};
};
