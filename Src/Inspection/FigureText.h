#pragma once

#include <QString>

class ReadingStatistics;

// How the figures of a series are written: in the series' unit with the decimals a reading of
// that size gets there, one decimal more for the mean and the standard deviation. The decimal
// point is always '.', whatever the locale.
class FigureText
{
public:
    // The unit as people read it: "µm", "mils", "mm"; empty for an unknown code. Files and
    // machine output keep GaugeUnit::Text ("um").
    static QString Unit(int unitCode);
    // Minimum, maximum, range: like a reading.
    static QString Reading(int unitCode, double value);
    // A limit: like a reading, with up to two decimals more where it was given with them
    // ("125.01"), so that the limit printed is the limit judged.
    static QString Limit(int unitCode, double value);
    // Mean and standard deviation: one decimal more than a reading.
    static QString Precise(int unitCode, double value);
    // The coefficient of variation: "4.2 %", one decimal like every percentage shown.
    static QString Percent(double value);

    // The figures of a series as written, each the given stand-in when it has no reading.
    struct Figures
    {
        QString mean, deviation, minimum, maximum, range, variation;
    };
    enum class UnitShown
    {
        No,
        Yes // the thicknesses followed by " µm", " mils", " mm"
    };
    static Figures Of(const ReadingStatistics &statistics, int unitCode, UnitShown unitShown,
                      const QString &missing = QString());
};
