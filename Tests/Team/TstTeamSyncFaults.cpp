#include "ScratchMounts.h"
#include "SlowSocketRelay.h"
#include "SyncRecords.h"
#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamSync.h"
#include "TeamSyncLedger.h"
#include "TeamSyncRunner.h"
#include "TeamSyncStatus.h"
#include "TeamTestServer.h"

#include <QLabel>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <unistd.h>

// A sync cut by each thing that can go wrong on the way to the server, on a server of this
// test's own (it is stopped under the sync): the failure is told as what it is, and the next
// sync completes with every row and every edit on the server exactly once. And the window's
// sync through a long outage, a slow network and a server that stops answering: the title bar
// tells each, and all that waited goes up once.
class TstTeamSyncFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cutShort_data();
    void cutShort();
    void outage();

private:
    bool Fixture(const QString &action) const
    {
        return QProcess::execute(qEnvironmentVariable("VARNOLITHIC_PG_FIXTURE"),
                                 {action, m_server}) == 0;
    }

    // A team store in a new database, with the inspector ann; the database's name.
    static QString NewStore();

    QString m_server;
    QTemporaryDir m_folder;
};

QString TstTeamSyncFaults::NewStore()
{
    static int databases = 0;
    const QString database =
        TeamTestServer::CreateDatabase(QStringLiteral("faults%1").arg(++databases));
    TeamConnection admin;
    int before = 0;
    int after = 0;
    const bool made = !database.isEmpty() &&
                      !admin.Open(TeamTestServer::Address(database)).IsError() &&
                      !TeamSchema::Initialise(admin, &before, &after).IsError() &&
                      !TeamRoles::AddUser(admin, "ann", "inspector", "ann-pw").IsError();
    return made ? database : QString();
}

void TstTeamSyncFaults::initTestCase()
{
    QVERIFY2(!qEnvironmentVariable("VARNOLITHIC_PG_FIXTURE").isEmpty(), "run by CTest");
    // Short: the server's socket path has a limit.
    m_server = QStringLiteral("/tmp/vpg-faults-%1").arg(QCoreApplication::applicationPid());
    QVERIFY(Fixture("start"));
    qputenv("VARNOLITHIC_TEAM_SERVER", m_server.toUtf8());
}

void TstTeamSyncFaults::cleanupTestCase()
{
    Fixture("stop");
}

void TstTeamSyncFaults::cutShort_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("atTransaction"); // committed by the server before the fault
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("told");

    QTest::newRow("server stopped at once, amid the readings")
        << "halt" << 3 << int(TeamError::ConnectionLost)
        << "The connection to the team server was lost.";
    QTest::newRow("server stopped at once, before the edits")
        << "halt" << 5 << int(TeamError::ConnectionLost)
        << "The connection to the team server was lost.";
    // The server has the edits, this file does not know it yet: they go again, and count once.
    QTest::newRow("records file busy after the edits went up")
        << "lock" << 6 << int(TeamError::RecordsFile) << "database is locked";
    QTest::newRow("connection dropped") << "drop" << 2 << int(TeamError::ConnectionLost)
                                        << "The connection to the team server was lost.";
    QTest::newRow("role revoked") << "revoke" << 4 << int(TeamError::NotTeamMember)
                                  << "neither an inspector nor a reviewer";
    QTest::newRow("wrong password")
        << "password" << 0 << int(TeamError::WrongPassword) << "does not accept the password";
    // A table locked by someone else holds the readings' statement until the server gives up.
    QTest::newRow("server too slow to answer")
        << "slow" << 2 << int(TeamError::TimedOut) << "did not answer in time";
    // The readings' table on a file system of 256 KiB: the server cannot extend it.
    QTest::newRow("server's disk full")
        << "full" << 0 << int(TeamError::ServerFull) << "No space left on device";
}

void TstTeamSyncFaults::cutShort()
{
    QFETCH(QString, fault);
    QFETCH(int, atTransaction);
    QFETCH(int, kind);
    QFETCH(QString, told);

    // The server's folder, which its user may reach, holds the small file system.
    const QString tinyDisk = m_server + QStringLiteral("/tiny");
    std::optional<ScratchMount> disk;
    if (fault == QLatin1String("full")) {
        QVERIFY(QDir().mkpath(tinyDisk));
        disk.emplace(tinyDisk, 256);
        if (!disk->IsMounted())
            QSKIP("a tmpfs cannot be mounted here");
        const QFileInfo server(m_server);
        QCOMPARE(chown(QFile::encodeName(tinyDisk).constData(), server.ownerId(), server.groupId()),
                 0);
    }
    const QString database = NewStore();
    QVERIFY(!database.isEmpty());
    if (disk) {
        QVERIFY(
            TeamTestServer::Run(database, "CREATE TABLESPACE tiny LOCATION '" + tinyDisk + "'"));
        QVERIFY(TeamTestServer::Run(database, "ALTER TABLE readings SET TABLESPACE tiny"));
    }
    // Two batches of 6 000 readings: the items in the first transaction of the server, the
    // readings in the next four (at most 5 000 a transaction), the edits in the sixth.
    const QString path = m_folder.filePath(database + QStringLiteral(".sqlite"));
    RecordStore store;
    QVERIFY(store.Open(path));
    store.SetInspector("Ann", QString());
    const QString area = store.EnsureArea("Pier 2", "Deck", InspectionCriteria());
    QStringList batches;
    for (int batch = 0; batch < 2; ++batch) {
        batches.append(SyncRecords::EndedBatch(store, area, 6000));
        QVERIFY(store.ExcludeReading(batches.last(), 10 + batch, "edge"));
        QVERIFY(store.SetBatchNotes(batches.last(), QStringLiteral("coat %1").arg(batch)));
    }

    TeamServerAddress address = TeamTestServer::Address(database, "ann", "ann-pw");
    QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
    locker.setDatabaseName(path);
    QVERIFY(locker.open());
    if (fault == QLatin1String("password"))
        address.password = QStringLiteral("not-ann-pw");
    if (fault == QLatin1String("slow"))
        address.answerTimeout = 2;
    TeamConnection holder;
    const auto cut = [&](int transactions) {
        if (transactions != atTransaction)
            return;
        if (fault == QLatin1String("halt"))
            QVERIFY(Fixture("halt"));
        else if (fault == QLatin1String("drop"))
            QVERIFY(TeamTestServer::Value(database, "SELECT bool_and(pg_terminate_backend(pid)) "
                                                    "FROM pg_stat_activity WHERE usename = 'ann'")
                        .toBool());
        else if (fault == QLatin1String("revoke"))
            QVERIFY(TeamTestServer::Run(database, "REVOKE varnolithic_inspector FROM ann"));
        else if (fault == QLatin1String("lock"))
            QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
        else if (fault == QLatin1String("slow"))
            QVERIFY(!holder.Open(TeamTestServer::Address(database)).IsError() &&
                    !holder.Run("BEGIN; LOCK TABLE readings IN SHARE MODE").IsError());
    };
    const TeamSync::Outcome broken = TeamSync::Run(address, path, cut);
    QVERIFY2(broken.error.GetKind() == kind, qPrintable(broken.error.Message()));
    QVERIFY2(broken.error.Message().contains(told), qPrintable(broken.error.Message()));
    QVERIFY(broken.waiting > 0);

    // Mended, the next sync completes.
    if (fault == QLatin1String("halt"))
        QVERIFY(Fixture("resume"));
    if (fault == QLatin1String("revoke"))
        QVERIFY(TeamTestServer::Run(database, "GRANT varnolithic_inspector TO ann"));
    if (fault == QLatin1String("lock"))
        QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
    if (fault == QLatin1String("slow"))
        QVERIFY(!holder.Run("ROLLBACK").IsError());
    if (disk)
        QVERIFY(TeamTestServer::Run(database, "ALTER TABLE readings SET TABLESPACE pg_default"));
    locker.close();
    locker = QSqlDatabase();
    QSqlDatabase::removeDatabase("locker");
    address.password = QStringLiteral("ann-pw");
    const TeamSync::Outcome mended = TeamSync::Run(address, path);
    QVERIFY2(!mended.error.IsError(), qPrintable(mended.error.Message()));
    QCOMPARE(mended.waiting, 0);
    QVERIFY(mended.refused.isEmpty() && mended.lost.isEmpty());

    // Every reading once, every edit once, and no row changed more often than it was edited.
    const auto value = [&](const QString &sql) { return TeamTestServer::Value(database, sql); };
    QCOMPARE(value("SELECT count(*) FROM readings").toInt(), 12000);
    QCOMPARE(value("SELECT count(*) FROM batches WHERE stopped_at IS NOT NULL").toInt(), 2);
    QCOMPARE(value("SELECT count(*) FROM exclusions WHERE excluded AND reason = 'edge'").toInt(),
             2);
    QCOMPARE(value("SELECT count(*) FROM history WHERE edited_at IS NOT NULL").toInt(), 4);
    QCOMPARE(value("SELECT string_agg(notes, ',' ORDER BY notes) FROM batches").toString(),
             QStringLiteral("coat 0,coat 1"));
    QVERIFY(value("SELECT bool_and(version = 1) FROM batches").toBool());
    for (const QString &batch : batches)
        QCOMPARE(value(QStringLiteral("SELECT count(*) FILTER (WHERE value IS NULL) FROM readings "
                                      "WHERE batch_uuid = '%1'")
                           .arg(batch))
                     .toLongLong(),
                 store.Batch(batch)->overflows);
    const TeamSync::Outcome idle = TeamSync::Run(address, path);
    QCOMPARE(idle.sent + idle.readingsSent, 0);
    if (disk)
        QVERIFY(TeamTestServer::Run(database, "DROP TABLESPACE tiny"));
}

// The window's sync while the server is gone for an hour's worth of attempts: each attempt
// says offline, with the reason and what waits, as the title bar shows it; the batches measured
// meanwhile wait; when the server is back, the next attempt sends them all, each once. Then
// over a slow network, and with a server that stops answering mid-sync.
void TstTeamSyncFaults::outage()
{
    const QString database = NewStore();
    QVERIFY(!database.isEmpty());
    const QString path = m_folder.filePath(QStringLiteral("outage.sqlite"));
    RecordStore store;
    QVERIFY(store.Open(path));
    store.SetInspector("Ann", QString());
    const QString area = store.EnsureArea("Pier 3", "Pile 7", InspectionCriteria());
    TeamSyncLedger ledger;
    QVERIFY(ledger.Open(path));

    TeamSyncRunner runner(path);
    QWidget window;
    auto *status = new TeamSyncStatus(&window);
    connect(&runner, &TeamSyncRunner::StateChanged, status, &TeamSyncStatus::Show);
    const QLabel *told = status->findChild<QLabel *>(QStringLiteral("TeamSyncStateLabel"));
    QVERIFY(told);
    QSignalSpy synced(&runner, &TeamSyncRunner::Synced);
    const TeamServerAddress address = TeamTestServer::Address(database, "ann", "ann-pw");
    SyncRecords::EndedBatch(store, area, 300);
    runner.Request(address);
    QVERIFY(synced.wait(30000));
    QCOMPARE(told->text(), QStringLiteral("Team: synced"));
    synced.clear();

    QVERIFY(Fixture("halt"));
    // Twenty attempts stand for an hour of them; every batch's end asks for one more, as the
    // window does.
    int attempts = 0;
    connect(&runner, &TeamSyncRunner::StateChanged, this, [&](TeamSyncRunner::State state) {
        attempts += state == TeamSyncRunner::State::Syncing;
    });
    const int period = 50;
    QElapsedTimer outage;
    outage.start();
    runner.Repeat(period, [&] { return address; });
    const int batches = 20;
    for (int batch = 0; batch < batches; ++batch) {
        SyncRecords::EndedBatch(store, area, 300);
        runner.Request(address);
        const QString waiting = QStringLiteral("Team: offline, %1 waiting").arg(ledger.Waiting());
        QTRY_COMPARE_WITH_TIMEOUT(told->text(), waiting, 10000);
        QVERIFY2(told->toolTip().contains("No team server answers"), qPrintable(told->toolTip()));
    }
    QVERIFY(synced.isEmpty());
    // No retries of its own: one attempt a period, and one for each batch's end at most.
    QVERIFY2(attempts >= batches && attempts <= outage.elapsed() / period + batches + 1,
             qPrintable(QString::number(attempts)));

    const qint64 waited = ledger.Waiting();
    QVERIFY(Fixture("resume"));
    QVERIFY(synced.wait(30000));
    QCOMPARE(synced.first().at(0).toLongLong(), waited);
    runner.Repeat(TeamSyncRunner::IntervalMsecs, [&] { return address; });
    // An attempt asked for meanwhile may still run; it has nothing to send.
    QTRY_COMPARE_WITH_TIMEOUT(told->text(), QStringLiteral("Team: synced"), 10000);
    QCOMPARE(ledger.Waiting(), 0);
    const auto value = [&](const QString &sql) { return TeamTestServer::Value(database, sql); };
    QCOMPARE(value("SELECT count(*) FROM batches").toInt(), batches + 1);
    QCOMPARE(value("SELECT count(*) FROM readings").toInt(), (batches + 1) * 300);

    // A slow network, every block and every answer a while late: the sync takes its time on
    // its own thread and completes, while this thread, the window's, goes on (it is the one
    // that passes the blocks on).
    const QString relayFolder = m_folder.filePath(QStringLiteral("relay"));
    QVERIFY(QDir().mkpath(relayFolder));
    SlowSocketRelay relay(m_server, 10);
    QVERIFY(relay.Listen(relayFolder));
    TeamServerAddress slow = address;
    slow.host = relayFolder;
    SyncRecords::EndedBatch(store, area, 3000);
    synced.clear();
    runner.Request(slow);
    QCOMPARE(told->text(), QStringLiteral("Team: syncing…"));
    QVERIFY(synced.wait(60000));
    QVERIFY2(relay.Blocks() > 50, qPrintable(QString::number(relay.Blocks())));
    QTRY_COMPARE_WITH_TIMEOUT(told->text(), QStringLiteral("Team: synced"), 10000);
    QCOMPARE(value("SELECT count(*) FROM readings").toInt(), (batches + 1) * 300 + 3000);

    // A server that stops answering amid the readings: the sync gives up once the answer is
    // long overdue and says so; the next sync sends what waited.
    relay.StallAt("INSERT INTO readings");
    SyncRecords::EndedBatch(store, area, 300);
    slow.answerTimeout = 1;
    runner.Request(slow);
    QTRY_COMPARE_WITH_TIMEOUT(
        told->text(), QStringLiteral("Team: offline, %1 waiting").arg(ledger.Waiting()), 15000);
    QVERIFY2(told->toolTip().contains("gave no answer for 2 s"), qPrintable(told->toolTip()));
    synced.clear();
    runner.Request(address);
    QVERIFY(synced.wait(30000));
    QTRY_COMPARE_WITH_TIMEOUT(told->text(), QStringLiteral("Team: synced"), 10000);
    QCOMPARE(value("SELECT count(*) FROM readings").toInt(), (batches + 2) * 300 + 3000);
    QCOMPARE(value("SELECT count(*) FROM batches").toInt(), batches + 3);

    // A refusal shows its reason in the title bar.
    TeamServerAddress wrong = address;
    wrong.password = QStringLiteral("not-ann-pw");
    runner.Request(wrong);
    QTRY_COMPARE_WITH_TIMEOUT(
        told->text(),
        QStringLiteral("Team: refused: The team server does not accept the password for this "
                       "user."),
        10000);
}

QTEST_MAIN(TstTeamSyncFaults)
#include "TstTeamSyncFaults.moc"
