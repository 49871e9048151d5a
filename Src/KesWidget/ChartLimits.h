#pragma once

#include "InspectionCriteria.h"
#include "KesLimitLines.h"

// The lines a reading chart draws for the criteria in force (CriterionLines).
class ChartLimits
{
public:
    static QVector<KesLimitLines::Limit> Of(const InspectionCriteria &criteria);
};
