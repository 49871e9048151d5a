#include "CriterionLines.h"

#include "FigureText.h"
#include "LimitComparison.h"

QVector<CriterionLine> CriterionLines::Of(const InspectionCriteria &criteria)
{
    using Kind = CriterionLine::Kind;
    using Rule = InspectionCriteria::Rule;
    QVector<CriterionLine> lines;
    const auto add = [&](Kind kind, double value, const QString &name) {
        if (value > 0)
            lines.append({kind, value,
                          name.arg(FigureText::Limit(criteria.unitCode, value) + QLatin1Char(' ') +
                                   FigureText::Unit(criteria.unitCode))});
    };
    switch (criteria.rule) {
    case Rule::None:
        add(Kind::Lower, criteria.minimum, tr("Minimum %1"));
        add(Kind::Upper, criteria.maximum, tr("Maximum %1"));
        break;
    case Rule::Iso19840:
        add(Kind::Target, criteria.nominal, tr("Nominal %1"));
        add(Kind::Lower, LimitComparison::Share(criteria.nominal, 80), tr("80 % of nominal: %1"));
        add(Kind::Upper, criteria.maximum, tr("Maximum %1"));
        break;
    case Rule::ImoPspc:
        add(Kind::Target, criteria.nominal, tr("Nominal %1"));
        add(Kind::Lower, LimitComparison::Share(criteria.nominal, 90), tr("90 % of nominal: %1"));
        break;
    case Rule::SspcPa2:
        add(Kind::Lower, LimitComparison::Share(criteria.minimum, criteria.spotLowPercent),
            tr("Spot minimum %1"));
        add(Kind::Lower, criteria.minimum, tr("Area minimum %1"));
        add(Kind::Upper, criteria.maximum, tr("Area maximum %1"));
        add(Kind::Upper, LimitComparison::Share(criteria.maximum, criteria.spotHighPercent),
            tr("Spot maximum %1"));
        break;
    }
    return lines;
}
