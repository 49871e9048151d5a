#pragma once

#include "InspectionCriteria.h"
#include "LiveRecord.h"
#include "SeriesInspection.h"

#include <QObject>
#include <QVector>

// The figures and the verdict of the live series as the window shows it, kept up to date with
// every reading in constant time. A series begins with the first reading after Restart and
// again whenever the unit changes. New criteria judge the current series anew from the run's
// readings, once.
class LiveInspection : public QObject
{
    Q_OBJECT
public:
    explicit LiveInspection(const InspectionCriteria &criteria = InspectionCriteria(),
                            QObject *parent = nullptr);

    // The criteria as they were set, in their own unit.
    const InspectionCriteria &Criteria() const { return m_criteria; }
    // The current series; before its first reading, an empty one in the unit of the last.
    const SeriesInspection &Series() const { return m_series; }

    // The next reading begins a new series (the window cleared its readings).
    void Restart();
    // One reading of the run, in the order the run numbers them.
    void Add(const LiveRecord &record);
    // Judges the current series against other criteria. runRecords are the readings of the
    // run the series belongs to, numbered from 1 (GaugeSession::Records()).
    void SetCriteria(const InspectionCriteria &criteria, const QVector<LiveRecord> &runRecords);

signals:
    // After every reading: the criterion it falls foul of, if any (an overflow never does).
    void ReadingJudged(ReadingMark mark);
    // After a restart or new criteria: for every reading of the series so far, in order, the
    // criterion it falls foul of, if any.
    void SeriesJudged(const QVector<ReadingMark> &marks);

private:
    ReadingMark Judge(const LiveRecord &record);

    InspectionCriteria m_criteria;
    SeriesInspection m_series;
    bool m_hasReadings = false;
    // The run's number of the series' first reading.
    qint64 m_firstIndex = 0;
};
