#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <vector>

#ifdef Q_OS_UNIX
#include <time.h>
#endif

// Small helpers shared by the benchmarks.
namespace BenchSupport {

inline double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

#ifdef Q_OS_UNIX
// CPU time (user + system) of the calling thread, in milliseconds, to the nanosecond (the
// kernel's per-thread clock, not the tick-counted resource usage).
inline double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
#endif

// Resident memory of this process (VmRSS), in kilobytes; 0 where /proc is missing.
inline qint64 ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace BenchSupport
