#pragma once

#include "InspectionCriteria.h"
#include "ReadingStatistics.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QStringList>
#include <QVector>

// The outcome of judging readings against the criteria, with every failing criterion as a sentence.
struct InspectionVerdict
{
    enum class Outcome
    {
        None, // no rule chosen
        Pass,
        Fail,
        Incomplete // no reading yet, or (SSPC-PA 2) no complete area yet
    };

    Outcome outcome = Outcome::None;
    QStringList reasons;
    // SSPC-PA 2: the means of the complete spots and areas, and what is still pending.
    QVector<double> spots;
    QVector<double> areas;
    int pendingReadings = 0;
    int pendingSpots = 0;

    // SSPC-PA 2: a pass of the complete areas while readings or spots are still pending.
    bool IsPassSoFar() const
    {
        return outcome == Outcome::Pass && (pendingReadings > 0 || pendingSpots > 0);
    }
    // The outcome for people: "Pass", "Pass so far", "Fail", "Incomplete", "No rule".
    QString Name() const;
    // SSPC-PA 2: "5 spots and 1 area complete; 2 readings and 3 spots pending."
    QString Progress() const;

    // "pass", "fail", "incomplete", "none".
    static QString OutcomeKey(Outcome outcome);
    static QString OutcomeName(Outcome outcome);
};

// The criterion a single reading falls foul of, if any. One byte: a live series keeps one per
// reading.
enum class ReadingMark : quint8
{
    None,
    BelowMinimum,
    AboveMaximum,
    BelowRuleFloor // below the share of the nominal the rule allows no reading under
};
Q_DECLARE_METATYPE(ReadingMark)

// Judges a series of readings (one unit, overflows left out) against the criteria, one reading at a
// time in constant time each, so that a live series is judged with every reading.
//   ISO 19840: mean >= nominal, every reading >= 80 % of it, at most 20 % of the readings
//     from 80 % up to below the nominal, and (with a maximum) every reading <= maximum.
//   IMO PSPC 90/10: at least 90 % of the readings >= nominal, every reading >= 90 % of it.
//   SSPC-PA 2: every complete spot (mean of k readings) within [low % of minimum, high % of
//     maximum], every complete area (mean of 5 spots) within [minimum, maximum]; single
//     readings are not judged.
// Boundaries count as passing; every figure is held against its limit by LimitComparison.
// The mean judged is the mean of Statistics(), the one every page, report and command prints.
class InspectionRule
{
    Q_DECLARE_TR_FUNCTIONS(InspectionRule)

public:
    static constexpr int SpotsPerArea = 5;

    explicit InspectionRule(const InspectionCriteria &criteria = InspectionCriteria());

    void Add(double reading);
    void AddOverflow() { m_statistics.AddOverflow(); }
    InspectionVerdict Verdict() const;
    const ReadingStatistics &Statistics() const { return m_statistics; }
    // The criterion one reading falls foul of: the share of the nominal the rule allows no
    // reading under, or the minimum or maximum where the rule has them (with no rule, the
    // limits set). Under SSPC-PA 2 the minimum and maximum marks only inform: the rule
    // judges spots and areas.
    ReadingMark MarkOf(double reading) const;
    bool IsOutOfLimits(double reading) const { return MarkOf(reading) != ReadingMark::None; }
    // The mark named with its criterion: "above the maximum 200 µm".
    static QString MarkText(ReadingMark mark, const InspectionCriteria &criteria);
    // What a page or report says beside marks the verdict does not judge; empty when every
    // mark is a criterion of the verdict.
    static QString MarkNote(const InspectionCriteria &criteria);

    static InspectionVerdict Evaluate(const InspectionCriteria &criteria,
                                      const QVector<double> &readings);

private:
    void AddToSpot(double reading);
    void AddToArea(double spot);
    QStringList IsoReasons() const;
    QStringList PspcReasons() const;
    QStringList Pa2Reasons() const;
    bool HasMinimumMark() const;
    bool HasMaximumMark() const;
    QString Share(qint64 count, const char *what) const;
    QString Share(qint64 count, const char *what, double limit) const;

    InspectionCriteria m_criteria;
    ReadingStatistics m_statistics;
    qint64 m_belowLow = 0;     // < 80 % (ISO) or < 90 % (PSPC) of the nominal
    qint64 m_belowNominal = 0; // from 80 % up to below the nominal (ISO)
    qint64 m_atNominal = 0;    // >= nominal
    qint64 m_aboveMaximum = 0;
    double m_spotSum = 0;
    int m_spotReadings = 0;
    double m_areaSum = 0;
    int m_areaSpots = 0;
    QVector<double> m_spots;
    QVector<double> m_areas;
    int m_badSpots = 0;
    int m_badAreas = 0;
};
