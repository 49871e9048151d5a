#pragma once

#include <QString>

// What a set of readings is judged against: the rule, the unit the limits are given in, the
// nominal dry film thickness and the limits. A limit of 0 or less is not set.
struct InspectionCriteria
{
    enum class Rule
    {
        None,
        Iso19840,
        ImoPspc,
        SspcPa2
    };

    Rule rule = Rule::None;
    int unitCode = 0;
    double nominal = 0;
    double minimum = 0;
    double maximum = 0;
    // SSPC-PA 2: readings per spot, and the spot limits in percent of minimum and maximum.
    int spotSize = 3;
    double spotLowPercent = 80;
    double spotHighPercent = 120;

    bool HasMaximum() const { return maximum > 0; }
    // Whether one reading lies below the share of the nominal the rule allows no reading under:
    // 80 % (ISO 19840), 90 % (IMO PSPC); never for the other rules. A reading on that share
    // is not below (LimitComparison).
    bool IsBelowRuleFloor(double reading) const;
    bool operator==(const InspectionCriteria &other) const;
    // The same criteria with the thicknesses converted into another unit of the gauge.
    InspectionCriteria InUnit(int otherUnitCode) const;
    // "none", "iso19840", "pspc", "pa2"; and back (nothing for an unknown key).
    static QString RuleKey(Rule rule);
    static bool RuleFromKey(const QString &key, Rule *rule);
    // The rule's name for people: "ISO 19840", "IMO PSPC 90/10", "SSPC-PA 2"; "None".
    static QString RuleName(Rule rule);
    // The setting a problem lies in.
    enum class Field
    {
        None,
        Nominal,
        Minimum,
        Maximum,
        MinimumAndMaximum, // they do not fit together
        SpotSize,
        SpotLow,
        SpotHigh
    };
    // Why the criteria cannot be used to judge anything, and in which setting; empty when it
    // can.
    QString Problem(Field *field = nullptr) const;

private:
    QString ProblemIn(Field *field) const;

public:
};
