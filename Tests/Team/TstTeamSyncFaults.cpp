#include "SyncRecords.h"
#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamSync.h"
#include "TeamTestServer.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// A sync cut by each thing that can go wrong on the way to the server, on a server of this
// test's own (it is stopped under the sync): the failure is told as what it is, and the next
// sync completes with every row and every edit on the server exactly once.
class TstTeamSyncFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cutShort_data();
    void cutShort();

private:
    bool Fixture(const QString &action) const
    {
        return QProcess::execute(qEnvironmentVariable("VARNOLITHIC_PG_FIXTURE"),
                                 {action, m_server}) == 0;
    }

    QString m_server;
    QTemporaryDir m_folder;
};

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
}

void TstTeamSyncFaults::cutShort()
{
    QFETCH(QString, fault);
    QFETCH(int, atTransaction);
    QFETCH(int, kind);
    QFETCH(QString, told);

    static int databases = 0;
    const QString database =
        TeamTestServer::CreateDatabase(QStringLiteral("faults%1").arg(++databases));
    QVERIFY(!database.isEmpty());
    {
        TeamConnection admin;
        QVERIFY(!admin.Open(TeamTestServer::Address(database)).IsError());
        int before = 0;
        int after = 0;
        QVERIFY(!TeamSchema::Initialise(admin, &before, &after).IsError());
        QVERIFY(!TeamRoles::AddUser(admin, "ann", "inspector", "ann-pw").IsError());
    }
    // Two batches of 6 000 readings: the items in the first transaction of the server, the
    // readings in the next four (at most 5 000 a transaction), the edits in the sixth.
    const QString path = m_folder.filePath(QStringLiteral("%1.sqlite").arg(databases));
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
}

QTEST_GUILESS_MAIN(TstTeamSyncFaults)
#include "TstTeamSyncFaults.moc"
