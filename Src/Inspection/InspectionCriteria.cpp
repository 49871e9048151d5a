#include "InspectionCriteria.h"

#include "GaugeUnit.h"
#include "LimitComparison.h"

#include <QCoreApplication>

namespace {
struct RuleText
{
    InspectionCriteria::Rule rule;
    const char *key;
    const char *name;
};
const RuleText Rules[] = {
    {InspectionCriteria::Rule::None, "none", QT_TRANSLATE_NOOP("InspectionCriteria", "None")},
    {InspectionCriteria::Rule::Iso19840, "iso19840", "ISO 19840"},
    {InspectionCriteria::Rule::ImoPspc, "pspc", "IMO PSPC 90/10"},
    {InspectionCriteria::Rule::SspcPa2, "pa2", "SSPC-PA 2"},
};

QString Tr(const char *text)
{
    return QCoreApplication::translate("InspectionCriteria", text);
}
} // namespace

QString InspectionCriteria::RuleKey(Rule rule)
{
    for (const RuleText &entry : Rules) {
        if (entry.rule == rule)
            return QString::fromLatin1(entry.key);
    }
    return QString();
}

bool InspectionCriteria::RuleFromKey(const QString &key, Rule *rule)
{
    for (const RuleText &entry : Rules) {
        if (key == QLatin1String(entry.key)) {
            *rule = entry.rule;
            return true;
        }
    }
    return false;
}

QString InspectionCriteria::RuleName(Rule rule)
{
    for (const RuleText &entry : Rules) {
        if (entry.rule == rule)
            return rule == Rule::None ? Tr(entry.name) : QString::fromLatin1(entry.name);
    }
    return QString();
}

QString InspectionCriteria::Problem(Field *field) const
{
    Field where = Field::None;
    const QString problem = ProblemIn(&where);
    if (field)
        *field = where;
    return problem;
}

QString InspectionCriteria::ProblemIn(Field *field) const
{
    const auto at = [field](Field where, const char *text) {
        *field = where;
        return Tr(text);
    };
    if (nominal < 0)
        return at(Field::Nominal,
                  QT_TRANSLATE_NOOP("InspectionCriteria", "A thickness cannot be negative."));
    if (minimum < 0)
        return at(Field::Minimum,
                  QT_TRANSLATE_NOOP("InspectionCriteria", "A thickness cannot be negative."));
    if (maximum < 0)
        return at(Field::Maximum,
                  QT_TRANSLATE_NOOP("InspectionCriteria", "A thickness cannot be negative."));
    if (HasMaximum() && minimum > maximum)
        return at(Field::MinimumAndMaximum,
                  QT_TRANSLATE_NOOP("InspectionCriteria", "The minimum is above the maximum."));
    switch (rule) {
    case Rule::None:
        return QString();
    case Rule::Iso19840:
    case Rule::ImoPspc:
        return nominal > 0
                   ? QString()
                   : at(Field::Nominal, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                          "The rule needs a nominal thickness."));
    case Rule::SspcPa2:
        if (minimum <= 0)
            return at(Field::Minimum, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                        "The rule needs a minimum and a maximum."));
        if (!HasMaximum())
            return at(Field::Maximum, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                        "The rule needs a minimum and a maximum."));
        if (spotSize < 1)
            return at(Field::SpotSize, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                         "A spot needs at least one reading."));
        if (spotLowPercent <= 0)
            return at(Field::SpotLow, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                        "The spot limits do not fit together."));
        if (spotHighPercent < spotLowPercent)
            return at(Field::SpotHigh, QT_TRANSLATE_NOOP("InspectionCriteria",
                                                         "The spot limits do not fit together."));
        return QString();
    }
    return QString();
}

bool InspectionCriteria::IsBelowRuleFloor(double reading) const
{
    if (rule == Rule::Iso19840)
        return LimitComparison::IsBelow(reading, LimitComparison::Share(nominal, 80));
    if (rule == Rule::ImoPspc)
        return LimitComparison::IsBelow(reading, LimitComparison::Share(nominal, 90));
    return false;
}

InspectionCriteria InspectionCriteria::InUnit(int otherUnitCode) const
{
    if (otherUnitCode == unitCode || !GaugeUnit::IsKnown(otherUnitCode))
        return *this;
    // Through micrometres, in double precision: a limit must not move by float rounding.
    const double toMicrometres = GaugeUnit::MicrometresPer(unitCode);
    const double fromMicrometres = 1.0 / GaugeUnit::MicrometresPer(otherUnitCode);
    const auto convert = [&](double thickness) {
        return thickness * toMicrometres * fromMicrometres;
    };
    InspectionCriteria converted = *this;
    converted.unitCode = otherUnitCode;
    converted.nominal = convert(nominal);
    converted.minimum = convert(minimum);
    converted.maximum = convert(maximum);
    return converted;
}

bool InspectionCriteria::operator==(const InspectionCriteria &other) const
{
    return rule == other.rule && unitCode == other.unitCode && nominal == other.nominal &&
           minimum == other.minimum && maximum == other.maximum && spotSize == other.spotSize &&
           spotLowPercent == other.spotLowPercent && spotHighPercent == other.spotHighPercent;
}
