#pragma once

#include "InspectionReport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// Reads back the two CSV files of readings the program writes: a session file (header
// "index,time,micrometres,value,unit,status") and a memory download (header
// "group,number,micrometres,value,unit"). The file is read whole and strictly: a file that is
// not exactly one of them is refused with the number of the first line that is wrong and what
// is wrong with it, for a person to find it. Accepted: the header, then rows; every line ended
// by CR LF or every line by LF; the last line may lack its line end when it is whole.
//
// A reading without a value in a unit of the gauge is kept as such (status not Ok): a session
// row of status "overflow" or "unknown-unit", a download row with an empty value (an unknown
// unit code) or a value that is not finite ("nan", "inf").
class ReadingsCsv
{
    Q_DECLARE_TR_FUNCTIONS(ReadingsCsv)

public:
    enum class Kind
    {
        Session,
        Download
    };

    struct Row
    {
        int line = 0; // from 1, the header's line
        // index: the session's index, or the reading's number within its memory group.
        InspectionReport::Reading reading;
        float micrometres = 0;
        int unitCode = -1; // -1 for a reading of an unknown unit
    };

    struct Result
    {
        Kind kind = Kind::Session;
        QVector<Row> rows;
        // Empty when the file was read; else what is wrong, found on errorLine.
        QString error;
        int errorLine = 0;
    };

    // The readings of one memory group, or all of them, in one unit.
    struct Selection
    {
        QVector<Row> rows;
        int unitCode = -1; // that of the readings with a value; -1 when none has one
        QString error;
        int errorLine = 0;
    };

    static Result Parse(const QByteArray &bytes);
    // The rows of group (every row when group is negative). Their values must share one unit:
    // a reading with a value in another unit than the first one's is an error on its line.
    static Selection Select(const Result &file, int group);

private:
    static QString RowProblem(Kind kind, const QByteArray &line, Row &row);
    static QString DownloadRowProblem(const QByteArray &line, Row &row);
};
