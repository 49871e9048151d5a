#pragma once

#include "InspectionCriteria.h"
#include "InspectionRule.h"

#include <QByteArray>
#include <QJsonObject>

// The criteria as a JSON object, as the records keep a batch's copy and the command line shows
// it: "rule", "unit", "ndft", "min", "max", and for SSPC-PA 2 "spot_size", "spot_low_percent",
// "spot_high_percent".
class CriteriaJson
{
public:
    static QJsonObject ToObject(const InspectionCriteria &criteria);
    static QByteArray ToText(const InspectionCriteria &criteria);
    // Missing or unknown fields keep the defaults.
    static InspectionCriteria FromObject(const QJsonObject &object);
    static InspectionCriteria FromText(const QByteArray &text);
    // A verdict's key as stored beside the criteria ("pass", "fail", "incomplete"); None for
    // any other.
    static InspectionVerdict::Outcome OutcomeOf(const QString &key);
};
