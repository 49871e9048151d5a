#pragma once

#include <QtGlobal>

class QSqlDatabase;

// Cuts the connection of a statement the server leaves unanswered past its deadline, so that
// the thread waiting for the answer gets an error instead of waiting for ever: for a server
// that hangs while its machine still answers, which no time-out of libpq's tells from a slow
// answer. One thread of its own watches every connection of the process.
class TeamAnswerWatch
{
public:
    // Watches the statement about to run on the connection until the watch goes; nothing for a
    // time-out of 0 or where the connection's socket cannot be had.
    TeamAnswerWatch(const QSqlDatabase &database, int msecs);
    ~TeamAnswerWatch();
    TeamAnswerWatch(const TeamAnswerWatch &) = delete;
    TeamAnswerWatch &operator=(const TeamAnswerWatch &) = delete;

    // Stops watching; true when the connection was cut for want of an answer.
    bool Stop();

private:
    class Watcher;
    static Watcher &TheWatcher();

    quint64 m_ticket = 0; // 0: not watched
};
