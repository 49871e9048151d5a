#include "FigureText.h"

#include "GaugeUnit.h"
#include "LimitComparison.h"
#include "ReadingStatistics.h"

QString FigureText::Unit(int unitCode)
{
    if (unitCode == GaugeUnit::Micrometres)
        return QStringLiteral("\u00B5m");
    return GaugeUnit::Text(unitCode);
}

QString FigureText::Reading(int unitCode, double value)
{
    return QString::number(value, 'f', GaugeUnit::Decimals(unitCode, static_cast<float>(value)));
}

QString FigureText::Limit(int unitCode, double value)
{
    const int decimals = GaugeUnit::Decimals(unitCode, static_cast<float>(value));
    // A limit converted from another unit has no short exact form: it keeps a reading's.
    for (int more = 0; more <= 2; ++more) {
        const QString text = QString::number(value, 'f', decimals + more);
        if (!LimitComparison::IsBelow(text.toDouble(), value) &&
            !LimitComparison::IsAbove(text.toDouble(), value))
            return text;
    }
    return Reading(unitCode, value);
}

QString FigureText::Precise(int unitCode, double value)
{
    const int decimals = GaugeUnit::Decimals(unitCode, static_cast<float>(value)) + 1;
    return QString::number(value, 'f', decimals);
}

QString FigureText::Percent(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

FigureText::Figures FigureText::Of(const ReadingStatistics &statistics, int unitCode,
                                   UnitShown unitShown, const QString &missing)
{
    if (statistics.Count() == 0)
        return {missing, missing, missing, missing, missing, missing};
    const QString unit = Unit(unitCode);
    const QString suffix =
        unitShown == UnitShown::Yes && !unit.isEmpty() ? QLatin1Char(' ') + unit : QString();
    return {Precise(unitCode, statistics.Mean()) + suffix,
            Precise(unitCode, statistics.StandardDeviation()) + suffix,
            Reading(unitCode, statistics.Minimum()) + suffix,
            Reading(unitCode, statistics.Maximum()) + suffix,
            Reading(unitCode, statistics.Range()) + suffix,
            Percent(statistics.CoefficientOfVariation())};
}
