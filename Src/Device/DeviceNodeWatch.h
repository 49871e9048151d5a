#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

struct udev;
struct udev_monitor;

// Tells when a serial device appeared, left or changed, so that port discovery need not
// enumerate the system's ports while nothing changes. On Linux it listens to a device folder's
// file events (/dev: the kernel makes the nodes there, with or without udev) or, where udev
// runs, to udev's reports on the tty devices; and to the folders of the ports the user named.
// Elsewhere, or when the folder cannot be watched, it knows nothing and reports a change after
// every wait.
class DeviceNodeWatch
{
public:
    explicit DeviceNodeWatch(const QString &folder);
    ~DeviceNodeWatch();
    DeviceNodeWatch(const DeviceNodeWatch &) = delete;
    DeviceNodeWatch &operator=(const DeviceNodeWatch &) = delete;

    bool IsWatching() const { return m_fd >= 0; }

    // Takes the changes of serial devices from udev's netlink source ("udev": after its rules
    // ran, so the identifiers are known; "kernel": as the kernel reports them) instead of the
    // folder's node events. False, and nothing changed, when udev cannot be followed.
    bool FollowUdev(const char *source);
    bool IsFollowingUdev() const { return m_udevMonitor != nullptr; }

    // Watches the given device paths and, for links, what they point to, replacing the paths
    // watched before. False when one of them cannot be watched (its folder is missing): the
    // caller then has to look at it now and then.
    bool WatchPaths(const QStringList &paths);

    // Ends the current or the next wait early, as a change. Callable from any thread.
    void Interrupt();

    // Waits up to timeoutMs for a change (while watching, a negative time waits without limit).
    // A change returns early, once its events have settled: a new node is created first and
    // given its group and mode a moment later, when its USB identifiers are known too. True
    // when something changed.
    bool Wait(int timeoutMs);

    // Names the system gives serial devices: ttyUSB0, ttyACM0, ttyS0, rfcomm0 and the like.
    static bool IsSerialNodeName(const QString &name);
    // Whether udev runs on this system (it keeps its control socket under /run/udev).
    static bool UdevRuns();

private:
#ifdef Q_OS_LINUX
    bool WaitForEvents(int timeoutMs);
    // Reads the pending events of every source; true when one of them is a change.
    bool Drain();
    bool DrainFolderEvents();
    bool DrainUdev();
    bool DrainInterrupt();
#endif

    int m_fd = -1;
    int m_folderWatch = -1;
    int m_interruptFd = -1;
    // Watch descriptor of each folder holding a watched path, and the names watched in it.
    QHash<int, QSet<QString>> m_pathNames;
    udev *m_udev = nullptr;
    udev_monitor *m_udevMonitor = nullptr;
};
