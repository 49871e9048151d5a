#include "PopplerOutput.h"
#include "ProgramFonts.h"
#include "RecordReportTask.h"
#include "SyncRecords.h"
#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamStore.h"
#include "TeamSync.h"
#include "TeamSyncRunner.h"
#include "TeamTestServer.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Three records files and one team server, end to end: ann's two laptops and bob's. What ann
// measures goes up once, comes down to her other laptop and to bob's as it was; two edits of
// one field from her two laptops are settled by when they were made, both kept in the history
// and the loss told on the item; bob's edit of her batch is refused by the server and told. A
// further evaluation goes up once though the sync is cut, and comes down as it was; the
// reviewer's sign-offs come down and those standing are printed in the reports.
class TstTeamSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void threeLaptops();

private:
    TeamServerAddress Login(const QString &user) const
    {
        return TeamTestServer::Address(m_database, user, user + QStringLiteral("-pw"));
    }
    QString Path(const QString &laptop) const
    {
        return m_folder.filePath(laptop + QStringLiteral(".sqlite"));
    }
    TeamSync::Outcome Sync(const QString &user, const QString &laptop) const
    {
        return TeamSync::Run(Login(user), Path(laptop));
    }
    QVariant Server(const QString &sql) const { return TeamTestServer::Value(m_database, sql); }
    static bool Told(const QVector<HistoryEntry> &history, const QString &text);
    // The text of the report of ann's first laptop, written in the language of the catalogue
    // (none: English).
    QString Report(RecordReport::Scope scope, const QString &uuid,
                   const QString &catalogue = QString()) const;

    QString m_database;
    QTemporaryDir m_folder;
};

bool TstTeamSync::Told(const QVector<HistoryEntry> &history, const QString &text)
{
    return std::any_of(history.cbegin(), history.cend(),
                       [&](const HistoryEntry &entry) { return entry.what.contains(text); });
}

QString TstTeamSync::Report(RecordReport::Scope scope, const QString &uuid,
                            const QString &catalogue) const
{
    QTranslator translator;
    if (!catalogue.isEmpty() && translator.load(catalogue))
        QCoreApplication::installTranslator(&translator);
    RecordReport::Request request;
    request.scope = scope;
    request.uuid = uuid;
    const QString path = m_folder.filePath(uuid + catalogue.section('/', -1) + ".pdf");
    const QString problem = RecordReportTask::Write(Path("annA"), request, path);
    QCoreApplication::removeTranslator(&translator);
    return problem.isEmpty() ? PdfText(path).simplified() : problem;
}

void TstTeamSync::initTestCase()
{
    LoadProgramFonts();
    QVERIFY2(!TeamTestServer::SocketFolder().isEmpty(), "run by CTest, with the server fixture");
    m_database = TeamTestServer::CreateDatabase(QStringLiteral("sync"));
    QVERIFY(!m_database.isEmpty());
    TeamConnection admin;
    QVERIFY(!admin.Open(TeamTestServer::Address(m_database)).IsError());
    int before = 0;
    int after = 0;
    QVERIFY(!TeamSchema::Initialise(admin, &before, &after).IsError());
    for (const QString &user :
         {QStringLiteral("ann"), QStringLiteral("bob"), QStringLiteral("rita")})
        QVERIFY(!TeamRoles::AddUser(admin, user,
                                    user == QLatin1String("rita") ? QStringLiteral("reviewer")
                                                                  : QStringLiteral("inspector"),
                                    user + QStringLiteral("-pw"))
                     .IsError());
}

void TstTeamSync::threeLaptops()
{
    // Ann measures on her first laptop.
    RecordStore annA;
    QVERIFY(annA.Open(Path("annA")));
    annA.SetInspector("Ann", "CERT-1");
    InspectionCriteria criteria;
    const QString area = annA.EnsureArea("Tank 4", "Shell", criteria);
    const QString gauge = annA.AddGauge({QString(), "PosiTector", "G-17", "P-3", "C-9", {}});
    const QString batch = SyncRecords::EndedBatch(annA, area, 2500, gauge);
    QVERIFY(!batch.isEmpty());
    QVERIFY(annA.ExcludeReading(batch, 3, "weld"));
    RecordVerification check;
    check.gaugeUuid = gauge;
    check.time = QDateTime::currentDateTime();
    check.nominal = 250;
    check.tolerancePercent = 2;
    check.readings = {251, 249};
    QVERIFY(!annA.AddVerification(check).isEmpty());

    // Up, on the runner's thread, as the window syncs.
    TeamSyncRunner runner(Path("annA"));
    QSignalSpy synced(&runner, &TeamSyncRunner::Synced);
    runner.Request(Login("ann"));
    QCOMPARE(runner.GetState(), TeamSyncRunner::State::Syncing);
    QVERIFY(synced.wait(60000));
    QCOMPARE(runner.GetState(), TeamSyncRunner::State::Synced);
    const QString readingsOfBatch =
        QStringLiteral("SELECT count(*) FROM readings WHERE batch_uuid = '%1'").arg(batch);
    QCOMPARE(Server(readingsOfBatch).toInt(), 2500);
    QVERIFY(Server(QStringLiteral("SELECT excluded AND reason = 'weld' AND created_by = 'ann' FROM "
                                  "exclusions WHERE batch_uuid = '%1' AND reading_index = 3")
                       .arg(batch))
                .toBool());
    QVERIFY(Server(QStringLiteral("SELECT stopped_at IS NOT NULL AND gauge_serial = 'G-17' FROM "
                                  "batches WHERE uuid = '%1'")
                       .arg(batch))
                .toBool());
    QCOMPARE(Server("SELECT count(*) FROM verifications WHERE passed").toInt(), 1);

    // Judged again by stricter criteria. The server takes the evaluation, but the sync is cut
    // before the file knows it: it goes again, and the server keeps it once.
    InspectionCriteria strict;
    strict.rule = InspectionCriteria::Rule::Iso19840;
    strict.nominal = 200;
    const std::optional<RecordEvaluation> judged = annA.JudgeAgain(batch, strict);
    QVERIFY(judged && judged->verdict == InspectionVerdict::Outcome::Fail);
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(Path("annA"));
        QVERIFY(locker.open());
        const TeamSync::Outcome cut =
            TeamSync::Run(Login("ann"), Path("annA"), [&](int transactions) {
                if (transactions == 1)
                    QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
            });
        QCOMPARE(cut.error.GetKind(), TeamError::RecordsFile);
        QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
        locker.close();
    }
    QSqlDatabase::removeDatabase("locker");
    const TeamSync::Outcome resent = Sync("ann", "annA");
    QVERIFY2(!resent.error.IsError(), qPrintable(resent.error.Message()));
    QCOMPARE(resent.sent, 1);
    QCOMPARE(Server(QStringLiteral("SELECT count(*) FROM evaluations WHERE batch_uuid = '%1' AND "
                                   "uuid = '%2' AND version = 1 AND verdict = 'fail' AND "
                                   "created_by = 'ann' AND inspector_name = 'Ann'")
                        .arg(batch, judged->uuid))
                 .toInt(),
             1);

    // Sent again, nothing changes on the server.
    const qint64 lastChange = Server("SELECT max(change) FROM readings").toLongLong();
    const TeamSync::Outcome again = Sync("ann", "annA");
    QVERIFY2(!again.error.IsError(), qPrintable(again.error.Message()));
    QCOMPARE(again.sent + again.readingsSent + again.waiting, 0);
    QCOMPARE(Server("SELECT max(change) FROM readings").toLongLong(), lastChange);

    // Down to her second laptop, as it was measured.
    const TeamSync::Outcome down = Sync("ann", "annB");
    QVERIFY2(!down.error.IsError(), qPrintable(down.error.Message()));
    RecordStore annB;
    QVERIFY(annB.Open(Path("annB")));
    annB.SetInspector("Ann", "CERT-1");
    const std::optional<RecordBatch> copy = annB.Batch(batch);
    QVERIFY(copy);
    const std::optional<RecordBatch> original = annA.Batch(batch);
    QCOMPARE(copy->jobName, QStringLiteral("Tank 4"));
    QCOMPARE(copy->areaName, QStringLiteral("Shell"));
    QCOMPARE(copy->count, original->count);
    QCOMPARE(copy->overflows, original->overflows);
    QCOMPARE(copy->mean, original->mean);
    QCOMPARE(copy->verdict, original->verdict);
    QCOMPARE(copy->inspector, QStringLiteral("Ann"));
    QCOMPARE(annB.Gauge(copy->gaugeUuid)->serial, QStringLiteral("G-17"));
    const QVector<LiveRecord> readings = annA.Readings(batch);
    const QVector<LiveRecord> copied = annB.Readings(batch);
    QCOMPARE(copied.size(), readings.size());
    for (int i = 0; i < readings.size(); ++i) {
        QCOMPARE(copied.at(i).arrival, readings.at(i).arrival);
        QCOMPARE(copied.at(i).arrival.offsetFromUtc(), readings.at(i).arrival.offsetFromUtc());
        QCOMPARE(copied.at(i).status, readings.at(i).status);
        QCOMPARE(copied.at(i).valueText, readings.at(i).valueText);
    }
    QCOMPARE(annB.Marks(batch).size(), 1);
    QCOMPARE(annB.Marks(batch).first().reason, QStringLiteral("weld"));
    const QVector<RecordEvaluation> evaluations = annB.Evaluations(batch);
    QCOMPARE(evaluations.size(), 1);
    QCOMPARE(evaluations.first().uuid, judged->uuid);
    QVERIFY(evaluations.first().criteria == strict);
    QCOMPARE(evaluations.first().verdict, InspectionVerdict::Outcome::Fail);
    QCOMPARE(evaluations.first().time, judged->time);

    // Two edits of the batch's notes and two of the job's client, on both laptops, away from
    // the server. The older notes (A) and the older client (B) lose, whichever syncs first.
    const QString job = annA.JobNamed("Tank 4")->uuid;
    QVERIFY(annA.SetBatchNotes(batch, "A: first coat"));
    QVERIFY(SyncRecords::ClockMovedOn());
    QVERIFY(annB.SetBatchNotes(batch, "B: second coat"));
    RecordJob clientOnB = *annB.Job(job);
    clientOnB.client = "Beta";
    QVERIFY(annB.UpdateJob(clientOnB));
    QVERIFY(SyncRecords::ClockMovedOn());
    RecordJob clientOnA = *annA.Job(job);
    clientOnA.client = "Acme Marine";
    QVERIFY(annA.UpdateJob(clientOnA));

    const TeamSync::Outcome first = Sync("ann", "annB");
    QVERIFY2(!first.error.IsError() && first.lost.isEmpty(), qPrintable(first.error.Message()));
    const TeamSync::Outcome second = Sync("ann", "annA");
    QVERIFY2(!second.error.IsError(), qPrintable(second.error.Message()));
    QCOMPARE(second.lost.size(), 1);
    QCOMPARE(
        Server(QStringLiteral("SELECT notes FROM batches WHERE uuid = '%1'").arg(batch)).toString(),
        QStringLiteral("B: second coat"));
    QCOMPARE(
        Server(QStringLiteral("SELECT client FROM jobs WHERE uuid = '%1'").arg(job)).toString(),
        QStringLiteral("Acme Marine"));
    // Both edits of the notes are in the server's history, one of them lost.
    QCOMPARE(Server(QStringLiteral("SELECT string_agg(outcome || ':' || (new_values ->> 'notes'), "
                                   "'|' ORDER BY edited_at) FROM history WHERE row_uuid = '%1' "
                                   "AND edited_at IS NOT NULL AND new_values ? 'notes'")
                        .arg(batch))
                 .toString(),
             QStringLiteral("lost:A: first coat|kept:B: second coat"));
    // Laptop A shows the newer notes and tells the loss on the batch.
    QCOMPARE(annA.Batch(batch)->notes, QStringLiteral("B: second coat"));
    QVERIFY(Told(annA.History(batch), "lost to a newer one"));
    const TeamSync::Outcome third = Sync("ann", "annB");
    QVERIFY2(!third.error.IsError(), qPrintable(third.error.Message()));
    QCOMPARE(annB.Job(job)->client, QStringLiteral("Acme Marine"));
    QCOMPARE(annB.Batch(batch)->notes, QStringLiteral("B: second coat"));
    QVERIFY(Told(annB.History(batch), "lost to a newer edit"));

    // Bob gets the team's records, may not change ann's batch, and adds one of his own.
    QVERIFY(!Sync("bob", "bob").error.IsError());
    RecordStore bob;
    QVERIFY(bob.Open(Path("bob")));
    bob.SetInspector("Bob", "CERT-2");
    QCOMPARE(bob.Batch(batch)->count, original->count);
    QVERIFY(bob.SetBatchNotes(batch, "bob was here"));
    const QString bobs =
        SyncRecords::EndedBatch(bob, bob.EnsureArea("Tank 4", "Shell", criteria), 10);
    const TeamSync::Outcome refused = Sync("bob", "bob");
    QVERIFY2(!refused.error.IsError(), qPrintable(refused.error.Message()));
    QCOMPARE(refused.refused.size(), 1);
    QVERIFY2(refused.refused.first().contains("row-level security"),
             qPrintable(refused.refused.first()));
    QVERIFY(Told(bob.History(batch), "refused by the team server"));
    QCOMPARE(bob.Batch(batch)->notes, QStringLiteral("B: second coat"));
    QCOMPARE(
        Server(QStringLiteral("SELECT notes FROM batches WHERE uuid = '%1'").arg(batch)).toString(),
        QStringLiteral("B: second coat"));
    const TeamSync::Outcome afterRefusal = Sync("bob", "bob");
    QVERIFY(afterRefusal.refused.isEmpty() && afterRefusal.waiting == 0);
    // The reviewer signs ann's batch off on the server twice; her laptop shows it on the batch.
    TeamConnection rita;
    QVERIFY(!rita.Open(Login("rita")).IsError());
    const QString hasty = RecordStore::NewUuid();
    for (const auto &[uuid, note] :
         {std::pair(RecordStore::NewUuid(), "checked on site"), std::pair(hasty, "too early")})
        QVERIFY(!TeamStore(rita)
                     .Insert(TeamTable::SignOffs,
                             {{"uuid", uuid}, {"batch_uuid", batch}, {"note", note}})
                     .IsError());
    QVERIFY(!Sync("ann", "annA").error.IsError());
    // As in a file whose sync told the sign-offs on the history but did not keep them: they
    // come again, and are not told twice.
    {
        QSqlDatabase earlier = QSqlDatabase::addDatabase("QSQLITE", "earlier");
        earlier.setDatabaseName(Path("annA"));
        QVERIFY(earlier.open());
        QVERIFY(QSqlQuery(earlier).exec("DELETE FROM signoffs"));
        QVERIFY(QSqlQuery(earlier).exec("DELETE FROM sync_state WHERE key = 'pulled_signoffs'"));
        earlier.close();
    }
    QSqlDatabase::removeDatabase("earlier");
    QVERIFY(!Sync("ann", "annA").error.IsError());
    const QVector<HistoryEntry> signedOff = annA.History(batch);
    QCOMPARE(std::count_if(signedOff.cbegin(), signedOff.cend(),
                           [](const HistoryEntry &entry) {
                               return entry.what == QLatin1String("signed off") &&
                                      entry.who == QLatin1String("rita") &&
                                      entry.newValue == QLatin1String("checked on site");
                           }),
             1);
    // She withdraws one and signs off the area; the reports print what stands, the batch's
    // without the area's.
    QVERIFY(!TeamStore(rita).SetDeleted(TeamTable::SignOffs, hasty, true).IsError());
    QVERIFY(!TeamStore(rita)
                 .Insert(TeamTable::SignOffs, {{"uuid", RecordStore::NewUuid()},
                                               {"area_uuid", area},
                                               {"note", "area accepted"}})
                 .IsError());
    QVERIFY(!Sync("ann", "annA").error.IsError());
    QVERIFY(Told(annA.History(batch), "sign-off withdrawn"));
    const auto signedAt = [&](const QString &note) {
        return QDateTime::fromSecsSinceEpoch(
                   Server(QStringLiteral("SELECT floor(extract(epoch FROM created_at))::bigint "
                                         "FROM signoffs WHERE note = '%1'")
                              .arg(note))
                       .toLongLong())
            .toString("yyyy-MM-dd HH:mm");
    };
    const QString batchSource =
        "Tank 4 / Shell / " + annA.Batch(batch)->started.toString("yyyy-MM-dd HH:mm:ss");
    const QString batchSigned = "rita signed off batch " + batchSource + " on " +
                                signedAt("checked on site") + ". Note: checked on site";
    const QString areaSigned =
        "rita signed off area Shell on " + signedAt("area accepted") + ". Note: area accepted";
    const QString batchReport = Report(RecordReport::Scope::Batch, batch);
    QVERIFY2(batchReport.contains("Reviewer's sign-off " + batchSigned), qPrintable(batchReport));
    QVERIFY(!batchReport.contains("too early") && !batchReport.contains("area accepted"));
    const QString jobReport = Report(RecordReport::Scope::Job, annA.JobNamed("Tank 4")->uuid);
    QVERIFY2(jobReport.contains(batchSigned) && jobReport.contains(areaSigned),
             qPrintable(jobReport));
    QVERIFY(!jobReport.contains("too early"));
    const QString chinese = Report(RecordReport::Scope::Batch, batch, ":/lang/language_zh_CN.qm");
    QVERIFY2(chinese.contains("审核人签核 rita 于 " + signedAt("checked on site") + " 签核了批次 " +
                              batchSource + "。 备注：checked on site"),
             qPrintable(chinese));
    QCOMPARE(annA.Batch(bobs)->count, 10);
    QCOMPARE(annA.Batch(bobs)->inspector, QStringLiteral("Bob"));
    QCOMPARE(Server(QStringLiteral("SELECT created_by FROM batches WHERE uuid = '%1'").arg(bobs))
                 .toString(),
             QStringLiteral("bob"));
}

QTEST_MAIN(TstTeamSync)
#include "TstTeamSync.moc"
