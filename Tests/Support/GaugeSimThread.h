#pragma once

#include "GaugeSim.h"

#include <QThread>

// A simulated gauge living in a thread of its own, opened and ready; GaugeSim's public
// functions may be called from the test thread. Destroys the gauge in its thread.
class GaugeSimThread
{
public:
    GaugeSimThread() : m_sim(new GaugeSim)
    {
        m_sim->moveToThread(&m_thread);
        m_thread.start();
        m_opened = m_sim->Open();
    }
    ~GaugeSimThread()
    {
        GaugeSim *sim = m_sim;
        QMetaObject::invokeMethod(
            sim, [sim] { delete sim; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    GaugeSimThread(const GaugeSimThread &) = delete;
    GaugeSimThread &operator=(const GaugeSimThread &) = delete;

    bool IsOpen() const { return m_opened; }
    GaugeSim *Sim() const { return m_sim; }
    GaugeSim *operator->() const { return m_sim; }

private:
    QThread m_thread;
    GaugeSim *m_sim;
    bool m_opened = false;
};
