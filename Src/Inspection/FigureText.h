#pragma once

#include <QString>

// How the figures of a series are written: in the series' unit with the decimals a reading of
// that size gets there, one decimal more for the mean and the standard deviation. The decimal
// point is always '.', whatever the locale.
class FigureText
{
public:
    // Minimum, maximum, range: like a reading.
    static QString Reading(int unitCode, double value);
    // Mean and standard deviation: one decimal more than a reading.
    static QString Precise(int unitCode, double value);
    // The coefficient of variation: "4.2 %".
    static QString Percent(double value);
};
