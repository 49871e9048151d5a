#include "SeriesInspection.h"

SeriesInspection::SeriesInspection(const InspectionCriteria &criteria, int unitCode)
    : m_unitCode(unitCode), m_criteria(criteria.InUnit(unitCode)), m_rule(m_criteria)
{}

void SeriesInspection::Add(double value)
{
    m_statistics.Add(value);
    m_rule.Add(value);
}
