// Live readings through the real main window, the simulated gauge on a pseudo-terminal and the
// real serial port, offscreen:
//   latency  from the gauge writing a frame to RealDataLabel painting its reading, with 0, 1 000
//            and 10 000 readings already in the series, against the floor measured in the same
//            run (the channel alone delivering a frame: its 40 ms collection window);
//   cost     one reading on the GUI thread (decoder, list, both charts, replot and paint of the
//            visible chart) at series lengths 100 to 100 000;
//   stream   the gauge streaming at fixed rates: readings shown against frames sent;
//   memory   resident memory idle and after 10 000 and 100 000 readings;
//   burst    a block of 10 000 frames written at once (a gauge emptying its memory): all shown
//            and journaled, the longest stall of the event loop, the memory it took.
//
// Usage: BenchLive [--parts latency,cost,stream,memory,burst] [--runs N] [--seconds S]
//                  [--rates 5,20,50] [--burst-sizes 10000]

#include "BenchSupport.h"
#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesCustomChart.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "MainWindow.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
using BenchSupport::Median;

void DropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// Processes events until done() or timeoutMs; false on time-out.
bool PumpUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void Pump(int ms)
{
    QElapsedTimer clock;
    clock.start();
    PumpUntil([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

QByteArray Frame(float micrometres)
{
    return GaugeSim::LiveFrame(0, micrometres);
}

// Records when a widget is painted while a condition holds.
class PaintClock : public QObject
{
public:
    PaintClock(QWidget *widget, const QElapsedTimer &clock) : m_widget(widget), m_clock(clock)
    {
        widget->installEventFilter(this);
    }
    ~PaintClock() override { m_widget->removeEventFilter(this); }
    void Arm(const std::function<bool()> &condition)
    {
        m_condition = condition;
        paintedAtNs = -1;
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedAtNs < 0 && m_condition && m_condition())
            paintedAtNs = m_clock.nsecsElapsed();
        return false;
    }
    qint64 paintedAtNs = -1;

private:
    QWidget *m_widget;
    const QElapsedTimer &m_clock;
    std::function<bool()> m_condition;
};

// A main window with its own simulated gauge, opened and streaming as a user starts it.
class LiveSession
{
public:
    LiveSession()
    {
        m_gauge->SetPeriodMs(24 * 3600 * 1000);
        m_gauge->SetOverflowEvery(0);
        m_window.resize(1200, 800);
        m_window.show();
        Pump(200);
        m_window.On_UpdateSerial(QList<QString>{m_gauge->PortName()}, QList<QString>());
        Button("OpenSerialButton")->click();
        PumpUntil([this] { return m_gauge->Received() == QByteArray("\xF0\xF0"); }, 5000);
        Button("RealStartButton")->click();
        m_ok = PumpUntil([this] { return m_gauge->Received().endsWith("\xF1\xF1"); }, 5000);
    }
    bool IsStreaming() const { return m_ok; }
    GaugeSim *Gauge() { return m_gauge.Sim(); }
    MainWindow &Window() { return m_window; }
    QLabel *ReadingLabel() { return m_window.findChild<QLabel *>(QStringLiteral("RealDataLabel")); }
    int ShownValues() const
    {
        // The live line chart; the sessions page has a line chart of its own.
        auto *chart = m_window.findChild<QWidget *>(QStringLiteral("RealTimeLineChartFuncWidget"))
                          ->findChild<KesCustomChart *>(QStringLiteral("LineChart"));
        return chart && chart->graphCount() > 0 ? chart->graph(0)->dataCount() : 0;
    }
    // Adds readings straight through the decoder slot until the series holds count of them,
    // running the event loop every eventsEvery readings.
    void FillTo(int count, int eventsEvery = 10)
    {
        while (m_filled < count) {
            m_window.On_DecodeDataRealTime(Frame(GaugeSim::DefaultValue(m_filled)));
            // As in the program, where readings come from the event loop: replaced bar charts
            // are deleted and queued replots run.
            if (++m_filled % eventsEvery == 0) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        Pump(300);
    }
    void Fed(int readings) { m_filled += readings; }
    // The chart on the view shown: 1 line chart, 2 bar chart.
    KesCustomChart *ShowView(int view)
    {
        m_window.on_RealTimeButtonGroup(view);
        Pump(200);
        for (KesCustomChart *chart : m_window.findChildren<KesCustomChart *>()) {
            if (chart->isVisible())
                return chart;
        }
        return nullptr;
    }

private:
    QPushButton *Button(const char *name)
    {
        return m_window.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    GaugeSimThread m_gauge;
    MainWindow m_window;
    int m_filled = 0;
    bool m_ok = false;
};

QString Ms(double ms)
{
    return QString::number(ms, 'f', 1);
}

// The channel alone: gauge write to the block reaching the GUI thread.
double FloorMs(int runs)
{
    GaugeSimThread gauge;
    KesSerialPort channel;
    channel.SetPortName(gauge->PortName());
    channel.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity);
    channel.ConnectReadyRead();
    QElapsedTimer clock;
    qint64 arrivedNs = -1;
    QObject::connect(&channel, &KesSerialPort::ReadSerialPort, &channel,
                     [&](const QByteArray &) { arrivedNs = clock.nsecsElapsed(); });
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        Pump(60);
        arrivedNs = -1;
        clock.start();
        gauge->WriteBytes(Frame(100.0f + run));
        if (PumpUntil([&] { return arrivedNs >= 0; }, 2000))
            samples.push_back(arrivedNs / 1e6);
    }
    return Median(samples);
}

void MeasureLatency(QTextStream &out, int runs, const QList<int> &sizes)
{
    const double floor = FloorMs(runs);
    out << "Latency: gauge writes a frame -> RealDataLabel painted with it, median of " << runs
        << " frames\n";
    out << "Floor (the channel alone, same run): " << Ms(floor)
        << " ms: the 40 ms collection window; a pseudo-terminal adds no line time (a 9600-baud "
           "line adds about 7 ms per frame)\n";
    out << qSetFieldWidth(12) << "readings"
        << "median ms"
        << "min ms"
        << "max ms"
        << "over floor" << qSetFieldWidth(0) << "   goal: within 5 ms of the floor at 1 000\n";
    for (const int size : sizes) {
        LiveSession session;
        session.FillTo(size);
        QLabel *label = session.ReadingLabel();
        QElapsedTimer clock;
        PaintClock painted(label, clock);
        std::vector<double> samples;
        for (int run = 0; run < runs; ++run) {
            const QByteArray frame = Frame(run % 2 ? 111.0f : 112.0f);
            const QString expected = LiveReading::Decode(frame)->ReadingText();
            painted.Arm([&] { return label->text() == expected; });
            Pump(150);
            clock.start();
            session.Gauge()->WriteBytes(frame);
            if (PumpUntil([&] { return painted.paintedAtNs >= 0; }, 3000))
                samples.push_back(painted.paintedAtNs / 1e6);
            session.Fed(1);
        }
        const double median = Median(samples);
        out << qSetFieldWidth(12) << size << Ms(median)
            << Ms(*std::min_element(samples.begin(), samples.end()))
            << Ms(*std::max_element(samples.begin(), samples.end())) << Ms(median - floor)
            << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\n";
}

// Notes the first paint of a visible chart after it was armed.
class ChartPaintWatch : public QObject
{
public:
    ChartPaintWatch() { qApp->installEventFilter(this); }
    ~ChartPaintWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *chart = qobject_cast<KesCustomChart *>(watched);
            if (chart && chart->isVisible())
                painted = true;
        }
        return false;
    }
    bool painted = false;
};

void MeasureCost(QTextStream &out, int runs, const QList<int> &sizes)
{
    out << "Cost of one reading on the GUI thread: On_DecodeDataRealTime, then events until the "
           "visible chart has replotted and painted, median of "
        << runs << "\n";
    out << "(wall time, and CPU time of the GUI thread, which also paints)\n";
    out << qSetFieldWidth(12) << "readings"
        << "line view"
        << "line cpu"
        << "bar view"
        << "bar cpu" << qSetFieldWidth(0)
        << "   (ms)   goal: at 100 000 at most 1.5 x the cost at 1 000; under 8 ms at 1 000 000\n";
    for (const int size : sizes) {
        LiveSession session;
        // Only the state at that length matters here: a paint every 1 000 readings fills faster.
        session.FillTo(size, 1000);
        double figures[2] = {0, 0};
        double cpuFigures[2] = {0, 0};
        for (const int view : {1, 2}) {
            session.ShowView(view);
            std::vector<double> samples, cpuSamples;
            for (int run = -2; run < runs; ++run) { // two warm-up runs
                Pump(100);
                ChartPaintWatch watch;
                const double cpuStart = BenchSupport::ThreadCpuMs();
                QElapsedTimer clock;
                clock.start();
                session.Window().On_DecodeDataRealTime(Frame(120.0f + run % 7));
                session.Fed(1);
                // The chart replots queued, then paints; the replaced bar chart is deleted later.
                while (!watch.painted && clock.elapsed() < 10000) {
                    QCoreApplication::processEvents();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                }
                if (run >= 0) {
                    samples.push_back(clock.nsecsElapsed() / 1e6);
                    cpuSamples.push_back(BenchSupport::ThreadCpuMs() - cpuStart);
                }
            }
            figures[view - 1] = Median(samples);
            cpuFigures[view - 1] = Median(cpuSamples);
        }
        out << qSetFieldWidth(12) << size << Ms(figures[0]) << Ms(cpuFigures[0]) << Ms(figures[1])
            << Ms(cpuFigures[1]) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\n";
}

void MeasureStream(QTextStream &out, int seconds, const QList<int> &rates)
{
    out << "Sustained streaming for " << seconds
        << " s per rate: readings shown (line chart series) against frames the gauge sent\n";
    out << qSetFieldWidth(12) << "frames/s"
        << "sent"
        << "shown"
        << "lost" << qSetFieldWidth(0) << "   goal: zero lost at 20/s\n";
    int highestClean = 0;
    for (const int rate : rates) {
        LiveSession session;
        session.Gauge()->SetPeriodMs(1000 / rate);
        Pump(seconds * 1000);
        // The stop command, as the Stop button sends it, then the last collection window.
        session.Window().findChild<KesSerialPort *>()->WriteSerialPortSlot("\xF0");
        Pump(500);
        const int sent = session.Gauge()->LiveFramesSent();
        const int shown = session.ShownValues();
        if (sent == shown && rate > highestClean)
            highestClean = rate;
        out << qSetFieldWidth(12) << rate << sent << shown << sent - shown << qSetFieldWidth(0)
            << "\n";
        out.flush();
    }
    out << "Highest rate without loss: " << highestClean << " frames/s\n\n";
}

void MeasureMemory(QTextStream &out, const QList<int> &sizes)
{
    out << "Resident memory (VmRSS of the whole process, window open and streaming)\n";
    out << qSetFieldWidth(12) << "readings"
        << "VmRSS MB"
        << "growth MB"
        << "fill s" << qSetFieldWidth(0)
        << "   goal: after the first 10 000, at most 2 MB per 10 000 readings\n";
    LiveSession session;
    Pump(500);
    const qint64 idle = BenchSupport::ResidentKb();
    QElapsedTimer fill;
    fill.start();
    for (const int size : QList<int>{0} + sizes) {
        session.FillTo(size);
        const qint64 now = BenchSupport::ResidentKb();
        out << qSetFieldWidth(12) << size << QString::number(now / 1024.0, 'f', 1)
            << QString::number((now - idle) / 1024.0, 'f', 1)
            << QString::number(fill.elapsed() / 1e3, 'f', 0) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\n";
}

// The longest time between two timeouts of a 1 ms timer: how long the event loop was held up.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            longestNs = std::max(longestNs, now - m_lastNs);
            m_lastNs = now;
        });
        m_clock.start();
        m_timer.start(1);
    }
    qint64 longestNs = 0;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
};

int LineCount(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : -1;
}

void MeasureBurst(QTextStream &out, const QList<int> &sizes)
{
    out << "Burst: frames written by the gauge in one block, window open and streaming\n";
    out << qSetFieldWidth(12) << "frames"
        << "shown"
        << "journaled"
        << "all in ms"
        << "GUI cpu ms"
        << "stall ms"
        << "VmRSS MB"
        << "growth MB" << qSetFieldWidth(0)
        << "   goal: all shown and journaled, no stall over 250 ms, under 150 MB\n";
    for (const int size : sizes) {
        LiveSession session;
        Pump(500);
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes += Frame(GaugeSim::DefaultValue(i));
        const qint64 idleKb = BenchSupport::ResidentKb();
        qint64 peakKb = idleKb;
        StallProbe probe;
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = BenchSupport::ThreadCpuMs();
        session.Gauge()->WriteBytes(bytes);
        PumpUntil(
            [&] {
                peakKb = std::max(peakKb, BenchSupport::ResidentKb());
                return session.ShownValues() >= size;
            },
            300000);
        const double allMs = clock.nsecsElapsed() / 1e6;
        const double cpuMs = BenchSupport::ThreadCpuMs() - cpuStart;
        Pump(300);
        const QString journal = session.Window().findChild<GaugeSession *>()->JournalPath();
        out << qSetFieldWidth(12) << size << session.ShownValues() << LineCount(journal) - 1
            << Ms(allMs) << Ms(cpuMs) << Ms(probe.longestNs / 1e6)
            << QString::number(peakKb / 1024.0, 'f', 1)
            << QString::number((peakKb - idleKb) / 1024.0, 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\n";
}

QList<int> Numbers(const QString &list)
{
    QList<int> numbers;
    for (const QString &item : list.split(',', Qt::SkipEmptyParts))
        numbers.append(item.toInt());
    return numbers;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption partsOption("parts", "What to measure.", "list",
                                         "latency,cost,stream,memory,burst");
    const QCommandLineOption runsOption("runs", "Samples per figure (median).", "N", "21");
    const QCommandLineOption secondsOption("seconds", "Streaming time per rate.", "S", "60");
    const QCommandLineOption ratesOption("rates", "Streaming rates, frames/s.", "list", "5,20,50");
    // 100 000 is left out by default: filling a series that long through the decoder takes
    // about a minute; ask for it by name.
    const QCommandLineOption sizesOption("sizes", "Series lengths for the cost (also 100000).",
                                         "list", "100,1000,10000");
    const QCommandLineOption memoryOption(
        "memory-sizes", "Series lengths for the memory (also 100000).", "list", "3000,10000");
    const QCommandLineOption burstOption("burst-sizes", "Frames in one block.", "list", "10000");
    parser.addOptions({partsOption, runsOption, secondsOption, ratesOption, sizesOption,
                       memoryOption, burstOption});
    parser.process(app);
    const QStringList parts = parser.value(partsOption).split(',');
    const int runs = parser.value(runsOption).toInt();

    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    QTemporaryDir configDir;
    KesConfig::Instance()->SetConfigFile(configDir.filePath(QStringLiteral("config.ini")));
    // Sessions are journaled into the scratch folder.
    KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), configDir.path());
    // The window prints every reading to the debug output; formatted, not shown.
    qInstallMessageHandler(DropMessages);

    QTextStream out(stdout);
    out << "Main window 1200x800, platform " << QGuiApplication::platformName() << "\n\n";
    if (parts.contains("latency"))
        MeasureLatency(out, runs, {0, 1000, 10000});
    if (parts.contains("cost"))
        MeasureCost(out, std::max(1, runs / 2), Numbers(parser.value(sizesOption)));
    if (parts.contains("stream"))
        MeasureStream(out, parser.value(secondsOption).toInt(), Numbers(parser.value(ratesOption)));
    if (parts.contains("memory"))
        MeasureMemory(out, Numbers(parser.value(memoryOption)));
    if (parts.contains("burst"))
        MeasureBurst(out, Numbers(parser.value(burstOption)));
    out << "Reproduce: scripts/bench BenchLive [--parts " << parser.value(partsOption)
        << "] [--seconds 600 --rates 20 for the 10-minute run]\n";
    return 0;
}
