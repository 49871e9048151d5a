#pragma once

#include "RecordStore.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QVector>

// Records for the team sync's tests: readings of a run and a batch of them in a store.
namespace SyncRecords {
inline QVector<LiveRecord> Readings(int count, qint64 firstIndex = 1)
{
    const QDateTime start =
        QDateTime::fromString(QStringLiteral("2026-12-09T10:00:00.000+01:00"), Qt::ISODateWithMs);
    QVector<LiveRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        LiveRecord record;
        record.index = firstIndex + i;
        record.arrival = start.addMSecs(250 * (firstIndex + i));
        record.micrometres = float(100 + (firstIndex + i) % 50);
        record.valueText = QString::number(record.micrometres, 'f', 1);
        if ((firstIndex + i) % 97 == 0) {
            record.status = LiveRecord::Status::Overflow;
            record.micrometres = qQNaN();
            record.valueText.clear();
        }
        records.append(record);
    }
    return records;
}

// A batch of `count` readings in the area, ended; its uuid.
inline QString EndedBatch(RecordStore &store, const QString &areaUuid, int count,
                          const QString &gaugeUuid = QString())
{
    RecordBatch batch;
    batch.areaUuid = areaUuid;
    batch.gaugeUuid = gaugeUuid;
    batch.started = QDateTime::currentDateTime();
    const QString uuid = store.BeginBatch(batch);
    for (int first = 1; first <= count; first += 1000)
        store.AppendReadings(uuid, Readings(qMin(1000, count - first + 1), first));
    store.EndBatch(uuid, QDateTime::currentDateTime());
    return uuid;
}

// Waits (bounded) until the clock has moved on, so that the next edit is later than the last.
inline bool ClockMovedOn()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QDeadlineTimer limit(1000);
    while (QDateTime::currentMSecsSinceEpoch() <= now + 2 && !limit.hasExpired()) {
    }
    return !limit.hasExpired();
}
} // namespace SyncRecords
