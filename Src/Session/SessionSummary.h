#pragma once

#include "ReadingStatistics.h"
#include "SeriesInspection.h"

#include <QDateTime>
#include <QString>

// The figures of a session file as the list of sessions shows them, read without keeping its
// readings: the same figures SessionFile gives, at a fraction of the time and memory.
struct SessionSummary
{
    QDateTime start;
    qint64 readings = 0;
    // The unit of the last reading that has a value (-1 when none has one), and the figures of
    // the readings in that unit; the overflows of the whole run.
    qint8 unitCode = -1;
    ReadingStatistics statistics;
    // Those figures judged against the criteria given.
    InspectionVerdict verdict;
    int skippedLines = 0;
    // Empty when the file was read; otherwise why it could not be opened at all.
    QString error;

    static SessionSummary Read(const QString &path,
                               const InspectionCriteria &criteria = InspectionCriteria());
};
