#include "BarChartWidget.h"
#include "KesBars.h"
#include "KesCustomChart.h"

#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include "ChartReadings.h"
#include "MarkingTranslator.h"

namespace {

QVector<QPointF> Bars(BarChartWidget &page)
{
    return DataPoints(page.CurrentChart()->GetBars().first()->data());
}

QImage Drawing(BarChartWidget &page)
{
    return page.CurrentChart()->toPixmap(600, 400).toImage();
}

} // namespace

class TstBarChartWidget : public QObject
{
    Q_OBJECT
private slots:
    void startsWithTheFormChartOnTheMessagePage()
    {
        BarChartWidget page;
        QCOMPARE(page.findChild<QStackedWidget *>("Stacked")->currentWidget()->objectName(),
                 QString("HideState"));
        QCOMPARE(page.CurrentChart()->objectName(), QString("BarChart"));
        QVERIFY(page.CurrentChart()->GetBars().isEmpty());
        QVERIFY(!page.CurrentChart()->TracerEnabled());
        QCOMPARE(page.CurrentChart()->GraphSelectionDecoratorWidth(), 3);
    }

    void everyUpdateBuildsANewChart_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("valueLower");
        QTest::addColumn<double>("valueUpper");
        QTest::addColumn<double>("keyLower");
        QTest::addColumn<double>("keyUpper");
        QTest::newRow("one of 50") << QVector<float>{50} << 30.0 << 70.0 << 0.0 << 11.0;
        QTest::newRow("12.5 and -3") << QVector<float>{12.5f, -3} << -23.0 << 32.5 << 0.0 << 11.0;
        QTest::newRow("ten") << Readings(10) << 80.0 << 126.0 << 0.0 << 11.0;
        QTest::newRow("eleven") << Readings(11) << 80.0 << 126.0 << 5.0 << 17.0;
        QTest::newRow("twenty") << Readings(20) << 80.0 << 126.0 << 10.0 << 31.0;
    }
    void everyUpdateBuildsANewChart()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, valueLower);
        QFETCH(double, valueUpper);
        QFETCH(double, keyLower);
        QFETCH(double, keyUpper);
        BarChartWidget page;
        QPointer<KesCustomChart> formChart = page.CurrentChart();
        page.SetData(values);
        KesCustomChart *chart = page.CurrentChart();
        QVERIFY(chart != formChart);
        QCOMPARE(chart->objectName(), QString("RealTimeHistogramFuncWidget"));
        QCOMPARE(chart->parentWidget()->objectName(), QString("ShowState"));
        QCOMPARE(chart->yAxis->range(), QCPRange(valueLower, valueUpper));
        QCOMPARE(chart->xAxis->range(), QCPRange(keyLower, keyUpper));
        QVERIFY(!chart->xAxis->tickLabels());
        QCOMPARE(int(chart->interactions()), 0x3B);

        QCOMPARE(chart->GetBars().size(), 1);
        KesBars *bars = chart->GetBars().first();
        QCOMPARE(bars->width(), 10.0);
        QCOMPARE(bars->widthType(), QCPBars::wtAbsolute);
        QCOMPARE(bars->pen(), QPen(QColor("#3C4046"), 3));
        QCOMPARE(bars->brush(), QBrush(QColor("#3C4046"), Qt::SolidPattern));
        QCOMPARE(bars->data()->size(), values.size());
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(bars->data()->at(i)->key, double(i + 1));
            QCOMPARE(bars->data()->at(i)->value, double(values[i]));
        }
        QTRY_VERIFY(!formChart);
    }

    void newReadingRestoresTheRangesAfterAZoom()
    {
        BarChartWidget page;
        page.SetData(Readings(20));
        page.CurrentChart()->xAxis->scaleRange(0.25);
        page.CurrentChart()->yAxis->setRange(0, 1);
        page.SetData(Readings(21));
        QCOMPARE(page.CurrentChart()->xAxis->range(), QCPRange(10, 32));
        QCOMPARE(page.CurrentChart()->yAxis->range(), QCPRange(80, 126));
    }

    void readingByReadingReusesOneChartThatShowsWhatTheWholeListShows_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::newRow("twelve") << Readings(12);
        QTest::newRow("new extremes late") << (Readings(30) << 400 << -50 << 120);
        QTest::newRow("denser than the pixels") << Readings(3000);
    }
    void readingByReadingReusesOneChartThatShowsWhatTheWholeListShows()
    {
        QFETCH(QVector<float>, values);
        BarChartWidget growing, whole;
        growing.SetUnit("um");
        whole.SetUnit("um");
        QVector<float> series{values.first()};
        growing.SetData(series);
        QPointer<KesCustomChart> chart = growing.CurrentChart();
        for (int i = 1; i < values.size(); ++i) {
            series << values[i];
            growing.SetData(series);
        }
        whole.SetData(values);

        QCOMPARE(growing.CurrentChart(), chart.data());
        QCOMPARE(chart->objectName(), QString("RealTimeHistogramFuncWidget"));
        QCOMPARE(chart->GetBars().size(), 1);
        QCOMPARE(Bars(growing), ReadingPoints(values));
        QCOMPARE(Drawing(growing), Drawing(whole));
    }

    void listThatDoesNotExtendTheLastOneStartsTheBarsAgain_data() { AddListsNotExtendingTwenty(); }
    void listThatDoesNotExtendTheLastOneStartsTheBarsAgain()
    {
        QFETCH(QVector<float>, next);
        QFETCH(QString, nextUnit);
        BarChartWidget page, whole;
        page.SetUnit("um");
        page.SetData(Readings(20));
        KesCustomChart *chart = page.CurrentChart();
        const QSharedPointer<QCPBarsDataContainer> oldData = chart->GetBars().first()->data();
        page.SetUnit(nextUnit);
        page.SetData(next);
        whole.SetUnit(nextUnit);
        whole.SetData(next);

        QCOMPARE(page.CurrentChart(), chart);
        QVERIFY(chart->GetBars().first()->data() != oldData);
        QCOMPARE(Bars(page), ReadingPoints(next));
        QCOMPARE(Drawing(page), Drawing(whole));
    }

    void newReadingDropsTheSelection()
    {
        BarChartWidget page;
        page.SetData(Readings(5));
        KesBars *bars = page.CurrentChart()->GetBars().first();
        bars->setSelection(QCPDataSelection(QCPDataRange(0, 2)));
        page.SetData(Readings(6));
        QVERIFY(bars->selection().isEmpty());
    }

    void hoveringABarShowsItsValue_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("50 um") << 50.0f << "um"
                               << "50.0 um";
        QTest::newRow("1500 um") << 1500.0f << "um"
                                 << "1.50 mm";
        QTest::newRow("mils") << 4.25f << "mils"
                              << "4.250 mils";
    }
    void hoveringABarShowsItsValue()
    {
        QFETCH(float, value);
        QFETCH(QString, unit);
        QFETCH(QString, text);
        BarChartWidget page;
        page.resize(700, 500);
        page.SetShowState(true);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.SetUnit(unit);
        page.SetData({value});
        KesCustomChart *chart = page.CurrentChart();
        QTRY_COMPARE(chart->GetBars().first()->GetBarRecords().size(), 1);
        QToolTip::hideText();

        const QRectF bar = chart->GetBars().first()->GetBarRecords().first().rect;
        QCOMPARE(bar.width(), 10.0);
        QTest::mouseMove(chart, QPoint(10, 10));
        // The bar reaches down to 0, far below the visible range: hover near its top.
        QTest::mouseMove(chart, QPoint(int(bar.center().x()), int(bar.top()) + 5));
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), text, 2000);
    }

    void pendingTooltipSurvivesAReplacedChart()
    {
        BarChartWidget page;
        page.resize(700, 500);
        page.SetShowState(true);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.SetUnit("um");
        page.SetData({50});
        KesCustomChart *chart = page.CurrentChart();
        QTRY_COMPARE(chart->GetBars().first()->GetBarRecords().size(), 1);
        QToolTip::hideText();
        const QRectF bar = chart->GetBars().first()->GetBarRecords().first().rect;
        QTest::mouseMove(chart, QPoint(int(bar.center().x()), int(bar.top()) + 5));
        page.SetData({50, 60});
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), QString("50.0 um"), 2000);
    }

    void languageChangeRetranslatesTitleAndMessage()
    {
        BarChartWidget page;
        page.SetData({1, 2});
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(&page, QEvent::LanguageChange);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(page.windowTitle(), QString("[BarChartWidget] Form"));
        QCOMPARE(page.findChild<QLabel *>("NotRealTimeDataLabel")->text(),
                 QString("[BarChartWidget] There is no data!"));
        QCOMPARE(page.CurrentChart()->objectName(), QString("RealTimeHistogramFuncWidget"));
        QCOMPARE(page.CurrentChart()->GetBars().first()->data()->size(), 2);
    }
};

QTEST_MAIN(TstBarChartWidget)
#include "TstBarChartWidget.moc"
