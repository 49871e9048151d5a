// Cost of one live reading on the chart pages: the series grows by one reading and SetData gets
// the whole series, then the event loop runs until the chart has been replotted and painted, as
// a user would see it. Also the resident memory of the pages holding the series.
//
// Usage: BenchCharts [--runs N] [--sizes 100,1000,...] [--pages line,bar]
//        BenchCharts --memory-sizes 10000,100000,1000000
// (run offscreen: QT_QPA_PLATFORM=offscreen)

#include "BarChartWidget.h"
#include "BenchSupport.h"
#include "KesCustomChart.h"
#include "LineChartWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <random>

namespace {

// Watches one chart: whether it replotted, and painted after its last replot.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(KesCustomChart *chart) : m_chart(chart)
    {
        chart->installEventFilter(this);
        connect(chart, &QCustomPlot::beforeReplot, this, [this] {
            replotted = true;
            paintedSinceReplot = false;
        });
    }
    ~PaintWatcher() override { m_chart->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paintedSinceReplot = true;
        return QObject::eventFilter(watched, event);
    }
    bool Done() const { return replotted && paintedSinceReplot; }

private:
    KesCustomChart *m_chart;
    bool replotted = false;
    bool paintedSinceReplot = false;
};

// Readings of a coating job: 80 to 160 um with noise, as the simulated gauge sends them.
QVector<float> Readings(int count)
{
    std::mt19937 generator(count);
    std::normal_distribution<float> noise(120.0f, 15.0f);
    QVector<float> values(count);
    for (float &value : values)
        value = std::clamp(noise(generator), 60.0f, 180.0f);
    return values;
}

struct Timing
{
    double setDataMs;
    double totalMs;
    double cpuMs; // of this thread, which also paints: what the update costs on a busy machine
};

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// One update: SetData, then events until the chart painted once after its last replot.
Timing Update(const std::function<void()> &setData,
              const std::function<KesCustomChart *()> &currentChart)
{
    const double cpuStart = BenchSupport::ThreadCpuMs();
    QElapsedTimer timer;
    timer.start();
    setData();
    const double setDataMs = timer.nsecsElapsed() / 1e6;

    PaintWatcher watcher(currentChart());
    QElapsedTimer guard;
    guard.start();
    // Until the chart painted after its last replot and nothing else is pending.
    do {
        while (!watcher.Done() && guard.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
        // Deferred deletions of replaced charts belong to the cost of the update.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (!watcher.Done() && guard.elapsed() < 10000);
    return {setDataMs, timer.nsecsElapsed() / 1e6, BenchSupport::ThreadCpuMs() - cpuStart};
}

struct PageFigures
{
    double setDataMs;
    double totalMs;
    double cpuMs;
};

// The page first shows the whole series, then every run adds one reading to it.
template <typename Page>
PageFigures Measure(Page &page, const std::function<KesCustomChart *()> &currentChart,
                    QVector<float> values, int runs)
{
    page.SetData(QVector<float>());
    std::vector<double> setData, total, cpu;
    for (int run = -3; run < runs; ++run) { // the whole series and two warm-up runs
        if (run > -3)
            values.append(values.at(values.size() / 2));
        const Timing timing = Update([&] { page.SetData(values); }, currentChart);
        if (run >= 0) {
            setData.push_back(timing.setDataMs);
            total.push_back(timing.totalMs);
            cpu.push_back(timing.cpuMs);
        }
    }
    return {Median(setData), Median(total), Median(cpu)};
}

// Both pages shown, the series growing reading by reading as the window hands it over; the
// event loop runs (and the pages paint) every thousandth reading.
void MeasureMemory(QTextStream &out, LineChartWidget &linePage, BarChartWidget &barPage,
                   const QStringList &sizes)
{
    linePage.SetData(QVector<float>());
    barPage.SetData(QVector<float>());
    QCoreApplication::processEvents();
    const qint64 idle = BenchSupport::ResidentKb();
    out << "Resident memory of both pages showing the series (VmRSS of the process)\n";
    out << qSetFieldWidth(12) << "readings"
        << "VmRSS MB"
        << "growth MB"
        << "fill s" << qSetFieldWidth(0) << "\n";
    QVector<float> series;
    QElapsedTimer fill;
    fill.start();
    for (const QString &size : sizes) {
        const QVector<float> values = Readings(size.toInt());
        while (series.size() < values.size()) {
            series.append(values.at(series.size()));
            linePage.SetData(series);
            barPage.SetData(series);
            if (series.size() % 1000 == 0)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        const qint64 now = BenchSupport::ResidentKb();
        out << qSetFieldWidth(12) << series.size() << QString::number(now / 1024.0, 'f', 1)
            << QString::number((now - idle) / 1024.0, 'f', 1)
            << QString::number(fill.elapsed() / 1e3, 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption runsOption("runs", "Measured runs per figure (median).", "N", "11");
    QCommandLineOption sizesOption("sizes", "Series lengths.", "list", "100,1000,10000,100000");
    QCommandLineOption pagesOption("pages", "Pages to measure.", "list", "line,bar");
    QCommandLineOption memoryOption("memory-sizes",
                                    "Measure memory instead, at these series lengths.", "list");
    parser.addOptions({runsOption, sizesOption, pagesOption, memoryOption});
    parser.process(app);
    const int runs = parser.value(runsOption).toInt();

    // About the size the chart pages get in the 1200x800 main window.
    const QSize pageSize(1050, 650);
    LineChartWidget linePage;
    linePage.resize(pageSize);
    linePage.SetUnit("um");
    linePage.SetShowState(true);
    linePage.show();
    BarChartWidget barPage;
    barPage.resize(pageSize);
    barPage.SetUnit("um");
    barPage.SetShowState(true);
    barPage.show();
    QCoreApplication::processEvents();

    auto *lineChart = linePage.findChild<KesCustomChart *>("LineChart");
    QTextStream out(stdout);
    if (parser.isSet(memoryOption)) {
        MeasureMemory(out, linePage, barPage, parser.value(memoryOption).split(','));
        return 0;
    }
    out << "Chart pages: one reading more, SetData with the whole series + replot and paint, "
           "median of "
        << runs << " runs, page " << pageSize.width() << "x" << pageSize.height() << ", platform "
        << QGuiApplication::platformName() << "\n\n";
    out << qSetFieldWidth(10) << "readings"
        << "line set"
        << "line all"
        << "line cpu"
        << "bar set"
        << "bar all"
        << "bar cpu" << qSetFieldWidth(0) << "   (ms)\n";
    for (const QString &size : parser.value(sizesOption).split(',')) {
        const QVector<float> values = Readings(size.toInt());
        const QStringList pages = parser.value(pagesOption).split(',');
        PageFigures line{0, 0, 0}, bar{0, 0, 0};
        if (pages.contains("line"))
            line = Measure(
                linePage, [&] { return lineChart; }, values, runs);
        if (pages.contains("bar"))
            bar = Measure(
                barPage, [&] { return barPage.CurrentChart(); }, values, runs);
        out << qSetFieldWidth(10) << values.size() << QString::number(line.setDataMs, 'f', 2)
            << QString::number(line.totalMs, 'f', 2) << QString::number(line.cpuMs, 'f', 2)
            << QString::number(bar.setDataMs, 'f', 2) << QString::number(bar.totalMs, 'f', 2)
            << QString::number(bar.cpuMs, 'f', 2) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\nGoal: the cost at 100 000 readings at most 1.5 times the cost at 1 000.\n";
    out << "Reproduce: scripts/bench BenchCharts\n";
    return 0;
}
