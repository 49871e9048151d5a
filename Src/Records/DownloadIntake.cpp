#include "DownloadIntake.h"

#include "BatchOrigin.h"
#include "MemoryDownload.h"
#include "RecordStore.h"

QStringList DownloadIntake::TakeIn(RecordStore &store, const MemoryDownload &download,
                                   const QString &areaUuid, const QString &gaugeUuid,
                                   const InspectionCriteria &unfiledCriteria)
{
    QStringList batches;
    for (int group : download.Groups()) {
        const QVector<LiveRecord> records = download.Records(group);
        const QString origin = BatchOrigin::OfDownload(download.Time(), group, records);
        bool known = false;
        QString uuid = store.BatchOfOrigin(origin, &known);
        if (known && uuid.isEmpty())
            continue;
        if (!known) {
            RecordBatch batch;
            batch.areaUuid = areaUuid;
            batch.source = RecordBatch::Source::Download;
            batch.started = download.Time();
            batch.gaugeUuid = gaugeUuid;
            batch.criteria = unfiledCriteria;
            batch.notes = tr("Group %1 of the gauge's memory").arg(group);
            uuid = store.BeginBatch(batch, origin);
            if (uuid.isEmpty() || !store.AppendReadings(uuid, records) ||
                !store.EndBatch(uuid, download.Time()))
                return QStringList();
        }
        batches << uuid;
    }
    return batches;
}
