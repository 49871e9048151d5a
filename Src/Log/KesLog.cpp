#include "KesLog.h"

#include <QCoreApplication>
#include <QDebug>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <fstream>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {
// The worker is never joined, so the state it waits on must outlive the static destructors
// that run at process exit: destroying a condition variable with a waiter blocks exit forever.
struct LogState
{
    std::atomic<bool> stopped{true};
    std::deque<std::function<void()>> tasks;
    std::mutex queueMutex;
    std::condition_variable wakeUp;
    std::atomic<KesLog *> instance{nullptr};
    std::mutex instanceMutex;
    std::mutex fileBaseMutex;
    std::string fileBase = "./log";
};

LogState &State()
{
    static LogState *state = new LogState;
    return *state;
}

const char *LevelWord(KesLog::LogLevel level)
{
    switch (level) {
    case KesLog::LogLevel::Debug:
        return "DEBUG";
    case KesLog::LogLevel::Info:
        return "INFO";
    case KesLog::LogLevel::Error:
        return "ERROR";
    }
    return "";
}

std::string Timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef Q_OS_WIN
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // Room for six fields of any int value, so the text can never be cut.
    char text[72];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}
} // namespace

KesLog *KesLog::Instance()
{
    LogState &state = State();
    if (KesLog *instance = state.instance)
        return instance;
    std::lock_guard<std::mutex> lock(state.instanceMutex);
    if (!state.instance) {
        state.instance = new KesLog;
        state.stopped = false;
        std::thread(&KesLog::WorkerLoop).detach();
        // The worker is never joined: a line it wrote while the process's statics are being
        // destroyed would reach a logging system that is gone. The application object's end
        // waits for the lines queued until then.
        qAddPostRoutine([] { Drain(DrainLimitMs); });
    }
    return state.instance;
}

void KesLog::Drain(int timeoutMs)
{
    LogState &state = State();
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < until) {
        {
            // Tasks run under the queue lock: an empty queue under it means nothing is running.
            std::lock_guard<std::mutex> lock(state.queueMutex);
            if (state.tasks.empty())
                return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

long long KesLog::CurrentThreadId()
{
#ifdef Q_OS_WIN
    return static_cast<long long>(GetCurrentThreadId());
#else
    return static_cast<long long>(syscall(SYS_gettid));
#endif
}

std::string KesLog::FormatRecord(LogLevel level, bool withThreadId,
                                 const std::vector<std::string> &fields)
{
    std::string line = Timestamp() + " | " + LevelWord(level);
    if (withThreadId)
        line += " | tid: " + std::to_string(CurrentThreadId());
    for (const std::string &field : fields)
        line += " | " + field;
    return line;
}

void KesLog::Enqueue(std::function<void()> task)
{
    LogState &state = State();
    if (state.stopped)
        throw std::runtime_error("enqueue on stopped KesLog");
    {
        std::lock_guard<std::mutex> lock(state.queueMutex);
        state.tasks.push_back(std::move(task));
    }
    state.wakeUp.notify_one();
}

void KesLog::WriteDebugOutput(std::string line)
{
    Enqueue([line = std::move(line)] {
        // QDebug reads a character string as UTF-8, whatever the locale.
        const QByteArray text = QString::fromStdString(line).toUtf8();
        QMessageLogger(nullptr, 0, nullptr).debug() << text.constData();
    });
}

void KesLog::AppendToFile(std::string basePath, std::string line)
{
    Enqueue([basePath = std::move(basePath), line = std::move(line)] {
        std::ofstream file(basePath + ".log", std::ios::out | std::ios::app);
        if (file)
            file << line << std::endl;
    });
}

void KesLog::Debug(const QString &text)
{
    WriteDebugOutput(DebugWithTid(text.toStdString()));
}

void KesLog::Error(const QString &text)
{
    WriteDebugOutput(ErrorWithTid(text.toStdString()));
}

void KesLog::ErrorToFile(const QString &text)
{
    const std::string line = ErrorWithTid(text.toStdString());
    WriteDebugOutput(line);
    AppendToFile(FileBase(), line);
}

void KesLog::SetFileBase(const std::string &basePath)
{
    LogState &state = State();
    std::lock_guard<std::mutex> lock(state.fileBaseMutex);
    state.fileBase = basePath;
}

std::string KesLog::FileBase()
{
    LogState &state = State();
    std::lock_guard<std::mutex> lock(state.fileBaseMutex);
    return state.fileBase;
}

void KesLog::WorkerLoop()
{
    // Tasks run under the queue lock, one at a time, in the order they were queued.
    LogState &state = State();
    std::unique_lock<std::mutex> lock(state.queueMutex);
    while (!state.stopped) {
        if (!state.tasks.empty()) {
            std::function<void()> task = std::move(state.tasks.front());
            state.tasks.pop_front();
            task();
        } else {
            state.wakeUp.wait(lock);
        }
    }
}
