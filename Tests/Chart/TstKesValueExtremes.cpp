#include "KesValueExtremes.h"

#include <QtTest>
#include <qcustomplot.h>

#include <algorithm>
#include <random>

namespace {

QVector<double> RandomValues(int count)
{
    std::mt19937 generator(11);
    std::uniform_real_distribution<double> value(-500, 3000);
    QVector<double> values(count);
    for (double &v : values)
        v = value(generator);
    return values;
}

QCPGraphDataContainer Container(const QVector<double> &values)
{
    QCPGraphDataContainer data;
    for (int i = 0; i < values.size(); ++i)
        data.add(QCPGraphData(i + 1, values[i]));
    return data;
}

} // namespace

class TstKesValueExtremes : public QObject
{
    Q_OBJECT
private slots:
    void extremesOfAnyStretch_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("one block and one") << 17;
        QTest::newRow("two levels") << 300;
        QTest::newRow("four levels") << 70000;
    }
    void extremesOfAnyStretch()
    {
        QFETCH(int, count);
        const QVector<double> values = RandomValues(count);
        KesValueExtremes extremes;
        for (double value : values)
            extremes.Append(value);
        QCOMPARE(extremes.Count(), count);

        std::mt19937 generator(3);
        std::uniform_int_distribution<int> index(0, count - 1);
        for (int probe = 0; probe < 400; ++probe) {
            int first = index(generator);
            int last = probe % 4 == 0 ? count - 1 : index(generator);
            if (first > last)
                std::swap(first, last);
            const auto [min, max] =
                std::minmax_element(values.begin() + first, values.begin() + last + 1);
            const KesValueExtremes::Extremes found = extremes.Of(first, last);
            QCOMPARE(found.min, *min);
            QCOMPARE(found.max, *max);
        }
        const KesValueExtremes::Extremes whole = extremes.Of(0, count - 1);
        QCOMPARE(whole.min, *std::min_element(values.begin(), values.end()));
        QCOMPARE(whole.max, *std::max_element(values.begin(), values.end()));
    }

    void followsAContainer_data()
    {
        QTest::addColumn<QVector<double>>("before");
        QTest::addColumn<QVector<double>>("after");
        QTest::addColumn<double>("max");
        QTest::newRow("appended") << QVector<double>{5, 1} << QVector<double>{5, 1, 9} << 9.0;
        QTest::newRow("shorter") << QVector<double>{5, 9, 1} << QVector<double>{5, 2} << 5.0;
        QTest::newRow("last changed") << QVector<double>{5, 9} << QVector<double>{5, 2} << 5.0;
        QTest::newRow("first changed") << QVector<double>{9, 1} << QVector<double>{2, 1, 3} << 3.0;
    }
    void followsAContainer()
    {
        QFETCH(QVector<double>, before);
        QFETCH(QVector<double>, after);
        QFETCH(double, max);
        QCPGraphDataContainer data = Container(before);
        KesValueExtremes extremes;
        extremes.Follow(&data);
        QCOMPARE(extremes.Count(), before.size());
        data = Container(after);
        extremes.Follow(&data);
        QCOMPARE(extremes.Count(), after.size());
        QCOMPARE(extremes.Of(0, after.size() - 1).max, max);
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(extremes.At(i), after[i]);
    }

    void anotherContainerStartsAgain()
    {
        QCPGraphDataContainer first = Container({1, 2});
        QCPGraphDataContainer second = Container({1, 2, 7});
        KesValueExtremes extremes;
        extremes.Follow(&first);
        extremes.Follow(&second);
        QCOMPARE(extremes.Of(0, 2).max, 7.0);
        extremes.Follow(&first);
        QCOMPARE(extremes.Count(), 2);
    }
};

QTEST_MAIN(TstKesValueExtremes)
#include "TstKesValueExtremes.moc"
