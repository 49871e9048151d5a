#include "JournalIntake.h"

#include "BatchOrigin.h"
#include "RecordStore.h"
#include "SessionFile.h"

#include <QFileInfo>

namespace {
// Readings added in one transaction: short enough that the window's own writes never wait
// long for the file.
const int ChunkReadings = 4096;

// Adds the file's readings to its batch (made when the store does not know the file);
// false when the store failed.
bool TakeInFile(RecordStore &store, const SessionFile &file, const InspectionCriteria &criteria,
                JournalIntake::Result &result)
{
    const LiveRecord &first = file.records.first();
    const QString origin = BatchOrigin::OfRun(first);
    bool known = false;
    QString batchUuid = store.BatchOfOrigin(origin, &known);
    if (known && batchUuid.isEmpty())
        return true; // its batch was deleted and emptied away
    if (!known) {
        RecordBatch batch;
        batch.source = RecordBatch::Source::Journal;
        batch.started = first.arrival;
        batch.criteria = criteria;
        batchUuid = store.BeginBatch(batch, origin);
        if (batchUuid.isEmpty())
            return false;
        ++result.batchesMade;
    }
    if (store.LastIndex(batchUuid) < file.records.last().index) {
        for (int from = 0; from < file.records.size(); from += ChunkReadings) {
            qint64 added = 0;
            if (!store.AppendReadings(batchUuid, file.records.mid(from, ChunkReadings), &added))
                return false;
            result.readingsAdded += added;
        }
    }
    const std::optional<RecordBatch> batch = store.Batch(batchUuid);
    return !batch || batch->ended.isValid() ||
           store.EndBatch(batchUuid, file.records.last().arrival);
}
} // namespace

JournalIntake::Result JournalIntake::TakeIn(RecordStore &store, const QStringList &paths,
                                            const InspectionCriteria &unfiledCriteria,
                                            const std::function<bool(int done)> &proceed)
{
    Result result;
    for (int i = 0; i < paths.size(); ++i) {
        if (proceed && !proceed(i))
            return result;
        const QFileInfo info(paths.at(i));
        const QString path = info.absoluteFilePath();
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        if (store.HoldsJournalFile(path, info.size(), modified))
            continue;
        const SessionFile file = SessionFile::Read(path);
        if (!file.error.isEmpty()) {
            result.problems.append(tr("%1 cannot be read: %2").arg(path, file.error));
            continue;
        }
        if ((!file.records.isEmpty() && !TakeInFile(store, file, unfiledCriteria, result)) ||
            !store.NoteJournalFile(path, info.size(), modified)) {
            result.problems.append(store.Problem());
            break;
        }
    }
    if (proceed)
        proceed(paths.size());
    return result;
}
