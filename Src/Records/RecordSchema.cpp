#include "RecordSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

int RecordSchema::CurrentVersion()
{
    return Steps().size();
}

QStringList RecordSchema::Step(int version)
{
    return Steps().value(version - 1);
}

const QVector<QStringList> &RecordSchema::Steps()
{
    static const QVector<QStringList> steps = {
        // 1: jobs, their areas, batches of readings, and the journals taken in.
        {QStringLiteral(
             "CREATE TABLE jobs (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, "
             "name TEXT NOT NULL, client TEXT NOT NULL DEFAULT '', "
             "structure TEXT NOT NULL DEFAULT '', location TEXT NOT NULL DEFAULT '', "
             "coating_standard TEXT NOT NULL DEFAULT '', notes TEXT NOT NULL DEFAULT '', "
             "created TEXT NOT NULL)"),
         QStringLiteral("CREATE TABLE areas (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, "
                        "job_id INTEGER NOT NULL REFERENCES jobs(id), name TEXT NOT NULL, "
                        "surface_m2 REAL, coat INTEGER, product TEXT NOT NULL DEFAULT '', "
                        "criteria TEXT NOT NULL, created TEXT NOT NULL)"),
         QStringLiteral("CREATE INDEX areas_job ON areas(job_id)"),
         QStringLiteral("CREATE TABLE batches (id INTEGER PRIMARY KEY, "
                        "uuid TEXT NOT NULL UNIQUE, area_id INTEGER REFERENCES areas(id), "
                        "source TEXT NOT NULL, started TEXT NOT NULL, ended TEXT, "
                        "port TEXT NOT NULL DEFAULT '', inspector TEXT NOT NULL DEFAULT '', "
                        "notes TEXT NOT NULL DEFAULT '', criteria TEXT NOT NULL, "
                        "deleted INTEGER NOT NULL DEFAULT 0, "
                        "count INTEGER NOT NULL DEFAULT 0, overflows INTEGER NOT NULL DEFAULT 0, "
                        "unit INTEGER NOT NULL DEFAULT -1, mean REAL NOT NULL DEFAULT 0, "
                        "verdict TEXT NOT NULL DEFAULT 'none')"),
         QStringLiteral("CREATE INDEX batches_area ON batches(area_id, started)"),
         QStringLiteral("CREATE INDEX batches_started ON batches(started)"),
         QStringLiteral("CREATE TABLE readings (batch_id INTEGER NOT NULL REFERENCES batches(id), "
                        "idx INTEGER NOT NULL, time INTEGER NOT NULL, offset INTEGER NOT NULL, "
                        "micrometres REAL, unit INTEGER NOT NULL, status INTEGER NOT NULL, "
                        "value TEXT NOT NULL, PRIMARY KEY (batch_id, idx)) WITHOUT ROWID"),
         QStringLiteral("CREATE TABLE reading_marks (batch_id INTEGER NOT NULL, "
                        "idx INTEGER NOT NULL, note TEXT NOT NULL DEFAULT '', "
                        "excluded INTEGER NOT NULL DEFAULT 0, reason TEXT NOT NULL DEFAULT '', "
                        "PRIMARY KEY (batch_id, idx)) WITHOUT ROWID"),
         // Where a batch came from (a run's first reading, a download's frames), kept when the
         // batch is emptied away, so that nothing is taken in twice.
         QStringLiteral("CREATE TABLE origins (origin TEXT PRIMARY KEY, batch_id INTEGER) "
                        "WITHOUT ROWID")},
        // 2: gauges and their verifications, conditions, second evaluations, the history of
        // edits and the outbox of changes.
        {QStringLiteral("CREATE TABLE gauges (id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, "
                        "model TEXT NOT NULL DEFAULT '', serial TEXT NOT NULL DEFAULT '', "
                        "probe_serial TEXT NOT NULL DEFAULT '', "
                        "certificate TEXT NOT NULL DEFAULT '', calibration_due TEXT)"),
         QStringLiteral("ALTER TABLE batches ADD COLUMN gauge_id INTEGER REFERENCES gauges(id)"),
         QStringLiteral("ALTER TABLE batches ADD COLUMN inspector_certificate TEXT NOT NULL "
                        "DEFAULT ''"),
         QStringLiteral("CREATE TABLE verifications (id INTEGER PRIMARY KEY, "
                        "uuid TEXT NOT NULL UNIQUE, gauge_id INTEGER NOT NULL REFERENCES "
                        "gauges(id), time TEXT NOT NULL, nominal REAL NOT NULL, "
                        "tolerance_percent REAL NOT NULL, unit INTEGER NOT NULL, "
                        "readings TEXT NOT NULL, mean REAL NOT NULL, passed INTEGER NOT NULL, "
                        "inspector TEXT NOT NULL DEFAULT '')"),
         QStringLiteral("CREATE INDEX verifications_gauge ON verifications(gauge_id, time)"),
         QStringLiteral("CREATE TABLE conditions (batch_id INTEGER PRIMARY KEY REFERENCES "
                        "batches(id), air_celsius REAL NOT NULL, humidity_percent REAL NOT NULL, "
                        "surface_celsius REAL NOT NULL)"),
         QStringLiteral("CREATE TABLE evaluations (id INTEGER PRIMARY KEY, "
                        "uuid TEXT NOT NULL UNIQUE, batch_id INTEGER NOT NULL REFERENCES "
                        "batches(id), criteria TEXT NOT NULL, time TEXT NOT NULL, "
                        "inspector TEXT NOT NULL DEFAULT '', verdict TEXT NOT NULL)"),
         QStringLiteral("CREATE INDEX evaluations_batch ON evaluations(batch_id)"),
         QStringLiteral("CREATE TABLE history (id INTEGER PRIMARY KEY, kind TEXT NOT NULL, "
                        "uuid TEXT NOT NULL, what TEXT NOT NULL, old_value TEXT NOT NULL, "
                        "new_value TEXT NOT NULL, time TEXT NOT NULL, who TEXT NOT NULL)"),
         QStringLiteral("CREATE INDEX history_item ON history(uuid)"),
         // The session files as last taken in, so that an unchanged file is not read again.
         QStringLiteral("CREATE TABLE journal_files (path TEXT PRIMARY KEY, size INTEGER NOT NULL, "
                        "modified INTEGER NOT NULL) WITHOUT ROWID"),
         QStringLiteral("CREATE TABLE outbox (seq INTEGER PRIMARY KEY AUTOINCREMENT, "
                        "kind TEXT NOT NULL, uuid TEXT NOT NULL, first_index INTEGER, "
                        "last_index INTEGER)")},
        // 3: the company named on reports, and the last report number of each job.
        {QStringLiteral("CREATE TABLE company (id INTEGER PRIMARY KEY CHECK (id = 1), "
                        "name TEXT NOT NULL DEFAULT '', logo BLOB)"),
         QStringLiteral("CREATE TABLE report_numbers (job_uuid TEXT PRIMARY KEY, "
                        "number INTEGER NOT NULL, revision INTEGER NOT NULL) WITHOUT ROWID")},
        // 4: the batches' list counted and narrowed from one index, without reading the rows
        // (which hold the criteria's text).
        {QStringLiteral("CREATE INDEX batches_listing ON batches(deleted, area_id, started, "
                        "verdict, inspector, gauge_id, notes)")},
        // 5: photos and documents attached to a batch or an area; the files themselves lie in
        // a folder beside the records file, named by their SHA-256, each kept once.
        {QStringLiteral("CREATE TABLE attachments (id INTEGER PRIMARY KEY, "
                        "uuid TEXT NOT NULL UNIQUE, owner_kind TEXT NOT NULL, "
                        "owner_uuid TEXT NOT NULL, sha256 TEXT NOT NULL, type TEXT NOT NULL, "
                        "size INTEGER NOT NULL, file_name TEXT NOT NULL DEFAULT '', "
                        "caption TEXT NOT NULL DEFAULT '', added TEXT NOT NULL, "
                        "who TEXT NOT NULL DEFAULT '', UNIQUE (owner_uuid, sha256))")},
        // 6: where sync with a team server has got to, and which edit each change of the
        // outbox follows, so that an edit goes up together with its own change; the history
        // the team sync writes itself (edits from other machines, edits lost or refused) is
        // told apart, so that it never goes up as an edit of this machine.
        {QStringLiteral("CREATE TABLE sync_state (key TEXT PRIMARY KEY, value TEXT NOT NULL) "
                        "WITHOUT ROWID"),
         QStringLiteral("ALTER TABLE outbox ADD COLUMN history_id INTEGER"),
         QStringLiteral("CREATE TRIGGER outbox_history AFTER INSERT ON outbox BEGIN UPDATE outbox "
                        "SET history_id = (SELECT max(id) FROM history) WHERE seq = NEW.seq; END"),
         QStringLiteral("ALTER TABLE history ADD COLUMN from_team INTEGER NOT NULL DEFAULT 0")},
        // 7: the reviewers' sign-offs of batches and areas from the team server, as it keeps
        // them (a withdrawn one marked so), for the reports; the sign-offs are pulled again
        // from the first, so that those a sync brought before are kept here too. The further
        // evaluations, which the team sync left aside before, go up again.
        {QStringLiteral("CREATE TABLE signoffs (uuid TEXT PRIMARY KEY, owner_kind TEXT NOT NULL, "
                        "owner_uuid TEXT NOT NULL, reviewer TEXT NOT NULL, time TEXT NOT NULL, "
                        "note TEXT NOT NULL DEFAULT '', withdrawn INTEGER NOT NULL DEFAULT 0) "
                        "WITHOUT ROWID"),
         QStringLiteral("CREATE INDEX signoffs_owner ON signoffs(owner_uuid)"),
         QStringLiteral("DELETE FROM sync_state WHERE key = 'pulled_signoffs'"),
         QStringLiteral("INSERT INTO outbox (kind, uuid) SELECT 'evaluation', uuid FROM "
                        "evaluations ORDER BY id")},
    };
    return steps;
}

int RecordSchema::VersionOf(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString RecordSchema::Migrate(QSqlDatabase &db, int target)
{
    const int found = VersionOf(db);
    if (found < 0)
        return db.lastError().text();
    for (int version = found + 1; version <= target; ++version) {
        if (!db.transaction())
            return db.lastError().text();
        QSqlQuery query(db);
        QStringList statements = Step(version);
        statements << QStringLiteral("PRAGMA user_version = %1").arg(version);
        for (const QString &statement : statements) {
            if (!query.exec(statement)) {
                const QString problem = query.lastError().text();
                db.rollback();
                return problem;
            }
        }
        if (!db.commit())
            return db.lastError().text();
    }
    return QString();
}
