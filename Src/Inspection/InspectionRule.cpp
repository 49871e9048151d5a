#include "InspectionRule.h"

#include "FigureText.h"
#include "LimitComparison.h"

namespace {
// A limit as printed, with its unit: "100 µm", "3.937 mils", "125.01 µm".
QString Thickness(int unitCode, double value)
{
    return FigureText::Limit(unitCode, value) + QLatin1Char(' ') + FigureText::Unit(unitCode);
}

// The share of the nominal no reading may lie under: 80 % (ISO 19840), 90 % (IMO PSPC).
double FloorPercent(InspectionCriteria::Rule rule)
{
    return rule == InspectionCriteria::Rule::Iso19840 ? 80 : 90;
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

QString InspectionVerdict::Name() const
{
    if (IsPassSoFar())
        return QCoreApplication::translate("InspectionRule", "Pass so far");
    return OutcomeName(outcome);
}

QString InspectionVerdict::Progress() const
{
    const auto count = [](const char *what, int n) {
        return QCoreApplication::translate("InspectionRule", what, nullptr, n);
    };
    const char *const spotCount = QT_TRANSLATE_N_NOOP("InspectionRule", "%n spot(s)");
    return QCoreApplication::translate("InspectionRule", "%1 and %2 complete; %3 and %4 pending.")
        .arg(count(spotCount, spots.size()),
             count(QT_TRANSLATE_N_NOOP("InspectionRule", "%n area(s)"), areas.size()),
             count(QT_TRANSLATE_N_NOOP("InspectionRule", "%n reading(s)"), pendingReadings),
             count(spotCount, pendingSpots));
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
    m_statistics.Add(reading);
    const double nominal = m_criteria.nominal;
    const bool belowNominal = LimitComparison::IsBelow(reading, nominal);
    if (m_criteria.IsBelowRuleFloor(reading))
        ++m_belowLow;
    else if (m_criteria.rule == InspectionCriteria::Rule::Iso19840 && belowNominal)
        ++m_belowNominal;
    if (!belowNominal)
        ++m_atNominal;
    if (m_criteria.HasMaximum() && LimitComparison::IsAbove(reading, m_criteria.maximum))
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
    if (LimitComparison::IsBelow(
            spot, LimitComparison::Share(m_criteria.minimum, m_criteria.spotLowPercent)) ||
        LimitComparison::IsAbove(
            spot, LimitComparison::Share(m_criteria.maximum, m_criteria.spotHighPercent)))
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
    if (LimitComparison::IsBelow(area, m_criteria.minimum) ||
        LimitComparison::IsAbove(area, m_criteria.maximum))
        ++m_badAreas;
}

ReadingMark InspectionRule::MarkOf(double reading) const
{
    if (m_criteria.IsBelowRuleFloor(reading))
        return ReadingMark::BelowRuleFloor;
    if (HasMinimumMark() && LimitComparison::IsBelow(reading, m_criteria.minimum))
        return ReadingMark::BelowMinimum;
    if (HasMaximumMark() && LimitComparison::IsAbove(reading, m_criteria.maximum))
        return ReadingMark::AboveMaximum;
    return ReadingMark::None;
}

// The minimum is no criterion of ISO 19840 and IMO PSPC, the maximum none of IMO PSPC.
bool InspectionRule::HasMinimumMark() const
{
    return m_criteria.minimum > 0 && (m_criteria.rule == InspectionCriteria::Rule::None ||
                                      m_criteria.rule == InspectionCriteria::Rule::SspcPa2);
}

bool InspectionRule::HasMaximumMark() const
{
    return m_criteria.HasMaximum() && m_criteria.rule != InspectionCriteria::Rule::ImoPspc;
}

QString InspectionRule::MarkText(ReadingMark mark, const InspectionCriteria &criteria)
{
    switch (mark) {
    case ReadingMark::None:
        break;
    case ReadingMark::BelowMinimum:
        return tr("below the minimum %1").arg(Thickness(criteria.unitCode, criteria.minimum));
    case ReadingMark::AboveMaximum:
        return tr("above the maximum %1").arg(Thickness(criteria.unitCode, criteria.maximum));
    case ReadingMark::BelowRuleFloor:
        return tr("below %1 % of the nominal %2")
            .arg(FloorPercent(criteria.rule))
            .arg(Thickness(criteria.unitCode, criteria.nominal));
    }
    return QString();
}

QString InspectionRule::MarkNote(const InspectionCriteria &criteria)
{
    if (criteria.rule != InspectionCriteria::Rule::SspcPa2)
        return QString();
    return tr("SSPC-PA 2 judges the means of spots and areas, not single readings: readings "
              "outside the minimum or maximum are marked for information.");
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
    if (m_statistics.Count() == 0)
        verdict.outcome = Outcome::Incomplete;
    else
        verdict.outcome = verdict.reasons.isEmpty() ? Outcome::Pass : Outcome::Fail;
    return verdict;
}

QStringList InspectionRule::IsoReasons() const
{
    QStringList reasons;
    const qint64 count = m_statistics.Count();
    if (count == 0)
        return reasons;
    const double mean = m_statistics.Mean();
    if (LimitComparison::IsBelow(mean, m_criteria.nominal))
        reasons << tr("mean %1 below the nominal %2")
                       .arg(FigureText::Precise(m_criteria.unitCode, mean) + QLatin1Char(' ') +
                                FigureText::Unit(m_criteria.unitCode),
                            Thickness(m_criteria.unitCode, m_criteria.nominal));
    if (m_belowLow > 0)
        reasons << Share(m_belowLow,
                         QT_TR_N_NOOP("%1 of %n reading(s) (%2) below 80 % of the nominal %3"));
    if (5 * m_belowNominal > count)
        reasons << Share(m_belowNominal,
                         QT_TR_N_NOOP("%1 of %n reading(s) (%2) from 80 % up to below the nominal "
                                      "%3; at most 20 % are allowed"));
    if (m_aboveMaximum > 0)
        reasons << Share(m_aboveMaximum,
                         QT_TR_N_NOOP("%1 of %n reading(s) (%2) above the maximum %3"),
                         m_criteria.maximum);
    return reasons;
}

QStringList InspectionRule::PspcReasons() const
{
    QStringList reasons;
    const qint64 count = m_statistics.Count();
    if (count == 0)
        return reasons;
    if (10 * m_atNominal < 9 * count)
        reasons << Share(m_atNominal, QT_TR_N_NOOP("%1 of %n reading(s) (%2) at or above the "
                                                   "nominal %3; at least 90 % are required"));
    if (m_belowLow > 0)
        reasons << Share(m_belowLow,
                         QT_TR_N_NOOP("%1 of %n reading(s) (%2) below 90 % of the nominal %3"));
    return reasons;
}

QStringList InspectionRule::Pa2Reasons() const
{
    QStringList reasons;
    const int unit = m_criteria.unitCode;
    if (m_badSpots > 0)
        reasons << tr("%1 of %n spot(s) outside %2 to %3", nullptr, m_spots.size())
                       .arg(m_badSpots)
                       .arg(Thickness(unit, LimitComparison::Share(m_criteria.minimum,
                                                                   m_criteria.spotLowPercent)),
                            Thickness(unit, LimitComparison::Share(m_criteria.maximum,
                                                                   m_criteria.spotHighPercent)));
    if (m_badAreas > 0)
        reasons << tr("%1 of %n area(s) outside %2 to %3", nullptr, m_areas.size())
                       .arg(m_badAreas)
                       .arg(Thickness(unit, m_criteria.minimum),
                            Thickness(unit, m_criteria.maximum));
    return reasons;
}

// One of the sentences about a share of the readings and the nominal.
QString InspectionRule::Share(qint64 count, const char *what) const
{
    return Share(count, what, m_criteria.nominal);
}

// One of the sentences about a share of the readings and a limit.
QString InspectionRule::Share(qint64 count, const char *what, double limit) const
{
    const qint64 readings = m_statistics.Count();
    const double percent = 100.0 * static_cast<double>(count) / static_cast<double>(readings);
    return tr(what, nullptr, static_cast<int>(readings))
        .arg(count)
        .arg(FigureText::Percent(percent), Thickness(m_criteria.unitCode, limit));
}

InspectionVerdict InspectionRule::Evaluate(const InspectionCriteria &criteria,
                                           const QVector<double> &readings)
{
    InspectionRule rule(criteria);
    for (double reading : readings)
        rule.Add(reading);
    return rule.Verdict();
}
