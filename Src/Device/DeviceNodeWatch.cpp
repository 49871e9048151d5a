#include "DeviceNodeWatch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QThread>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdint>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#ifdef VARNOLITHIC_HAVE_UDEV
#include <libudev.h>
#endif

namespace {
// Quiet time after the last event before a change counts as settled, and the longest a stream
// of events may hold a change back.
constexpr int SettleMs = 60;
constexpr int MaxSettleMs = 150;
// Links followed from a watched path to its device, at most.
constexpr int MaxLinkHops = 8;

constexpr uint32_t NodeEvents = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO;

// A path and, while it is a link, what it points to, as (folder, name) pairs.
QList<QPair<QString, QString>> PathChain(const QString &path)
{
    QList<QPair<QString, QString>> chain;
    QFileInfo hop(path);
    for (int i = 0; i < MaxLinkHops; ++i) {
        chain.append({hop.absolutePath(), hop.fileName()});
        if (!hop.isSymLink())
            break;
        hop.setFile(hop.symLinkTarget());
    }
    return chain;
}
} // namespace
#endif

bool DeviceNodeWatch::IsSerialNodeName(const QString &name)
{
    static const QStringList prefixes = {QStringLiteral("tty"), QStringLiteral("rfcomm"),
                                         QStringLiteral("ircomm"), QStringLiteral("tnt")};
    for (const QString &prefix : prefixes) {
        if (name.startsWith(prefix))
            return true;
    }
    return false;
}

bool DeviceNodeWatch::UdevRuns()
{
#ifdef Q_OS_LINUX
    return QFileInfo::exists(QStringLiteral("/run/udev/control"));
#else
    return false;
#endif
}

DeviceNodeWatch::DeviceNodeWatch(const QString &folder)
{
#ifdef Q_OS_LINUX
    m_interruptFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0)
        m_folderWatch = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), NodeEvents);
    if (m_folderWatch < 0 && m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
#else
    Q_UNUSED(folder)
#endif
}

DeviceNodeWatch::~DeviceNodeWatch()
{
#ifdef Q_OS_LINUX
#ifdef VARNOLITHIC_HAVE_UDEV
    udev_monitor_unref(m_udevMonitor);
    udev_unref(m_udev);
#endif
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_interruptFd >= 0)
        ::close(m_interruptFd);
#endif
}

bool DeviceNodeWatch::FollowUdev(const char *source)
{
#if defined(Q_OS_LINUX) && defined(VARNOLITHIC_HAVE_UDEV)
    if (!IsWatching() || IsFollowingUdev())
        return IsFollowingUdev();
    udev *context = udev_new();
    udev_monitor *monitor = context ? udev_monitor_new_from_netlink(context, source) : nullptr;
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return false;
    }
    m_udev = context;
    m_udevMonitor = monitor;
    // The folder's node events come before udev has given the node its identifiers; from now
    // on udev alone tells of serial devices.
    if (!m_pathNames.contains(m_folderWatch))
        inotify_rm_watch(m_fd, m_folderWatch);
    return true;
#else
    Q_UNUSED(source)
    return false;
#endif
}

bool DeviceNodeWatch::WatchPaths(const QStringList &paths)
{
#ifdef Q_OS_LINUX
    if (!IsWatching())
        return false;
    QHash<int, QSet<QString>> watched;
    bool all = true;
    for (const QString &path : paths) {
        for (const auto &hop : PathChain(path)) {
            const int watch =
                inotify_add_watch(m_fd, QFile::encodeName(hop.first).constData(), NodeEvents);
            if (watch < 0)
                all = false;
            else
                watched[watch].insert(hop.second);
        }
    }
    for (auto old = m_pathNames.cbegin(); old != m_pathNames.cend(); ++old) {
        const bool folderStillWatched = old.key() == m_folderWatch && !IsFollowingUdev();
        if (!watched.contains(old.key()) && !folderStillWatched)
            inotify_rm_watch(m_fd, old.key());
    }
    m_pathNames = watched;
    return all;
#else
    return paths.isEmpty();
#endif
}

void DeviceNodeWatch::Interrupt()
{
#ifdef Q_OS_LINUX
    if (m_interruptFd >= 0)
        eventfd_write(m_interruptFd, 1);
#endif
}

bool DeviceNodeWatch::Wait(int timeoutMs)
{
#ifdef Q_OS_LINUX
    if (IsWatching())
        return WaitForEvents(timeoutMs);
#endif
    QThread::msleep(static_cast<unsigned long>(timeoutMs));
    return true;
}

#ifdef Q_OS_LINUX
bool DeviceNodeWatch::WaitForEvents(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    qint64 changedAt = -1;
    pollfd watched[3] = {{m_fd, POLLIN, 0}, {m_interruptFd, POLLIN, 0}, {-1, POLLIN, 0}};
#ifdef VARNOLITHIC_HAVE_UDEV
    if (m_udevMonitor)
        watched[2].fd = udev_monitor_get_fd(m_udevMonitor);
#endif
    for (;;) {
        const qint64 elapsed = timer.elapsed();
        const bool unlimited = timeoutMs < 0 && changedAt < 0;
        const qint64 left = changedAt < 0
                                ? timeoutMs - elapsed
                                : qMin<qint64>(SettleMs, changedAt + MaxSettleMs - elapsed);
        if (left <= 0 && !unlimited)
            return changedAt >= 0;
        const int ready = poll(watched, 3, unlimited ? -1 : static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return changedAt >= 0;
        if (Drain() && changedAt < 0)
            changedAt = timer.elapsed();
    }
}

bool DeviceNodeWatch::Drain()
{
    // Every source is read empty, so that none stays ready for the next wait.
    const bool folders = DrainFolderEvents();
    const bool devices = DrainUdev();
    const bool interrupted = DrainInterrupt();
    return folders || devices || interrupted;
}

bool DeviceNodeWatch::DrainFolderEvents()
{
    bool changed = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
        for (const char *at = buffer; at < buffer + length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            const bool serialNode =
                event->wd == m_folderWatch && !IsFollowingUdev() && IsSerialNodeName(name);
            const auto named = m_pathNames.constFind(event->wd);
            const bool watchedPath = named != m_pathNames.cend() &&
                                     (named->contains(name) || (event->mask & IN_IGNORED));
            // A lost event may have been anything.
            if ((event->mask & IN_Q_OVERFLOW) || serialNode || watchedPath)
                changed = true;
            at += sizeof(inotify_event) + event->len;
        }
    }
    return changed;
}

bool DeviceNodeWatch::DrainUdev()
{
    bool changed = false;
#ifdef VARNOLITHIC_HAVE_UDEV
    if (!m_udevMonitor)
        return false;
    while (udev_device *device = udev_monitor_receive_device(m_udevMonitor)) {
        changed = true;
        udev_device_unref(device);
    }
#endif
    return changed;
}

bool DeviceNodeWatch::DrainInterrupt()
{
    eventfd_t count = 0;
    return m_interruptFd >= 0 && eventfd_read(m_interruptFd, &count) == 0;
}
#endif
