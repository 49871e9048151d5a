#include "InspectionSettings.h"

#include "KesConfig.h"

namespace {
const QString Group = QStringLiteral("Inspection");

double Number(const QString &key, double fallback)
{
    bool ok = false;
    const double value = KesConfig::Instance()->ReadValue(key, Group).toDouble(&ok);
    return ok ? value : fallback;
}
} // namespace

InspectionCriteria InspectionSettings::Load()
{
    InspectionCriteria criteria;
    const QString rule = KesConfig::Instance()->ReadValue(QStringLiteral("Rule"), Group).toString();
    if (!InspectionCriteria::RuleFromKey(rule, &criteria.rule))
        criteria.rule = InspectionCriteria::Rule::None;
    criteria.unitCode = static_cast<int>(Number(QStringLiteral("Unit"), criteria.unitCode));
    criteria.nominal = Number(QStringLiteral("Nominal"), criteria.nominal);
    criteria.minimum = Number(QStringLiteral("Minimum"), criteria.minimum);
    criteria.maximum = Number(QStringLiteral("Maximum"), criteria.maximum);
    criteria.spotSize = static_cast<int>(Number(QStringLiteral("SpotSize"), criteria.spotSize));
    criteria.spotLowPercent = Number(QStringLiteral("SpotLowPercent"), criteria.spotLowPercent);
    criteria.spotHighPercent = Number(QStringLiteral("SpotHighPercent"), criteria.spotHighPercent);
    // A file edited by hand into something that cannot judge anything judges nothing.
    if (!criteria.Problem().isEmpty())
        criteria.rule = InspectionCriteria::Rule::None;
    return criteria;
}

void InspectionSettings::Save(const InspectionCriteria &criteria)
{
    KesConfig *config = KesConfig::Instance();
    config->WriteValue(QStringLiteral("Rule"), InspectionCriteria::RuleKey(criteria.rule), Group);
    config->WriteValue(QStringLiteral("Unit"), criteria.unitCode, Group);
    config->WriteValue(QStringLiteral("Nominal"), criteria.nominal, Group);
    config->WriteValue(QStringLiteral("Minimum"), criteria.minimum, Group);
    config->WriteValue(QStringLiteral("Maximum"), criteria.maximum, Group);
    config->WriteValue(QStringLiteral("SpotSize"), criteria.spotSize, Group);
    config->WriteValue(QStringLiteral("SpotLowPercent"), criteria.spotLowPercent, Group);
    config->WriteValue(QStringLiteral("SpotHighPercent"), criteria.spotHighPercent, Group);
}
