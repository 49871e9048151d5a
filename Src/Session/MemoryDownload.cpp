#include "MemoryDownload.h"

#include "FloatText.h"
#include "GaugeUnit.h"
#include "LiveReading.h"

namespace {

// One downloaded reading as shown in a unit; a reading of an unknown unit keeps its own code.
LiveRecord Shown(const LogRecord &reading, int unitCode, qint64 index)
{
    LiveRecord record;
    record.index = index;
    record.micrometres = reading.value;
    record.unitCode =
        static_cast<qint8>(GaugeUnit::IsKnown(reading.unit) ? unitCode : reading.unit);
    if (!GaugeUnit::IsKnown(record.unitCode)) {
        record.status = LiveRecord::Status::UnknownUnit;
        record.valueText = FloatText::Shortest(reading.value);
    } else if (!LiveReading::IsInRange(reading.value)) {
        record.status = LiveRecord::Status::Overflow;
    } else {
        record.valueText = GaugeUnit::FormatFixed(record.unitCode, reading.value);
    }
    return record;
}

} // namespace

MemoryDownload::MemoryDownload(const QMap<int, QList<LogRecord>> &frames, const QDateTime &time,
                               const QString &port)
    : m_frames(frames), m_time(time), m_port(port)
{}

QList<int> MemoryDownload::Groups() const
{
    QList<int> groups;
    for (int group = FirstGroup; group <= LastGroup; ++group) {
        if (!m_frames.value(group).isEmpty())
            groups.append(group);
    }
    return groups;
}

int MemoryDownload::UnitCode(int group) const
{
    if (group != AllGroups) {
        const QList<LogRecord> readings = m_frames.value(group);
        return readings.isEmpty() ? int(GaugeUnit::Micrometres) : readings.first().unit;
    }
    int shared = -1;
    for (int each : Groups()) {
        const int unit = UnitCode(each);
        if (!GaugeUnit::IsKnown(unit))
            continue;
        if (shared != -1 && shared != unit)
            return GaugeUnit::Micrometres;
        shared = unit;
    }
    return shared == -1 ? int(GaugeUnit::Micrometres) : shared;
}

QList<LogRecord> MemoryDownload::Readings(int group) const
{
    if (group != AllGroups)
        return m_frames.value(group);
    QList<LogRecord> all;
    for (int each : Groups())
        all += m_frames.value(each);
    return all;
}

QVector<LiveRecord> MemoryDownload::Records(int group) const
{
    const int unit = UnitCode(group);
    const QList<LogRecord> readings = Readings(group);
    QVector<LiveRecord> records;
    records.reserve(readings.size());
    for (const LogRecord &reading : readings)
        records.append(Shown(reading, unit, records.size() + 1));
    return records;
}

SeriesInspection MemoryDownload::Inspect(int group, const InspectionCriteria &criteria) const
{
    return SeriesInspection::OfRecords(Records(group), criteria, UnitCode(group));
}
