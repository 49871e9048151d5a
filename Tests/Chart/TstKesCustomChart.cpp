#include "KesCustomChart.h"

#include <QToolTip>
#include <QtTest>

class TstKesCustomChart : public QObject
{
    Q_OBJECT
private slots:
    void formatsSinglePrecisionReadings_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("um one decimal") << 12.34f << "um"
                                        << "12.3 um";
        QTest::newRow("um whole number") << 50.0f << "um"
                                         << "50.0 um";
        QTest::newRow("um negative") << -5.0f << "um"
                                     << "-5.0 um";
        QTest::newRow("um 99.9 rounds up") << 99.9f << "um"
                                           << "100 um";
        QTest::newRow("um 999 stays um") << 999.0f << "um"
                                         << "999 um";
        QTest::newRow("um 1500 in mm") << 1500.0f << "um"
                                       << "1.50 mm";
        // 1.065 is just above in single precision and rounds up.
        QTest::newRow("um 1065 in mm") << 1065.0f << "um"
                                       << "1.07 mm";
        QTest::newRow("um -1500 signed") << -1500.0f << "um"
                                         << "-1500 um";
        QTest::newRow("mils just under 10") << 9.9995f << "mils"
                                            << "10.000 mils";
        QTest::newRow("mils 10") << 10.0f << "mils"
                                 << "10.00 mils";
        QTest::newRow("mils 99.99") << 99.99f << "mils"
                                    << "99.99 mils";
        QTest::newRow("mils 100") << 100.0f << "mils"
                                  << "100.0 mils";
        QTest::newRow("mils 1000") << 1000.0f << "mils"
                                   << "1000 mils";
        QTest::newRow("mm small") << 0.4823f << "mm"
                                  << "0.482 mm";
        QTest::newRow("mm negative") << -12.345f << "mm"
                                     << "-12.35 mm";
        QTest::newRow("unknown unit") << 12.0f << "in"
                                      << " in";
        QTest::newRow("empty unit") << 12.0f << ""
                                    << " ";
    }
    void formatsSinglePrecisionReadings()
    {
        QFETCH(float, value);
        QFETCH(QString, unit);
        QFETCH(QString, text);
        QCOMPARE(KesCustomChart::FormatValue(value, unit), text);
    }

    void formatsDoublePrecisionValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("um 1500") << 1500.0 << "um"
                                 << "1.50 mm";
        // 1.065 is just below in double precision and rounds down.
        QTest::newRow("um 1065") << 1065.0 << "um"
                                 << "1.06 mm";
        QTest::newRow("um 99.9") << 99.9 << "um"
                                 << "100 um";
        QTest::newRow("mils 9.9995") << 9.9995 << "mils"
                                     << "9.999 mils";
        QTest::newRow("unknown unit") << 3.0 << "x"
                                      << " x";
    }
    void formatsDoublePrecisionValues()
    {
        QFETCH(double, value);
        QFETCH(QString, unit);
        QFETCH(QString, text);
        QCOMPARE(KesCustomChart::FormatValue(value, unit), text);
    }

    void constructionHidesTracerAndLabels()
    {
        KesCustomChart chart;
        QVERIFY(!chart.TracerEnabled());
        QVERIFY(!chart.Tracer()->visible());
        QVERIFY(!chart.Tracer()->interpolating());
        QVERIFY(chart.testAttribute(Qt::WA_MouseTracking));
        QCOMPARE(chart.itemCount(), 3);
        for (int i = 1; i < 3; ++i) {
            auto *label = qobject_cast<QCPItemText *>(chart.item(i));
            QVERIFY(label);
            QVERIFY(!label->visible());
            QCOMPARE(label->text(), QString("---"));
            QCOMPARE(label->padding(), QMargins(5, 5, 5, 5));
        }
    }

    void showDerivesTheTrackedGraph()
    {
        KesCustomChart withGraph;
        QCPGraph *graph = withGraph.addGraph();
        withGraph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&withGraph));
        QVERIFY(withGraph.TracerEnabled());
        QCOMPARE(withGraph.TracerGraph(), graph);

        KesCustomChart withoutGraph;
        withoutGraph.SetTracerEnabled(true);
        withoutGraph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&withoutGraph));
        QVERIFY(!withoutGraph.TracerEnabled());
        QVERIFY(!withoutGraph.TracerGraph());
    }

    void tracerSnapsToTheNearestReadingAndTooltipFollows()
    {
        KesCustomChart chart;
        chart.resize(400, 300);
        QCPGraph *graph = chart.addGraph();
        graph->setData({1, 2, 3, 4, 5}, {0.1, 0.2, 12.5, 0.4, 0.5});
        chart.xAxis->setRange(0, 6);
        chart.yAxis->setRange(0, 20);
        chart.SetToolTipEnabled(true);
        chart.SetUnit("mils");
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.replot();

        const QPoint nearThree(int(chart.xAxis->coordToPixel(3.3)), 150);
        QTest::mouseMove(&chart, nearThree);
        QCOMPARE(chart.Tracer()->graph(), graph);
        QCOMPARE(chart.Tracer()->position->key(), 3.0);
        QCOMPARE(chart.Tracer()->position->value(), 12.5);
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), QString("12.50 mils"), 2000);
    }

    void removedGraphStopsTheTracer()
    {
        KesCustomChart chart;
        chart.resize(400, 300);
        chart.addGraph()->setData({1, 2}, {1, 2});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.clearGraphs();
        QVERIFY(!chart.TracerGraph());
        QTest::mouseMove(&chart, QPoint(200, 150));
        QVERIFY(!chart.Tracer()->graph());
    }

    void enterShowsAndLeaveHidesTheTracer()
    {
        KesCustomChart chart;
        chart.addGraph()->setData({1}, {1});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&chart, &enter);
        QVERIFY(chart.Tracer()->visible());
        QToolTip::showText(QPoint(10, 10), "old", &chart);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&chart, &leave);
        QVERIFY(!chart.Tracer()->visible());
        QVERIFY(QToolTip::isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 3000);
    }

    void pendingTooltipOfADeletedChartDoesNothing()
    {
        auto *chart = new KesCustomChart;
        chart->resize(400, 300);
        chart->addGraph()->setData({1, 2}, {3, 4});
        chart->SetToolTipEnabled(true);
        chart->SetUnit("um");
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QToolTip::hideText();
        QTest::mouseMove(chart, QPoint(200, 150));
        delete chart;
        QTest::qWait(400);
        QVERIFY(!QToolTip::isVisible());
    }

    void readingRanges_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("empty") << QVector<float>() << -280.0 << 2980.0;
        QTest::newRow("one") << QVector<float>{50} << 30.0 << 70.0;
        QTest::newRow("two") << QVector<float>{12.5f, -3} << -23.0 << 32.5;
    }
    void readingRanges()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, lower);
        QFETCH(double, upper);
        KesCustomChart chart;
        KesCustomChart::ReadingExtremes extremes;
        QCPGraphDataContainer data;
        KesCustomChart::AppendReadings(data, values, 0, extremes);
        chart.ShowReadingRanges(extremes, values.size());
        QCOMPARE(chart.yAxis->range().lower, lower);
        QCOMPARE(chart.yAxis->range().upper, upper);
        QCOMPARE(data.size(), values.size());
        for (int i = 0; i < data.size(); ++i) {
            QCOMPARE(data.at(i)->key, double(i + 1));
            QCOMPARE(data.at(i)->value, double(values[i]));
        }
    }
};

QTEST_MAIN(TstKesCustomChart)
#include "TstKesCustomChart.moc"
