#include "CriteriaJson.h"

#include "GaugeUnit.h"

#include <QJsonDocument>

QJsonObject CriteriaJson::ToObject(const InspectionCriteria &criteria)
{
    QJsonObject object{{QStringLiteral("rule"), InspectionCriteria::RuleKey(criteria.rule)},
                       {QStringLiteral("unit"), GaugeUnit::Text(criteria.unitCode)},
                       {QStringLiteral("ndft"), criteria.nominal},
                       {QStringLiteral("min"), criteria.minimum},
                       {QStringLiteral("max"), criteria.maximum}};
    if (criteria.rule == InspectionCriteria::Rule::SspcPa2) {
        object.insert(QStringLiteral("spot_size"), criteria.spotSize);
        object.insert(QStringLiteral("spot_low_percent"), criteria.spotLowPercent);
        object.insert(QStringLiteral("spot_high_percent"), criteria.spotHighPercent);
    }
    return object;
}

QByteArray CriteriaJson::ToText(const InspectionCriteria &criteria)
{
    return QJsonDocument(ToObject(criteria)).toJson(QJsonDocument::Compact);
}

InspectionCriteria CriteriaJson::FromObject(const QJsonObject &object)
{
    InspectionCriteria criteria;
    InspectionCriteria::RuleFromKey(object.value(QStringLiteral("rule")).toString(),
                                    &criteria.rule);
    criteria.unitCode = qMax(0, GaugeUnit::CodeOf(object.value(QStringLiteral("unit")).toString()));
    criteria.nominal = object.value(QStringLiteral("ndft")).toDouble();
    criteria.minimum = object.value(QStringLiteral("min")).toDouble();
    criteria.maximum = object.value(QStringLiteral("max")).toDouble();
    criteria.spotSize = object.value(QStringLiteral("spot_size")).toInt(criteria.spotSize);
    criteria.spotLowPercent =
        object.value(QStringLiteral("spot_low_percent")).toDouble(criteria.spotLowPercent);
    criteria.spotHighPercent =
        object.value(QStringLiteral("spot_high_percent")).toDouble(criteria.spotHighPercent);
    return criteria;
}

InspectionCriteria CriteriaJson::FromText(const QByteArray &text)
{
    return FromObject(QJsonDocument::fromJson(text).object());
}

InspectionVerdict::Outcome CriteriaJson::OutcomeOf(const QString &key)
{
    for (auto outcome : {InspectionVerdict::Outcome::Pass, InspectionVerdict::Outcome::Fail,
                         InspectionVerdict::Outcome::Incomplete}) {
        if (key == InspectionVerdict::OutcomeKey(outcome))
            return outcome;
    }
    return InspectionVerdict::Outcome::None;
}
