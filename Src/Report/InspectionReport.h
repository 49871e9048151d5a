#pragma once

#include "InspectionCriteria.h"
#include "LiveRecord.h"
#include "LogRecord.h"
#include "MemoryDownload.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

// What an inspection report is made of: where the readings come from, the readings as they
// were shown (in one display unit), and the criteria they are judged against. The figures and
// the verdict are worked out from these when the report is written, so they always agree with
// the readings it lists.
//
// Build one from the readings with FromRecords (a live run, a session file) or FromDownload
// (the gauge's memory), then set the title, the port and the criteria, and hand it to
// ReportWriter::Write.
struct InspectionReport
{
    struct Reading
    {
        qint64 index = 0;
        QDateTime time; // invalid where the gauge does not tell (its memory)
        int group = -1; // the memory group; -1 for a live run
        LiveRecord::Status status = LiveRecord::Status::Ok;
        QString valueText; // as shown; empty for an overflow
        double value = 0;  // valueText as a number, for readings with a value
    };

    // Readings of a group (-1: of a live run) measured in another unit than the report's,
    // listed converted from their micrometres into the report's unit.
    struct Conversion
    {
        int group = -1;
        int unitCode = 0;
    };

    QString title;  // what the readings are: a session, the live run, a memory download
    QString source; // the file the readings come from; empty for readings not from a file
    QString port;   // empty when not known
    QDateTime created;
    int unitCode = 0;
    InspectionCriteria criteria; // in the unit it was set in
    QVector<Reading> readings;
    QVector<Conversion> conversions;

    // Whether the readings come from the gauge's memory (they carry their group).
    bool IsDownload() const;

    // A live run or a session file: every record with its index, time, status and the value
    // text the session file holds. The report's unit is that of the last record with a value
    // (the unit the run ended in); records of another unit are converted into it. Created now.
    static InspectionReport FromRecords(const QVector<LiveRecord> &records);
    // A memory download: the readings of groups 1 to 4 (group 0 is left out, as in the text
    // export), numbered from 1 in each group, with the value text of the text export. The
    // report's unit is that of the first group with readings; groups of another unit are
    // converted into it from their micrometres. Created now.
    static InspectionReport FromDownload(const QMap<int, QList<LogRecord>> &groups);
    // The report of a whole memory download, titled with its time and judged against the
    // criteria.
    static InspectionReport FromMemory(const MemoryDownload &download,
                                       const InspectionCriteria &criteria);
};
