#include "ChartImages.h"
#include "KesGraph.h"

#include <QtTest>

#include <numeric>
#include <random>

namespace {

// A plot without axes, ticks or grid, so that only the graph is dark.
void PrepareBarePlot(QCustomPlot &plot, int count)
{
    for (QCPAxis *axis : plot.axisRect()->axes())
        axis->setVisible(false);
    plot.axisRect()->setAutoMargins(QCP::msNone);
    plot.axisRect()->setMargins(QMargins(0, 0, 0, 0));
    plot.xAxis->setRange(count / 2, count + 1, Qt::AlignLeft);
    plot.yAxis->setRange(40, 200);
}

void StyleAsLineChart(QCPGraph *graph, const QVector<double> &values)
{
    graph->setPen(QPen(QColor("#3C4046"), 3));
    graph->setLineStyle(QCPGraph::lsLine);
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, 5));
    QVector<double> keys(values.size());
    std::iota(keys.begin(), keys.end(), 1.0);
    graph->setData(keys, values, true);
}

QVector<double> NoisyReadings(int count)
{
    std::mt19937 generator(7);
    std::normal_distribution<double> noise(120, 15);
    QVector<double> values(count);
    for (double &value : values)
        value = noise(generator);
    return values;
}

} // namespace

class TstKesGraph : public QObject
{
    Q_OBJECT
private slots:
    void looksLikeTheLibraryGraph_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("sparse") << 60;
        QTest::newRow("about one per column") << 1200;
        QTest::newRow("dense") << 20000;
    }
    void looksLikeTheLibraryGraph()
    {
        QFETCH(int, count);
        const QVector<double> values = NoisyReadings(count);
        QCustomPlot library;
        PrepareBarePlot(library, count);
        StyleAsLineChart(library.addGraph(), values);
        QCustomPlot ours;
        PrepareBarePlot(ours, count);
        StyleAsLineChart(new KesGraph(ours.xAxis, ours.yAxis), values);

        const QImage expected = library.toPixmap(600, 400).toImage();
        const QImage actual = ours.toPixmap(600, 400).toImage();
        // Where the library samples dense data it leaves out some markers; the band keeps
        // them all, so it may reach a little further, but never shows less.
        QVERIFY(LargestUncoveredExtent(expected, actual) <= 2);
        const double areaRatio = double(DarkPixelCount(actual)) / DarkPixelCount(expected);
        QVERIFY2(areaRatio < 1.1, qPrintable(QString::number(areaRatio)));
    }

    void selectedGraphIsDrawnByTheLibrary()
    {
        const QVector<double> values = NoisyReadings(20000);
        QCustomPlot library, ours;
        PrepareBarePlot(library, 20000);
        PrepareBarePlot(ours, 20000);
        QCPGraph *expected = library.addGraph();
        auto *actual = new KesGraph(ours.xAxis, ours.yAxis);
        for (QCPGraph *graph : {expected, static_cast<QCPGraph *>(actual)}) {
            StyleAsLineChart(graph, values);
            graph->setSelectable(QCP::stWhole);
            graph->setSelection(QCPDataSelection(graph->data()->dataRange()));
        }
        QCOMPARE(ours.toPixmap(400, 300).toImage(), library.toPixmap(400, 300).toImage());
    }
};

QTEST_MAIN(TstKesGraph)
#include "TstKesGraph.moc"
