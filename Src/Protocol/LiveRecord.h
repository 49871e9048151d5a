#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

class LiveReading;

// One live reading as the session keeps it: what the gauge sent, when it arrived and what the
// window showed for it.
struct LiveRecord
{
    enum class Status
    {
        Ok,
        Overflow,
        UnknownUnit
    };

    qint64 index = 0; // 1, 2, 3 ... within its run
    QDateTime arrival;
    float micrometres = 0;
    qint8 unitCode = 0;
    Status status = Status::Ok;
    // The number shown in the display unit; the raw number for an unknown unit; empty for an
    // overflow.
    QString valueText;

    static LiveRecord FromReading(const LiveReading &reading, qint64 index,
                                  const QDateTime &arrival);
    // "ok", "overflow", "unknown-unit".
    static QString StatusText(Status status);
    // "um", "mils", "mm"; empty for an unknown unit.
    QString UnitText() const;
    // The shown value in the display unit, for a reading that has one.
    bool HasValue() const { return status == Status::Ok; }
    double Value() const { return valueText.toDouble(); }
};
Q_DECLARE_METATYPE(LiveRecord)
