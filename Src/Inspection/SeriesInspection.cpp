#include "SeriesInspection.h"

SeriesInspection::SeriesInspection(const InspectionCriteria &criteria, int unitCode)
    : m_unitCode(unitCode), m_criteria(criteria.InUnit(unitCode)), m_rule(m_criteria)
{}

void SeriesInspection::Add(double value)
{
    m_rule.Add(value);
}

SeriesInspection SeriesInspection::OfRecords(const QVector<LiveRecord> &records,
                                             const InspectionCriteria &criteria, int unitCode)
{
    SeriesInspection inspection(criteria, unitCode);
    for (const LiveRecord &record : records) {
        if (record.status == LiveRecord::Status::Overflow)
            inspection.AddOverflow();
        else if (record.HasValue() && record.unitCode == unitCode)
            inspection.Add(record.Value());
    }
    return inspection;
}
