#include "ChartLimits.h"

#include "CriterionLines.h"

QVector<KesLimitLines::Limit> ChartLimits::Of(const InspectionCriteria &criteria)
{
    QVector<KesLimitLines::Limit> limits;
    for (const CriterionLine &line : CriterionLines::Of(criteria))
        limits.append({line.value, line.label, line.kind == CriterionLine::Kind::Target});
    return limits;
}
