#include "InspectionReport.h"

#include "FloatText.h"
#include "GaugeUnit.h"
#include "MemoryTextExport.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The reading of a known unit in the report's unit, as a reading there is shown.
void SetValue(InspectionReport::Reading *reading, int reportUnit, float micrometres)
{
    reading->valueText = GaugeUnit::FormatFixed(reportUnit, micrometres);
    reading->value = reading->valueText.toDouble();
}

void AddConversion(InspectionReport *report, int group, int unitCode)
{
    const auto known = std::any_of(report->conversions.cbegin(), report->conversions.cend(),
                                   [&](const InspectionReport::Conversion &c) {
                                       return c.group == group && c.unitCode == unitCode;
                                   });
    if (!known)
        report->conversions.append({group, unitCode});
}

int FirstDownloadUnit(const QMap<int, QList<LogRecord>> &groups)
{
    for (int group = MemoryTextExport::FirstGroup; group <= MemoryTextExport::LastGroup; ++group) {
        for (const LogRecord &record : groups.value(group)) {
            if (GaugeUnit::IsKnown(record.unit))
                return record.unit;
        }
    }
    return GaugeUnit::Micrometres;
}
} // namespace

bool InspectionReport::IsDownload() const
{
    return std::any_of(readings.cbegin(), readings.cend(),
                       [](const Reading &reading) { return reading.group >= 0; });
}

InspectionReport InspectionReport::FromRecords(const QVector<LiveRecord> &records)
{
    InspectionReport report;
    report.created = QDateTime::currentDateTime();
    const auto last = std::find_if(records.crbegin(), records.crend(),
                                   [](const LiveRecord &record) { return record.HasValue(); });
    report.unitCode = last != records.crend() ? int(last->unitCode) : int(GaugeUnit::Micrometres);
    report.readings.reserve(records.size());
    for (const LiveRecord &record : records) {
        Reading reading;
        reading.index = record.index;
        reading.time = record.arrival;
        reading.status = record.status;
        reading.valueText = record.valueText;
        if (record.HasValue() && record.unitCode != report.unitCode) {
            SetValue(&reading, report.unitCode, record.micrometres);
            AddConversion(&report, -1, record.unitCode);
        } else if (record.HasValue()) {
            reading.value = record.Value();
        }
        report.readings.append(reading);
    }
    return report;
}

InspectionReport InspectionReport::FromDownload(const QMap<int, QList<LogRecord>> &groups)
{
    InspectionReport report;
    report.created = QDateTime::currentDateTime();
    report.unitCode = FirstDownloadUnit(groups);
    for (int group = MemoryTextExport::FirstGroup; group <= MemoryTextExport::LastGroup; ++group) {
        const QList<LogRecord> records = groups.value(group);
        for (int i = 0; i < records.size(); ++i) {
            const LogRecord &record = records.at(i);
            Reading reading;
            reading.index = i + 1;
            reading.group = group;
            if (!GaugeUnit::IsKnown(record.unit)) {
                reading.status = LiveRecord::Status::UnknownUnit;
                reading.valueText = FloatText::Shortest(record.value);
            } else {
                SetValue(&reading, report.unitCode, record.value);
                if (record.unit != report.unitCode)
                    AddConversion(&report, group, record.unit);
            }
            report.readings.append(reading);
        }
    }
    return report;
}

InspectionReport InspectionReport::FromMemory(const MemoryDownload &download,
                                              const InspectionCriteria &criteria)
{
    InspectionReport report = FromDownload(download.Frames());
    // The title keeps the translation context it has always had.
    report.title = QCoreApplication::translate("MemoryDownload", "Memory download %1")
                       .arg(download.Time().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    report.port = download.Port();
    report.criteria = criteria;
    return report;
}
