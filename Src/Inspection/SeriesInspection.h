#pragma once

#include "InspectionCriteria.h"
#include "InspectionRule.h"
#include "LiveRecord.h"
#include "ReadingStatistics.h"

#include <QVector>

// The figures and the verdict of one series of readings in one unit, kept up to date one
// reading at a time. The criteria come in the unit they were set in and are judged in the
// series' unit, so "minimum 100 um" holds for a series shown in mils too.
class SeriesInspection
{
public:
    explicit SeriesInspection(const InspectionCriteria &criteria = InspectionCriteria(),
                              int unitCode = 0);

    // The readings of a run in one unit: those of other units are left out, the overflows of
    // the whole run counted.
    static SeriesInspection OfRecords(const QVector<LiveRecord> &records,
                                      const InspectionCriteria &criteria, int unitCode);

    // A reading as shown, in the series' unit.
    void Add(double value);
    void AddOverflow() { m_rule.AddOverflow(); }

    int UnitCode() const { return m_unitCode; }
    // The criteria in the series' unit.
    const InspectionCriteria &Criteria() const { return m_criteria; }
    // The figures the verdict judges.
    const ReadingStatistics &Statistics() const { return m_rule.Statistics(); }
    InspectionVerdict Verdict() const { return m_rule.Verdict(); }
    ReadingMark MarkOf(double value) const { return m_rule.MarkOf(value); }
    bool IsOutOfLimits(double value) const { return m_rule.IsOutOfLimits(value); }

private:
    int m_unitCode;
    InspectionCriteria m_criteria;
    InspectionRule m_rule;
};
