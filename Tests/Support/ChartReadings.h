#pragma once

#include <QVector>

// A series of chart values that repeats every seven readings: 100 to 106.
inline QVector<float> Readings(int count)
{
    QVector<float> values;
    for (int i = 0; i < count; ++i)
        values << 100 + (i % 7);
    return values;
}
