#include "InspectionSettings.h"

#include "GaugeUnit.h"
#include "KesConfig.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {
const QString Group = QStringLiteral("Inspection");

// Reads the group's values, keeps the defaults in place of values refused, and lists those.
class Reader
{
public:
    explicit Reader(QVector<InspectionSettings::Refusal> *refused) : m_refused(refused) {}

    // A number from low to high (low itself only when lowIncluded); whole when asked.
    void Number(const QString &key, double low, bool lowIncluded, double high, bool whole,
                double *value)
    {
        const QVariant stored = KesConfig::Instance()->ReadValue(key, Group);
        if (!stored.isValid())
            return;
        bool ok = false;
        const double number = stored.toString().trimmed().toDouble(&ok);
        const bool inRange = std::isfinite(number) &&
                             (lowIncluded ? number >= low : number > low) && number <= high &&
                             (!whole || std::floor(number) == number);
        if (ok && inRange)
            *value = number;
        else
            Refuse(key, stored.toString());
    }
    void Refuse(const QString &key, const QString &stored)
    {
        if (m_refused)
            m_refused->append({key, stored});
    }

private:
    QVector<InspectionSettings::Refusal> *m_refused;
};
} // namespace

InspectionCriteria InspectionSettings::Load(QVector<Refusal> *refused)
{
    InspectionCriteria criteria;
    Reader reader(refused);
    const QVariant rule = KesConfig::Instance()->ReadValue(QStringLiteral("Rule"), Group);
    if (rule.isValid() && !InspectionCriteria::RuleFromKey(rule.toString(), &criteria.rule)) {
        criteria.rule = InspectionCriteria::Rule::None;
        reader.Refuse(QStringLiteral("Rule"), rule.toString());
    }
    double unit = criteria.unitCode;
    reader.Number(QStringLiteral("Unit"), 0, true, GaugeUnit::Millimetres, true, &unit);
    criteria.unitCode = static_cast<int>(unit);
    reader.Number(QStringLiteral("Nominal"), 0, true, MaximumThickness, false, &criteria.nominal);
    reader.Number(QStringLiteral("Minimum"), 0, true, MaximumThickness, false, &criteria.minimum);
    reader.Number(QStringLiteral("Maximum"), 0, true, MaximumThickness, false, &criteria.maximum);
    double spotSize = criteria.spotSize;
    reader.Number(QStringLiteral("SpotSize"), 1, true, MaximumSpotSize, true, &spotSize);
    criteria.spotSize = static_cast<int>(spotSize);
    reader.Number(QStringLiteral("SpotLowPercent"), 0, false, 1000, false,
                  &criteria.spotLowPercent);
    reader.Number(QStringLiteral("SpotHighPercent"), 0, false, 1000, false,
                  &criteria.spotHighPercent);
    // Values each valid that cannot judge together (a minimum above the maximum) judge nothing.
    if (criteria.rule != InspectionCriteria::Rule::None && !criteria.Problem().isEmpty()) {
        reader.Refuse(QStringLiteral("Rule"), rule.toString());
        criteria.rule = InspectionCriteria::Rule::None;
    }
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

QString InspectionSettings::RefusalNotice()
{
    QVector<Refusal> refused;
    Load(&refused);
    if (refused.isEmpty())
        return QString();
    QStringList values;
    for (const Refusal &refusal : refused)
        values.append(QStringLiteral("%1 = \"%2\"").arg(refusal.key, refusal.stored));
    return QCoreApplication::translate("InspectionSettings",
                                       "These inspection settings were refused, and their "
                                       "defaults are used: %1. The others are kept.")
        .arg(values.join(QStringLiteral(", ")));
}
