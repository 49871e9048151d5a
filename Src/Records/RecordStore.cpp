#include "RecordStore.h"

#include "CriteriaJson.h"
#include "RecordSchema.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {
QAtomicInt s_connections;

const QString BatchColumns = QStringLiteral(
    "b.id, b.uuid, a.uuid, j.name, a.name, b.source, b.started, b.ended, b.port, g.uuid, "
    "b.inspector, b.inspector_certificate, b.notes, b.criteria, b.count, b.overflows, b.unit, "
    "b.mean, b.verdict, b.deleted");
const QString BatchTables =
    QStringLiteral("batches b LEFT JOIN areas a ON a.id = b.area_id LEFT JOIN jobs j ON "
                   "j.id = a.job_id LEFT JOIN gauges g ON g.id = b.gauge_id");

QVariant Optional(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Double);
}

// The readings a query of (idx, time, offset, micrometres, unit, status, value) finds.
QVector<LiveRecord> RecordsOf(QSqlQuery &query)
{
    QVector<LiveRecord> records;
    if (!query.exec())
        return records;
    while (query.next()) {
        LiveRecord record;
        record.index = query.value(0).toLongLong();
        record.arrival = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(),
                                                        Qt::OffsetFromUTC, query.value(2).toInt());
        record.micrometres = query.isNull(3) ? qQNaN() : query.value(3).toFloat();
        record.unitCode = static_cast<qint8>(query.value(4).toInt());
        record.status = static_cast<LiveRecord::Status>(query.value(5).toInt());
        record.valueText = query.value(6).toString();
        records.append(record);
    }
    return records;
}

// The unit a batch is shown in: that of its last reading with a value, -1 when none has one.
int UnitOf(const QVector<LiveRecord> &records)
{
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if (it->HasValue())
            return it->unitCode;
    }
    return -1;
}
} // namespace

RecordStore::RecordStore()
    : m_connection(QStringLiteral("records-%1").arg(s_connections.fetchAndAddRelaxed(1)))
{}

RecordStore::~RecordStore()
{
    // Statements go before their connection.
    m_kept.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool RecordStore::Open(const QString &path)
{
    m_path = path;
    m_running.clear();
    m_kept.clear();
    m_access = Access::Closed;
    m_problem.clear();
    const bool existed = QFileInfo::exists(path);
    if (existed) {
        // Looked at without writing first: a later version must stay exactly as it is.
        if (!OpenConnection(QStringLiteral("QSQLITE_OPEN_READONLY")))
            return false;
        QSqlDatabase db = QSqlDatabase::database(m_connection);
        const int version = RecordSchema::VersionOf(db);
        if (version > RecordSchema::CurrentVersion()) {
            m_access = Access::ReadOnly;
            m_problem = tr("The records file %1 was written by a later version of the program: "
                           "it is shown read-only and not changed.")
                            .arg(path);
            return true;
        }
        db.close();
    }
    QSqlDatabase db;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable() ||
        (existed && !QFileInfo(path).isWritable()) ||
        !OpenConnection(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"))) {
        m_problem = tr("The records file %1 cannot be written (the folder or the file is "
                       "read-only): readings go on into the session files only.")
                        .arg(path);
        if (existed && OpenConnection(QStringLiteral("QSQLITE_OPEN_READONLY")))
            m_access = Access::ReadOnly;
        return m_access != Access::Closed;
    }
    db = QSqlDatabase::database(m_connection);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        // With WAL, a commit survives a crash of the program; the session files cover the last
        // moments before a power cut.
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return Fail(query);
    const QString migrated = RecordSchema::Migrate(db, RecordSchema::CurrentVersion());
    if (!migrated.isEmpty())
        return FailText(migrated);
    m_access = Access::Writable;
    return true;
}

bool RecordStore::OpenConnection(const QString &options)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.close();
    db.setDatabaseName(m_path);
    db.setConnectOptions(options);
    if (!db.open())
        return FailText(db.lastError().text());
    // SQLite opens lazily: a damaged file shows itself at the first read.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        db.close();
        return Fail(query);
    }
    return true;
}

bool RecordStore::Fail(const QSqlQuery &query)
{
    return FailText(query.lastError().text());
}

bool RecordStore::Refuse(const QString &reason)
{
    m_problem = reason;
    return false;
}

bool RecordStore::FailText(const QString &reason)
{
    m_problem = tr("The records file %1 cannot be used: %2. Readings go on into the session "
                   "files only.")
                    .arg(m_path, reason);
    if (m_access == Access::Writable)
        m_access = Access::ReadOnly;
    return false;
}

void RecordStore::SetInspector(const QString &name, const QString &certificate)
{
    m_inspector = name;
    m_inspectorCertificate = certificate;
}

QSqlQuery RecordStore::Prepared(const QString &sql) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

QSqlQuery &RecordStore::Kept(const QString &sql)
{
    auto kept = m_kept.find(sql);
    if (kept == m_kept.end())
        kept = m_kept.insert(sql, Prepared(sql));
    return *kept;
}

bool RecordStore::Exec(QSqlQuery &query)
{
    // A text not given is bound as an empty one: the text columns hold '' rather than NULL.
    for (int i = 0; i < query.boundValues().size(); ++i) {
        const QVariant value = query.boundValue(i);
        if (value.type() == QVariant::String && value.toString().isNull())
            query.bindValue(i, QStringLiteral(""));
    }
    return query.exec() || Fail(query);
}

bool RecordStore::Begin()
{
    if (!IsWritable())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return db.transaction() || FailText(db.lastError().text());
}

bool RecordStore::Commit()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.commit())
        return true;
    const QString reason = db.lastError().text();
    db.rollback();
    return FailText(reason);
}

void RecordStore::Rollback()
{
    QSqlDatabase::database(m_connection, false).rollback();
}

QString RecordStore::NewUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString RecordStore::TimeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime RecordStore::TimeOf(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toLocalTime();
}

qint64 RecordStore::IdOf(const char *table, const QString &uuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT id FROM %1 WHERE uuid = ?").arg(table));
    query.addBindValue(uuid);
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

QString RecordStore::UuidOf(const char *table, qint64 id) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT uuid FROM %1 WHERE id = ?").arg(table));
    query.addBindValue(id);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool RecordStore::AddHistory(const QString &kind, const QString &uuid, const QString &what,
                             const QString &oldValue, const QString &newValue)
{
    QSqlQuery query =
        Prepared(QStringLiteral("INSERT INTO history (kind, uuid, what, old_value, "
                                "new_value, time, who) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QString &value : {kind, uuid, what, oldValue, newValue,
                                 TimeText(QDateTime::currentDateTime()), m_inspector})
        query.addBindValue(value);
    return Exec(query) && AddChange(kind, uuid);
}

bool RecordStore::AddChange(const QString &kind, const QString &uuid)
{
    QSqlQuery query = Prepared(QStringLiteral("INSERT INTO outbox (kind, uuid) VALUES (?, ?)"));
    query.addBindValue(kind);
    query.addBindValue(uuid);
    return Exec(query);
}

bool RecordStore::Edit(const char *table, const QString &kind, const QString &uuid,
                       const char *column, const QVariant &value)
{
    QSqlQuery current =
        Prepared(QStringLiteral("SELECT %1 FROM %2 WHERE uuid = ?").arg(column, table));
    current.addBindValue(uuid);
    if (!current.exec())
        return Fail(current);
    if (!current.next())
        return Refuse(tr("no such item"));
    const QVariant old = current.value(0);
    // SQLite compares, so that a number, a text and nothing are told apart as it stores them.
    QSqlQuery update = Prepared(
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE uuid = ? AND %2 IS NOT ?").arg(table, column));
    update.addBindValue(value);
    update.addBindValue(uuid);
    update.addBindValue(value);
    if (!Exec(update))
        return false;
    return update.numRowsAffected() == 0 ||
           AddHistory(kind, uuid, QLatin1String(column), old.toString(), value.toString());
}

// Jobs -------------------------------------------------------------------------------------

QString RecordStore::AddJob(const RecordJob &job)
{
    if (!Begin())
        return QString();
    const QString uuid = NewUuid();
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO jobs (uuid, name, client, structure, location, coating_standard, notes, "
        "created) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QString &value :
         {uuid, job.name, job.client, job.structure, job.location, job.coatingStandard, job.notes,
          TimeText(QDateTime::currentDateTime())})
        query.addBindValue(value);
    if (!Exec(query) ||
        !AddHistory(QStringLiteral("job"), uuid, QStringLiteral("created"), QString(), job.name) ||
        !Commit()) {
        Rollback();
        return QString();
    }
    return uuid;
}

bool RecordStore::UpdateJob(const RecordJob &job)
{
    if (!Begin())
        return false;
    const QString kind = QStringLiteral("job");
    const bool edited = Edit("jobs", kind, job.uuid, "name", job.name) &&
                        Edit("jobs", kind, job.uuid, "client", job.client) &&
                        Edit("jobs", kind, job.uuid, "structure", job.structure) &&
                        Edit("jobs", kind, job.uuid, "location", job.location) &&
                        Edit("jobs", kind, job.uuid, "coating_standard", job.coatingStandard) &&
                        Edit("jobs", kind, job.uuid, "notes", job.notes);
    if (edited && Commit())
        return true;
    Rollback();
    return false;
}

namespace {
const QString JobColumns =
    QStringLiteral("uuid, name, client, structure, location, coating_standard, notes");

RecordJob JobOf(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString()};
}
} // namespace

QVector<RecordJob> RecordStore::Jobs() const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT %1 FROM jobs ORDER BY name COLLATE NOCASE").arg(JobColumns));
    QVector<RecordJob> jobs;
    if (query.exec()) {
        while (query.next())
            jobs.append(JobOf(query));
    }
    return jobs;
}

std::optional<RecordJob> RecordStore::Job(const QString &uuid) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 FROM jobs WHERE uuid = ?").arg(JobColumns));
    query.addBindValue(uuid);
    if (query.exec() && query.next())
        return JobOf(query);
    return std::nullopt;
}

std::optional<RecordJob> RecordStore::JobNamed(const QString &name) const
{
    const QVector<RecordJob> jobs = JobsNamed(name);
    if (jobs.isEmpty())
        return std::nullopt;
    return jobs.first();
}

QVector<RecordJob> RecordStore::JobsNamed(const QString &name) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 FROM jobs WHERE name = ? ORDER BY id").arg(JobColumns));
    query.addBindValue(name);
    QVector<RecordJob> jobs;
    if (query.exec())
        while (query.next())
            jobs.append(JobOf(query));
    return jobs;
}

// Areas ------------------------------------------------------------------------------------

namespace {
const QString AreaColumns = QStringLiteral(
    "a.uuid, j.uuid, a.name, a.surface_m2, a.coat, a.product, a.criteria FROM areas a JOIN "
    "jobs j ON j.id = a.job_id");

RecordArea AreaOf(const QSqlQuery &query)
{
    RecordArea area;
    area.uuid = query.value(0).toString();
    area.jobUuid = query.value(1).toString();
    area.name = query.value(2).toString();
    if (!query.isNull(3))
        area.surfaceSquareMetres = query.value(3).toDouble();
    if (!query.isNull(4))
        area.coat = query.value(4).toInt();
    area.product = query.value(5).toString();
    area.criteria = CriteriaJson::FromText(query.value(6).toByteArray());
    return area;
}
} // namespace

QString RecordStore::AddArea(const RecordArea &area)
{
    const qint64 jobId = IdOf("jobs", area.jobUuid);
    if (jobId == 0) {
        Refuse(tr("no such job"));
        return QString();
    }
    if (!Begin())
        return QString();
    const QString uuid = NewUuid();
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO areas (uuid, job_id, name, surface_m2, coat, product, criteria, created) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(uuid);
    query.addBindValue(jobId);
    query.addBindValue(area.name);
    query.addBindValue(Optional(area.surfaceSquareMetres));
    query.addBindValue(area.coat ? QVariant(*area.coat) : QVariant(QVariant::Int));
    query.addBindValue(area.product);
    query.addBindValue(QString::fromUtf8(CriteriaJson::ToText(area.criteria)));
    query.addBindValue(TimeText(QDateTime::currentDateTime()));
    if (!Exec(query) ||
        !AddHistory(QStringLiteral("area"), uuid, QStringLiteral("created"), QString(),
                    area.name) ||
        !Commit()) {
        Rollback();
        return QString();
    }
    return uuid;
}

bool RecordStore::UpdateArea(const RecordArea &area)
{
    if (!Begin())
        return false;
    const QString kind = QStringLiteral("area");
    const bool edited =
        Edit("areas", kind, area.uuid, "name", area.name) &&
        Edit("areas", kind, area.uuid, "surface_m2", Optional(area.surfaceSquareMetres)) &&
        Edit("areas", kind, area.uuid, "coat",
             area.coat ? QVariant(*area.coat) : QVariant(QVariant::Int)) &&
        Edit("areas", kind, area.uuid, "product", area.product) &&
        Edit("areas", kind, area.uuid, "criteria",
             QString::fromUtf8(CriteriaJson::ToText(area.criteria)));
    if (edited && Commit())
        return true;
    Rollback();
    return false;
}

QVector<RecordArea> RecordStore::Areas(const QString &jobUuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT %1 WHERE j.uuid = ? ORDER BY a.name "
                                              "COLLATE NOCASE")
                                   .arg(AreaColumns));
    query.addBindValue(jobUuid);
    QVector<RecordArea> areas;
    if (query.exec()) {
        while (query.next())
            areas.append(AreaOf(query));
    }
    return areas;
}

QHash<QString, QVector<RecordArea>> RecordStore::AreasByJob() const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 ORDER BY a.name COLLATE NOCASE").arg(AreaColumns));
    QHash<QString, QVector<RecordArea>> areas;
    if (query.exec()) {
        while (query.next()) {
            RecordArea area = AreaOf(query);
            areas[area.jobUuid].append(area);
        }
    }
    return areas;
}

std::optional<RecordArea> RecordStore::Area(const QString &uuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT %1 WHERE a.uuid = ?").arg(AreaColumns));
    query.addBindValue(uuid);
    if (query.exec() && query.next())
        return AreaOf(query);
    return std::nullopt;
}

std::optional<RecordArea> RecordStore::AreaNamed(const QString &jobUuid, const QString &name) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 WHERE j.uuid = ? AND a.name = ?").arg(AreaColumns));
    query.addBindValue(jobUuid);
    query.addBindValue(name);
    if (query.exec() && query.next())
        return AreaOf(query);
    return std::nullopt;
}

QString RecordStore::EnsureArea(const QString &jobName, const QString &areaName,
                                const InspectionCriteria &criteria)
{
    QString jobUuid;
    if (const std::optional<RecordJob> job = JobNamed(jobName))
        jobUuid = job->uuid;
    else
        jobUuid = AddJob(RecordJob{QString(), jobName, {}, {}, {}, {}, {}});
    if (jobUuid.isEmpty())
        return QString();
    if (const std::optional<RecordArea> area = AreaNamed(jobUuid, areaName))
        return area->uuid;
    RecordArea area;
    area.jobUuid = jobUuid;
    area.name = areaName;
    area.criteria = criteria;
    return AddArea(area);
}

// Batches ----------------------------------------------------------------------------------

QString RecordStore::BeginBatch(const RecordBatch &batch, const QString &origin)
{
    InspectionCriteria criteria = batch.criteria;
    qint64 areaId = 0;
    if (!batch.areaUuid.isEmpty()) {
        const std::optional<RecordArea> area = Area(batch.areaUuid);
        if (!area) {
            Refuse(tr("no such area"));
            return QString();
        }
        criteria = area->criteria;
        areaId = IdOf("areas", batch.areaUuid);
    }
    const qint64 gaugeId = batch.gaugeUuid.isEmpty() ? 0 : IdOf("gauges", batch.gaugeUuid);
    if (!Begin())
        return QString();
    const QString uuid = NewUuid();
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO batches (uuid, area_id, source, started, port, gauge_id, inspector, "
        "inspector_certificate, notes, criteria) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(uuid);
    query.addBindValue(areaId ? QVariant(areaId) : QVariant(QVariant::LongLong));
    query.addBindValue(RecordBatch::SourceKey(batch.source));
    query.addBindValue(TimeText(batch.started));
    query.addBindValue(batch.port);
    query.addBindValue(gaugeId ? QVariant(gaugeId) : QVariant(QVariant::LongLong));
    query.addBindValue(batch.inspector.isEmpty() ? m_inspector : batch.inspector);
    query.addBindValue(batch.inspector.isEmpty() ? m_inspectorCertificate
                                                 : batch.inspectorCertificate);
    query.addBindValue(batch.notes);
    query.addBindValue(QString::fromUtf8(CriteriaJson::ToText(criteria)));
    bool made = Exec(query) && AddChange(QStringLiteral("batch"), uuid);
    if (made && !origin.isEmpty()) {
        QSqlQuery taken = Prepared(QStringLiteral("INSERT INTO origins (origin, batch_id) "
                                                  "SELECT ?, id FROM batches WHERE uuid = ?"));
        taken.addBindValue(origin);
        taken.addBindValue(uuid);
        made = Exec(taken);
    }
    if (!made || !Commit()) {
        Rollback();
        return QString();
    }
    return uuid;
}

QString RecordStore::BatchOfOrigin(const QString &origin, bool *known) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT b.uuid FROM origins o LEFT JOIN batches b ON "
                                              "b.id = o.batch_id WHERE o.origin = ?"));
    query.addBindValue(origin);
    const bool found = query.exec() && query.next();
    if (known)
        *known = found;
    return found ? query.value(0).toString() : QString();
}

bool RecordStore::AppendReadings(const QString &batchUuid, const QVector<LiveRecord> &records,
                                 qint64 *added)
{
    QSqlQuery &batch = Kept(QStringLiteral("SELECT id FROM batches WHERE uuid = ?"));
    batch.bindValue(0, batchUuid);
    const qint64 batchId = batch.exec() && batch.next() ? batch.value(0).toLongLong() : 0;
    batch.finish();
    if (batchId == 0)
        return Refuse(tr("no such batch"));
    if (!Begin())
        return false;
    QSqlQuery &insert = Kept(QStringLiteral(
        "INSERT OR IGNORE INTO readings (batch_id, idx, time, offset, micrometres, unit, status, "
        "value) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    QVector<const LiveRecord *> fresh;
    fresh.reserve(records.size());
    for (const LiveRecord &record : records) {
        BindReading(insert, batchId, record);
        if (!Exec(insert)) {
            Rollback();
            return false;
        }
        if (insert.numRowsAffected() > 0)
            fresh.append(&record);
    }
    bool summarised = true;
    if (!fresh.isEmpty()) {
        // A batch first added to, one whose unit changes, or one another connection changed
        // since (a reading excluded meanwhile) is summed up from all its readings.
        auto running = m_running.find(batchId);
        bool sameUnit =
            running != m_running.end() && SummaryUnchanged(batchId, running->inspection);
        for (const LiveRecord *record : fresh)
            sameUnit = sameUnit &&
                       (!record->HasValue() || record->unitCode == running->inspection.UnitCode());
        if (sameUnit) {
            for (const LiveRecord *record : fresh) {
                if (record->status == LiveRecord::Status::Overflow)
                    running->inspection.AddOverflow();
                else if (record->HasValue())
                    running->inspection.Add(record->Value());
            }
            summarised = Summarise(batchId, running->inspection);
        } else {
            summarised = Resummarise(batchId);
        }
        summarised =
            summarised && AddReadingsChange(batchUuid, fresh.first()->index, fresh.last()->index);
    }
    if (!summarised || !Commit()) {
        Rollback();
        m_running.remove(batchId);
        return false;
    }
    if (added)
        *added = fresh.size();
    return true;
}

void RecordStore::BindReading(QSqlQuery &insert, qint64 batchId, const LiveRecord &record)
{
    insert.bindValue(0, batchId);
    insert.bindValue(1, record.index);
    insert.bindValue(2, record.arrival.toMSecsSinceEpoch());
    insert.bindValue(3, record.arrival.offsetFromUtc());
    insert.bindValue(4, qIsNaN(record.micrometres) ? QVariant(QVariant::Double)
                                                   : QVariant(double(record.micrometres)));
    insert.bindValue(5, int(record.unitCode));
    insert.bindValue(6, int(record.status));
    insert.bindValue(7, record.valueText);
}

bool RecordStore::AddReadingsChange(const QString &batchUuid, qint64 first, qint64 last)
{
    QSqlQuery &change = Kept(QStringLiteral("INSERT INTO outbox (kind, uuid, first_index, "
                                            "last_index) VALUES ('readings', ?, ?, ?)"));
    change.bindValue(0, batchUuid);
    change.bindValue(1, first);
    change.bindValue(2, last);
    return Exec(change);
}

QVector<LiveRecord> RecordStore::CountedReadings(qint64 batchId) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT r.idx, r.time, r.offset, r.micrometres, r.unit, r.status, r.value FROM readings r "
        "LEFT JOIN reading_marks m ON m.batch_id = r.batch_id AND m.idx = r.idx "
        "WHERE r.batch_id = ? AND coalesce(m.excluded, 0) = 0 ORDER BY r.idx"));
    query.addBindValue(batchId);
    return RecordsOf(query);
}

bool RecordStore::Summarise(qint64 batchId, const SeriesInspection &inspection)
{
    QSqlQuery &query = Kept(QStringLiteral("UPDATE batches SET count = ?, overflows = ?, unit = "
                                           "?, mean = ?, verdict = ? WHERE id = ?"));
    query.bindValue(0, inspection.Statistics().Count());
    query.bindValue(1, inspection.Statistics().Overflows());
    query.bindValue(2, inspection.UnitCode());
    query.bindValue(3, inspection.Statistics().Mean());
    query.bindValue(4, InspectionVerdict::OutcomeKey(inspection.Verdict().outcome));
    query.bindValue(5, batchId);
    return Exec(query);
}

bool RecordStore::SummaryUnchanged(qint64 batchId, const SeriesInspection &inspection)
{
    QSqlQuery &query =
        Kept(QStringLiteral("SELECT count, overflows, mean FROM batches WHERE id = ?"));
    query.bindValue(0, batchId);
    const ReadingStatistics &statistics = inspection.Statistics();
    const bool unchanged =
        query.exec() && query.next() && query.value(0).toLongLong() == statistics.Count() &&
        query.value(1).toLongLong() == statistics.Overflows() &&
        (statistics.Count() == 0 || query.value(2).toDouble() == statistics.Mean());
    query.finish();
    return unchanged;
}

bool RecordStore::Resummarise(qint64 batchId)
{
    QSqlQuery criteria = Prepared(QStringLiteral("SELECT criteria FROM batches WHERE id = ?"));
    criteria.addBindValue(batchId);
    if (!criteria.exec() || !criteria.next())
        return Fail(criteria);
    const QVector<LiveRecord> records = CountedReadings(batchId);
    const SeriesInspection inspection = SeriesInspection::OfRecords(
        records, CriteriaJson::FromText(criteria.value(0).toByteArray()), UnitOf(records));
    m_running.insert(batchId, Running{inspection});
    return Summarise(batchId, inspection);
}

bool RecordStore::SumUp(const QString &batchUuid)
{
    const qint64 batchId = IdOf("batches", batchUuid);
    if (batchId == 0)
        return Refuse(tr("no such batch"));
    if (!Begin())
        return false;
    if (Resummarise(batchId) && Commit())
        return true;
    Rollback();
    m_running.remove(batchId);
    return false;
}

bool RecordStore::EndBatch(const QString &batchUuid, const QDateTime &ended)
{
    if (!Begin())
        return false;
    QSqlQuery query = Prepared(QStringLiteral("UPDATE batches SET ended = ? WHERE uuid = ?"));
    query.addBindValue(TimeText(ended));
    query.addBindValue(batchUuid);
    if (!Exec(query) || !AddChange(QStringLiteral("batch"), batchUuid) || !Commit()) {
        Rollback();
        return false;
    }
    m_running.remove(IdOf("batches", batchUuid));
    return true;
}

RecordBatch RecordStore::BatchOf(const QSqlQuery &query) const
{
    RecordBatch batch;
    batch.uuid = query.value(1).toString();
    batch.areaUuid = query.value(2).toString();
    batch.jobName = query.value(3).toString();
    batch.areaName = query.value(4).toString();
    batch.source = RecordBatch::SourceFromKey(query.value(5).toString());
    batch.started = TimeOf(query.value(6));
    batch.ended = TimeOf(query.value(7));
    batch.port = query.value(8).toString();
    batch.gaugeUuid = query.value(9).toString();
    batch.inspector = query.value(10).toString();
    batch.inspectorCertificate = query.value(11).toString();
    batch.notes = query.value(12).toString();
    batch.criteria = CriteriaJson::FromText(query.value(13).toByteArray());
    batch.count = query.value(14).toLongLong();
    batch.overflows = query.value(15).toLongLong();
    batch.unitCode = query.value(16).toInt();
    batch.mean = query.value(17).toDouble();
    batch.verdict = CriteriaJson::OutcomeOf(query.value(18).toString());
    batch.deleted = query.value(19).toBool();
    return batch;
}

std::optional<RecordBatch> RecordStore::Batch(const QString &uuid) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT %1 FROM %2 WHERE b.uuid = ?").arg(BatchColumns, BatchTables));
    query.addBindValue(uuid);
    if (query.exec() && query.next())
        return BatchOf(query);
    return std::nullopt;
}

QString RecordStore::Where(const BatchFilter &filter, QVariantList *values)
{
    // Conditions on the batch's own columns (areas, jobs and gauges looked up apart), so that a
    // count is read from the listing index alone.
    QStringList conditions{QStringLiteral("b.deleted = ?")};
    values->append(filter.deleted ? 1 : 0);
    auto where = [&](const QString &condition, const QVariant &value) {
        conditions.append(condition);
        values->append(value);
    };
    const QString inAreas = QStringLiteral(
        "b.area_id IN (SELECT a.id FROM areas a JOIN jobs j ON j.id = a.job_id WHERE %1)");
    if (filter.areaUuid && filter.areaUuid->isEmpty())
        conditions.append(QStringLiteral("b.area_id IS NULL"));
    else if (filter.areaUuid)
        where(QStringLiteral("b.area_id = (SELECT id FROM areas WHERE uuid = ?)"),
              *filter.areaUuid);
    if (!filter.job.isEmpty())
        where(inAreas.arg(QStringLiteral("j.name = ?")), filter.job);
    if (!filter.area.isEmpty())
        where(inAreas.arg(QStringLiteral("a.name = ?")), filter.area);
    if (filter.since.isValid())
        where(QStringLiteral("b.started >= ?"), TimeText(filter.since));
    if (filter.until.isValid())
        where(QStringLiteral("b.started < ?"), TimeText(filter.until));
    if (filter.verdict)
        where(QStringLiteral("b.verdict = ?"), InspectionVerdict::OutcomeKey(*filter.verdict));
    if (!filter.inspector.isEmpty())
        where(QStringLiteral("b.inspector = ?"), filter.inspector);
    if (!filter.gaugeUuid.isEmpty())
        where(QStringLiteral("b.gauge_id = (SELECT id FROM gauges WHERE uuid = ?)"),
              filter.gaugeUuid);
    // A word (it holds no space) is found in the job's or the area's name or in the notes.
    for (const QString &word : filter.text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        where(QStringLiteral("(%1 OR instr(lower(b.notes), ?) > 0)")
                  .arg(inAreas.arg(QStringLiteral("instr(lower(j.name || ' ' || a.name), ?) > 0"))),
              word.toLower());
        values->append(word.toLower());
    }
    return conditions.join(QStringLiteral(" AND "));
}

QVector<RecordBatch> RecordStore::Batches(const BatchFilter &filter) const
{
    static const QStringList orders{QStringLiteral("b.started"), QStringLiteral("b.count"),
                                    QStringLiteral("b.mean"), QStringLiteral("b.verdict")};
    QVariantList values;
    const QString where = Where(filter, &values);
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4 %5, b.id LIMIT %6 OFFSET %7")
            .arg(BatchColumns, BatchTables, where, orders.at(int(filter.order)),
                 filter.descending ? QStringLiteral("DESC") : QStringLiteral("ASC"))
            .arg(filter.limit)
            .arg(filter.offset));
    for (const QVariant &value : values)
        query.addBindValue(value);
    QVector<RecordBatch> batches;
    if (query.exec()) {
        while (query.next())
            batches.append(BatchOf(query));
    }
    return batches;
}

QHash<QString, qint64> RecordStore::BatchCounts(const BatchFilter &filter) const
{
    QVariantList values;
    const QString where = Where(filter, &values);
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT coalesce(a.uuid, ''), c.n FROM (SELECT b.area_id, count(*) AS n "
                       "FROM batches b WHERE %1 GROUP BY b.area_id) c LEFT JOIN areas a ON "
                       "a.id = c.area_id")
            .arg(where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    QHash<QString, qint64> counts;
    if (query.exec()) {
        while (query.next())
            counts.insert(query.value(0).toString(), query.value(1).toLongLong());
    }
    return counts;
}

QStringList RecordStore::Inspectors() const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT DISTINCT inspector FROM batches WHERE inspector != '' ORDER BY inspector"));
    QStringList inspectors;
    if (query.exec()) {
        while (query.next())
            inspectors.append(query.value(0).toString());
    }
    return inspectors;
}

QVector<float> RecordStore::Values(const QString &batchUuid, int unitCode,
                                   const std::function<bool()> &goOn) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT CAST(value AS REAL) FROM readings WHERE batch_id = (SELECT id FROM batches "
        "WHERE uuid = ?) AND status = ? AND unit = ? ORDER BY idx"));
    query.addBindValue(batchUuid);
    query.addBindValue(int(LiveRecord::Status::Ok));
    query.addBindValue(unitCode);
    QVector<float> values;
    if (!query.exec())
        return values;
    while (query.next()) {
        // Asked often enough to stop a long read soon, seldom enough to cost nothing.
        if ((values.size() & 0xffff) == 0xffff && goOn && !goOn())
            return QVector<float>();
        values.append(query.value(0).toFloat());
    }
    return values;
}

QVector<LiveRecord> RecordStore::Readings(const QString &batchUuid, qint64 offset, int limit) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT idx, time, offset, micrometres, unit, status, value FROM readings WHERE "
        "batch_id = (SELECT id FROM batches WHERE uuid = ?) ORDER BY idx LIMIT ? OFFSET ?"));
    query.addBindValue(batchUuid);
    query.addBindValue(limit);
    query.addBindValue(offset);
    return RecordsOf(query);
}

qint64 RecordStore::LastIndex(const QString &batchUuid) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT max(idx) FROM readings WHERE batch_id = (SELECT id FROM batches WHERE uuid = ?)"));
    query.addBindValue(batchUuid);
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

bool RecordStore::MoveBatch(const QString &batchUuid, const QString &areaUuid)
{
    const qint64 areaId = areaUuid.isEmpty() ? 0 : IdOf("areas", areaUuid);
    if (!areaUuid.isEmpty() && areaId == 0)
        return Refuse(tr("no such area"));
    if (!Begin())
        return false;
    QSqlQuery current = Prepared(QStringLiteral(
        "SELECT coalesce(a.uuid, '') FROM batches b LEFT JOIN areas a ON a.id = b.area_id "
        "WHERE b.uuid = ?"));
    current.addBindValue(batchUuid);
    QSqlQuery update = Prepared(QStringLiteral("UPDATE batches SET area_id = ? WHERE uuid = ?"));
    update.addBindValue(areaId ? QVariant(areaId) : QVariant(QVariant::LongLong));
    update.addBindValue(batchUuid);
    const bool moved = Exec(current) && current.next() && Exec(update) &&
                       AddHistory(QStringLiteral("batch"), batchUuid, QStringLiteral("area"),
                                  current.value(0).toString(), areaUuid);
    if (moved && Commit())
        return true;
    Rollback();
    return false;
}

bool RecordStore::SetBatchNotes(const QString &batchUuid, const QString &notes)
{
    if (!Begin())
        return false;
    if (Edit("batches", QStringLiteral("batch"), batchUuid, "notes", notes) && Commit())
        return true;
    Rollback();
    return false;
}

bool RecordStore::SetBatchGauge(const QString &batchUuid, const QString &gaugeUuid)
{
    const qint64 gaugeId = IdOf("gauges", gaugeUuid);
    if (gaugeId == 0)
        return Refuse(tr("no such gauge"));
    if (!Begin())
        return false;
    if (Edit("batches", QStringLiteral("batch"), batchUuid, "gauge_id", gaugeId) && Commit())
        return true;
    Rollback();
    return false;
}

bool RecordStore::DeleteBatch(const QString &batchUuid)
{
    if (!Begin())
        return false;
    if (Edit("batches", QStringLiteral("batch"), batchUuid, "deleted", 1) && Commit())
        return true;
    Rollback();
    return false;
}

bool RecordStore::RestoreBatch(const QString &batchUuid)
{
    if (!Begin())
        return false;
    if (Edit("batches", QStringLiteral("batch"), batchUuid, "deleted", 0) && Commit())
        return true;
    Rollback();
    return false;
}

bool RecordStore::EmptyDeleted()
{
    if (!Begin())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QString deleted = QStringLiteral("(SELECT id FROM batches WHERE deleted = 1)");
    for (const QString &statement :
         {QStringLiteral("UPDATE origins SET batch_id = NULL WHERE batch_id IN %1"),
          QStringLiteral("DELETE FROM readings WHERE batch_id IN %1"),
          QStringLiteral("DELETE FROM reading_marks WHERE batch_id IN %1"),
          QStringLiteral("DELETE FROM conditions WHERE batch_id IN %1"),
          QStringLiteral("DELETE FROM evaluations WHERE batch_id IN %1"),
          QStringLiteral("DELETE FROM batches WHERE id IN %1")}) {
        if (!query.exec(statement.arg(deleted))) {
            Fail(query);
            Rollback();
            return false;
        }
    }
    return Commit();
}

// Marks on readings ------------------------------------------------------------------------

bool RecordStore::EditMark(const QString &batchUuid, qint64 index, const QString &what,
                           const char *column, const QVariant &value, const char *otherColumn,
                           const QVariant &otherValue)
{
    const qint64 batchId = IdOf("batches", batchUuid);
    if (batchId == 0)
        return Refuse(tr("no such batch"));
    QSqlQuery exists =
        Prepared(QStringLiteral("SELECT 1 FROM readings WHERE batch_id = ? AND idx = ?"));
    exists.addBindValue(batchId);
    exists.addBindValue(index);
    if (!exists.exec() || !exists.next())
        return Refuse(tr("no reading %1 in the batch").arg(index));
    if (!Begin())
        return false;
    QSqlQuery current = Prepared(
        QStringLiteral("SELECT %1 FROM reading_marks WHERE batch_id = ? AND idx = ?").arg(column));
    current.addBindValue(batchId);
    current.addBindValue(index);
    const QString old = Exec(current) && current.next() ? current.value(0).toString() : QString();
    QSqlQuery mark = Prepared(QStringLiteral("INSERT INTO reading_marks (batch_id, idx) VALUES "
                                             "(?, ?) ON CONFLICT DO NOTHING"));
    mark.addBindValue(batchId);
    mark.addBindValue(index);
    QString set = QStringLiteral("%1 = ?").arg(column);
    if (otherColumn)
        set += QStringLiteral(", %1 = ?").arg(otherColumn);
    QSqlQuery update = Prepared(
        QStringLiteral("UPDATE reading_marks SET %1 WHERE batch_id = ? AND idx = ?").arg(set));
    update.addBindValue(value);
    if (otherColumn)
        update.addBindValue(otherValue);
    update.addBindValue(batchId);
    update.addBindValue(index);
    const QString newText = otherColumn ? otherValue.toString() : value.toString();
    const bool edited = Exec(mark) && Exec(update) &&
                        AddHistory(QStringLiteral("reading"), batchUuid,
                                   QStringLiteral("%1 %2").arg(what).arg(index), old, newText) &&
                        (!otherColumn || Resummarise(batchId));
    if (edited && Commit())
        return true;
    Rollback();
    m_running.remove(batchId);
    return false;
}

bool RecordStore::ExcludeReading(const QString &batchUuid, qint64 index, const QString &reason)
{
    return EditMark(batchUuid, index, QStringLiteral("excluded"), "excluded", 1, "reason", reason);
}

bool RecordStore::IncludeReading(const QString &batchUuid, qint64 index)
{
    return EditMark(batchUuid, index, QStringLiteral("included"), "excluded", 0, "reason",
                    QString());
}

bool RecordStore::SetReadingNote(const QString &batchUuid, qint64 index, const QString &note)
{
    return EditMark(batchUuid, index, QStringLiteral("note"), "note", note);
}

QVector<ReadingAnnotation> RecordStore::Marks(const QString &batchUuid) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT idx, note, excluded, reason FROM reading_marks WHERE batch_id = (SELECT id FROM "
        "batches WHERE uuid = ?) AND (note != '' OR excluded != 0) ORDER BY idx"));
    query.addBindValue(batchUuid);
    return MarksOf(query);
}

QVector<ReadingAnnotation> RecordStore::MarksOf(QSqlQuery &query)
{
    QVector<ReadingAnnotation> marks;
    if (query.exec()) {
        while (query.next())
            marks.append({query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toBool(), query.value(3).toString()});
    }
    return marks;
}

// Judging ----------------------------------------------------------------------------------

SeriesInspection RecordStore::Inspect(const QString &batchUuid) const
{
    const std::optional<RecordBatch> batch = Batch(batchUuid);
    return Inspect(batchUuid, batch ? batch->criteria : InspectionCriteria());
}

SeriesInspection RecordStore::Inspect(const QString &batchUuid,
                                      const InspectionCriteria &criteria) const
{
    const QVector<LiveRecord> records = CountedReadings(IdOf("batches", batchUuid));
    return SeriesInspection::OfRecords(records, criteria, UnitOf(records));
}

SeriesInspection RecordStore::InspectArea(const QString &areaUuid,
                                          const QStringList &batchUuids) const
{
    const std::optional<RecordArea> area = Area(areaUuid);
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT b.id, b.uuid FROM batches b JOIN areas a ON a.id = b.area_id WHERE a.uuid = ? "
        "AND b.deleted = 0 ORDER BY b.started"));
    query.addBindValue(areaUuid);
    QVector<LiveRecord> records;
    if (query.exec()) {
        while (query.next()) {
            if (batchUuids.isEmpty() || batchUuids.contains(query.value(1).toString()))
                records += CountedReadings(query.value(0).toLongLong());
        }
    }
    return SeriesInspection::OfRecords(records, area ? area->criteria : InspectionCriteria(),
                                       UnitOf(records));
}

std::optional<RecordEvaluation> RecordStore::JudgeAgain(const QString &batchUuid,
                                                        const InspectionCriteria &criteria)
{
    const qint64 batchId = IdOf("batches", batchUuid);
    if (batchId == 0) {
        Refuse(tr("no such batch"));
        return std::nullopt;
    }
    RecordEvaluation evaluation{NewUuid(), criteria, QDateTime::currentDateTime(), m_inspector,
                                Inspect(batchUuid, criteria).Verdict().outcome};
    if (!Begin())
        return std::nullopt;
    QSqlQuery query =
        Prepared(QStringLiteral("INSERT INTO evaluations (uuid, batch_id, criteria, "
                                "time, inspector, verdict) VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(evaluation.uuid);
    query.addBindValue(batchId);
    query.addBindValue(QString::fromUtf8(CriteriaJson::ToText(criteria)));
    query.addBindValue(TimeText(evaluation.time));
    query.addBindValue(evaluation.inspector);
    query.addBindValue(InspectionVerdict::OutcomeKey(evaluation.verdict));
    if (!Exec(query) || !AddChange(QStringLiteral("evaluation"), evaluation.uuid) || !Commit()) {
        Rollback();
        return std::nullopt;
    }
    return evaluation;
}

QVector<RecordEvaluation> RecordStore::Evaluations(const QString &batchUuid) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT uuid, criteria, time, inspector, verdict FROM evaluations WHERE batch_id = "
        "(SELECT id FROM batches WHERE uuid = ?) ORDER BY time, id"));
    query.addBindValue(batchUuid);
    QVector<RecordEvaluation> evaluations;
    if (query.exec()) {
        while (query.next())
            evaluations.append({query.value(0).toString(),
                                CriteriaJson::FromText(query.value(1).toByteArray()),
                                TimeOf(query.value(2)), query.value(3).toString(),
                                CriteriaJson::OutcomeOf(query.value(4).toString())});
    }
    return evaluations;
}

// Gauges and verifications -----------------------------------------------------------------

QString RecordStore::AddGauge(const RecordGauge &gauge)
{
    if (!Begin())
        return QString();
    const QString uuid = NewUuid();
    QSqlQuery query = Prepared(QStringLiteral("INSERT INTO gauges (uuid, model, serial, "
                                              "probe_serial, certificate, calibration_due) "
                                              "VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QString &value : {uuid, gauge.model, gauge.serial, gauge.probeSerial,
                                 gauge.certificate, gauge.calibrationDue.toString(Qt::ISODate)})
        query.addBindValue(value);
    if (!Exec(query) || !AddChange(QStringLiteral("gauge"), uuid) || !Commit()) {
        Rollback();
        return QString();
    }
    return uuid;
}

bool RecordStore::UpdateGauge(const RecordGauge &gauge)
{
    if (!Begin())
        return false;
    const QString kind = QStringLiteral("gauge");
    const bool edited = Edit("gauges", kind, gauge.uuid, "model", gauge.model) &&
                        Edit("gauges", kind, gauge.uuid, "serial", gauge.serial) &&
                        Edit("gauges", kind, gauge.uuid, "probe_serial", gauge.probeSerial) &&
                        Edit("gauges", kind, gauge.uuid, "certificate", gauge.certificate) &&
                        Edit("gauges", kind, gauge.uuid, "calibration_due",
                             gauge.calibrationDue.toString(Qt::ISODate));
    if (edited && Commit())
        return true;
    Rollback();
    return false;
}

namespace {
const QString GaugeColumns =
    QStringLiteral("uuid, model, serial, probe_serial, certificate, calibration_due");

RecordGauge GaugeOf(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(),
            query.value(2).toString(), query.value(3).toString(),
            query.value(4).toString(), QDate::fromString(query.value(5).toString(), Qt::ISODate)};
}
} // namespace

QVector<RecordGauge> RecordStore::Gauges() const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 FROM gauges ORDER BY model, serial").arg(GaugeColumns));
    QVector<RecordGauge> gauges;
    if (query.exec()) {
        while (query.next())
            gauges.append(GaugeOf(query));
    }
    return gauges;
}

std::optional<RecordGauge> RecordStore::Gauge(const QString &uuid) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT %1 FROM gauges WHERE uuid = ?").arg(GaugeColumns));
    query.addBindValue(uuid);
    if (query.exec() && query.next())
        return GaugeOf(query);
    return std::nullopt;
}

QString RecordStore::AddVerification(const RecordVerification &verification)
{
    const qint64 gaugeId = IdOf("gauges", verification.gaugeUuid);
    if (gaugeId == 0) {
        Refuse(tr("no such gauge"));
        return QString();
    }
    if (!Begin())
        return QString();
    const QString uuid = NewUuid();
    QJsonArray readings;
    for (double reading : verification.readings)
        readings.append(reading);
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT INTO verifications (uuid, gauge_id, time, nominal, tolerance_percent, unit, "
        "readings, mean, passed, inspector) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(uuid);
    query.addBindValue(gaugeId);
    query.addBindValue(TimeText(verification.time));
    query.addBindValue(verification.nominal);
    query.addBindValue(verification.tolerancePercent);
    query.addBindValue(verification.unitCode);
    query.addBindValue(QString::fromUtf8(QJsonDocument(readings).toJson(QJsonDocument::Compact)));
    query.addBindValue(verification.Mean());
    query.addBindValue(verification.Passed() ? 1 : 0);
    query.addBindValue(verification.inspector.isEmpty() ? m_inspector : verification.inspector);
    if (!Exec(query) || !AddChange(QStringLiteral("verification"), uuid) || !Commit()) {
        Rollback();
        return QString();
    }
    return uuid;
}

std::optional<RecordVerification> RecordStore::Verification(QSqlQuery &query) const
{
    if (!query.exec() || !query.next())
        return std::nullopt;
    RecordVerification verification;
    verification.uuid = query.value(0).toString();
    verification.gaugeUuid = query.value(1).toString();
    verification.time = TimeOf(query.value(2));
    verification.nominal = query.value(3).toDouble();
    verification.tolerancePercent = query.value(4).toDouble();
    verification.unitCode = query.value(5).toInt();
    for (const QJsonValue &reading : QJsonDocument::fromJson(query.value(6).toByteArray()).array())
        verification.readings.append(reading.toDouble());
    verification.inspector = query.value(7).toString();
    return verification;
}

std::pair<std::optional<RecordVerification>, std::optional<RecordVerification>>
RecordStore::VerificationsAround(const QString &batchUuid) const
{
    const std::optional<RecordBatch> batch = Batch(batchUuid);
    if (!batch || batch->gaugeUuid.isEmpty())
        return {};
    const QString select = QStringLiteral(
        "SELECT v.uuid, g.uuid, v.time, v.nominal, v.tolerance_percent, v.unit, v.readings, "
        "v.inspector FROM verifications v JOIN gauges g ON g.id = v.gauge_id WHERE g.uuid = ? "
        "AND v.time %1 ? ORDER BY v.time %2 LIMIT 1");
    QSqlQuery before = Prepared(select.arg(QStringLiteral("<="), QStringLiteral("DESC")));
    before.addBindValue(batch->gaugeUuid);
    before.addBindValue(TimeText(batch->started));
    QSqlQuery after = Prepared(select.arg(QStringLiteral(">="), QStringLiteral("ASC")));
    after.addBindValue(batch->gaugeUuid);
    after.addBindValue(TimeText(batch->ended.isValid() ? batch->ended : batch->started));
    return {Verification(before), Verification(after)};
}

// Conditions -------------------------------------------------------------------------------

bool RecordStore::SetConditions(const QString &batchUuid, const RecordConditions &conditions)
{
    const qint64 batchId = IdOf("batches", batchUuid);
    if (batchId == 0)
        return Refuse(tr("no such batch"));
    const std::optional<RecordConditions> old = Conditions(batchUuid);
    if (!Begin())
        return false;
    QSqlQuery query = Prepared(QStringLiteral("INSERT OR REPLACE INTO conditions (batch_id, "
                                              "air_celsius, humidity_percent, surface_celsius) "
                                              "VALUES (?, ?, ?, ?)"));
    query.addBindValue(batchId);
    query.addBindValue(conditions.airCelsius);
    query.addBindValue(conditions.humidityPercent);
    query.addBindValue(conditions.surfaceCelsius);
    if (Exec(query) &&
        AddHistory(QStringLiteral("batch"), batchUuid, QStringLiteral("conditions"),
                   old ? old->Text() : QString(), conditions.Text()) &&
        Commit())
        return true;
    Rollback();
    return false;
}

std::optional<RecordConditions> RecordStore::Conditions(const QString &batchUuid) const
{
    QSqlQuery query = Prepared(QStringLiteral(
        "SELECT air_celsius, humidity_percent, surface_celsius FROM conditions WHERE batch_id = "
        "(SELECT id FROM batches WHERE uuid = ?)"));
    query.addBindValue(batchUuid);
    if (query.exec() && query.next())
        return RecordConditions{query.value(0).toDouble(), query.value(1).toDouble(),
                                query.value(2).toDouble()};
    return std::nullopt;
}

// History and changes ----------------------------------------------------------------------

QVector<HistoryEntry> RecordStore::History(const QString &uuid) const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT kind, uuid, what, old_value, new_value, "
                                              "time, who FROM history WHERE uuid = ? ORDER BY id"));
    query.addBindValue(uuid);
    QVector<HistoryEntry> entries;
    if (query.exec()) {
        while (query.next())
            entries.append({query.value(0).toString(), query.value(1).toString(),
                            query.value(2).toString(), query.value(3).toString(),
                            query.value(4).toString(), TimeOf(query.value(5)),
                            query.value(6).toString()});
    }
    return entries;
}

QVector<RecordSignOff> RecordStore::SignOffs(const QString &ownerUuid) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT uuid, owner_kind, owner_uuid, reviewer, time, note FROM signoffs "
                       "WHERE owner_uuid = ? AND withdrawn = 0 ORDER BY time, uuid"));
    query.addBindValue(ownerUuid);
    QVector<RecordSignOff> signOffs;
    if (query.exec()) {
        while (query.next())
            signOffs.append({query.value(0).toString(), query.value(1).toString(),
                             query.value(2).toString(), query.value(3).toString(),
                             TimeOf(query.value(4)), query.value(5).toString()});
    }
    return signOffs;
}

QVector<RecordStore::Change> RecordStore::ChangesSince(qint64 sequence) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT seq, kind, uuid FROM outbox WHERE seq > ? ORDER BY seq"));
    query.addBindValue(sequence);
    QVector<Change> changes;
    if (query.exec()) {
        while (query.next())
            changes.append({query.value(0).toLongLong(), query.value(1).toString(),
                            query.value(2).toString()});
    }
    return changes;
}

bool RecordStore::HoldsJournalFile(const QString &path, qint64 size, qint64 modified) const
{
    QSqlQuery query = Prepared(
        QStringLiteral("SELECT 1 FROM journal_files WHERE path = ? AND size = ? AND modified = ?"));
    query.addBindValue(path);
    query.addBindValue(size);
    query.addBindValue(modified);
    return query.exec() && query.next();
}

bool RecordStore::NoteJournalFile(const QString &path, qint64 size, qint64 modified)
{
    if (!IsWritable())
        return false;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT OR REPLACE INTO journal_files (path, size, modified) VALUES (?, ?, ?)"));
    query.addBindValue(path);
    query.addBindValue(size);
    query.addBindValue(modified);
    return Exec(query);
}

// Reports ----------------------------------------------------------------------------------

RecordCompany RecordStore::Company() const
{
    QSqlQuery query = Prepared(QStringLiteral("SELECT name, logo FROM company WHERE id = 1"));
    if (query.exec() && query.next())
        return {query.value(0).toString(), query.value(1).toByteArray()};
    return {};
}

bool RecordStore::SetCompany(const RecordCompany &company)
{
    if (!IsWritable())
        return false;
    QSqlQuery query = Prepared(
        QStringLiteral("INSERT OR REPLACE INTO company (id, name, logo) VALUES (1, ?, ?)"));
    query.addBindValue(company.name);
    query.addBindValue(company.logo.isNull() ? QVariant(QVariant::ByteArray) : company.logo);
    return Exec(query);
}

ReportNumber RecordStore::LastReportNumber(const QString &jobUuid) const
{
    QSqlQuery query =
        Prepared(QStringLiteral("SELECT number, revision FROM report_numbers WHERE job_uuid = ?"));
    query.addBindValue(jobUuid);
    if (query.exec() && query.next())
        return {query.value(0).toInt(), query.value(1).toInt()};
    return {};
}

ReportNumber RecordStore::NextReportNumber(const QString &jobUuid) const
{
    return {LastReportNumber(jobUuid).number + 1, 0};
}

bool RecordStore::NoteReportNumber(const QString &jobUuid, const ReportNumber &number)
{
    const ReportNumber last = LastReportNumber(jobUuid);
    if (number.number < last.number ||
        (number.number == last.number && number.revision <= last.revision))
        return true;
    if (!Begin())
        return false;
    QSqlQuery query = Prepared(QStringLiteral(
        "INSERT OR REPLACE INTO report_numbers (job_uuid, number, revision) VALUES (?, ?, ?)"));
    query.addBindValue(jobUuid);
    query.addBindValue(number.number);
    query.addBindValue(number.revision);
    const auto text = [](const ReportNumber &n) {
        return QStringLiteral("%1 rev. %2").arg(n.number).arg(n.revision);
    };
    if (Exec(query) &&
        AddHistory(QStringLiteral("job"), jobUuid, QStringLiteral("report"), text(last),
                   text(number)) &&
        Commit())
        return true;
    Rollback();
    return false;
}
