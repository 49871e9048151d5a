#pragma once

#include "LogRecord.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// The text file a memory download is exported to: groups 1 to 4 (frame 0 of the download is
// never written), each under a heading, its column titles, one line per reading in columns
// padded to 15 characters, and an empty line. Lines end with "\n"; write the text through a
// text-mode device to get the platform's line ends.
class MemoryTextExport
{
public:
    static constexpr int ColumnWidth = 15;
    static constexpr int FirstGroup = 1;
    static constexpr int LastGroup = 4;

    // "Varnolithic_yyMMddhhmmss.txt".
    static QString ProposedFileName(const QDateTime &when);
    // The folder, "/" and the proposed file name.
    static QString ProposedPath(const QString &folder, const QDateTime &when);

    // The titles are the caller's translations of "Number", "Data" and "Unit".
    static QString Text(const QMap<int, QList<LogRecord>> &groups, const QString &numberTitle,
                        const QString &dataTitle, const QString &unitTitle);
    // Position (from 1), value and unit text of one reading, each padded; a reading of an
    // unknown unit code has no value column at all.
    static QString ReadingLine(int position, const LogRecord &record);
    // The text padded on the right to the column width; a longer text stays whole.
    static QString Column(const QString &text);
};
