#include "FigureText.h"

#include "GaugeUnit.h"

QString FigureText::Reading(int unitCode, double value)
{
    return QString::number(value, 'f', GaugeUnit::Decimals(unitCode, static_cast<float>(value)));
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
