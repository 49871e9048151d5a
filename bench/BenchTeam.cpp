// The team server under load, on a throwaway server of its own (Tests/Team/pg-fixture):
// eight clients syncing their records into it at once, and a search of the team's readings
// by job, area, date and verdict on a store of ten million.
//
//   BenchTeam [--clients N] [--batches B] [--readings R] [--search-readings M]
//
// Defaults: 8 clients of 50 batches of 2 000 readings each; 10 000 000 readings searched.
#include "BenchSupport.h"
#include "RecordStore.h"
#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamServerAddress.h"
#include "TeamSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {
int Option(const QStringList &arguments, const QString &name, int fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

TeamServerAddress Address(const QString &folder, const QString &user = QStringLiteral("postgres"))
{
    TeamServerAddress address;
    address.host = folder;
    address.database = QStringLiteral("bench");
    address.user = user;
    address.password = user == QLatin1String("postgres") ? QString() : user + QStringLiteral("-pw");
    // The superuser's fill of millions of readings runs for minutes.
    if (user == QLatin1String("postgres"))
        address.answerTimeout = 0;
    return address;
}

QVariant Value(const TeamConnection &connection, const QString &sql)
{
    QSqlQuery query(connection.Database());
    return connection.Run(query, sql).IsError() || !query.next() ? QVariant() : query.value(0);
}

// One client's records file: its batches in one area of a job of its own.
void MakeStore(const QString &path, int client, int batches, int readings)
{
    RecordStore store;
    store.Open(path);
    store.SetInspector(QStringLiteral("Inspector %1").arg(client), QString());
    const QString area = store.EnsureArea(QStringLiteral("Job %1").arg(client),
                                          QStringLiteral("Area 1"), InspectionCriteria());
    const QDateTime start = QDateTime::currentDateTime();
    for (int b = 0; b < batches; ++b) {
        RecordBatch batch;
        batch.areaUuid = area;
        batch.started = start.addSecs(60 * b);
        const QString uuid = store.BeginBatch(batch);
        QVector<LiveRecord> records;
        records.reserve(readings);
        for (int i = 1; i <= readings; ++i) {
            LiveRecord record;
            record.index = i;
            record.arrival = batch.started.addMSecs(300 * i);
            record.micrometres = 80.0f + float(i * 37 % 80);
            record.valueText = QString::number(double(record.micrometres), 'f', 1);
            records.append(record);
        }
        store.AppendReadings(uuid, records);
        store.EndBatch(uuid, batch.started.addSecs(50));
    }
}

void Ingest(const QString &server, const TeamConnection &admin, int clients, int batches,
            int readings)
{
    QTemporaryDir folder;
    for (int client = 1; client <= clients; ++client) {
        TeamRoles::AddUser(admin, QStringLiteral("inspector%1").arg(client),
                           QStringLiteral("inspector"),
                           QStringLiteral("inspector%1-pw").arg(client));
        MakeStore(folder.filePath(QStringLiteral("%1.sqlite").arg(client)), client, batches,
                  readings);
    }
    const qint64 expected = qint64(clients) * batches * readings;
    QElapsedTimer clock;
    clock.start();
    std::vector<QThread *> threads;
    std::vector<TeamSync::Outcome> outcomes(clients);
    for (int client = 1; client <= clients; ++client) {
        const QString path = folder.filePath(QStringLiteral("%1.sqlite").arg(client));
        const TeamServerAddress address =
            Address(server, QStringLiteral("inspector%1").arg(client));
        TeamSync::Outcome *outcome = &outcomes[client - 1];
        threads.push_back(QThread::create(
            [address, path, outcome]() { *outcome = TeamSync::Run(address, path); }));
        threads.back()->start();
    }
    // Up: until every reading is on the server; then each client goes on to fetch the others'.
    qint64 upMs = 0;
    while (upMs == 0) {
        QThread::msleep(20);
        if (Value(admin, QStringLiteral("SELECT count(*) FROM readings")).toLongLong() >= expected)
            upMs = clock.elapsed();
        if (std::all_of(threads.cbegin(), threads.cend(),
                        [](QThread *thread) { return thread->isFinished(); }) &&
            upMs == 0)
            upMs = clock.elapsed();
    }
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    const qint64 wholeMs = clock.elapsed();
    int failed = 0;
    for (const TeamSync::Outcome &outcome : outcomes) {
        if (outcome.error.IsError()) {
            ++failed;
            std::printf("client failed: %s\n", qPrintable(outcome.error.Message()));
        }
    }
    const qint64 rows = Value(admin, QStringLiteral("SELECT count(*) FROM readings")).toLongLong();
    const qint64 distinct =
        Value(admin, QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT batch_uuid, "
                                    "reading_index FROM readings) d"))
            .toLongLong();
    std::printf("%d clients x %d batches x %d readings at once: %lld readings on the server "
                "(%lld distinct, %lld expected), %d failed\n",
                clients, batches, readings, rows, distinct, expected, failed);
    std::printf("  up: %.1f s, %.0f readings/s; whole sync with each fetching the others': "
                "%.1f s\n",
                upMs / 1000.0, expected * 1000.0 / qMax<qint64>(1, upMs), wholeMs / 1000.0);
    std::printf(
        "  bytes per reading on the server (table, key and change index): %.0f\n",
        Value(admin, QStringLiteral("SELECT pg_total_relation_size('readings')")).toDouble() /
            qMax<qint64>(1, rows));
}

// Ten million readings in 5 000 batches of 2 000, in 50 jobs of 10 areas, over a year;
// written by the superuser with the triggers off, as a restore would.
void Fill(const TeamConnection &admin, int readings)
{
    const int perBatch = 2000;
    const int batches = qMax(1, readings / perBatch);
    QElapsedTimer clock;
    clock.start();
    const QStringList statements{
        QStringLiteral("SET session_replication_role = replica"),
        QStringLiteral("INSERT INTO jobs (uuid, name) SELECT md5('job' || j)::uuid, 'Search job ' "
                       "|| j FROM generate_series(1, 50) j"),
        QStringLiteral("INSERT INTO areas (uuid, job_uuid, name) SELECT md5('area' || a)::uuid, "
                       "md5('job' || (a % 50 + 1))::uuid, 'Area ' || (a / 50 + 1) FROM "
                       "generate_series(0, 499) a"),
        QStringLiteral("INSERT INTO batches (uuid, area_uuid, unit_code, verdict, started_at) "
                       "SELECT md5('batch' || b)::uuid, md5('area' || (b % 500))::uuid, 0, "
                       "CASE WHEN b % 7 = 0 THEN 'fail' ELSE 'pass' END, "
                       "timestamptz '2026-01-01' + b * interval '1 hour' * 8760 / %1 "
                       "FROM generate_series(0, %1 - 1) b")
            .arg(batches),
        QStringLiteral("INSERT INTO readings (batch_uuid, reading_index, value, unit_code, "
                       "measured_at, change) SELECT md5('batch' || b)::uuid, i, 80 + (i * 37) % "
                       "80, 0, timestamptz '2026-01-01' + b * interval '1 hour' * 8760 / %1, "
                       "0 FROM generate_series(0, %1 - 1) b, generate_series(1, %2) i")
            .arg(batches)
            .arg(perBatch),
        QStringLiteral("SET session_replication_role = DEFAULT"),
        QStringLiteral("VACUUM ANALYZE"),
    };
    for (const QString &statement : statements) {
        const TeamError error = admin.Run(statement);
        if (error.IsError())
            std::printf("fill failed: %s\n", qPrintable(error.Message()));
    }
    std::printf("%lld readings in %d batches written in %.0f s; the readings take %.0f bytes "
                "each on the server\n",
                Value(admin, QStringLiteral("SELECT count(*) FROM readings")).toLongLong(), batches,
                clock.elapsed() / 1000.0,
                Value(admin, QStringLiteral("SELECT pg_total_relation_size('readings')::float8 / "
                                            "count(*) FROM readings"))
                    .toDouble());
}

void Search(const TeamConnection &admin)
{
    // The fail verdicts of one area of one job in one month: its readings' count and mean.
    const QString search = QStringLiteral(
        "SELECT count(*), avg(r.value) FROM jobs j JOIN areas a ON a.job_uuid = j.uuid "
        "JOIN batches b ON b.area_uuid = a.uuid JOIN readings r ON r.batch_uuid = b.uuid "
        "WHERE j.name = 'Search job 7' AND a.name = 'Area 3' AND b.verdict = 'fail' "
        "AND b.started_at >= '2026-03-01' AND b.started_at < '2026-09-01'");
    std::vector<double> samples;
    QVariant found;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer clock;
        clock.start();
        found = Value(admin, search);
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("search by job, area, date and verdict: %s readings, median %.1f ms (of 21)\n",
                qPrintable(found.toString()), BenchSupport::Median(samples));
    QSqlQuery plan(admin.Database());
    admin.Run(plan, QStringLiteral("EXPLAIN (ANALYZE, COSTS OFF) ") + search);
    while (plan.next())
        std::printf("  %s\n", qPrintable(plan.value(0).toString()));
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString server = QStringLiteral("/tmp/vpg-bench-%1").arg(app.applicationPid());
    const QString fixture = QStringLiteral(VARNOLITHIC_PG_FIXTURE);
    if (QProcess::execute(fixture, {QStringLiteral("start"), server}) != 0)
        return 1;
    {
        TeamServerAddress maintenance = Address(server);
        maintenance.database = QStringLiteral("postgres");
        TeamConnection postgres;
        if (!postgres.Open(maintenance).IsError())
            postgres.Run(QStringLiteral("CREATE DATABASE bench"));
    }
    {
        TeamConnection admin;
        const TeamError opened = admin.Open(Address(server));
        int before = 0;
        int after = 0;
        const TeamError made =
            opened.IsError() ? opened : TeamSchema::Initialise(admin, &before, &after);
        if (made.IsError()) {
            std::printf("%s\n", qPrintable(made.Message()));
        } else {
            Ingest(server, admin, Option(arguments, QStringLiteral("--clients"), 8),
                   Option(arguments, QStringLiteral("--batches"), 50),
                   Option(arguments, QStringLiteral("--readings"), 2000));
            Fill(admin, Option(arguments, QStringLiteral("--search-readings"), 10000000));
            Search(admin);
        }
    }
    QProcess::execute(fixture, {QStringLiteral("stop"), server});
    return 0;
}
