#include "LiveReading.h"

#include "GaugeUnit.h"

#include <QtEndian>

std::optional<LiveReading> LiveReading::Decode(const QByteArray &frame)
{
    if (frame.size() != FrameSize || frame.at(0) != FrameType)
        return std::nullopt;
    return LiveReading(static_cast<qint8>(frame.at(1)),
                       qFromLittleEndian<float>(frame.constData() + 2));
}

bool LiveReading::IsInRange(float value)
{
    // Written as an inclusion so that a NaN counts as out of range.
    return value >= MinMicrometres && value <= MaxMicrometres;
}

QString LiveReading::UnitLabelText() const
{
    return QStringLiteral("Unit(%1)").arg(m_unitText);
}

LiveReading::LiveReading(qint8 unitCode, float micrometres)
    : m_unitCode(unitCode), m_micrometres(micrometres), m_unitText(GaugeUnit::Text(unitCode)),
      m_chartValue(micrometres)
{
    if (!GaugeUnit::IsKnown(unitCode))
        return;
    if (!IsInRange(micrometres)) {
        m_overflow = true;
        return;
    }
    // Rounded once through text so that the chart shows exactly the value the text shows.
    const float shown = GaugeUnit::DisplayValue(unitCode, micrometres);
    const int decimals = GaugeUnit::Decimals(unitCode, shown);
    m_chartValue = QString::number(shown, 'f', decimals).toFloat();
    m_valueText = QString::number(m_chartValue, 'f', decimals);
    m_readingText = m_valueText + QLatin1Char(' ') + m_unitText;
}
