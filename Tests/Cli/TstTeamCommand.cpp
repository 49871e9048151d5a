#include "CliProcess.h"
#include "TeamSchema.h"
#include "TeamTestServer.h"

#include <QTemporaryDir>
#include <QtTest>

// The team commands end to end, as a user runs them: init on every kind of database, the
// logins add-user makes, and what check tells about each thing that can be wrong.
class TstTeamCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialise_data();
    void initialise();
    void commands_data();
    void commands();

private:
    static CliProcess Run(const QStringList &arguments, const QString &password,
                          const QByteArray &input = QByteArray());
    QString m_ready;
};

CliProcess TstTeamCommand::Run(const QStringList &arguments, const QString &password,
                               const QByteArray &input)
{
    QProcess process;
    CliProcess::Prepare(process);
    QProcessEnvironment environment = process.processEnvironment();
    // Nothing but what the row gives: no ~/.pgpass of whoever runs the tests.
    environment.insert(QStringLiteral("PGPASSFILE"), QStringLiteral("/nonexistent"));
    environment.remove(QStringLiteral("PGPASSWORD"));
    if (!password.isEmpty())
        environment.insert(QStringLiteral("PGPASSWORD"), password);
    process.setProcessEnvironment(environment);
    process.start(CliProcess::Program(), arguments);
    process.write(input);
    process.closeWriteChannel();
    return CliProcess::Finish(process);
}

void TstTeamCommand::initTestCase()
{
    QVERIFY2(!CliProcess::Program().isEmpty(), "run by CTest, which names the program's folder");
    QVERIFY2(!TeamTestServer::SocketFolder().isEmpty(), "run by CTest, with the server fixture");
    m_ready = TeamTestServer::CreateDatabase(QStringLiteral("ready"));
    QVERIFY(!m_ready.isEmpty());
    const CliProcess made = Run({"team", "init", "--server", TeamTestServer::Uri(m_ready)}, "");
    QCOMPARE(made.exitCode, 0);
    QVERIFY2(made.out.contains(QStringLiteral("the team store is made (version %1)")
                                   .arg(TeamSchema::LatestVersion())
                                   .toUtf8()),
             made.out);
    // A login the server knows, without a role in the team.
    QVERIFY(TeamTestServer::Run(m_ready, "CREATE ROLE nemo LOGIN PASSWORD 'nemo-pw'"));
}

void TstTeamCommand::initialise_data()
{
    QTest::addColumn<QString>("preparation"); // run by the superuser in the new database
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("version"); // the store's version afterwards

    const int latest = TeamSchema::LatestVersion();
    QTest::newRow("empty database")
        << "" << 0 << QStringLiteral("made (version %1)").arg(latest) << latest;
    QTest::newRow("made already")
        << "init" << 0 << QStringLiteral("the team store is up to date (version %1)").arg(latest)
        << latest;
    QTest::newRow("tables of its own")
        << "CREATE TABLE invoices (id int)" << 5 << "holds tables of its own" << 0;
    QTest::newRow("newer store")
        << "init;INSERT INTO schema_version VALUES (7, 'later')" << 5
        << QStringLiteral("The store is at version 7; this program's is %1.").arg(latest) << 7;
}

void TstTeamCommand::initialise()
{
    QFETCH(QString, preparation);
    QFETCH(int, status);
    QFETCH(QString, told);
    QFETCH(int, version);

    static int databases = 0;
    const QString database =
        TeamTestServer::CreateDatabase(QStringLiteral("init%1").arg(++databases));
    QVERIFY(!database.isEmpty());
    const QStringList arguments{"team", "init", "--server", TeamTestServer::Uri(database)};
    for (const QString &step : preparation.split(';', Qt::SkipEmptyParts)) {
        if (step == QLatin1String("init"))
            QCOMPARE(Run(arguments, "").exitCode, 0);
        else
            QVERIFY(TeamTestServer::Run(database, step));
    }
    const CliProcess result = Run(arguments, "");
    QCOMPARE(result.exitCode, status);
    QVERIFY2((status == 0 ? result.out : result.err).contains(told.toUtf8()),
             result.out + result.err);
    QCOMPARE(TeamTestServer::Value(database, "SELECT CASE WHEN to_regclass('schema_version') "
                                             "IS NULL THEN 0 ELSE (SELECT max(version) FROM "
                                             "schema_version) END")
                 .toInt(),
             version);
}

void TstTeamCommand::commands_data()
{
    QTest::addColumn<QStringList>("arguments"); // READY is the made store's database
    QTest::addColumn<QString>("password");      // PGPASSWORD; empty: none
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("told");

    const auto server = [](const QString &user, const QString &database) {
        return QStringList{"--server", TeamTestServer::Uri(database, user)};
    };
    const QString ready = QStringLiteral("READY");
    const QStringList check{"team", "check"};
    const QStringList addCarl{"team",   "add-user",  "carl",
                              "--role", "inspector", "--password-stdin"};

    // In order: carl is made before he logs in.
    QTest::newRow("add an inspector")
        << addCarl + server("postgres", ready) << "" << QByteArray("carl-pw\n") << 0
        << "carl: a login of the team as inspector";
    QTest::newRow("ready") << check + server("carl", ready) << "carl-pw" << QByteArray() << 0
                           << QStringLiteral(
                                  "ready\nuser     carl\nrole     inspector\nversion  %1\n")
                                  .arg(TeamSchema::LatestVersion());
    QTest::newRow("sync a new store")
        << QStringList{"team", "sync", "--store", "STORE"} + server("carl", ready) << "carl-pw"
        << QByteArray() << 0 << "synced\nsent     0 changes, 0 readings\nfetched  0 rows\n";
    QTest::newRow("an inspector makes a login")
        << QStringList{"team", "add-user", "dora", "--role", "reviewer"} + server("carl", ready)
        << "carl-pw" << QByteArray() << 5 << "The team server refused the change.";
    QTest::newRow("no server") << check + QStringList{"--server",
                                                      "postgresql://carl@/x?host=/nonexistent"}
                               << "carl-pw" << QByteArray() << 5
                               << "No team server answers at this address";
    QTest::newRow("no password") << check + server("carl", ready) << "" << QByteArray() << 5
                                 << "asks for a password and none is known";
    QTest::newRow("wrong password") << check + server("carl", ready) << "wrong" << QByteArray() << 5
                                    << "does not accept the password";
    QTest::newRow("no such database") << check + server("carl", "nowhere") << "carl-pw"
                                      << QByteArray() << 5 << "has no such database";
    QTest::newRow("not initialised") << check + server("postgres", "postgres") << "" << QByteArray()
                                     << 5 << "holds no team store yet";
    QTest::newRow("no role") << check + server("nemo", ready) << "nemo-pw" << QByteArray() << 5
                             << "neither an inspector nor a reviewer";
    QTest::newRow("no such role") << QStringList{"team", "add-user", "carl", "--role", "boss"} +
                                         server("postgres", ready)
                                  << "" << QByteArray() << 2 << "--role is inspector or reviewer";
    QTest::newRow("password in the URI")
        << check + QStringList{"--server", "postgresql://carl:carl-pw@/x"} << "" << QByteArray()
        << 2 << "the URI holds a password";
    QTest::newRow("no URI") << check + QStringList{"--server", "carl@localhost"} << ""
                            << QByteArray() << 2 << "is no server URI";
    QTest::newRow("no action") << QStringList{"team", "sing"} << "" << QByteArray() << 2
                               << "'team' takes one of: init, add-user, check";
}

void TstTeamCommand::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, told);

    arguments.replaceInStrings(QStringLiteral("READY"), m_ready);
    const QTemporaryDir folder;
    arguments.replaceInStrings(QStringLiteral("STORE"), folder.filePath("records.sqlite"));
    const CliProcess result = Run(arguments, password, input);
    QCOMPARE(result.exitCode, status);
    QVERIFY2((status == 0 ? result.out : result.err).contains(told.toUtf8()),
             result.out + result.err);
    // The password goes nowhere the program writes.
    if (!password.isEmpty())
        QVERIFY(!(result.out + result.err).contains(password.toUtf8()));
}

QTEST_GUILESS_MAIN(TstTeamCommand)
#include "TstTeamCommand.moc"
