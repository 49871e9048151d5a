#pragma once

#include "InspectionCriteria.h"

#include <QCoreApplication>
#include <QString>

// The criteria in words, as a page, a report or a command tells them: the standard's name
// and what it asks of the readings with its parameters, in the criteria's unit:
// "ISO 19840, nominal 125 µm: the mean at or above the nominal, no reading below 80 % of it
// (100 µm), at most 20 % of the readings from 80 % up to below it, none above 250 µm."
class CriteriaWords
{
    Q_DECLARE_TR_FUNCTIONS(CriteriaWords)

public:
    static QString Of(const InspectionCriteria &criteria);

private:
    static QString Iso(const InspectionCriteria &criteria);
    static QString Pspc(const InspectionCriteria &criteria);
    static QString Pa2(const InspectionCriteria &criteria);
    static QString Limits(const InspectionCriteria &criteria);
};
