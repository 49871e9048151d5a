#include "KesCustomChart.h"
#include "LineChartWidget.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include "ChartReadings.h"
#include "MarkingTranslator.h"

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
