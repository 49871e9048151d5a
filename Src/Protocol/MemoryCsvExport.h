#pragma once

#include "LogRecord.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Machine-readable forms of a memory download, for spreadsheets and scripts. Unlike the text
// export they keep every frame (group = frame number, 0 to 4) and the micrometres at full
// precision beside the value as the text export shows it. A frame without readings has no
// group. Both are UTF-8 with '.' as the decimal separator, whatever the locale.
class MemoryCsvExport
{
public:
    // RFC 4180: the header "group,number,micrometres,value,unit", then one row per reading,
    // every line ended by CR LF. No field ever needs quotes. A reading of an unknown unit code
    // has an empty value and an empty unit, as the text export shows no value for it.
    static QByteArray Csv(const QMap<int, QList<LogRecord>> &groups);
    // {"groups":[{"group":g,"unit":"um","readings":[{"number":1,"micrometres":124.0,
    // "value":"124"}]}]} on one line, ended by "\n": every group given and every frame of
    // the first frameCount, one without readings with "unit":null and "readings":[]. The group's
    // unit is that of its frame. Micrometres that are not finite are null: JSON has no numbers for
    // them.
    static QByteArray Json(const QMap<int, QList<LogRecord>> &groups, int frameCount);

    static constexpr const char *CsvHeader = "group,number,micrometres,value,unit";

    // The value column: the text export's value text, empty for an unknown unit code.
    static QString ValueText(const LogRecord &record);
    // The shortest text that reads back to the same float, with ".0" on whole numbers so that
    // it reads as a decimal number; "null" when not finite.
    static QString JsonNumber(float micrometres);
};
