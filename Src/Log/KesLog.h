#pragma once

#include <QString>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Process-wide asynchronous logger. A record is formatted on the caller's thread and handed
// to one worker thread, which prints it on the Qt debug output or appends it to a file.
class KesLog
{
public:
    enum class LogLevel
    {
        Debug,
        Info,
        Error
    };

    static KesLog *Instance();
    // Waits, at most timeoutMs, until every line queued so far has been written.
    static void Drain(int timeoutMs);
    static constexpr int DrainLimitMs = 1000;

    // "yyyy-mm-dd hh:mm:ss | LEVEL [| tid: N] | field | field ..."
    static std::string FormatRecord(LogLevel level, bool withThreadId,
                                    const std::vector<std::string> &fields);

    // Both throw std::runtime_error("enqueue on stopped KesLog") before Instance() was called.
    static void WriteDebugOutput(std::string line);
    static void AppendToFile(std::string basePath, std::string line);

    template <typename... Fields> static std::string Info(Fields &&...fields)
    {
        return FormatRecord(LogLevel::Info, false, {std::string(std::forward<Fields>(fields))...});
    }
    template <typename... Fields> static std::string DebugWithTid(Fields &&...fields)
    {
        return FormatRecord(LogLevel::Debug, true, {std::string(std::forward<Fields>(fields))...});
    }
    template <typename... Fields> static std::string InfoWithTid(Fields &&...fields)
    {
        return FormatRecord(LogLevel::Info, true, {std::string(std::forward<Fields>(fields))...});
    }
    template <typename... Fields> static std::string ErrorWithTid(Fields &&...fields)
    {
        return FormatRecord(LogLevel::Error, true, {std::string(std::forward<Fields>(fields))...});
    }

    // The program's usual records: one field, with the thread id, to the debug output.
    static void Debug(const QString &text);
    static void Error(const QString &text);
    // An ERROR record a user may need later: to the debug output and to the log file.
    static void ErrorToFile(const QString &text);

    // The log file without its ".log": "./log" (the working directory) unless start-up chose
    // another place. Set it before any thread logs to a file.
    static void SetFileBase(const std::string &basePath);
    static std::string FileBase();

    static long long CurrentThreadId();

private:
    KesLog() = default;
    static void Enqueue(std::function<void()> task);
    static void WorkerLoop();
};
