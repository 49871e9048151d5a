#pragma once

#include "LiveRecord.h"
#include "ReadingStatistics.h"
#include "SeriesInspection.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <functional>

// A session file read back. Lines that cannot be read (a line torn by a crash, content of
// another kind) are skipped and counted; whatever can be read is kept.
struct SessionFile
{
    QString path;
    QVector<LiveRecord> records;
    int skippedLines = 0;
    // Empty when the file was read; otherwise why it could not be opened at all.
    QString error;

    static SessionFile Read(const QString &path);
    // The session files of a save folder's sessions folder, newest first.
    static QStringList List(const QString &saveFolder);
    // When the run started: its first reading, or the time in its name.
    QDateTime StartTime() const;
    // The unit of the last reading that has a value (-1 when none has one), and the figures of
    // the readings in that unit; the overflows of the whole run.
    qint8 UnitCode() const;
    ReadingStatistics Statistics() const;
    // Those figures judged against the criteria.
    SeriesInspection Inspect(const InspectionCriteria &criteria) const;

    // Hands every line of a file but the header and empty lines to take, without its line end;
    // an empty text, or why the file could not be opened.
    static QString ForEachLine(const QString &path,
                               const std::function<void(const char *, const char *)> &take);
    // The start time in a session file's name.
    static QDateTime NameTime(const QString &path);
};
