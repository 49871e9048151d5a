#pragma once

#include <QString>

// Tells when a serial device node appeared in, left or changed its permissions in a device
// folder (/dev). On Linux it listens to the folder's file events, so port discovery need not
// enumerate the system's ports while nothing changes. Elsewhere, or when the folder cannot be
// watched, it knows nothing and reports a change after every wait.
class DeviceNodeWatch
{
public:
    explicit DeviceNodeWatch(const QString &folder);
    ~DeviceNodeWatch();
    DeviceNodeWatch(const DeviceNodeWatch &) = delete;
    DeviceNodeWatch &operator=(const DeviceNodeWatch &) = delete;

    bool IsWatching() const { return m_fd >= 0; }

    // Waits up to timeoutMs for a change. A change returns early, once its events have
    // settled: a new node is created first and given its group and mode a moment later, when
    // its USB identifiers are known too. True when something changed.
    bool Wait(int timeoutMs);

    // Names the system gives serial devices: ttyUSB0, ttyACM0, ttyS0, rfcomm0 and the like.
    static bool IsSerialNodeName(const QString &name);

private:
#ifdef Q_OS_LINUX
    bool WaitForEvents(int timeoutMs);
    // Reads the pending events; true when one of them concerns a serial device node.
    bool Drain();
#endif

    int m_fd = -1;
};
