#include "InspectionRule.h"

#include "GaugeUnit.h"

namespace {
// A share in percent without needless decimals: "15", "12.5".
QString Percent(qint64 part, qint64 whole)
{
    const double percent =
        whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0;
    return QString::number(percent, 'g', 4);
}
} // namespace

QString InspectionVerdict::OutcomeKey(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Pass:
        return QStringLiteral("pass");
    case Outcome::Fail:
        return QStringLiteral("fail");
    case Outcome::Incomplete:
        return QStringLiteral("incomplete");
    case Outcome::None:
        break;
    }
    return QStringLiteral("none");
}

QString InspectionVerdict::OutcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Pass:
        return QCoreApplication::translate("InspectionRule", "Pass");
    case Outcome::Fail:
        return QCoreApplication::translate("InspectionRule", "Fail");
    case Outcome::Incomplete:
        return QCoreApplication::translate("InspectionRule", "Incomplete");
    case Outcome::None:
        break;
    }
    return QCoreApplication::translate("InspectionRule", "No rule");
}

InspectionRule::InspectionRule(const InspectionCriteria &criteria) : m_criteria(criteria) {}

void InspectionRule::Add(double reading)
{
    ++m_count;
    m_sum += reading;
    const double nominal = m_criteria.nominal;
    if (m_criteria.IsBelowRuleFloor(reading))
        ++m_belowLow;
    else if (m_criteria.rule == InspectionCriteria::Rule::Iso19840 && reading < nominal)
        ++m_belowNominal;
    if (reading >= nominal)
        ++m_atNominal;
    if (m_criteria.HasMaximum() && reading > m_criteria.maximum)
        ++m_aboveMaximum;
    if (m_criteria.rule == InspectionCriteria::Rule::SspcPa2)
        AddToSpot(reading);
}

void InspectionRule::AddToSpot(double reading)
{
    m_spotSum += reading;
    if (++m_spotReadings < m_criteria.spotSize)
        return;
    const double spot = m_spotSum / m_spotReadings;
    m_spotSum = 0;
    m_spotReadings = 0;
    m_spots.append(spot);
    if (100 * spot < m_criteria.spotLowPercent * m_criteria.minimum ||
        100 * spot > m_criteria.spotHighPercent * m_criteria.maximum)
        ++m_badSpots;
    AddToArea(spot);
}

void InspectionRule::AddToArea(double spot)
{
    m_areaSum += spot;
    if (++m_areaSpots < SpotsPerArea)
        return;
    const double area = m_areaSum / m_areaSpots;
    m_areaSum = 0;
    m_areaSpots = 0;
    m_areas.append(area);
    if (area < m_criteria.minimum || area > m_criteria.maximum)
        ++m_badAreas;
}

bool InspectionRule::IsOutOfLimits(double reading) const
{
    return (m_criteria.minimum > 0 && reading < m_criteria.minimum) ||
           (m_criteria.HasMaximum() && reading > m_criteria.maximum) ||
           m_criteria.IsBelowRuleFloor(reading);
}

InspectionVerdict InspectionRule::Verdict() const
{
    InspectionVerdict verdict;
    verdict.spots = m_spots;
    verdict.areas = m_areas;
    verdict.pendingReadings = m_spotReadings;
    verdict.pendingSpots = m_areaSpots;
    using Outcome = InspectionVerdict::Outcome;
    switch (m_criteria.rule) {
    case InspectionCriteria::Rule::None:
        return verdict;
    case InspectionCriteria::Rule::Iso19840:
        verdict.reasons = IsoReasons();
        break;
    case InspectionCriteria::Rule::ImoPspc:
        verdict.reasons = PspcReasons();
        break;
    case InspectionCriteria::Rule::SspcPa2:
        verdict.reasons = Pa2Reasons();
        if (m_areas.isEmpty() && verdict.reasons.isEmpty()) {
            verdict.outcome = Outcome::Incomplete;
            return verdict;
        }
        break;
    }
    if (m_count == 0)
        verdict.outcome = Outcome::Incomplete;
    else
        verdict.outcome = verdict.reasons.isEmpty() ? Outcome::Pass : Outcome::Fail;
    return verdict;
}

QStringList InspectionRule::IsoReasons() const
{
    QStringList reasons;
    if (m_count == 0)
        return reasons;
    const double mean = m_sum / static_cast<double>(m_count);
    if (mean < m_criteria.nominal)
        reasons << tr("mean %1 below the nominal %2")
                       .arg(Thickness(mean), Thickness(m_criteria.nominal));
    if (m_belowLow > 0)
        reasons << Share(m_belowLow,
                         QT_TR_NOOP("%1 of %2 readings (%3 %) below 80 % of the nominal %4"));
    if (5 * m_belowNominal > m_count)
        reasons << Share(m_belowNominal,
                         QT_TR_NOOP("%1 of %2 readings (%3 %) from 80 % up to below the nominal "
                                    "%4; at most 20 % are allowed"));
    if (m_aboveMaximum > 0)
        reasons << tr("%1 of %2 readings (%3 %) above the maximum %4")
                       .arg(m_aboveMaximum)
                       .arg(m_count)
                       .arg(Percent(m_aboveMaximum, m_count), Thickness(m_criteria.maximum));
    return reasons;
}

QStringList InspectionRule::PspcReasons() const
{
    QStringList reasons;
    if (m_count == 0)
        return reasons;
    if (10 * m_atNominal < 9 * m_count)
        reasons << Share(m_atNominal, QT_TR_NOOP("%1 of %2 readings (%3 %) at or above the nominal "
                                                 "%4; at least 90 % are required"));
    if (m_belowLow > 0)
        reasons << Share(m_belowLow,
                         QT_TR_NOOP("%1 of %2 readings (%3 %) below 90 % of the nominal %4"));
    return reasons;
}

QStringList InspectionRule::Pa2Reasons() const
{
    QStringList reasons;
    if (m_badSpots > 0)
        reasons << tr("%1 of %2 spots outside %3 to %4")
                       .arg(m_badSpots)
                       .arg(m_spots.size())
                       .arg(Thickness(m_criteria.spotLowPercent * m_criteria.minimum / 100),
                            Thickness(m_criteria.spotHighPercent * m_criteria.maximum / 100));
    if (m_badAreas > 0)
        reasons << tr("%1 of %2 areas outside %3 to %4")
                       .arg(m_badAreas)
                       .arg(m_areas.size())
                       .arg(Thickness(m_criteria.minimum), Thickness(m_criteria.maximum));
    return reasons;
}

// One of the sentences about a share of the readings and the nominal.
QString InspectionRule::Share(qint64 count, const char *what) const
{
    return tr(what).arg(count).arg(m_count).arg(Percent(count, m_count),
                                                Thickness(m_criteria.nominal));
}

// A thickness with the unit's decimals and its unit: "100 um", "3.937 mils".
QString InspectionRule::Thickness(double value) const
{
    const int decimals = GaugeUnit::Decimals(m_criteria.unitCode, static_cast<float>(value));
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') +
           GaugeUnit::Text(m_criteria.unitCode);
}

InspectionVerdict InspectionRule::Evaluate(const InspectionCriteria &criteria,
                                           const QVector<double> &readings)
{
    InspectionRule rule(criteria);
    for (double reading : readings)
        rule.Add(reading);
    return rule.Verdict();
}
