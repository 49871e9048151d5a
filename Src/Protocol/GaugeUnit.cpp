#include "GaugeUnit.h"

#include <cmath>

bool GaugeUnit::IsKnown(int code)
{
    return code == Micrometres || code == Mils || code == Millimetres;
}

QString GaugeUnit::Text(int code)
{
    switch (code) {
    case Micrometres:
        return QStringLiteral("um");
    case Mils:
        return QStringLiteral("mils");
    case Millimetres:
        return QStringLiteral("mm");
    default:
        return QString();
    }
}

int GaugeUnit::CodeOf(const QString &text)
{
    for (const int code : {Micrometres, Mils, Millimetres}) {
        if (text == Text(code))
            return code;
    }
    return -1;
}

float GaugeUnit::DisplayValue(int code, float micrometres)
{
    switch (code) {
    case Mils:
        // Divided in double precision, then rounded back to single precision.
        return static_cast<float>(static_cast<double>(micrometres) / 25.4);
    case Millimetres:
        return micrometres / 1000.0f;
    default:
        return micrometres;
    }
}

double GaugeUnit::MicrometresPer(int code)
{
    switch (code) {
    case Mils:
        return 25.4;
    case Millimetres:
        return 1000.0;
    default:
        return 1.0;
    }
}

int GaugeUnit::Decimals(int code, float displayValue)
{
    const double magnitude = std::abs(static_cast<double>(displayValue));
    if (code == Micrometres)
        return magnitude < 99.9 ? 1 : 0;
    if (magnitude < 10)
        return 3;
    if (magnitude < 100)
        return 2;
    if (magnitude < 1000)
        return 1;
    return 0;
}

QString GaugeUnit::FormatFixed(int code, float micrometres)
{
    const float value = DisplayValue(code, micrometres);
    return QString::number(value, 'f', Decimals(code, value));
}
