#include "RecordExchange.h"

#include "CriteriaJson.h"
#include "RecordStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlQuery>

namespace {
QVariant Nullable(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Double);
}

QVariant Nullable(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Int);
}

QString CriteriaField(const InspectionCriteria &criteria)
{
    return QString::fromUtf8(CriteriaJson::ToText(criteria));
}

// Whether the row a query of (time, offset, micrometres, unit, status, value) found holds
// the same reading.
bool SameReading(const QSqlQuery &held, const LiveRecord &record)
{
    const bool sameThickness =
        held.isNull(2) ? qIsNaN(record.micrometres) : held.value(2).toFloat() == record.micrometres;
    return sameThickness && held.value(0).toLongLong() == record.arrival.toMSecsSinceEpoch() &&
           held.value(1).toInt() == record.arrival.offsetFromUtc() &&
           held.value(3).toInt() == record.unitCode &&
           held.value(4).toInt() == int(record.status) &&
           held.value(5).toString() == record.valueText;
}
} // namespace

// Taking out --------------------------------------------------------------------------------

std::optional<ExchangeContent> RecordExchange::Collect(const RecordStore &store,
                                                       const QString &jobUuid,
                                                       const QString &areaUuid,
                                                       const QString &batchUuid)
{
    const std::optional<RecordJob> job = store.Job(jobUuid);
    if (!job)
        return std::nullopt;
    ExchangeContent content;
    content.job = *job;
    QStringList gaugeUuids;
    QStringList historyUuids{job->uuid};
    for (const RecordArea &area : store.Areas(jobUuid)) {
        if (!areaUuid.isEmpty() && area.uuid != areaUuid)
            continue;
        BatchFilter filter;
        filter.areaUuid = area.uuid;
        QVector<RecordBatch> batches = store.Batches(filter);
        if (!batchUuid.isEmpty()) {
            batches.erase(std::remove_if(batches.begin(), batches.end(),
                                         [&](const RecordBatch &b) { return b.uuid != batchUuid; }),
                          batches.end());
            if (batches.isEmpty())
                continue;
        }
        content.areas.append(area);
        historyUuids.append(area.uuid);
        for (const RecordBatch &batch : batches) {
            const qint64 batchId = store.IdOf("batches", batch.uuid);
            QSqlQuery origin =
                store.Prepared(QStringLiteral("SELECT origin FROM origins WHERE batch_id = ?"));
            origin.addBindValue(batchId);
            ExchangeBatch item{batch,
                               origin.exec() && origin.next() ? origin.value(0).toString()
                                                              : QString(),
                               store.Readings(batch.uuid),
                               AllMarks(store, batchId),
                               store.Conditions(batch.uuid),
                               store.Evaluations(batch.uuid)};
            content.batches.append(item);
            historyUuids.append(batch.uuid);
            if (!batch.gaugeUuid.isEmpty() && !gaugeUuids.contains(batch.gaugeUuid))
                gaugeUuids.append(batch.gaugeUuid);
        }
    }
    for (const QString &gaugeUuid : gaugeUuids) {
        if (const std::optional<RecordGauge> gauge = store.Gauge(gaugeUuid))
            content.gauges.append(*gauge);
        content.verifications += VerificationsOf(store, gaugeUuid);
        historyUuids.append(gaugeUuid);
    }
    for (const QString &uuid : historyUuids)
        content.history += store.History(uuid);
    return content;
}

QVector<ReadingAnnotation> RecordExchange::AllMarks(const RecordStore &store, qint64 batchId)
{
    // Cleared marks too: a note taken back or a reading counted again travels as well.
    QSqlQuery query = store.Prepared(QStringLiteral(
        "SELECT idx, note, excluded, reason FROM reading_marks WHERE batch_id = ? ORDER BY idx"));
    query.addBindValue(batchId);
    return RecordStore::MarksOf(query);
}

QVector<RecordVerification> RecordExchange::VerificationsOf(const RecordStore &store,
                                                            const QString &gaugeUuid)
{
    QSqlQuery query = store.Prepared(QStringLiteral(
        "SELECT v.uuid FROM verifications v JOIN gauges g ON g.id = v.gauge_id WHERE g.uuid = ? "
        "ORDER BY v.time, v.id"));
    query.addBindValue(gaugeUuid);
    QVector<RecordVerification> verifications;
    if (!query.exec())
        return verifications;
    while (query.next()) {
        QSqlQuery one = store.Prepared(QStringLiteral(
            "SELECT v.uuid, g.uuid, v.time, v.nominal, v.tolerance_percent, v.unit, v.readings, "
            "v.inspector FROM verifications v JOIN gauges g ON g.id = v.gauge_id "
            "WHERE v.uuid = ?"));
        one.addBindValue(query.value(0));
        if (const std::optional<RecordVerification> verification = store.Verification(one))
            verifications.append(*verification);
    }
    return verifications;
}

// Merging in --------------------------------------------------------------------------------

bool RecordExchange::Merge(RecordStore &store, const ExchangeContent &content, Tally *tally)
{
    Tally counted;
    if (!store.Begin())
        return false;
    if (MergeAll(store, content, counted) && store.Commit()) {
        if (tally)
            *tally = counted;
        return true;
    }
    store.Rollback();
    // The running figures may hold what was rolled back; they are summed up again when needed.
    store.m_running.clear();
    return false;
}

bool RecordExchange::MergeAll(RecordStore &store, const ExchangeContent &content, Tally &tally)
{
    // The edits the merge makes are counted by the history entries it adds.
    QSqlQuery entries = store.Prepared(QStringLiteral("SELECT count(*) FROM history"));
    auto historyRows = [&entries] {
        return entries.exec() && entries.next() ? entries.value(0).toLongLong() : 0;
    };
    const qint64 rowsBefore = historyRows();
    const RecordJob &job = content.job;
    const QString now = RecordStore::TimeText(QDateTime::currentDateTime());
    const qint64 jobId = Upsert(store, "jobs", QStringLiteral("job"), job.uuid, {{"created", now}},
                                {{"name", job.name},
                                 {"client", job.client},
                                 {"structure", job.structure},
                                 {"location", job.location},
                                 {"coating_standard", job.coatingStandard},
                                 {"notes", job.notes}},
                                tally);
    if (jobId == 0)
        return false;
    for (const RecordGauge &gauge : content.gauges) {
        if (!Upsert(store, "gauges", QStringLiteral("gauge"), gauge.uuid, {},
                    {{"model", gauge.model},
                     {"serial", gauge.serial},
                     {"probe_serial", gauge.probeSerial},
                     {"certificate", gauge.certificate},
                     {"calibration_due", gauge.calibrationDue.toString(Qt::ISODate)}},
                    tally))
            return false;
    }
    for (const RecordVerification &verification : content.verifications) {
        const qint64 gaugeId = store.IdOf("gauges", verification.gaugeUuid);
        if (gaugeId == 0)
            return store.Refuse(
                tr("the verification %1 names a gauge that is not there").arg(verification.uuid));
        QJsonArray readings;
        for (double reading : verification.readings)
            readings.append(reading);
        // A verification is never edited: one already held stays as it is.
        if (!Upsert(store, "verifications", QStringLiteral("verification"), verification.uuid,
                    {{"gauge_id", gaugeId},
                     {"time", RecordStore::TimeText(verification.time)},
                     {"nominal", verification.nominal},
                     {"tolerance_percent", verification.tolerancePercent},
                     {"unit", verification.unitCode},
                     {"readings",
                      QString::fromUtf8(QJsonDocument(readings).toJson(QJsonDocument::Compact))},
                     {"mean", verification.Mean()},
                     {"passed", verification.Passed() ? 1 : 0},
                     {"inspector", verification.inspector}},
                    {}, tally))
            return false;
    }
    for (const RecordArea &area : content.areas) {
        if (area.jobUuid != job.uuid)
            return store.Refuse(tr("the area %1 belongs to another job").arg(area.name));
        const qint64 areaId = store.IdOf("areas", area.uuid);
        const std::optional<RecordArea> held = store.Area(area.uuid);
        if (areaId != 0 && held && held->jobUuid != job.uuid)
            return store.Refuse(
                tr("the area %1 belongs to another job in this records file").arg(area.name));
        if (!Upsert(store, "areas", QStringLiteral("area"), area.uuid,
                    {{"job_id", jobId}, {"created", now}},
                    {{"name", area.name},
                     {"surface_m2", Nullable(area.surfaceSquareMetres)},
                     {"coat", Nullable(area.coat)},
                     {"product", area.product},
                     {"criteria", CriteriaField(area.criteria)}},
                    tally))
            return false;
    }
    QSet<QString> areaUuids;
    for (const RecordArea &area : content.areas)
        areaUuids.insert(area.uuid);
    for (const ExchangeBatch &item : content.batches) {
        if (!areaUuids.contains(item.batch.areaUuid))
            return store.Refuse(
                tr("the batch %1 names an area not of the job").arg(item.batch.uuid));
        if (!MergeBatch(store, item, tally))
            return false;
    }
    tally.fieldsChanged = int(historyRows() - rowsBefore);
    return MergeHistory(store, content.history);
}

qint64 RecordExchange::Upsert(RecordStore &store, const char *table, const QString &kind,
                              const QString &uuid, const Fields &fixed, const Fields &editable,
                              Tally &tally)
{
    const qint64 id = store.IdOf(table, uuid);
    if (id != 0) {
        for (const auto &[column, value] : editable) {
            if (!store.Edit(table, kind, uuid, column, value))
                return 0;
        }
        return id;
    }
    QStringList columns{QStringLiteral("uuid")};
    for (const Fields *fields : {&fixed, &editable}) {
        for (const auto &field : *fields)
            columns.append(QLatin1String(field.first));
    }
    QString marks = QStringLiteral("?,").repeated(columns.size());
    marks.chop(1);
    QSqlQuery insert = store.Prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(QLatin1String(table), columns.join(','), marks));
    insert.addBindValue(uuid);
    for (const Fields *fields : {&fixed, &editable}) {
        for (const auto &field : *fields)
            insert.addBindValue(field.second);
    }
    if (!store.Exec(insert) || !store.AddChange(kind, uuid))
        return 0;
    ++tally.itemsAdded;
    return store.IdOf(table, uuid);
}

bool RecordExchange::MergeBatch(RecordStore &store, const ExchangeBatch &item, Tally &tally)
{
    const RecordBatch &batch = item.batch;
    const qint64 areaId = store.IdOf("areas", batch.areaUuid);
    if (areaId == 0)
        return store.Refuse(tr("the batch %1 names an area that is not there").arg(batch.uuid));
    const qint64 gaugeId = batch.gaugeUuid.isEmpty() ? 0 : store.IdOf("gauges", batch.gaugeUuid);
    if (!batch.gaugeUuid.isEmpty() && gaugeId == 0)
        return store.Refuse(tr("the batch %1 names a gauge that is not there").arg(batch.uuid));
    const std::optional<RecordBatch> held = store.Batch(batch.uuid);
    if (held && !(held->criteria == batch.criteria))
        return store.Refuse(
            tr("the batch %1 began with other criteria in this records file").arg(batch.uuid));
    if (held && held->areaUuid != batch.areaUuid) {
        QSqlQuery move = store.Prepared(QStringLiteral("UPDATE batches SET area_id = ? "
                                                       "WHERE uuid = ?"));
        move.addBindValue(areaId);
        move.addBindValue(batch.uuid);
        if (!store.Exec(move) ||
            !store.AddHistory(QStringLiteral("batch"), batch.uuid, QStringLiteral("area"),
                              held->areaUuid, batch.areaUuid))
            return false;
    }
    Fields editable{{"notes", batch.notes}};
    if (batch.ended.isValid())
        editable.append({"ended", RecordStore::TimeText(batch.ended)});
    if (gaugeId != 0)
        editable.append({"gauge_id", gaugeId});
    const qint64 batchId = Upsert(store, "batches", QStringLiteral("batch"), batch.uuid,
                                  {{"area_id", areaId},
                                   {"source", RecordBatch::SourceKey(batch.source)},
                                   {"started", RecordStore::TimeText(batch.started)},
                                   {"port", batch.port},
                                   {"inspector", batch.inspector},
                                   {"inspector_certificate", batch.inspectorCertificate},
                                   {"criteria", CriteriaField(batch.criteria)}},
                                  editable, tally);
    if (batchId == 0)
        return false;
    if (!item.origin.isEmpty()) {
        QSqlQuery origin = store.Prepared(
            QStringLiteral("INSERT OR IGNORE INTO origins (origin, batch_id) VALUES (?, ?)"));
        origin.addBindValue(item.origin);
        origin.addBindValue(batchId);
        if (!store.Exec(origin))
            return false;
    }
    const qint64 readingsBefore = tally.readingsAdded;
    bool marksCounted = false;
    if (!MergeReadings(store, batchId, item, tally) ||
        !MergeMarks(store, batchId, item, !held, &marksCounted) ||
        !MergeConditions(store, batchId, item, !held))
        return false;
    for (const RecordEvaluation &evaluation : item.evaluations) {
        if (!Upsert(store, "evaluations", QStringLiteral("evaluation"), evaluation.uuid,
                    {{"batch_id", batchId},
                     {"criteria", CriteriaField(evaluation.criteria)},
                     {"time", RecordStore::TimeText(evaluation.time)},
                     {"inspector", evaluation.inspector},
                     {"verdict", InspectionVerdict::OutcomeKey(evaluation.verdict)}},
                    {}, tally))
            return false;
    }
    const bool summed = tally.readingsAdded == readingsBefore && !marksCounted;
    return summed || store.Resummarise(batchId);
}

bool RecordExchange::MergeReadings(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                                   Tally &tally)
{
    QSqlQuery insert = store.Prepared(QStringLiteral(
        "INSERT OR IGNORE INTO readings (batch_id, idx, time, offset, micrometres, unit, status, "
        "value) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    // A reading the batch holds already must be the same one.
    QSqlQuery held = store.Prepared(
        QStringLiteral("SELECT time, offset, micrometres, unit, status, value FROM readings "
                       "WHERE batch_id = ? AND idx = ?"));
    qint64 first = 0;
    qint64 last = 0;
    qint64 added = 0;
    for (const LiveRecord &record : item.readings) {
        RecordStore::BindReading(insert, batchId, record);
        if (!store.Exec(insert))
            return false;
        if (insert.numRowsAffected() > 0) {
            first = added++ == 0 ? record.index : first;
            last = record.index;
            continue;
        }
        held.bindValue(0, batchId);
        held.bindValue(1, record.index);
        if (!held.exec() || !held.next() || !SameReading(held, record))
            return store.Refuse(tr("reading %1 of the batch %2 differs from the one this records "
                                   "file holds")
                                    .arg(record.index)
                                    .arg(item.batch.uuid));
    }
    tally.readingsAdded += added;
    return added == 0 || store.AddReadingsChange(item.batch.uuid, first, last);
}

bool RecordExchange::MergeMarks(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                                bool fresh, bool *counted)
{
    QHash<qint64, ReadingAnnotation> held;
    for (const ReadingAnnotation &mark : AllMarks(store, batchId))
        held.insert(mark.index, mark);
    QSet<qint64> indices;
    for (const LiveRecord &record : item.readings)
        indices.insert(record.index);
    const QString batchUuid = item.batch.uuid;
    for (const ReadingAnnotation &mark : item.marks) {
        if (!indices.contains(mark.index))
            return store.Refuse(tr("the batch %1 marks reading %2, which it does not hold")
                                    .arg(batchUuid)
                                    .arg(mark.index));
        const ReadingAnnotation old =
            held.value(mark.index, ReadingAnnotation{mark.index, QString(), false, QString()});
        const bool noteChanged = old.note != mark.note;
        const bool exclusionChanged = old.excluded != mark.excluded || old.reason != mark.reason;
        if (!noteChanged && !exclusionChanged)
            continue;
        QSqlQuery write = store.Prepared(QStringLiteral(
            "INSERT OR REPLACE INTO reading_marks (batch_id, idx, note, excluded, reason) "
            "VALUES (?, ?, ?, ?, ?)"));
        write.addBindValue(batchId);
        write.addBindValue(mark.index);
        write.addBindValue(mark.note);
        write.addBindValue(mark.excluded ? 1 : 0);
        write.addBindValue(mark.reason);
        const QString kind = QStringLiteral("reading");
        const QString what =
            mark.excluded ? QStringLiteral("excluded") : QStringLiteral("included");
        if (!store.Exec(write) ||
            (!fresh && noteChanged &&
             !store.AddHistory(kind, batchUuid, QStringLiteral("note %1").arg(mark.index), old.note,
                               mark.note)) ||
            (!fresh && exclusionChanged &&
             !store.AddHistory(kind, batchUuid, QStringLiteral("%1 %2").arg(what).arg(mark.index),
                               QString::number(old.excluded ? 1 : 0), mark.reason)))
            return false;
        *counted = *counted || old.excluded != mark.excluded;
    }
    return true;
}

bool RecordExchange::MergeConditions(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                                     bool fresh)
{
    if (!item.conditions)
        return true;
    const std::optional<RecordConditions> old = store.Conditions(item.batch.uuid);
    if (old && *old == *item.conditions)
        return true;
    QSqlQuery write = store.Prepared(QStringLiteral(
        "INSERT OR REPLACE INTO conditions (batch_id, air_celsius, humidity_percent, "
        "surface_celsius) VALUES (?, ?, ?, ?)"));
    write.addBindValue(batchId);
    write.addBindValue(item.conditions->airCelsius);
    write.addBindValue(item.conditions->humidityPercent);
    write.addBindValue(item.conditions->surfaceCelsius);
    return store.Exec(write) &&
           (fresh ||
            store.AddHistory(QStringLiteral("batch"), item.batch.uuid, QStringLiteral("conditions"),
                             old ? old->Text() : QString(), item.conditions->Text()));
}

bool RecordExchange::MergeHistory(RecordStore &store, const QVector<HistoryEntry> &history)
{
    // Every entry once: an entry of another machine the store already has is not added again.
    QSqlQuery insert = store.Prepared(
        QStringLiteral("INSERT INTO history (kind, uuid, what, old_value, new_value, time, who) "
                       "SELECT ?, ?, ?, ?, ?, ?, ? WHERE NOT EXISTS (SELECT 1 FROM history WHERE "
                       "kind = ? AND uuid = ? AND what = ? AND old_value = ? AND new_value = ? AND "
                       "time = ? AND who = ?)"));
    for (const HistoryEntry &entry : history) {
        const QStringList values{entry.kind,     entry.uuid,     entry.what,
                                 entry.oldValue, entry.newValue, RecordStore::TimeText(entry.time),
                                 entry.who};
        for (int i = 0; i < 2 * values.size(); ++i)
            insert.bindValue(i, values.at(i % values.size()));
        if (!store.Exec(insert))
            return false;
    }
    return true;
}
