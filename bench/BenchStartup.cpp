// Start-up of the real program: from starting the process to the first paint of the main window,
// and its resident memory once idle. Each run starts a fresh copy of the executable in a folder
// of its own (the executable's path is part of the single-instance guard, so runs never meet),
// with the config.ini the first start wrote, offscreen.
//
// Usage: BenchStartup [--runs N] [--program PATH] [--store PATH]
// (default: varnolithic in build/bin; with --store, every copy finds that records file beside
// its config.ini, linked, as a program run from a writable folder keeps it)

#include "BenchSupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <unistd.h>

namespace {
using BenchSupport::Median;

const QByteArray kPaintedMark = "varnolithic: main window painted";

struct Start
{
    bool painted = false;
    double ms = 0;
    double cpuMs = 0;
    qint64 idleRssKb = 0;
};

qint64 ResidentKbOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Processor time (user + system, every thread) of a process so far, in milliseconds; counted in
// clock ticks (10 ms).
double CpuMsOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may hold spaces: state is field 3, utime 14.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Starts the copy in folder, waits for the first paint, lets it idle a second, stops it.
Start StartOnce(const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VARNOLITHIC_STARTUP_MARK"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(QProcess::nullDevice());
    Start figures;
    QElapsedTimer clock;
    clock.start();
    process.start(folder + QStringLiteral("/varnolithic"), QStringList());
    process.setReadChannel(QProcess::StandardError);
    QByteArray errors;
    while (!errors.contains(kPaintedMark) && clock.elapsed() < 20000 &&
           process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        errors += process.readAllStandardError();
    }
    figures.ms = clock.nsecsElapsed() / 1e6;
    figures.cpuMs = CpuMsOf(process.processId());
    figures.painted = errors.contains(kPaintedMark);
    QThread::msleep(1000);
    figures.idleRssKb = ResidentKbOf(process.processId());
    process.kill();
    process.waitForFinished(5000);
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption("runs", "Measured starts (median).", "N", "11");
    const QCommandLineOption programOption("program", "The program to start.", "PATH",
                                           QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../bin/varnolithic"));
    const QCommandLineOption storeOption("store", "A records file to start with.", "PATH");
    parser.addOptions({runsOption, programOption, storeOption});
    parser.process(app);
    QTextStream out(stdout);
    const QString program = parser.value(programOption);
    if (!QFile::exists(program)) {
        out << "no program at " << program << "\n";
        return 1;
    }

    // The first start writes config.ini; later starts read it, as every start but the first does.
    QTemporaryDir first;
    QFile::copy(program, first.filePath(QStringLiteral("varnolithic")));
    const Start firstStart = StartOnce(first.path());
    const QString config = first.filePath(QStringLiteral("config.ini"));

    std::vector<double> times, cpuTimes, rss;
    int missed = 0;
    for (int run = 0; run < parser.value(runsOption).toInt(); ++run) {
        QTemporaryDir folder;
        QFile::copy(program, folder.filePath(QStringLiteral("varnolithic")));
        QFile::copy(config, folder.filePath(QStringLiteral("config.ini")));
        if (parser.isSet(storeOption))
            QFile::link(QFileInfo(parser.value(storeOption)).absoluteFilePath(),
                        folder.filePath(QStringLiteral("records.sqlite")));
        const Start figures = StartOnce(folder.path());
        if (!figures.painted) {
            ++missed;
            continue;
        }
        times.push_back(figures.ms);
        cpuTimes.push_back(figures.cpuMs);
        rss.push_back(figures.idleRssKb / 1024.0);
    }

    out << "Start-up of the real program, offscreen, median of " << times.size() << " starts"
        << (missed ? QStringLiteral(" (%1 never painted)").arg(missed) : QString()) << "\n\n";
    out << qSetFieldWidth(28) << "" << qSetFieldWidth(12) << "median"
        << "min"
        << "max" << qSetFieldWidth(0) << "   goal\n";
    const auto row = [&out](const char *name, const std::vector<double> &values, const char *goal) {
        out << qSetFieldWidth(28) << name << qSetFieldWidth(12)
            << QString::number(Median(values), 'f', 1)
            << QString::number(values.empty() ? 0 : *std::min_element(values.begin(), values.end()),
                               'f', 1)
            << QString::number(values.empty() ? 0 : *std::max_element(values.begin(), values.end()),
                               'f', 1)
            << qSetFieldWidth(0) << "   " << goal << "\n";
    };
    row("start to first paint, ms", times, "under 150 ms");
    row("  its processor time, ms", cpuTimes, "(the program's threads, 10 ms ticks)");
    row("resident memory idle, MB", rss, "(growth per readings: BenchLive)");
    out << "\nFirst start (writes config.ini): " << QString::number(firstStart.ms, 'f', 1)
        << " ms\n";
    out << "Reproduce: scripts/bench BenchStartup\n";
    return 0;
}
