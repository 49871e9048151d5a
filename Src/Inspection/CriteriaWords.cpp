#include "CriteriaWords.h"

#include "FigureText.h"
#include "InspectionRule.h"
#include "LimitComparison.h"

namespace {
QString Thickness(const InspectionCriteria &criteria, double value)
{
    return FigureText::Limit(criteria.unitCode, value) + QLatin1Char(' ') +
           FigureText::Unit(criteria.unitCode);
}
} // namespace

QString CriteriaWords::Of(const InspectionCriteria &criteria)
{
    switch (criteria.rule) {
    case InspectionCriteria::Rule::Iso19840:
        return Iso(criteria);
    case InspectionCriteria::Rule::ImoPspc:
        return Pspc(criteria);
    case InspectionCriteria::Rule::SspcPa2:
        return Pa2(criteria);
    case InspectionCriteria::Rule::None:
        break;
    }
    return Limits(criteria);
}

QString CriteriaWords::Iso(const InspectionCriteria &criteria)
{
    QString text =
        tr("%1, nominal %2: the mean at or above the nominal, no reading below 80 % of it (%3), "
           "at most 20 % of the readings from 80 % up to below the nominal")
            .arg(InspectionCriteria::RuleName(criteria.rule), Thickness(criteria, criteria.nominal),
                 Thickness(criteria, LimitComparison::Share(criteria.nominal, 80)));
    if (criteria.HasMaximum())
        text += tr(", no reading above the maximum %1").arg(Thickness(criteria, criteria.maximum));
    return text + QLatin1Char('.');
}

QString CriteriaWords::Pspc(const InspectionCriteria &criteria)
{
    return tr("%1, nominal %2: at least 90 % of the readings at or above the nominal, no reading "
              "below 90 % of it (%3).")
        .arg(InspectionCriteria::RuleName(criteria.rule), Thickness(criteria, criteria.nominal),
             Thickness(criteria, LimitComparison::Share(criteria.nominal, 90)));
}

QString CriteriaWords::Pa2(const InspectionCriteria &criteria)
{
    return tr("%1, minimum %2, maximum %3: each spot is the mean of %4 readings and lies within "
              "%5 % of the minimum to %6 % of the maximum (%7 to %8); each area is the mean of "
              "%9 spots and lies within the minimum and the maximum. Single readings are not "
              "judged.")
        .arg(InspectionCriteria::RuleName(criteria.rule), Thickness(criteria, criteria.minimum),
             Thickness(criteria, criteria.maximum))
        .arg(criteria.spotSize)
        .arg(criteria.spotLowPercent)
        .arg(criteria.spotHighPercent)
        .arg(
            Thickness(criteria, LimitComparison::Share(criteria.minimum, criteria.spotLowPercent)),
            Thickness(criteria, LimitComparison::Share(criteria.maximum, criteria.spotHighPercent)))
        .arg(InspectionRule::SpotsPerArea);
}

QString CriteriaWords::Limits(const InspectionCriteria &criteria)
{
    const QString rule = InspectionCriteria::RuleName(criteria.rule);
    QStringList limits;
    if (criteria.minimum > 0)
        limits << tr("minimum %1").arg(Thickness(criteria, criteria.minimum));
    if (criteria.HasMaximum())
        limits << tr("maximum %1").arg(Thickness(criteria, criteria.maximum));
    if (limits.isEmpty())
        return tr("%1: the readings are not judged.").arg(rule);
    return tr("%1: the readings are not judged; those outside the %2 are marked.")
        .arg(rule, limits.join(tr(" and the ")));
}
