#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
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
// CPU time (user + system) of the calling thread, in milliseconds.
inline double ThreadCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
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
