// What the program costs while nobody measures: processor time (utime + stime of
// /proc/PID/stat, all threads, those that ended too) per second of wall time, in % of one core:
//   idle     the real program, window shown offscreen, no port open; then, with strace
//            attached (when there), its system calls per second;
//   open     a main window in this process with the simulated gauge's port open, not streaming
//            (opening needs a click, so the window is driven here as a user drives it);
//   stream   the same, the gauge streaming at 5 readings/s;
// the simulated gauge runs as its own process (gauge-sim), so its own time is not counted.
//   latency  how soon port discovery reports a user-named port (a link to a pseudo-terminal,
//            as `--port` names one) that appears and goes, and what one enumeration of the
//            system's ports costs.
//
// Usage: BenchIdle [--seconds S] [--parts idle,open,stream,latency] [--runs N] [--program PATH]
//                  [--gauge-sim PATH]
// Instructions executed in the measured time, a figure that does not vary with the machine's
// load: valgrind --tool=callgrind --collect-atstart=no build/bench/BenchIdle --parts stream

#include "BenchSupport.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "MonitorSerial.h"
#include "Pty.h"
#include "SerialDevFilter.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <csignal>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include <fcntl.h>
#include <unistd.h>

namespace {
using BenchSupport::Median;

// utime + stime of a process, in seconds.
double CpuSeconds(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The fields after the command name, which may hold spaces, from field 3 (state) on.
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void RunEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Percent of one core the process used over seconds, while wait(ms) lets the time pass.
template <typename Wait> double CorePercent(const QString &pid, int seconds, Wait wait)
{
    const double before = CpuSeconds(pid);
    QElapsedTimer clock;
    clock.start();
    wait(seconds * 1000);
    return 100.0 * (CpuSeconds(pid) - before) / (clock.elapsed() / 1000.0);
}

QString Percent(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral(" %");
}

bool WaitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    return true;
}

// System calls of every thread of a running process over seconds, counted by strace attached
// to it; -1 when strace is missing or cannot attach.
qint64 SystemCalls(const QString &pid, int seconds)
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    QTemporaryDir folder;
    const QString summary = folder.filePath(QStringLiteral("summary"));
    if (strace.isEmpty())
        return -1;
    QProcess tracer;
    tracer.setStandardOutputFile(QProcess::nullDevice());
    tracer.setStandardErrorFile(QProcess::nullDevice());
    tracer.start(strace, {QStringLiteral("-c"), QStringLiteral("-f"), QStringLiteral("-p"), pid,
                          QStringLiteral("-o"), summary});
    QThread::msleep(static_cast<unsigned long>(seconds) * 1000);
    // On an interrupt strace lets the process go and writes its table.
    ::kill(static_cast<pid_t>(tracer.processId()), SIGINT);
    tracer.waitForFinished(10000);
    QFile table(summary);
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields.last() == "total")
            return fields.value(3).toLongLong();
    }
    return -1;
}

struct ProgramIdle
{
    double percent = -1;
    double callsPerSecond = -1;
};

// The real program in a scratch folder of its own (it keeps config.ini beside itself): its
// processor time over seconds, then its system calls over as many seconds more.
ProgramIdle MeasureProgramIdle(const QString &program, int seconds)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("varnolithic"));
    QFile::copy(program, copy);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(copy, QStringList());
    ProgramIdle idle;
    const bool up = WaitFor([&] { return QFile::exists(folder.filePath("config.ini")); }, 20000);
    if (up) {
        // Past the first paint and the first report of the ports.
        QThread::msleep(2000);
        const QString pid = QString::number(process.processId());
        idle.percent = CorePercent(pid, seconds,
                                   [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
        const qint64 calls = SystemCalls(pid, seconds);
        idle.callsPerSecond = calls < 0 ? -1 : static_cast<double>(calls) / seconds;
    }
    process.kill();
    process.waitForFinished(5000);
    return idle;
}

// The simulated gauge as a process of its own, its port behind a link.
class GaugeProcess
{
public:
    GaugeProcess(const QString &program, const QString &link, int periodMs)
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(program, {QStringLiteral("--link"), link, QStringLiteral("--period"),
                                  QString::number(periodMs)});
        m_up = WaitFor([&] { return QFileInfo::exists(link); }, 5000);
    }
    ~GaugeProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }
    bool IsUp() const { return m_up; }

private:
    QProcess m_process;
    bool m_up = false;
};

struct WindowCost
{
    double process = -1;
    double guiThread = -1;
};

QString Percent(const WindowCost &cost)
{
    return Percent(cost.process) + QStringLiteral(" (GUI thread ") + Percent(cost.guiThread) +
           QLatin1Char(')');
}

// A main window as the program builds it, the gauge's port opened by clicking Open, streaming
// when asked to.
WindowCost MeasureWindow(const QString &gaugeProgram, int seconds, bool streaming)
{
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("gauge"));
    GaugeProcess gauge(gaugeProgram, link, 200);
    if (!gauge.IsUp())
        return {};
    MainWindow window;
    window.resize(1200, 800);
    window.show();
    RunEventLoop(300);
    window.On_UpdateSerial(QList<QString>{link}, QList<QString>());
    window.findChild<QPushButton *>(QStringLiteral("OpenSerialButton"))->click();
    RunEventLoop(500);
    if (streaming)
        window.findChild<QPushButton *>(QStringLiteral("RealStartButton"))->click();
    RunEventLoop(1000);
    WindowCost cost;
    const double guiBefore = BenchSupport::ThreadCpuMs();
    // Under callgrind with --collect-atstart=no, only the measured time is counted.
    CALLGRIND_TOGGLE_COLLECT;
    cost.process = CorePercent(QStringLiteral("self"), seconds, RunEventLoop);
    CALLGRIND_TOGGLE_COLLECT;
    cost.guiThread = (BenchSupport::ThreadCpuMs() - guiBefore) / (seconds * 10.0);
    window.findChild<QPushButton *>(QStringLiteral("OpenSerialButton"))->click();
    RunEventLoop(300);
    return cost;
}

struct Latency
{
    std::vector<double> appear, vanish;
};

// Time from a user-named link appearing (going) to the report of port discovery.
Latency MeasureLatency(int runs)
{
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("gauge"));
    Pty pty;
    SerialDevFilter::SetUserPorts({link});
    QElapsedTimer clock;
    qint64 addedNs = -1, removedNs = -1;
    const QMetaObject::Connection reports = QObject::connect(
        MonitorSerial::Instance(), &MonitorSerial::UpdateUserPorts, qApp,
        [&](const QList<QString> &adds, const QList<QString> &dels) {
            if (adds.contains(link))
                addedNs = clock.nsecsElapsed();
            if (dels.contains(link))
                removedNs = clock.nsecsElapsed();
        },
        Qt::QueuedConnection);
    Latency latency;
    for (int run = 0; run < runs; ++run) {
        // Out of step with the discovery's passes.
        RunEventLoop(100 + QRandomGenerator::global()->bounded(300));
        addedNs = -1;
        clock.start();
        QFile::link(pty.Path(), link);
        if (WaitFor([&] { return addedNs >= 0; }, 3000))
            latency.appear.push_back(addedNs / 1e6);
        RunEventLoop(100 + QRandomGenerator::global()->bounded(300));
        removedNs = -1;
        clock.start();
        QFile::remove(link);
        if (WaitFor([&] { return removedNs >= 0; }, 3000))
            latency.vanish.push_back(removedNs / 1e6);
    }
    QObject::disconnect(reports);
    SerialDevFilter::SetUserPorts({});
    return latency;
}

double EnumerationMs(int runs)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        MonitorSerial::SystemPorts();
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    return Median(samples);
}

QString Spread(const std::vector<double> &samples)
{
    if (samples.empty())
        return QStringLiteral("never reported");
    return QStringLiteral("median %1 ms, max %2 ms (%3 runs)")
        .arg(Median(samples), 0, 'f', 1)
        .arg(*std::max_element(samples.begin(), samples.end()), 0, 'f', 1)
        .arg(samples.size());
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QString binDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
    const QCommandLineOption secondsOption("seconds", "Sampled time per case.", "S", "10");
    const QCommandLineOption partsOption("parts", "What to measure.", "list",
                                         "idle,open,stream,latency");
    const QCommandLineOption runsOption("runs", "Appearances timed.", "N", "10");
    const QCommandLineOption programOption("program", "The program.", "PATH",
                                           binDir + QStringLiteral("varnolithic"));
    const QCommandLineOption gaugeOption("gauge-sim", "The simulated gauge.", "PATH",
                                         binDir + QStringLiteral("gauge-sim"));
    parser.addOptions({secondsOption, partsOption, runsOption, programOption, gaugeOption});
    parser.process(app);
    const QStringList parts = parser.value(partsOption).split(',');
    const int seconds = parser.value(secondsOption).toInt();

    // This process stands for the program: its diagnostics are written as the program writes
    // them, to an error output nobody looks at.
    const int nowhere = ::open("/dev/null", O_WRONLY);
    ::dup2(nowhere, STDERR_FILENO);
    StartupSteps::DecoupleErrorOutput();
    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    QTemporaryDir configDir;
    KesConfig::Instance()->SetConfigFile(configDir.filePath(QStringLiteral("config.ini")));
    MonitorSerial::Instance()->Start(200, true);

    QTextStream out(stdout);
    out << "Processor time per wall time, % of one core, " << seconds << " s per case\n";
    if (parts.contains("idle")) {
        const ProgramIdle idle = MeasureProgramIdle(parser.value(programOption), seconds);
        out << "  program, window shown, no port open:  " << Percent(idle.percent)
            << "   goal: at most 0.05 %\n"
            << "    system calls (strace -c -f, " << seconds
            << " s more): " << QString::number(idle.callsPerSecond, 'f', 1)
            << " /s   goal: at most 20 /s\n";
    }
    if (parts.contains("open"))
        out << "  window, port open, not streaming:     "
            << Percent(MeasureWindow(parser.value(gaugeOption), seconds, false))
            << "   goal: at most 0.1 %\n";
    if (parts.contains("stream"))
        out << "  window, streaming 5 readings/s:       "
            << Percent(MeasureWindow(parser.value(gaugeOption), seconds, true))
            << "   goal: at most 1 %\n";
    out.flush();
    if (parts.contains("latency")) {
        const int runs = parser.value(runsOption).toInt();
        const Latency latency = MeasureLatency(runs);
        out << "User-named port (link to a pseudo-terminal), link made -> reported: "
            << Spread(latency.appear) << "\n";
        out << "User-named port, link removed -> reported: " << Spread(latency.vanish)
            << "   goal: within 300 ms\n";
        out << "One enumeration of the system's ports: "
            << QString::number(EnumerationMs(runs), 'f', 2) << " ms (median)\n";
    }
    out << "Reproduce: scripts/bench BenchIdle --seconds 60\n";
    return 0;
}
