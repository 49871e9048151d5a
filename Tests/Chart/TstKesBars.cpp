#include "ChartImages.h"
#include "KesBars.h"
#include "KesQcustomplot.h"

#include <QtTest>

#include <cmath>

class TstKesBars : public QObject
{
    Q_OBJECT
private slots:
    void recordsEveryPaintedBar_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("seven") << 7;
        QTest::newRow("thirty") << 30;
    }
    void recordsEveryPaintedBar()
    {
        QFETCH(int, count);
        KesQcustomplot plot;
        plot.resize(600, 400);
        KesBars *bars =
            plot.AddBars(10, QPen(Qt::black, 3), QBrush(Qt::black), QString(), QCPBars::wtAbsolute);
        for (int key = 1; key <= count; ++key)
            bars->addData(key, 10 * key);
        plot.xAxis->setRange(0, count + 1);
        plot.yAxis->setRange(0, 10 * count + 10);
        QVERIFY(bars->GetBarRecords().isEmpty());

        plot.toPixmap(600, 400);
        const QVector<KesBars::BarRecord> records = bars->GetBarRecords();
        QCOMPARE(records.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(records[i].key, double(i + 1));
            QCOMPARE(records[i].value, 10.0 * (i + 1));
            const QRectF &rect = records[i].rect;
            QCOMPARE(rect.width(), 10.0);
            QCOMPARE(rect.center().x(), plot.xAxis->coordToPixel(i + 1));
            QCOMPARE(rect.top(), plot.yAxis->coordToPixel(10.0 * (i + 1)));
        }
    }

    void findsTheBarUnderAPoint()
    {
        KesQcustomplot plot;
        KesBars *bars =
            plot.AddBars(10, QPen(Qt::black, 3), QBrush(Qt::black), QString(), QCPBars::wtAbsolute);
        bars->setData({1, 2, 3}, {5, 50, 20});
        plot.xAxis->setRange(0, 4);
        plot.yAxis->setRange(0, 60);
        plot.toPixmap(500, 300);
        const QPoint point(int(plot.xAxis->coordToPixel(2)) + 3, int(plot.yAxis->coordToPixel(40)));
        QVector<double> hits;
        for (const KesBars::BarRecord &record : bars->GetBarRecords()) {
            if (record.rect.contains(point))
                hits << record.key;
        }
        QCOMPARE(hits, QVector<double>{2});
    }

    void barsOutsideTheKeyRangeAreNotRecorded()
    {
        KesQcustomplot plot;
        KesBars *bars =
            plot.AddBars(10, QPen(Qt::black, 3), QBrush(Qt::black), QString(), QCPBars::wtAbsolute);
        QVector<double> keys, values;
        for (int key = 1; key <= 20; ++key) {
            keys << key;
            values << key;
        }
        bars->setData(keys, values);
        plot.xAxis->setRange(10, 31);
        plot.toPixmap(600, 400);
        const QVector<KesBars::BarRecord> records = bars->GetBarRecords();
        QVERIFY(!records.isEmpty());
        // Only the bar just left of the range may show its right edge.
        QVERIFY(records.first().key >= 9);
        QCOMPARE(records.last().key, 20.0);
    }

    void selectedBarsAreRecordedAfterTheOthers()
    {
        KesQcustomplot plot;
        KesBars *bars =
            plot.AddBars(10, QPen(Qt::black, 3), QBrush(Qt::black), QString(), QCPBars::wtAbsolute);
        bars->setData({1, 2, 3}, {1, 2, 3});
        plot.xAxis->setRange(0, 4);
        bars->setSelectable(QCP::stDataRange);
        bars->setSelection(QCPDataSelection(QCPDataRange(0, 1)));
        plot.toPixmap(400, 300);
        QVector<double> keys;
        for (const KesBars::BarRecord &record : bars->GetBarRecords())
            keys << record.key;
        QCOMPARE(keys, QVector<double>({2, 3, 1}));
    }

    void denseBarsLookLikeTheLibraryBars_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("sparse") << 40;
        QTest::newRow("overlapping") << 300;
        QTest::newRow("denser than the pixels") << 5000;
    }
    void denseBarsLookLikeTheLibraryBars()
    {
        QFETCH(int, count);
        QVector<double> keys, values;
        for (int key = 1; key <= count; ++key) {
            keys << key;
            values << 100 + 40 * std::sin(key * 0.7) + (key % 13);
        }
        QCustomPlot library;
        KesQcustomplot ours;
        auto *expectedBars = new QCPBars(library.xAxis, library.yAxis);
        KesBars *actualBars = ours.AddBars(10, QPen(), QBrush(), QString(), QCPBars::wtAbsolute);
        for (QCPBars *bars : {expectedBars, static_cast<QCPBars *>(actualBars)}) {
            bars->setWidth(10);
            bars->setWidthType(QCPBars::wtAbsolute);
            bars->setPen(QPen(QColor("#3C4046"), 3));
            bars->setBrush(QColor("#3C4046"));
            bars->setData(keys, values, true);
        }
        for (QCustomPlot *plot : {&library, static_cast<QCustomPlot *>(&ours)}) {
            for (QCPAxis *axis : plot->axisRect()->axes())
                axis->setVisible(false);
            plot->xAxis->setRange(count / 2, count + 1, Qt::AlignLeft);
            plot->yAxis->setRange(40, 200);
        }
        const QImage expected = library.toPixmap(600, 400).toImage();
        const QImage actual = ours.toPixmap(600, 400).toImage();
        // Dense bars are painted as their union, which may differ by a column at its edges.
        QVERIFY(LargestUncoveredExtent(expected, actual, 1) <= 1);
        QVERIFY(LargestUncoveredExtent(actual, expected, 1) <= 1);
        const double areaRatio = double(DarkPixelCount(actual)) / DarkPixelCount(expected);
        QVERIFY2(qAbs(areaRatio - 1) < 0.02, qPrintable(QString::number(areaRatio)));
        // Every bar that reaches into the range is recorded, painted alone or not.
        const QVector<KesBars::BarRecord> records = actualBars->GetBarRecords();
        QCOMPARE(records.last().key, double(count));
        QVERIFY(records.first().key <= count / 2);
        QCOMPARE(records.size(), int(records.last().key - records.first().key) + 1);
    }

    void barAtFindsTheBarPaintedLastUnderAPoint_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("sparse") << 30;
        QTest::newRow("overlapping") << 300;
        QTest::newRow("denser than the pixels") << 5000;
    }
    void barAtFindsTheBarPaintedLastUnderAPoint()
    {
        QFETCH(int, count);
        KesQcustomplot plot;
        plot.resize(600, 400);
        KesBars *bars = plot.AddBars(10, QPen(QColor("#3C4046"), 3), QBrush(QColor("#3C4046")),
                                     QString(), QCPBars::wtAbsolute);
        for (int key = 1; key <= count; ++key)
            bars->addData(key, 100 + 40 * std::sin(key * 0.7));
        plot.xAxis->setRange(count / 2, count + 1, Qt::AlignLeft);
        plot.yAxis->setRange(40, 200);
        plot.toPixmap(600, 400);
        const QVector<KesBars::BarRecord> records = bars->GetBarRecords();
        for (int x = 0; x < 600; x += 7) {
            for (int y : {5, 120, 200, 390}) {
                const QPointF point(x, y);
                double expected = -1;
                for (const KesBars::BarRecord &record : records) {
                    if (record.rect.contains(point))
                        expected = record.key;
                }
                const std::optional<KesBars::BarRecord> found = bars->BarAt(point);
                QCOMPARE(found ? found->key : -1.0, expected);
            }
        }
    }

    void emptyBarsKeepTheirLastRecords()
    {
        KesQcustomplot plot;
        KesBars *bars = plot.AddBars(10, QPen(), QBrush(Qt::black), QString(), QCPBars::wtAbsolute);
        bars->setData({1}, {1});
        plot.toPixmap(400, 300);
        QCOMPARE(bars->GetBarRecords().size(), 1);
        bars->data()->clear();
        plot.toPixmap(400, 300);
        QCOMPARE(bars->GetBarRecords().size(), 1);
    }
};

QTEST_MAIN(TstKesBars)
#include "TstKesBars.moc"
