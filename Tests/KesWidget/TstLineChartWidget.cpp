#include "KesCustomChart.h"
#include "LineChartWidget.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include "ChartReadings.h"
#include "MarkingTranslator.h"

namespace {

KesCustomChart *Chart(LineChartWidget &page)
{
    return page.findChild<KesCustomChart *>("LineChart");
}

// Queued replots run from zero timers: a few passes of the event loop run every one pending.
void RunPendingEvents()
{
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
}

} // namespace

class TstLineChartWidget : public QObject
{
    Q_OBJECT
private slots:
    void startsOnTheMessagePage()
    {
        LineChartWidget page;
        auto *stack = page.findChild<QStackedWidget *>("Stacked");
        QVERIFY(stack);
        QCOMPARE(stack->currentWidget()->objectName(), QString("HideState"));
        QCOMPARE(page.findChild<QLabel *>("NotRealTimeDataLabel")->text(),
                 QString("There is no data!"));
        auto *chart = page.findChild<KesCustomChart *>("LineChart");
        QVERIFY(chart);
        QVERIFY(chart->TracerEnabled());
        QVERIFY(!chart->legend->visible());
        QVERIFY(!chart->xAxis->tickLabels());
        QCOMPARE(int(chart->interactions()), 0x3B);
        QCOMPARE(chart->GraphSelectionDecoratorWidth(), 3);
        page.SetShowState(true);
        QCOMPARE(stack->currentWidget()->objectName(), QString("ShowState"));
        page.SetShowState(false);
        QCOMPARE(stack->currentWidget()->objectName(), QString("HideState"));
    }

    void rangesFollowTheReadings_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("valueLower");
        QTest::addColumn<double>("valueUpper");
        QTest::addColumn<double>("keyLower");
        QTest::addColumn<double>("keyUpper");
        QTest::newRow("empty") << QVector<float>() << -280.0 << 2980.0 << 0.0 << 11.0;
        QTest::newRow("one of 50") << QVector<float>{50} << 30.0 << 70.0 << 0.0 << 11.0;
        QTest::newRow("12.5 and -3") << QVector<float>{12.5f, -3} << -23.0 << 32.5 << 0.0 << 11.0;
        QTest::newRow("ten") << Readings(10) << 80.0 << 126.0 << 0.0 << 11.0;
        QTest::newRow("eleven") << Readings(11) << 80.0 << 126.0 << 5.0 << 17.0;
        QTest::newRow("twenty") << Readings(20) << 80.0 << 126.0 << 10.0 << 31.0;
    }
    void rangesFollowTheReadings()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, valueLower);
        QFETCH(double, valueUpper);
        QFETCH(double, keyLower);
        QFETCH(double, keyUpper);
        LineChartWidget page;
        auto *chart = page.findChild<KesCustomChart *>("LineChart");
        page.SetUnit("um");
        page.SetData(values);

        QCOMPARE(chart->yAxis->range().lower, valueLower);
        QCOMPARE(chart->yAxis->range().upper, valueUpper);
        QCOMPARE(chart->xAxis->range().lower, keyLower);
        QCOMPARE(chart->xAxis->range().upper, keyUpper);
        QCOMPARE(chart->graphCount(), 1);
        QCPGraph *graph = chart->graph(0);
        QCOMPARE(graph->data()->size(), values.size());
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(graph->data()->at(i)->key, double(i + 1));
            QCOMPARE(graph->data()->at(i)->value, double(values[i]));
        }
        QCOMPARE(chart->TracerGraph(), graph);
        QVERIFY(chart->xAxis2->visible());
        QVERIFY(chart->yAxis2->visible());
    }

    void graphLooksAsSpecified()
    {
        LineChartWidget page;
        page.SetData({1, 2, 3});
        QCPGraph *graph = page.findChild<KesCustomChart *>("LineChart")->graph(0);
        QCOMPARE(graph->pen().width(), 3);
        QCOMPARE(graph->pen().color(), QColor("#3C4046"));
        QCOMPARE(graph->lineStyle(), QCPGraph::lsLine);
        QCOMPARE(graph->scatterStyle().shape(), QCPScatterStyle::ssDiamond);
        QCOMPARE(graph->scatterStyle().size(), 5.0);
    }

    void newReadingRestoresTheRangesAfterAZoom()
    {
        LineChartWidget page;
        auto *chart = page.findChild<KesCustomChart *>("LineChart");
        page.SetData(Readings(20));
        chart->xAxis->scaleRange(0.25);
        chart->yAxis->setRange(0, 1);
        page.SetData(Readings(21));
        QCOMPARE(chart->xAxis->range(), QCPRange(10, 32));
        QCOMPARE(chart->yAxis->range(), QCPRange(80, 126));
        QCOMPARE(chart->graphCount(), 1);
    }

    void readingByReadingShowsWhatTheWholeListShows_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::newRow("twelve") << Readings(12);
        QTest::newRow("new extremes late") << (Readings(30) << 400 << -50 << 120);
    }
    void readingByReadingShowsWhatTheWholeListShows()
    {
        QFETCH(QVector<float>, values);
        LineChartWidget growing, whole;
        growing.SetUnit("um");
        whole.SetUnit("um");
        QVector<float> series;
        growing.SetData(series);
        QPointer<QCPGraph> graph = Chart(growing)->graph(0);
        for (float value : values) {
            series << value;
            growing.SetData(series);
        }
        whole.SetData(values);

        QCOMPARE(Chart(growing)->graph(0), graph.data());
        QCOMPARE(DataPoints(Chart(growing)->graph(0)->data()), ReadingPoints(values));
        QCOMPARE(Chart(growing)->xAxis->range(), Chart(whole)->xAxis->range());
        QCOMPARE(Chart(growing)->yAxis->range(), Chart(whole)->yAxis->range());
        QCOMPARE(Chart(growing)->TracerGraph(), graph.data());
    }

    void listThatDoesNotExtendTheLastOneStartsANewGraph_data() { AddListsNotExtendingTwenty(); }
    void listThatDoesNotExtendTheLastOneStartsANewGraph()
    {
        QFETCH(QVector<float>, next);
        QFETCH(QString, nextUnit);
        LineChartWidget page, whole;
        page.SetUnit("um");
        page.SetData(Readings(20));
        QPointer<QCPGraph> graph = Chart(page)->graph(0);
        page.SetUnit(nextUnit);
        page.SetData(next);
        whole.SetData(next);

        QVERIFY(!graph);
        QCOMPARE(Chart(page)->graphCount(), 1);
        QCOMPARE(DataPoints(Chart(page)->graph(0)->data()), ReadingPoints(next));
        QCOMPARE(Chart(page)->yAxis->range(), Chart(whole)->yAxis->range());
        QCOMPARE(Chart(page)->TracerGraph(), Chart(page)->graph(0));
    }

    void newReadingDropsTheSelection()
    {
        LineChartWidget page;
        page.SetData(Readings(5));
        QCPGraph *graph = Chart(page)->graph(0);
        graph->setSelection(QCPDataSelection(QCPDataRange(0, 2)));
        page.SetData(Readings(6));
        QVERIFY(graph->selection().isEmpty());
    }

    void updatesBeforeThePaintCostOneReplot()
    {
        LineChartWidget page;
        page.resize(600, 400);
        page.SetShowState(true);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy replots(Chart(page), &QCustomPlot::afterReplot);
        for (int count = 1; count <= 5; ++count)
            page.SetData(Readings(count));
        QVERIFY(replots.wait(2000));
        RunPendingEvents();
        QCOMPARE(replots.count(), 1);
    }

    void hiddenChartIsDrawnWhenShown()
    {
        LineChartWidget page;
        page.resize(600, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy replots(Chart(page), &QCustomPlot::afterReplot);
        page.SetData(Readings(5));
        RunPendingEvents();
        QCOMPARE(replots.count(), 0);
        page.SetShowState(true);
        QVERIFY(replots.wait(2000));
    }

    void languageChangeRetranslatesTitleAndMessage()
    {
        LineChartWidget page;
        page.SetData({1, 2});
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(&page, QEvent::LanguageChange);
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(page.windowTitle(), QString("[LineChartWidget] Form"));
        QCOMPARE(page.findChild<QLabel *>("NotRealTimeDataLabel")->text(),
                 QString("[LineChartWidget] There is no data!"));
        auto *chart = page.findChild<KesCustomChart *>("LineChart");
        QCOMPARE(chart->graph(0)->data()->size(), 2);
        QCOMPARE(chart->objectName(), QString("LineChart"));
    }
};

QTEST_MAIN(TstLineChartWidget)
#include "TstLineChartWidget.moc"
