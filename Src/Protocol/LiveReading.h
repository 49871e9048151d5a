#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One live frame of the gauge, decoded into what the live displays show.
//
// Frame: type byte 0x01, unit code (signed 8-bit), thickness in micrometres as a little-endian
// IEEE 754 single. A known unit with a thickness outside -100..2100 um is an overflow: it has
// no reading text of its own (the window shows its translated overflow text) and no chart value.
class LiveReading
{
public:
    static constexpr int FrameSize = 6;
    static constexpr char FrameType = 0x01;
    static constexpr float MinMicrometres = -100.0f;
    static constexpr float MaxMicrometres = 2100.0f;

    // Nothing for anything but a 6-byte frame whose first byte is the live frame type.
    static std::optional<LiveReading> Decode(const QByteArray &frame);
    static bool IsInRange(float value);

    qint8 UnitCode() const { return m_unitCode; }
    float Micrometres() const { return m_micrometres; }
    // "um", "mils", "mm", or empty for an unknown unit code.
    QString UnitText() const { return m_unitText; }
    // "Unit(<unit text>)".
    QString UnitLabelText() const;
    bool IsOverflow() const { return m_overflow; }
    // "<rounded value> <unit text>"; empty for an overflow or an unknown unit code.
    QString ReadingText() const { return m_readingText; }
    // The rounded value alone, as the reading text shows it; empty where that text is.
    QString ValueText() const { return m_valueText; }
    // Whether the reading goes to the charts, and with which value (in the display unit;
    // the raw micrometre value for an unknown unit code).
    bool HasChartValue() const { return IsInRange(m_chartValue); }
    float ChartValue() const { return m_chartValue; }

private:
    LiveReading(qint8 unitCode, float micrometres);

    qint8 m_unitCode;
    float m_micrometres;
    QString m_unitText;
    QString m_readingText;
    QString m_valueText;
    bool m_overflow = false;
    float m_chartValue;
};
