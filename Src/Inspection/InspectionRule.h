#pragma once

#include "InspectionCriteria.h"

#include <QCoreApplication>
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

    // "pass", "fail", "incomplete", "none".
    static QString OutcomeKey(Outcome outcome);
    static QString OutcomeName(Outcome outcome);
};

// Judges a series of readings (one unit, overflows left out) against the criteria, one reading at a
// time in constant time each, so that a live series is judged with every reading.
//   ISO 19840: mean >= nominal, every reading >= 80 % of it, at most 20 % of the readings
//     from 80 % up to below the nominal, and (with a maximum) every reading <= maximum.
//   IMO PSPC 90/10: at least 90 % of the readings >= nominal, every reading >= 90 % of it.
//   SSPC-PA 2: every complete spot (mean of k readings) within [low % of minimum, high % of
//     maximum], every complete area (mean of 5 spots) within [minimum, maximum].
// Boundaries count as passing. Comparisons are made in scaled integers of the percentages so
// that "exactly 80 %" is exact.
class InspectionRule
{
    Q_DECLARE_TR_FUNCTIONS(InspectionRule)

public:
    static constexpr int SpotsPerArea = 5;

    explicit InspectionRule(const InspectionCriteria &criteria = InspectionCriteria());

    void Add(double reading);
    InspectionVerdict Verdict() const;
    // Whether one reading lies outside the criteria's minimum and maximum (those set), or below
    // the share of the nominal the rule allows no reading under.
    bool IsOutOfLimits(double reading) const;

    static InspectionVerdict Evaluate(const InspectionCriteria &criteria,
                                      const QVector<double> &readings);

private:
    void AddToSpot(double reading);
    void AddToArea(double spot);
    QStringList IsoReasons() const;
    QStringList PspcReasons() const;
    QStringList Pa2Reasons() const;
    QString Share(qint64 count, const char *what) const;
    QString Thickness(double value) const;

    InspectionCriteria m_criteria;
    qint64 m_count = 0;
    double m_sum = 0;
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
