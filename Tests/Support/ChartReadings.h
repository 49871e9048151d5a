#pragma once

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
