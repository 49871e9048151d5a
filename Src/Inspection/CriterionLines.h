#pragma once

#include "InspectionCriteria.h"

#include <QCoreApplication>
#include <QVector>

// One limit of the criteria in force, as a chart draws it.
struct CriterionLine
{
    enum class Kind
    {
        Target, // the nominal
        Lower,
        Upper
    };
    Kind kind = Kind::Target;
    double value = 0;
    QString label; // "80 % of nominal: 100 µm"
};

// The limits a rule judges against, no more: ISO 19840 the nominal, 80 % of it and the
// maximum when set; IMO PSPC the nominal and 90 % of it; SSPC-PA 2 the spot and area limits;
// with no rule the minimum and maximum that are set, which mark readings. In the criteria's
// unit, each labelled with its thickness.
class CriterionLines
{
    Q_DECLARE_TR_FUNCTIONS(CriterionLines)

public:
    static QVector<CriterionLine> Of(const InspectionCriteria &criteria);
};
