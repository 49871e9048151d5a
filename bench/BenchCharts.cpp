// Cost of one live reading on the chart pages: SetData with the whole series, then the event
// loop until the chart has been replotted and painted, as a user would see it.
//
// Usage: BenchCharts [--runs N] [--sizes 100,1000,...]   (run offscreen: QT_QPA_PLATFORM=offscreen)

#include "BarChartWidget.h"
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
    return {setDataMs, timer.nsecsElapsed() / 1e6};
}

struct PageFigures
{
    double setDataMs;
    double totalMs;
};

template <typename Page>
PageFigures Measure(Page &page, const std::function<KesCustomChart *()> &currentChart,
                    const QVector<float> &values, int runs)
{
    std::vector<double> setData, total;
    for (int run = -2; run < runs; ++run) { // two warm-up runs
        const Timing timing = Update([&] { page.SetData(values); }, currentChart);
        if (run >= 0) {
            setData.push_back(timing.setDataMs);
            total.push_back(timing.totalMs);
        }
    }
    return {Median(setData), Median(total)};
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
    parser.addOptions({runsOption, sizesOption, pagesOption});
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
    out << "Chart pages: SetData with the whole series + replot and paint, median of " << runs
        << " runs, page " << pageSize.width() << "x" << pageSize.height() << ", platform "
        << QGuiApplication::platformName() << "\n\n";
    out << qSetFieldWidth(10) << "readings"
        << "line set"
        << "line all"
        << "bar set"
        << "bar all" << qSetFieldWidth(0) << "   (ms)\n";
    for (const QString &size : parser.value(sizesOption).split(',')) {
        const QVector<float> values = Readings(size.toInt());
        const QStringList pages = parser.value(pagesOption).split(',');
        PageFigures line{0, 0}, bar{0, 0};
        if (pages.contains("line"))
            line = Measure(
                linePage, [&] { return lineChart; }, values, runs);
        if (pages.contains("bar"))
            bar = Measure(
                barPage, [&] { return barPage.CurrentChart(); }, values, runs);
        out << qSetFieldWidth(10) << values.size() << QString::number(line.setDataMs, 'f', 2)
            << QString::number(line.totalMs, 'f', 2) << QString::number(bar.setDataMs, 'f', 2)
            << QString::number(bar.totalMs, 'f', 2) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    out << "\nGoal: under 16 ms per update at 10 000 readings, under 100 ms at 100 000.\n";
    out << "Reproduce: scripts/bench BenchCharts\n";
    return 0;
}
