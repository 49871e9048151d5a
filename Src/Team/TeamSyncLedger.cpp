#include "TeamSyncLedger.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {
QAtomicInt s_connections;
// The namespace of the marks' uuids: a mark is known by its batch and index on every machine.
const QUuid kMarkNamespace(QStringLiteral("{6b0e35a2-61f4-4a5e-9d0c-0f3c1d0e7a41}"));
const QString kSentChange = QStringLiteral("sent_change");
const QString kSentEdit = QStringLiteral("sent_edit");

QString TimeOfMsecs(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC).toString(Qt::ISODateWithMs);
}

// Nothing for an empty text: a batch without an end, a reading without a value.
QVariant OrNull(const QVariant &value)
{
    return value.isNull() || value.toString().isEmpty() ? QVariant() : value;
}

const QString kJobRow = QStringLiteral(
    "SELECT uuid, name, client, location AS site, structure, coating_standard, notes FROM jobs "
    "WHERE uuid = ?");
const QString kAreaRow =
    QStringLiteral("SELECT a.uuid, j.uuid AS job_uuid, a.name, a.surface_m2, a.coat, a.product, "
                   "a.criteria FROM areas a JOIN jobs j ON j.id = a.job_id WHERE a.uuid = ?");
const QString kBatchRow = QStringLiteral(
    "SELECT b.uuid, a.uuid AS area_uuid, coalesce(g.serial, '') AS gauge_serial, "
    "coalesce(g.probe_serial, '') AS probe, coalesce(g.model, '') AS gauge_model, "
    "b.unit AS unit_code, b.criteria, b.verdict, b.started AS started_at, b.ended AS stopped_at, "
    "b.notes, b.deleted, b.source, b.port, b.inspector AS inspector_name, "
    "b.inspector_certificate, c.air_celsius, c.humidity_percent, c.surface_celsius "
    "FROM batches b LEFT JOIN areas a ON a.id = b.area_id LEFT JOIN gauges g ON g.id = b.gauge_id "
    "LEFT JOIN conditions c ON c.batch_id = b.id WHERE b.uuid = ?");
const QString kVerificationRow = QStringLiteral(
    "SELECT v.uuid, g.serial AS gauge_serial, g.model AS gauge_model, v.nominal AS "
    "reference_value, v.mean AS measured_value, v.unit AS unit_code, v.passed, v.time AS "
    "verified_at, v.tolerance_percent, v.readings, v.inspector AS inspector_name "
    "FROM verifications v JOIN gauges g ON g.id = v.gauge_id WHERE v.uuid = ?");
const QString kEvaluationRow = QStringLiteral(
    "SELECT e.uuid, b.uuid AS batch_uuid, e.criteria, e.verdict, e.time AS evaluated_at, "
    "e.inspector AS inspector_name FROM evaluations e JOIN batches b ON b.id = e.batch_id "
    "WHERE e.uuid = ?");
} // namespace

TeamSyncLedger::TeamSyncLedger()
    : m_connection(QStringLiteral("team-sync-%1").arg(s_connections.fetchAndAddRelaxed(1)))
{}

TeamSyncLedger::~TeamSyncLedger()
{
    m_insertReading.reset();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool TeamSyncLedger::Open(const QString &path)
{
    // The store brings the file up to this program's version first.
    if (!m_store.Open(path) || !m_store.IsWritable()) {
        m_problem = m_store.Problem();
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        m_problem = tr("The records file %1 cannot be used: %2").arg(path, db.lastError().text());
        return false;
    }
    m_machine = State(QStringLiteral("machine"));
    if (m_machine.isEmpty()) {
        m_machine = RecordStore::NewUuid();
        if (!SetState(QStringLiteral("machine"), m_machine))
            return false;
    }
    return true;
}

QSqlQuery TeamSyncLedger::Prepared(const QString &sql) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

bool TeamSyncLedger::Exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    m_problem = tr("The records file cannot be written: %1").arg(query.lastError().text());
    return false;
}

QString TeamSyncLedger::State(const QString &key) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT value FROM sync_state WHERE key = ?"));
    query.addBindValue(key);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool TeamSyncLedger::SetState(const QString &key, const QString &value)
{
    QSqlQuery query =
        Prepared(QStringLiteral("INSERT OR REPLACE INTO sync_state (key, value) VALUES (?, ?)"));
    query.addBindValue(key);
    query.addBindValue(value);
    return Exec(query);
}

qint64 TeamSyncLedger::Waiting() const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT count(*) FROM outbox WHERE seq > ?"));
    query.addBindValue(State(kSentChange).toLongLong());
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

QVector<TeamSyncLedger::Change> TeamSyncLedger::NextChanges(int count) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT seq, kind, uuid, coalesce(first_index, 0), coalesce(last_index, 0), "
                       "coalesce(history_id, 0) FROM outbox WHERE seq > ? ORDER BY seq LIMIT ?"));
    query.addBindValue(State(kSentChange).toLongLong());
    query.addBindValue(count);
    QVector<Change> changes;
    if (query.exec()) {
        while (query.next())
            changes.append({query.value(0).toLongLong(), query.value(1).toString(),
                            query.value(2).toString(), query.value(3).toLongLong(),
                            query.value(4).toLongLong(), query.value(5).toLongLong()});
    }
    return changes;
}

QVector<TeamSyncLedger::Edit> TeamSyncLedger::EditsUpTo(qint64 historyId) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT id, kind, uuid, what, time FROM history WHERE id > ? AND id <= ? "
                       "AND from_team = 0 AND what <> 'created' ORDER BY id"));
    query.addBindValue(State(kSentEdit).toLongLong());
    query.addBindValue(historyId);
    QVector<Edit> edits;
    if (query.exec()) {
        while (query.next())
            edits.append({query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toString(), query.value(3).toString(),
                          RecordStore::TimeOf(query.value(4))});
    }
    return edits;
}

QVariantMap TeamSyncLedger::Row(const QString &kind, const QString &uuid) const
{
    const QHash<QString, QString> selects{{QStringLiteral("job"), kJobRow},
                                          {QStringLiteral("area"), kAreaRow},
                                          {QStringLiteral("batch"), kBatchRow},
                                          {QStringLiteral("verification"), kVerificationRow},
                                          {QStringLiteral("evaluation"), kEvaluationRow}};
    if (!selects.contains(kind))
        return {};
    QSqlQuery query = Prepared(selects.value(kind));
    query.addBindValue(uuid);
    if (!query.exec() || !query.next())
        return {};
    QVariantMap row = RowOf(query);
    if (kind == QLatin1String("batch")) {
        row[QStringLiteral("stopped_at")] = OrNull(row.value(QStringLiteral("stopped_at")));
        row[QStringLiteral("deleted")] = row.value(QStringLiteral("deleted")).toBool();
    }
    if (kind == QLatin1String("verification"))
        row[QStringLiteral("passed")] = row.value(QStringLiteral("passed")).toBool();
    return row;
}

QVariantMap TeamSyncLedger::MarkRow(const QString &batchUuid, qint64 index) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT m.excluded, m.reason, m.note FROM reading_marks m JOIN batches b ON "
                       "b.id = m.batch_id WHERE b.uuid = ? AND m.idx = ?"));
    query.addBindValue(batchUuid);
    query.addBindValue(index);
    if (!query.exec() || !query.next())
        return {};
    return {{QStringLiteral("uuid"), MarkUuid(batchUuid, index)},
            {QStringLiteral("batch_uuid"), batchUuid},
            {QStringLiteral("reading_index"), index},
            {QStringLiteral("excluded"), query.value(0).toBool()},
            {QStringLiteral("reason"), query.value(1).toString()},
            {QStringLiteral("note"), query.value(2).toString()}};
}

QVector<QVariantMap> TeamSyncLedger::ReadingRows(const QString &batchUuid, qint64 from, qint64 to,
                                                 int count) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT idx, time, offset, micrometres, unit, status, value FROM readings WHERE "
        "batch_id = (SELECT id FROM batches WHERE uuid = ?) AND idx >= ? AND idx <= ? "
        "ORDER BY idx LIMIT ?"));
    query.addBindValue(batchUuid);
    query.addBindValue(from);
    query.addBindValue(to);
    query.addBindValue(count);
    QVector<QVariantMap> rows;
    if (!query.exec())
        return rows;
    while (query.next()) {
        const int status = query.value(5).toInt();
        rows.append({{QStringLiteral("batch_uuid"), batchUuid},
                     {QStringLiteral("reading_index"), query.value(0)},
                     {QStringLiteral("value"), query.value(3)},
                     {QStringLiteral("overflow"), status == int(LiveRecord::Status::Overflow)},
                     {QStringLiteral("unit_code"), query.value(4)},
                     {QStringLiteral("measured_at"), TimeOfMsecs(query.value(1).toLongLong())},
                     {QStringLiteral("status"), status},
                     {QStringLiteral("value_text"), query.value(6)},
                     {QStringLiteral("utc_offset"), query.value(2)}});
    }
    return rows;
}

QVariantMap TeamSyncLedger::RowOf(const QSqlQuery &query)
{
    QVariantMap row;
    const QSqlRecord record = query.record();
    for (int column = 0; column < record.count(); ++column)
        row.insert(record.fieldName(column), query.value(column));
    return row;
}

QString TeamSyncLedger::MarkUuid(const QString &batchUuid, qint64 index)
{
    return QUuid::createUuidV5(kMarkNamespace,
                               batchUuid + QLatin1Char('/') + QString::number(index))
        .toString(QUuid::WithoutBraces);
}

bool TeamSyncLedger::Begin()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.transaction())
        return true;
    m_problem = tr("The records file cannot be written: %1").arg(db.lastError().text());
    return false;
}

bool TeamSyncLedger::Commit()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    m_batchIds.clear();
    if (!db.commit()) {
        m_problem = tr("The records file cannot be written: %1").arg(db.lastError().text());
        db.rollback();
        m_touchedBatches.clear();
        return false;
    }
    // The store's own connection sums them up, now that the rows are there for it.
    bool summedUp = true;
    for (const QString &batch : qAsConst(m_touchedBatches))
        summedUp = m_store.SumUp(batch) && summedUp;
    m_touchedBatches.clear();
    if (!summedUp)
        m_problem = m_store.Problem();
    return summedUp;
}

void TeamSyncLedger::Rollback()
{
    QSqlDatabase::database(m_connection, false).rollback();
    m_touchedBatches.clear();
    m_batchIds.clear();
}

bool TeamSyncLedger::HasWaiting(const QString &uuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT 1 FROM outbox WHERE uuid = ? AND seq > ?"));
    query.addBindValue(uuid);
    query.addBindValue(State(kSentChange).toLongLong());
    return query.exec() && query.next();
}

QVariant TeamSyncLedger::IdOf(const char *table, const QVariant &uuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT id FROM %1 WHERE uuid = ?").arg(table));
    query.addBindValue(uuid);
    return query.exec() && query.next() ? query.value(0) : QVariant(QVariant::LongLong);
}

bool TeamSyncLedger::StoreRow(const QString &table, const QVariantMap &row, bool overwrite)
{
    // Readings never change: one already here is left as it is anyway.
    if (table == QLatin1String("readings"))
        return StoreReading(row);
    const QString uuid = row.value(QStringLiteral("uuid")).toString();
    const QString batchUuid = row.value(QStringLiteral("batch_uuid")).toString();
    if (!overwrite && HasWaiting(table == QLatin1String("exclusions") ? batchUuid : uuid))
        return true;
    if (table == QLatin1String("jobs"))
        return StoreJob(row);
    if (table == QLatin1String("areas"))
        return StoreArea(row);
    if (table == QLatin1String("batches"))
        return StoreBatch(row);
    if (table == QLatin1String("exclusions"))
        return StoreMark(row);
    if (table == QLatin1String("verifications"))
        return StoreVerification(row);
    if (table == QLatin1String("evaluations"))
        return StoreEvaluation(row);
    return true;
}

bool TeamSyncLedger::StoreJob(const QVariantMap &row)
{
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO jobs (uuid, name, client, structure, location, coating_standard, notes, "
        "created) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET "
        "name = excluded.name, client = excluded.client, structure = excluded.structure, "
        "location = excluded.location, coating_standard = excluded.coating_standard, "
        "notes = excluded.notes"));
    for (const char *column :
         {"uuid", "name", "client", "structure", "site", "coating_standard", "notes", "created_at"})
        query.addBindValue(row.value(QLatin1String(column)));
    return Exec(query);
}

bool TeamSyncLedger::StoreArea(const QVariantMap &row)
{
    const QVariant jobId = IdOf("jobs", row.value(QStringLiteral("job_uuid")));
    if (jobId.isNull())
        return true; // a job this file never got: nothing to file the area in
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO areas (uuid, job_id, name, surface_m2, coat, product, criteria, created) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET job_id = "
        "excluded.job_id, name = excluded.name, surface_m2 = excluded.surface_m2, coat = "
        "excluded.coat, product = excluded.product, criteria = excluded.criteria"));
    query.addBindValue(row.value(QStringLiteral("uuid")));
    query.addBindValue(jobId);
    for (const char *column : {"name", "surface_m2", "coat", "product", "criteria", "created_at"})
        query.addBindValue(row.value(QLatin1String(column)));
    return Exec(query);
}

QVariant TeamSyncLedger::GaugeId(const QVariantMap &row)
{
    const QString serial = row.value(QStringLiteral("gauge_serial")).toString();
    if (serial.isEmpty())
        return QVariant(QVariant::LongLong);
    QSqlQuery found = Prepared(QStringLiteral("SELECT id FROM gauges WHERE serial = ?"));
    found.addBindValue(serial);
    if (found.exec() && found.next())
        return found.value(0);
    QSqlQuery made = Prepared(QStringLiteral(
        "INSERT INTO gauges (uuid, model, serial, probe_serial) VALUES (?, ?, ?, ?)"));
    made.addBindValue(RecordStore::NewUuid());
    made.addBindValue(row.value(QStringLiteral("gauge_model")).toString());
    made.addBindValue(serial);
    made.addBindValue(row.value(QStringLiteral("probe")).toString());
    return Exec(made) ? made.lastInsertId() : QVariant(QVariant::LongLong);
}

bool TeamSyncLedger::StoreBatch(const QVariantMap &row)
{
    const QVariant areaUuid = row.value(QStringLiteral("area_uuid"));
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO batches (uuid, area_id, gauge_id, unit, criteria, verdict, started, ended, "
        "notes, deleted, source, port, inspector, inspector_certificate) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET "
        "area_id = excluded.area_id, gauge_id = excluded.gauge_id, ended = excluded.ended, "
        "notes = excluded.notes, deleted = excluded.deleted, verdict = excluded.verdict"));
    query.addBindValue(row.value(QStringLiteral("uuid")));
    query.addBindValue(areaUuid.isNull() ? QVariant(QVariant::LongLong) : IdOf("areas", areaUuid));
    query.addBindValue(GaugeId(row));
    for (const char *column :
         {"unit_code", "criteria", "verdict", "started_at", "stopped_at", "notes", "deleted",
          "source", "port", "inspector_name", "inspector_certificate"})
        query.addBindValue(row.value(QLatin1String(column)));
    if (!Exec(query))
        return false;
    if (row.value(QStringLiteral("air_celsius")).isNull())
        return true;
    QSqlQuery conditions = Prepared(QStringLiteral(
        "INSERT OR REPLACE INTO conditions (batch_id, air_celsius, humidity_percent, "
        "surface_celsius) SELECT id, ?, ?, ? FROM batches WHERE uuid = ?"));
    for (const char *column : {"air_celsius", "humidity_percent", "surface_celsius", "uuid"})
        conditions.addBindValue(row.value(QLatin1String(column)));
    return Exec(conditions);
}

bool TeamSyncLedger::StoreReading(const QVariantMap &row)
{
    const QString batchUuid = row.value(QStringLiteral("batch_uuid")).toString();
    auto known = m_batchIds.find(batchUuid);
    if (known == m_batchIds.end())
        known = m_batchIds.insert(batchUuid, IdOf("batches", batchUuid));
    if (known->isNull())
        return true;
    if (!m_insertReading) {
        m_insertReading = std::make_unique<QSqlQuery>(Prepared(QStringLiteral(
            "INSERT OR IGNORE INTO readings (batch_id, idx, time, offset, micrometres, unit, "
            "status, value) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")));
    }
    QSqlQuery &query = *m_insertReading;
    query.bindValue(0, *known);
    query.bindValue(1, row.value(QStringLiteral("reading_index")));
    query.bindValue(2, QDateTime::fromString(row.value(QStringLiteral("measured_at")).toString(),
                                             Qt::ISODateWithMs)
                           .toMSecsSinceEpoch());
    int at = 3;
    for (const char *column : {"utc_offset", "value", "unit_code", "status", "value_text"})
        query.bindValue(at++, row.value(QLatin1String(column)));
    if (!Exec(query))
        return false;
    if (query.numRowsAffected() > 0)
        m_touchedBatches.insert(batchUuid);
    return true;
}

bool TeamSyncLedger::StoreMark(const QVariantMap &row)
{
    const QVariant batchId = IdOf("batches", row.value(QStringLiteral("batch_uuid")));
    if (batchId.isNull())
        return true;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO reading_marks (batch_id, idx, note, excluded, reason) VALUES (?, ?, ?, ?, ?) "
        "ON CONFLICT (batch_id, idx) DO UPDATE SET note = excluded.note, excluded = "
        "excluded.excluded, reason = excluded.reason"));
    query.addBindValue(batchId);
    query.addBindValue(row.value(QStringLiteral("reading_index")));
    query.addBindValue(row.value(QStringLiteral("note")));
    query.addBindValue(row.value(QStringLiteral("excluded")).toBool() ? 1 : 0);
    query.addBindValue(row.value(QStringLiteral("reason")));
    m_touchedBatches.insert(row.value(QStringLiteral("batch_uuid")).toString());
    return Exec(query);
}

bool TeamSyncLedger::StoreVerification(const QVariantMap &row)
{
    const QVariant gaugeId = GaugeId(row);
    if (gaugeId.isNull())
        return true;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT OR IGNORE INTO verifications (uuid, gauge_id, time, nominal, tolerance_percent, "
        "unit, readings, mean, passed, inspector) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(row.value(QStringLiteral("uuid")));
    query.addBindValue(gaugeId);
    for (const char *column : {"verified_at", "reference_value", "tolerance_percent", "unit_code",
                               "readings", "measured_value"})
        query.addBindValue(row.value(QLatin1String(column)));
    query.addBindValue(row.value(QStringLiteral("passed")).toBool() ? 1 : 0);
    query.addBindValue(row.value(QStringLiteral("inspector_name")));
    return Exec(query);
}

// An evaluation marked deleted on the server is no longer one of the batch's here.
bool TeamSyncLedger::StoreEvaluation(const QVariantMap &row)
{
    if (row.value(QStringLiteral("deleted")).toBool()) {
        QSqlQuery removed = Prepared(QStringLiteral("DELETE FROM evaluations WHERE uuid = ?"));
        removed.addBindValue(row.value(QStringLiteral("uuid")));
        return Exec(removed);
    }
    const QVariant batchId = IdOf("batches", row.value(QStringLiteral("batch_uuid")));
    if (batchId.isNull())
        return true;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO evaluations (uuid, batch_id, criteria, time, inspector, verdict) VALUES "
        "(?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET criteria = excluded.criteria, "
        "inspector = excluded.inspector, verdict = excluded.verdict"));
    query.addBindValue(row.value(QStringLiteral("uuid")));
    query.addBindValue(batchId);
    for (const char *column : {"criteria", "evaluated_at", "inspector_name", "verdict"})
        query.addBindValue(row.value(QLatin1String(column)));
    return Exec(query);
}

TeamSyncLedger::SignOffStored TeamSyncLedger::StoreSignOff(const QVariantMap &row)
{
    const QVariant uuid = row.value(QStringLiteral("uuid"));
    const QString note = row.value(QStringLiteral("note")).toString();
    const int withdrawn = row.value(QStringLiteral("deleted")).toBool() ? 1 : 0;
    QSqlQuery found =
        Prepared(QStringLiteral("SELECT note, withdrawn FROM signoffs WHERE uuid = ?"));
    found.addBindValue(uuid);
    if (!Exec(found))
        return SignOffStored::Failed;
    const bool known = found.next();
    if (known && found.value(0).toString() == note && found.value(1).toInt() == withdrawn)
        return SignOffStored::Unchanged;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO signoffs (uuid, owner_kind, owner_uuid, reviewer, time, note, withdrawn) "
        "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET note = excluded.note, "
        "withdrawn = excluded.withdrawn"));
    query.addBindValue(uuid);
    for (const char *column : {"owner_kind", "owner_uuid", "created_by", "created_at"})
        query.addBindValue(row.value(QLatin1String(column)));
    query.addBindValue(note);
    query.addBindValue(withdrawn);
    if (!Exec(query))
        return SignOffStored::Failed;
    return known ? SignOffStored::Changed : SignOffStored::New;
}

bool TeamSyncLedger::HasTeamHistory(const QString &uuid, const QString &who,
                                    const QDateTime &time) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT 1 FROM history WHERE uuid = ? AND who = ? AND time = ? AND from_team = 1"));
    query.addBindValue(uuid);
    query.addBindValue(who);
    query.addBindValue(RecordStore::TimeText(time));
    return query.exec() && query.next();
}

bool TeamSyncLedger::StoreHistory(const QString &kind, const QString &uuid, const QString &what,
                                  const QString &oldValue, const QString &newValue,
                                  const QDateTime &time, const QString &who)
{
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO history (kind, uuid, what, old_value, new_value, time, who, from_team) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, 1)"));
    for (const QString &value :
         {kind, uuid, what, oldValue, newValue, RecordStore::TimeText(time), who})
        query.addBindValue(value.isNull() ? QStringLiteral("") : value);
    return Exec(query);
}

bool TeamSyncLedger::MarkSent(qint64 sequence, qint64 historyId)
{
    return SetState(kSentChange, QString::number(sequence)) &&
           (historyId <= State(kSentEdit).toLongLong() ||
            SetState(kSentEdit, QString::number(historyId)));
}

qint64 TeamSyncLedger::Pulled(const QString &table) const
{
    return State(QStringLiteral("pulled_") + table).toLongLong();
}

bool TeamSyncLedger::MarkPulled(const QString &table, qint64 change)
{
    return SetState(QStringLiteral("pulled_") + table, QString::number(change));
}
