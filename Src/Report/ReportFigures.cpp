#include "ReportFigures.h"

namespace {
QVector<int> GroupsWithReadings(const InspectionReport &report)
{
    QVector<int> groups;
    for (const InspectionReport::Reading &reading : report.readings) {
        if (reading.group >= 0 && !groups.contains(reading.group))
            groups.append(reading.group);
    }
    return groups;
}

void AddTo(SeriesInspection *series, const InspectionReport::Reading &reading)
{
    if (reading.status == LiveRecord::Status::Overflow)
        series->AddOverflow();
    else if (ReportFigures::IsJudged(reading))
        series->Add(reading.value);
}
} // namespace

ReportFigures::ReportFigures(const InspectionReport &report)
{
    const QVector<int> groups = GroupsWithReadings(report);
    for (int group : groups)
        m_series.append({group, SeriesInspection(report.criteria, report.unitCode)});
    if (groups.size() != 1)
        m_series.append({-1, SeriesInspection(report.criteria, report.unitCode)});
    const bool perGroup = m_series.size() > 1;
    for (const InspectionReport::Reading &reading : report.readings) {
        if (perGroup && reading.group >= 0)
            AddTo(&m_series[groups.indexOf(reading.group)].inspection, reading);
        AddTo(&m_series.last().inspection, reading);
    }
}

ReportFigures::Mark ReportFigures::MarkOf(const InspectionReport::Reading &reading) const
{
    switch (reading.status) {
    case LiveRecord::Status::Overflow:
        return Mark::Overflow;
    case LiveRecord::Status::UnknownUnit:
        return Mark::UnknownUnit;
    case LiveRecord::Status::Ok:
        break;
    }
    switch (Overall().MarkOf(reading.value)) {
    case ReadingMark::BelowMinimum:
        return Mark::BelowMinimum;
    case ReadingMark::AboveMaximum:
        return Mark::AboveMaximum;
    case ReadingMark::BelowRuleFloor:
        return Mark::BelowRuleFloor;
    case ReadingMark::None:
        break;
    }
    return Mark::Ok;
}
