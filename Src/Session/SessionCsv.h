#pragma once

#include "LiveRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The session file's format: UTF-8 CSV (RFC 4180, CRLF), one line per live reading under the
// header "index,time,micrometres,value,unit,status". No field ever needs quoting; quoted
// fields are read all the same.
class SessionCsv
{
public:
    static QByteArray Header();
    static QByteArray Line(const LiveRecord &record);
    // The record of one line (without its line end), or nothing when the line is not one of
    // this format: a torn line, another file's content. problem, when given, is told what is
    // wrong with such a line.
    static std::optional<LiveRecord> ParseLine(const QByteArray &line, QString *problem = nullptr);
    // The same over the bytes [begin, end). Lines as the journal writes them are read without
    // splitting them into fields or parsing the time as text.
    static std::optional<LiveRecord> ParseLine(const char *begin, const char *end,
                                               QString *problem = nullptr);

    // What the figures of a session take from a line: its status, unit and shown value (0 for
    // a reading without one). Nothing for a line ParseLine refuses.
    struct Figure
    {
        LiveRecord::Status status;
        qint8 unitCode;
        double value;
    };
    static std::optional<Figure> ParseFigure(const char *begin, const char *end);

    // Pieces for reading the CSV files of readings back:
    // the fields of one line: a field in double quotes may hold commas and doubled quotes
    // (RFC 4180); nothing when a quote is out of place;
    static std::optional<QList<QByteArray>> SplitFields(const QByteArray &line);
    // micrometres as the shortest text of a float writes them, "nan" included;
    static std::optional<float> Micrometres(const QByteArray &text);
    // whether the text is a decimal number ('.' as the decimal point);
    static bool IsNumber(const QByteArray &text);
    // a field for a message, in quotes, shortened when long;
    static QString Quoted(const QByteArray &field);
    // what is wrong: "the <column> '<field>' is not a number", "the unit '<field>' is not um,
    // mils or mm", "<found> fields where <expected> belong".
    static QString NotANumber(const char *column, const QByteArray &field);
    static QString NoSuchUnit(const QByteArray &field);
    static QString FieldCountProblem(int found, int expected);

    // Local time with milliseconds and the UTC offset: "2026-12-09T14:03:07.412+01:00".
    static QString TimeText(const QDateTime &time);
};
