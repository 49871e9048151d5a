#include "LiveRecord.h"

#include "FloatText.h"
#include "GaugeUnit.h"
#include "LiveReading.h"

LiveRecord LiveRecord::FromReading(const LiveReading &reading, qint64 index,
                                   const QDateTime &arrival)
{
    LiveRecord record;
    record.index = index;
    record.arrival = arrival;
    record.micrometres = reading.Micrometres();
    record.unitCode = reading.UnitCode();
    if (!GaugeUnit::IsKnown(reading.UnitCode())) {
        record.status = Status::UnknownUnit;
        record.valueText = FloatText::Shortest(reading.Micrometres());
    } else if (reading.IsOverflow()) {
        record.status = Status::Overflow;
    } else {
        record.valueText = reading.ValueText();
    }
    return record;
}

QString LiveRecord::StatusText(Status status)
{
    switch (status) {
    case Status::Overflow:
        return QStringLiteral("overflow");
    case Status::UnknownUnit:
        return QStringLiteral("unknown-unit");
    case Status::Ok:
        break;
    }
    return QStringLiteral("ok");
}

QString LiveRecord::UnitText() const
{
    return GaugeUnit::Text(unitCode);
}
