#pragma once

#include <QPointF>
#include <QSharedPointer>
#include <QString>
#include <QVector>
#include <QtTest>

// A series of chart values that repeats every seven readings: 100 to 106.
inline QVector<float> Readings(int count)
{
    QVector<float> values;
    for (int i = 0; i < count; ++i)
        values << 100 + (i % 7);
    return values;
}

// Lists that do not extend Readings(20), each with the unit it comes in ("um" before).
inline void AddListsNotExtendingTwenty()
{
    QTest::addColumn<QVector<float>>("next");
    QTest::addColumn<QString>("nextUnit");
    QTest::newRow("shorter") << Readings(15) << "um";
    QTest::newRow("last value changed") << (Readings(19) << 3) << "um";
    QTest::newRow("first value changed") << (QVector<float>{7} << Readings(24).mid(1)) << "um";
    QTest::newRow("another unit") << (Readings(20) << 1) << "mils";
}

// The (key, value) pairs of a chart's data container.
template <typename Container> QVector<QPointF> DataPoints(const QSharedPointer<Container> &data)
{
    QVector<QPointF> points;
    for (auto it = data->constBegin(); it != data->constEnd(); ++it)
        points << QPointF(it->key, it->value);
    return points;
}

// The points a reading chart shows for values: reading i at key i + 1.
inline QVector<QPointF> ReadingPoints(const QVector<float> &values)
{
    QVector<QPointF> points;
    for (int i = 0; i < values.size(); ++i)
        points << QPointF(i + 1, values[i]);
    return points;
}
