// The sessions page with large session files: a file of N readings written as the journal
// writes it, then listing the sessions folder (first and second time), reading the file alone,
// and opening it on the page, from choosing its row to the reading table and the chart painted.
//
//   BenchSessions [--readings N] [--files F] [--runs R]   (defaults 1000000, 1 and 3)

#include "BenchSupport.h"
#include "GaugeSession.h"
#include "GaugeSim.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "SessionCsv.h"
#include "SessionFile.h"
#include "SessionJournal.h"
#include "SessionSummary.h"
#include "SessionsWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <qcustomplot.h>

#include <cstdio>
#include <functional>

namespace {

// Writes a session of `readings` readings, one a second, values as the simulated gauge sends.
bool WriteSession(const QString &path, int readings)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(SessionCsv::Header()) < 0)
        return false;
    // A fixed offset, as the file holds it: no time zone look-up per line.
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1).toOffsetFromUtc(3600);
    QByteArray lines;
    for (int i = 0; i < readings; ++i) {
        const LiveReading reading =
            *LiveReading::Decode(GaugeSim::LiveFrame(0, GaugeSim::DefaultValue(i)));
        lines += SessionCsv::Line(LiveRecord::FromReading(reading, i + 1, start.addSecs(i)));
        if (lines.size() > (1 << 20) || i == readings - 1) {
            if (file.write(lines) != lines.size())
                return false;
            lines.clear();
        }
    }
    return true;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int Count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

struct Cost
{
    double wallMs;
    double cpuMs;
};

Cost Measure(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = BenchSupport::ThreadCpuMs();
    work();
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6,
            BenchSupport::ThreadCpuMs() - cpuBefore};
}

void PumpUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption readingsOption("readings", "readings per file", "N", "1000000");
    const QCommandLineOption filesOption("files", "session files in the folder", "F", "1");
    const QCommandLineOption runsOption("runs", "opens of the file", "R", "3");
    parser.addOptions({readingsOption, filesOption, runsOption});
    parser.process(app);
    const int readings = parser.value(readingsOption).toInt();
    const int files = parser.value(filesOption).toInt();
    const int runs = parser.value(runsOption).toInt();

    KesLog::Instance();
    QTemporaryDir dir;
    KesConfig::Instance()->SetConfigFile(dir.filePath(QStringLiteral("config.ini")));
    KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), dir.path());
    const QDir folder(SessionJournal::SessionsFolder(dir.path()));
    QDir().mkpath(folder.path());
    const QString first = folder.filePath(QStringLiteral("Session_20261201_080000.csv"));
    if (!WriteSession(first, readings)) {
        std::printf("the session file could not be written\n");
        return 1;
    }
    for (int i = 1; i < files; ++i)
        QFile::copy(
            first,
            folder.filePath(
                QStringLiteral("Session_20261201_08%1.csv").arg(i, 4, 10, QLatin1Char('0'))));
    std::printf("%d file(s) of %d readings, %.1f MB each\n", files, readings,
                static_cast<double>(QFileInfo(first).size()) / 1e6);

    std::vector<double> readWall, readCpu, summaryWall, summaryCpu;
    for (int run = 0; run < runs; ++run) {
        const Cost read = Measure([&] { SessionFile::Read(first); });
        readWall.push_back(read.wallMs);
        readCpu.push_back(read.cpuMs);
        const Cost summary = Measure([&] { SessionSummary::Read(first); });
        summaryWall.push_back(summary.wallMs);
        summaryCpu.push_back(summary.cpuMs);
    }
    std::printf("SessionFile::Read: %.0f ms (cpu %.0f); SessionSummary::Read: %.0f ms (cpu %.0f); "
                "medians of %d\n",
                BenchSupport::Median(readWall), BenchSupport::Median(readCpu),
                BenchSupport::Median(summaryWall), BenchSupport::Median(summaryCpu), runs);

    KesSerialPort channel;
    GaugeSession session(&channel);
    SessionsWidget page(&session);
    page.resize(1200, 740);
    const qint64 idleKb = BenchSupport::ResidentKb();
    const Cost listed = Measure([&] {
        page.show();
        QCoreApplication::processEvents();
    });
    const Cost listedAgain = Measure([&] { page.Refresh(); });
    std::printf("listing %d file(s): first %.0f ms (cpu %.0f), again %.0f ms (cpu %.0f)\n", files,
                listed.wallMs, listed.cpuMs, listedAgain.wallMs, listedAgain.cpuMs);

    auto *sessions = page.findChild<QTableWidget *>(QStringLiteral("SessionTable"));
    auto *readingTable = page.findChild<QTableView *>(QStringLiteral("ReadingTable"));
    auto *chart = page.findChild<QCustomPlot *>();
    PaintCounter tablePaints(readingTable->viewport());
    PaintCounter chartPaints(chart);
    std::vector<double> openWall, openCpu;
    for (int run = 0; run < runs; ++run) {
        sessions->clearSelection();
        QCoreApplication::processEvents();
        const int tableBefore = tablePaints.Count(), chartBefore = chartPaints.Count();
        const Cost opened = Measure([&] {
            sessions->selectRow(files - 1);
            PumpUntil([&] {
                return tablePaints.Count() > tableBefore && chartPaints.Count() > chartBefore &&
                       readingTable->model()->rowCount() == readings;
            });
        });
        openWall.push_back(opened.wallMs);
        openCpu.push_back(opened.cpuMs);
    }
    std::printf("open on the page (row chosen -> table and chart painted): %.0f ms (cpu %.0f), "
                "median of %d (goal under 2000 ms)\n",
                BenchSupport::Median(openWall), BenchSupport::Median(openCpu), runs);
    std::printf("VmRSS growth with the session shown: %.1f MB\n",
                static_cast<double>(BenchSupport::ResidentKb() - idleKb) / 1024);
    return 0;
}
