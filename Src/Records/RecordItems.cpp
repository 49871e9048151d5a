#include "RecordItems.h"

#include <QtMath>

namespace {
// The Magnus coefficients over water (ISO 8502-4): valid from -45 to 60 degrees.
const double MagnusB = 17.62;
const double MagnusC = 243.12;
} // namespace

double RecordConditions::DewPointCelsius() const
{
    const double gamma =
        qLn(humidityPercent / 100.0) + MagnusB * airCelsius / (MagnusC + airCelsius);
    return MagnusC * gamma / (MagnusB - gamma);
}

QString RecordConditions::Text() const
{
    return QStringLiteral("%1 °C, %2 %, %3 °C")
        .arg(airCelsius)
        .arg(humidityPercent)
        .arg(surfaceCelsius);
}

QString RecordBatch::SourceKey(Source source)
{
    switch (source) {
    case Source::Download:
        return QStringLiteral("download");
    case Source::Journal:
        return QStringLiteral("journal");
    case Source::Live:
        break;
    }
    return QStringLiteral("live");
}

RecordBatch::Source RecordBatch::SourceFromKey(const QString &key)
{
    for (Source source : {Source::Download, Source::Journal}) {
        if (key == SourceKey(source))
            return source;
    }
    return Source::Live;
}

double RecordVerification::Mean() const
{
    if (readings.isEmpty())
        return 0;
    double sum = 0;
    for (double reading : readings)
        sum += reading;
    return sum / readings.size();
}

bool RecordVerification::Passed() const
{
    return !readings.isEmpty() && qAbs(Mean() - nominal) <= nominal * tolerancePercent / 100.0;
}
