#include "ReadingStatistics.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

class TstReadingStatistics : public QObject
{
    Q_OBJECT
private slots:
    void handWorked_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("sd");
        QTest::addColumn<double>("cov");
        QTest::newRow("one reading") << QVector<double>{120} << 120.0 << 0.0 << 0.0;
        QTest::newRow("two") << QVector<double>{100, 110} << 105.0 << std::sqrt(50.0)
                             << std::sqrt(50.0) / 105.0 * 100.0;
        QTest::newRow("five") << QVector<double>{2, 4, 4, 4, 6} << 4.0 << std::sqrt(2.0)
                              << std::sqrt(2.0) / 4.0 * 100.0;
        QTest::newRow("zero mean") << QVector<double>{-1, 1} << 0.0 << std::sqrt(2.0) << 0.0;
    }
    void handWorked()
    {
        QFETCH(QVector<double>, values);
        QFETCH(double, mean);
        QFETCH(double, sd);
        QFETCH(double, cov);
        ReadingStatistics statistics;
        for (double value : values)
            statistics.Add(value);
        QCOMPARE(statistics.Count(), qint64(values.size()));
        QCOMPARE(statistics.Mean(), mean);
        QVERIFY(std::abs(statistics.StandardDeviation() - sd) < 1e-12);
        QVERIFY(std::abs(statistics.CoefficientOfVariation() - cov) < 1e-9);
        QCOMPARE(statistics.Minimum(), *std::min_element(values.begin(), values.end()));
        QCOMPARE(statistics.Maximum(), *std::max_element(values.begin(), values.end()));
    }

    // A million close readings on a large offset: the running figures equal a two-pass
    // computation to 1e-9 relative.
    void runningEqualsTwoPass()
    {
        std::mt19937_64 random(5);
        std::normal_distribution<double> thickness(1500.0, 0.05);
        std::vector<double> values(1000000);
        ReadingStatistics statistics;
        for (double &value : values) {
            value = thickness(random);
            statistics.Add(value);
        }
        double sum = 0;
        for (double value : values)
            sum += value;
        const double mean = sum / static_cast<double>(values.size());
        double squares = 0;
        for (double value : values)
            squares += (value - mean) * (value - mean);
        const double sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
        QVERIFY(std::abs(statistics.Mean() - mean) <= 1e-9 * mean);
        QVERIFY(std::abs(statistics.StandardDeviation() - sd) <= 1e-9 * sd);
    }

    void overflowsStayOutOfTheFigures()
    {
        ReadingStatistics statistics;
        statistics.Add(10);
        statistics.AddOverflow();
        statistics.Add(20);
        QCOMPARE(statistics.Count(), qint64(2));
        QCOMPARE(statistics.Overflows(), qint64(1));
        QCOMPARE(statistics.Mean(), 15.0);
    }
};

QTEST_APPLESS_MAIN(TstReadingStatistics)
#include "TstReadingStatistics.moc"
