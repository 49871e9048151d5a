#include "TeamAnswerWatch.h"

#include <QLibrary>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace {
// The connection's socket, from libpq (loaded already by Qt's driver); -1 where it cannot be had.
qintptr SocketOf(const QSqlDatabase &database)
{
    using SocketFunction = int (*)(const void *);
#ifdef Q_OS_WIN
    static const auto socketOf =
        reinterpret_cast<SocketFunction>(QLibrary::resolve(QStringLiteral("libpq"), "PQsocket"));
#else
    static const auto socketOf =
        reinterpret_cast<SocketFunction>(QLibrary::resolve(QStringLiteral("pq"), 5, "PQsocket"));
#endif
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!socketOf || !handle.isValid() || qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    return socketOf(*static_cast<void *const *>(handle.constData()));
}

// Both ways shut: the call waiting on it returns, and libpq reports the connection closed.
void ShutDown(qintptr socket)
{
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket), SD_BOTH);
#else
    ::shutdown(int(socket), SHUT_RDWR);
#endif
}
} // namespace

class TeamAnswerWatch::Watcher
{
public:
    quint64 Watch(qintptr socket, int msecs)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_started) {
            // It lives as long as the process, as does this watcher.
            std::thread([this] { Run(); }).detach();
            m_started = true;
        }
        m_watched.emplace(++m_lastTicket,
                          Watched{socket, Clock::now() + std::chrono::milliseconds(msecs)});
        m_changed.notify_one();
        return m_lastTicket;
    }

    bool Forget(quint64 ticket)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_watched.erase(ticket);
        return m_cut.erase(ticket) > 0;
    }

private:
    using Clock = std::chrono::steady_clock;
    struct Watched
    {
        qintptr socket;
        Clock::time_point deadline;
    };

    void Run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            const Clock::time_point now = Clock::now();
            Clock::time_point next = Clock::time_point::max();
            for (auto watched = m_watched.begin(); watched != m_watched.end();) {
                if (watched->second.deadline > now) {
                    next = std::min(next, watched->second.deadline);
                    ++watched;
                    continue;
                }
                // The socket stays open meanwhile: its statement is forgotten under this lock
                // before its connection can close.
                ShutDown(watched->second.socket);
                m_cut.insert(watched->first);
                watched = m_watched.erase(watched);
            }
            if (next == Clock::time_point::max())
                m_changed.wait(lock);
            else
                m_changed.wait_until(lock, next);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<quint64, Watched> m_watched;
    std::set<quint64> m_cut;
    quint64 m_lastTicket = 0;
    bool m_started = false;
};

TeamAnswerWatch::Watcher &TeamAnswerWatch::TheWatcher()
{
    // Never destroyed: its thread may still wait on it while the process ends.
    static Watcher *watcher = new Watcher;
    return *watcher;
}

TeamAnswerWatch::TeamAnswerWatch(const QSqlDatabase &database, int msecs)
{
    if (msecs <= 0)
        return;
    const qintptr socket = SocketOf(database);
    if (socket >= 0)
        m_ticket = TheWatcher().Watch(socket, msecs);
}

TeamAnswerWatch::~TeamAnswerWatch()
{
    Stop();
}

bool TeamAnswerWatch::Stop()
{
    const bool cut = m_ticket != 0 && TheWatcher().Forget(m_ticket);
    m_ticket = 0;
    return cut;
}
