#pragma once

#include "LiveRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The session file's format: UTF-8 CSV (RFC 4180, CRLF), one line per live reading under the
// header "index,time,micrometres,value,unit,status". No field ever needs quoting.
class SessionCsv
{
public:
    static QByteArray Header();
    static QByteArray Line(const LiveRecord &record);
    // The record of one line (without its line end), or nothing when the line is not one of
    // this format: a torn line, another file's content.
    static std::optional<LiveRecord> ParseLine(const QByteArray &line);
    // The same over the bytes [begin, end). Lines as the journal writes them are read without
    // splitting them into fields or parsing the time as text.
    static std::optional<LiveRecord> ParseLine(const char *begin, const char *end);

    // What the figures of a session take from a line: its status, unit and shown value (0 for
    // a reading without one). Nothing for a line ParseLine refuses.
    struct Figure
    {
        LiveRecord::Status status;
        qint8 unitCode;
        double value;
    };
    static std::optional<Figure> ParseFigure(const char *begin, const char *end);

    // Local time with milliseconds and the UTC offset: "2026-12-09T14:03:07.412+01:00".
    static QString TimeText(const QDateTime &time);
};
