#pragma once

#include "LiveRecord.h"

#include <QString>
#include <QVector>

// The key of where a batch came from, the same on every machine: a run is known by its first
// reading (index, arrival to the millisecond, thickness), which its session file holds too;
// a downloaded group by its time and readings.
class BatchOrigin
{
public:
    static QString OfRun(const LiveRecord &first);
    static QString OfDownload(const QDateTime &time, int group, const QVector<LiveRecord> &records);
};
