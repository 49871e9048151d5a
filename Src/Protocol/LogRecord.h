#pragma once

#include <QMetaType>

// One reading downloaded from the gauge's memory: the unit code of its frame and the
// thickness in micrometres, unconverted and unchecked.
struct LogRecord
{
    qint8 unit;
    float value;

    bool operator==(const LogRecord &other) const
    {
        return unit == other.unit && value == other.value;
    }
};
Q_DECLARE_TYPEINFO(LogRecord, Q_PRIMITIVE_TYPE);
Q_DECLARE_METATYPE(LogRecord)
