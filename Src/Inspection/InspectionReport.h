#pragma once

#include "InspectionCriteria.h"
#include "LiveRecord.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// What an inspection report is made of: where the readings come from, the readings as they
// were shown (in one display unit), and the criteria they are judged against. The figures and
// the verdict are worked out from these when the report is written, so they always agree with
// the readings it lists.
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

    QString title;  // what the readings are: a session, the live run, a memory download
    QString source; // the file the readings come from; empty for readings not from a file
    QString port;   // empty when not known
    QDateTime created;
    int unitCode = 0;
    InspectionCriteria criteria; // in the unit it was set in
    QVector<Reading> readings;
};
