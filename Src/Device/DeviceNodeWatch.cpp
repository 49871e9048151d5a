#include "DeviceNodeWatch.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#ifdef Q_OS_LINUX
#include <cerrno>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
// Quiet time after the last event before a change counts as settled, and the longest a stream
// of events may hold a change back.
constexpr int SettleMs = 60;
constexpr int MaxSettleMs = 150;
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

DeviceNodeWatch::DeviceNodeWatch(const QString &folder)
{
#ifdef Q_OS_LINUX
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const uint32_t events = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO;
    if (m_fd >= 0 && inotify_add_watch(m_fd, folder.toLocal8Bit().constData(), events) < 0) {
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
    if (m_fd >= 0)
        ::close(m_fd);
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
    for (;;) {
        const qint64 elapsed = timer.elapsed();
        const qint64 left = changedAt < 0
                                ? timeoutMs - elapsed
                                : qMin<qint64>(SettleMs, changedAt + MaxSettleMs - elapsed);
        if (left <= 0)
            return changedAt >= 0;
        pollfd watched{m_fd, POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(left));
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
    bool serialNode = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t length;
    while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
        for (const char *at = buffer; at < buffer + length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            // A lost event may have been anything.
            if ((event->mask & IN_Q_OVERFLOW) ||
                (event->len > 0 && IsSerialNodeName(QString::fromLocal8Bit(event->name))))
                serialNode = true;
            at += sizeof(inotify_event) + event->len;
        }
    }
    return serialNode;
}
#endif
