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

InspectionSpec InspectionSettings::Load()
{
    InspectionSpec spec;
    const QString rule = KesConfig::Instance()->ReadValue(QStringLiteral("Rule"), Group).toString();
    if (!InspectionSpec::RuleFromKey(rule, &spec.rule))
        spec.rule = InspectionSpec::Rule::None;
    spec.unitCode = static_cast<int>(Number(QStringLiteral("Unit"), spec.unitCode));
    spec.nominal = Number(QStringLiteral("Nominal"), spec.nominal);
    spec.minimum = Number(QStringLiteral("Minimum"), spec.minimum);
    spec.maximum = Number(QStringLiteral("Maximum"), spec.maximum);
    spec.spotSize = static_cast<int>(Number(QStringLiteral("SpotSize"), spec.spotSize));
    spec.spotLowPercent = Number(QStringLiteral("SpotLowPercent"), spec.spotLowPercent);
    spec.spotHighPercent = Number(QStringLiteral("SpotHighPercent"), spec.spotHighPercent);
    // A file edited by hand into something that cannot judge anything judges nothing.
    if (!spec.Problem().isEmpty())
        spec.rule = InspectionSpec::Rule::None;
    return spec;
}

void InspectionSettings::Save(const InspectionSpec &spec)
{
    KesConfig *config = KesConfig::Instance();
    config->WriteValue(QStringLiteral("Rule"), InspectionSpec::RuleKey(spec.rule), Group);
    config->WriteValue(QStringLiteral("Unit"), spec.unitCode, Group);
    config->WriteValue(QStringLiteral("Nominal"), spec.nominal, Group);
    config->WriteValue(QStringLiteral("Minimum"), spec.minimum, Group);
    config->WriteValue(QStringLiteral("Maximum"), spec.maximum, Group);
    config->WriteValue(QStringLiteral("SpotSize"), spec.spotSize, Group);
    config->WriteValue(QStringLiteral("SpotLowPercent"), spec.spotLowPercent, Group);
    config->WriteValue(QStringLiteral("SpotHighPercent"), spec.spotHighPercent, Group);
}
