#pragma once

#include "InspectionReport.h"
#include "SeriesInspection.h"

#include <QVector>

// The figures and the verdicts of a report's readings, worked out in one pass over them: one
// series for a live run; for a memory download one per group with readings and, when there is
// more than one such group, one of all groups together. Overflows are counted apart; readings
// of an unknown unit are listed but never judged.
class ReportFigures
{
public:
    // How a reading stands against the criteria's minimum and maximum, and against the share of
    // the nominal the rule allows no reading under.
    enum class Mark
    {
        Ok,
        Overflow,
        BelowMinimum,
        AboveMaximum,
        UnknownUnit,
        BelowRuleFloor
    };

    struct Series
    {
        int group = -1; // -1: the live run, or all groups together
        SeriesInspection inspection;
    };

    explicit ReportFigures(const InspectionReport &report);

    const QVector<Series> &AllSeries() const { return m_series; }
    // The series the report's verdict is: the live run, or the download as a whole.
    const SeriesInspection &Overall() const { return m_series.last().inspection; }
    // The criteria in the report's unit.
    const InspectionCriteria &Criteria() const { return Overall().Criteria(); }
    Mark MarkOf(const InspectionReport::Reading &reading) const;

    static bool IsJudged(const InspectionReport::Reading &reading)
    {
        return reading.status == LiveRecord::Status::Ok;
    }

private:
    QVector<Series> m_series;
};
