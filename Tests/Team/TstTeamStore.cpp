#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamStore.h"
#include "TeamTestServer.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QUuid>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TeamTable)

namespace {
enum class Operation
{
    Insert,
    Update,
    MarkDeleted,
    Restore,
    Statement // a statement of its own, as a client other than this program would send it
};
} // namespace
Q_DECLARE_METATYPE(Operation)

// Two inspectors (ann, bob) and a reviewer (rita) of one team store, each on a connection of
// their own: every change the server refuses comes back as a TeamError, every allowed one
// works, and the rows show what the server stamped.
class TstTeamStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void changesByRole_data();
    void changesByRole();
    void droppedConnection();
    void longWorkUnlimited();

private:
    QString Id(const QString &name);
    // "@name" in the text becomes the quoted uuid of the row of that name.
    QString Resolved(QString text);
    QVariantMap Resolved(QVariantMap values);
    void Connect(const QString &user);
    void Insert(const QString &user, TeamTable table, const QVariantMap &values);

    QString m_database;
    QHash<QString, QString> m_ids;
    QHash<QString, std::shared_ptr<TeamConnection>> m_connections;
};

QString TstTeamStore::Id(const QString &name)
{
    if (!m_ids.contains(name))
        m_ids.insert(name, QUuid::createUuid().toString(QUuid::WithoutBraces));
    return m_ids.value(name);
}

QString TstTeamStore::Resolved(QString text)
{
    static const QRegularExpression reference(QStringLiteral("@([A-Za-z0-9]+)"));
    QRegularExpressionMatch match;
    while ((match = reference.match(text)).hasMatch())
        text.replace(match.capturedStart(), match.capturedLength(),
                     QLatin1Char('\'') + Id(match.captured(1)) + QLatin1Char('\''));
    return text;
}

QVariantMap TstTeamStore::Resolved(QVariantMap values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString text = it.value().toString();
        if (it.value().userType() == QMetaType::QString && text.startsWith(QLatin1Char('@')))
            it.value() = Id(text.mid(1));
    }
    return values;
}

void TstTeamStore::Connect(const QString &user)
{
    auto connection = std::make_shared<TeamConnection>();
    const TeamError error =
        connection->Open(TeamTestServer::Address(m_database, user, user + QStringLiteral("-pw")));
    QVERIFY2(!error.IsError(), qPrintable(error.Message()));
    m_connections.insert(user, connection);
}

void TstTeamStore::Insert(const QString &user, TeamTable table, const QVariantMap &values)
{
    const TeamError error = TeamStore(*m_connections.value(user)).Insert(table, Resolved(values));
    QVERIFY2(!error.IsError(), qPrintable(error.Message()));
}

void TstTeamStore::initTestCase()
{
    QVERIFY2(!TeamTestServer::SocketFolder().isEmpty(), "run by CTest, with the server fixture");
    m_database = TeamTestServer::CreateDatabase(QStringLiteral("roles"));
    QVERIFY(!m_database.isEmpty());
    TeamConnection admin;
    QVERIFY(!admin.Open(TeamTestServer::Address(m_database)).IsError());
    int before = -1;
    int after = -1;
    const TeamError made = TeamSchema::Initialise(admin, &before, &after);
    QVERIFY2(!made.IsError(), qPrintable(made.Message()));
    for (const QString &user :
         {QStringLiteral("ann"), QStringLiteral("bob"), QStringLiteral("rita")}) {
        const QString role = user == QLatin1String("rita") ? QStringLiteral("reviewer")
                                                           : QStringLiteral("inspector");
        QVERIFY(!TeamRoles::AddUser(admin, user, role, user + QStringLiteral("-pw")).IsError());
        Connect(user);
    }

    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    Insert("ann", TeamTable::Jobs, {{"uuid", "@job"}, {"name", "Tank 4"}});
    Insert("ann", TeamTable::Areas, {{"uuid", "@area"}, {"job_uuid", "@job"}, {"name", "Shell"}});
    // ann's batches: one to work on, one to delete, two already marked deleted.
    for (const QString batch : {"annBatch", "doomed", "deletedA", "deletedB"}) {
        Insert(
            "ann", TeamTable::Batches,
            {{"uuid", "@" + batch}, {"area_uuid", "@area"}, {"unit_code", 0}, {"started_at", now}});
        for (int index = 0; index < 2; ++index)
            Insert("ann", TeamTable::Readings,
                   {{"batch_uuid", "@" + batch},
                    {"reading_index", index},
                    {"value", 120.5 + index},
                    {"unit_code", 0},
                    {"measured_at", now}});
    }
    for (const QString batch : {"deletedA", "deletedB"})
        QVERIFY(!TeamStore(*m_connections.value("ann"))
                     .SetDeleted(TeamTable::Batches, Id(batch), true)
                     .IsError());
    Insert("ann", TeamTable::Exclusions,
           {{"uuid", "@annExclusion"},
            {"batch_uuid", "@annBatch"},
            {"reading_index", 0},
            {"reason", "weld"}});
    Insert("bob", TeamTable::Batches,
           {{"uuid", "@bobBatch"}, {"area_uuid", "@area"}, {"unit_code", 0}, {"started_at", now}});
    Insert("bob", TeamTable::Verifications,
           {{"uuid", "@bobCheck"},
            {"gauge_serial", "G-17"},
            {"reference_value", 250.0},
            {"measured_value", 251.0},
            {"unit_code", 0},
            {"passed", true},
            {"verified_at", now}});
}

void TstTeamStore::changesByRole_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<TeamTable>("table");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<int>("expected");
    // Run by the superuser afterwards: true when the store holds what the change left.
    QTest::addColumn<QString>("afterwards");

    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const QVariantMap reading{{"batch_uuid", "@annBatch"},
                              {"reading_index", 2},
                              {"value", 98.0},
                              {"unit_code", 0},
                              {"measured_at", now}};
    const QVariantMap intoBob{{"batch_uuid", "@bobBatch"},
                              {"reading_index", 0},
                              {"value", 1.0},
                              {"unit_code", 0},
                              {"measured_at", now}};
    const QVariantMap again{{"batch_uuid", "@annBatch"},
                            {"reading_index", 0},
                            {"value", 5.0},
                            {"unit_code", 0},
                            {"measured_at", now}};
    const QVariantMap batch{
        {"uuid", "@ritaBatch"}, {"area_uuid", "@area"}, {"unit_code", 0}, {"started_at", now}};
    const QVariantMap signOff{{"uuid", "@signOff"}, {"batch_uuid", "@annBatch"}, {"note", "fine"}};
    const QVariantMap annSignOff{{"uuid", "@annSignOff"}, {"batch_uuid", "@annBatch"}};
    const QVariantMap claimedJob{{"uuid", "@claimed"}, {"name", "Pier"}, {"created_by", "bob"}};
    const QVariantMap bobExcludes{{"uuid", "@bobExclusion"},
                                  {"batch_uuid", "@annBatch"},
                                  {"reading_index", 1},
                                  {"reason", "edge"}};
    const QVariantMap annExcludes{{"uuid", "@annExclusion2"},
                                  {"batch_uuid", "@annBatch"},
                                  {"reading_index", 1},
                                  {"reason", "edge"}};
    const QVariantMap bobJudges{{"uuid", "@bobEvaluation"},
                                {"batch_uuid", "@annBatch"},
                                {"criteria", "{\"rule\": \"iso19840\", \"nominal\": 200}"},
                                {"verdict", "fail"},
                                {"evaluated_at", now}};
    QVariantMap ritaJudges = bobJudges;
    ritaJudges.insert("uuid", "@ritaEvaluation");
    const QVariantMap checked{{"notes", "checked"}};
    const QVariantMap handOver{{"created_by", "bob"}};
    const int allowed = TeamError::None;
    const int refused = TeamError::Refused;
    const QString notesUntouched = "SELECT notes = '' FROM batches WHERE uuid = @annBatch";
    const QString readingUntouched =
        "SELECT value = 120.5 FROM readings WHERE batch_uuid = @annBatch AND reading_index = 0";

    QTest::newRow("inspector adds a reading to her batch")
        << "ann" << Operation::Insert << TeamTable::Readings << "" << reading << allowed
        << "SELECT created_by = 'ann' FROM readings WHERE batch_uuid = @annBatch AND reading_index "
           "= 2";
    QTest::newRow("inspector adds a reading to another's batch")
        << "ann" << Operation::Insert << TeamTable::Readings << "" << intoBob << refused
        << "SELECT count(*) = 0 FROM readings WHERE batch_uuid = @bobBatch";
    QTest::newRow("a reading sent again changes nothing")
        << "ann" << Operation::Insert << TeamTable::Readings << "" << again << allowed
        << readingUntouched;
    QTest::newRow("reviewer adds a batch")
        << "rita" << Operation::Insert << TeamTable::Batches << "" << batch << refused
        << "SELECT count(*) = 0 FROM batches WHERE uuid = @ritaBatch";
    QTest::newRow("other inspector changes a batch")
        << "bob" << Operation::Update << TeamTable::Batches << "annBatch" << checked << refused
        << notesUntouched;
    QTest::newRow("reviewer changes a batch") << "rita" << Operation::Update << TeamTable::Batches
                                              << "annBatch" << checked << refused << notesUntouched;
    QTest::newRow("inspector changes her batch")
        << "ann" << Operation::Update << TeamTable::Batches << "annBatch" << checked << allowed
        << "SELECT b.version = 2 AND b.change < h.change AND h.created_by = 'ann' "
           "FROM batches b JOIN history h ON h.row_uuid = b.uuid "
           "WHERE b.uuid = @annBatch AND h.new_values ->> 'notes' = 'checked'";
    QTest::newRow("inspector hands her job to another")
        << "ann" << Operation::Update << TeamTable::Jobs << "job" << handOver << refused
        << "SELECT created_by = 'ann' FROM jobs WHERE uuid = @job";
    QTest::newRow("inspector changes another's verification")
        << "ann" << Operation::Update << TeamTable::Verifications << "bobCheck" << checked
        << refused << "SELECT notes = '' FROM verifications WHERE uuid = @bobCheck";
    QTest::newRow("inspector changes a batch that is not there")
        << "ann" << Operation::Update << TeamTable::Batches << "nowhere" << checked
        << int(TeamError::NotFound) << "SELECT true";
    QTest::newRow("inspector changes her reading")
        << "ann" << Operation::Statement << TeamTable::Readings << ""
        << QVariantMap{{"sql", "UPDATE readings SET value = 1 WHERE batch_uuid = @annBatch"}}
        << refused << readingUntouched;
    QTest::newRow("reviewer changes a reading")
        << "rita" << Operation::Statement << TeamTable::Readings << ""
        << QVariantMap{{"sql", "UPDATE readings SET value = 1 WHERE batch_uuid = @annBatch"}}
        << refused << readingUntouched;
    QTest::newRow("inspector deletes her reading")
        << "ann" << Operation::Statement << TeamTable::Readings << ""
        << QVariantMap{{"sql", "DELETE FROM readings WHERE batch_uuid = @annBatch"}} << refused
        << readingUntouched;
    QTest::newRow("inspector deletes her batch's row")
        << "ann" << Operation::Statement << TeamTable::Batches << ""
        << QVariantMap{{"sql", "DELETE FROM batches WHERE uuid = @doomed"}} << refused
        << "SELECT NOT deleted FROM batches WHERE uuid = @doomed";
    QTest::newRow("other inspector deletes a batch")
        << "bob" << Operation::MarkDeleted << TeamTable::Batches << "doomed" << QVariantMap()
        << refused << "SELECT NOT deleted FROM batches WHERE uuid = @doomed";
    QTest::newRow("reviewer deletes a batch")
        << "rita" << Operation::MarkDeleted << TeamTable::Batches << "doomed" << QVariantMap()
        << refused << "SELECT NOT deleted FROM batches WHERE uuid = @doomed";
    QTest::newRow("inspector deletes her batch, its readings stay")
        << "ann" << Operation::MarkDeleted << TeamTable::Batches << "doomed" << QVariantMap()
        << allowed
        << "SELECT deleted AND (SELECT count(*) = 2 FROM readings WHERE batch_uuid = @doomed) "
           "FROM batches WHERE uuid = @doomed";
    QTest::newRow("other inspector restores a batch")
        << "bob" << Operation::Restore << TeamTable::Batches << "deletedA" << QVariantMap()
        << refused << "SELECT deleted FROM batches WHERE uuid = @deletedA";
    QTest::newRow("inspector restores her batch")
        << "ann" << Operation::Restore << TeamTable::Batches << "deletedA" << QVariantMap()
        << allowed << "SELECT NOT deleted FROM batches WHERE uuid = @deletedA";
    QTest::newRow("reviewer restores a batch")
        << "rita" << Operation::Restore << TeamTable::Batches << "deletedB" << QVariantMap()
        << allowed << "SELECT NOT deleted FROM batches WHERE uuid = @deletedB";
    QTest::newRow("reviewer signs off a batch")
        << "rita" << Operation::Insert << TeamTable::SignOffs << "" << signOff << allowed
        << "SELECT created_by = 'rita' AND created_at <= now() FROM signoffs WHERE uuid = @signOff";
    QTest::newRow("inspector signs off a batch")
        << "ann" << Operation::Insert << TeamTable::SignOffs << "" << annSignOff << refused
        << "SELECT count(*) = 0 FROM signoffs WHERE uuid = @annSignOff";
    QTest::newRow("inspector claims a row is another's")
        << "ann" << Operation::Insert << TeamTable::Jobs << "" << claimedJob << allowed
        << "SELECT created_by = 'ann' FROM jobs WHERE uuid = @claimed";
    QTest::newRow("inspector excludes a reading of another's batch")
        << "bob" << Operation::Insert << TeamTable::Exclusions << "" << bobExcludes << refused
        << "SELECT count(*) = 0 FROM exclusions WHERE uuid = @bobExclusion";
    QTest::newRow("inspector excludes a reading of her batch")
        << "ann" << Operation::Insert << TeamTable::Exclusions << "" << annExcludes << allowed
        << "SELECT reason = 'edge' FROM exclusions WHERE uuid = @annExclusion2";
    QTest::newRow("reviewer withdraws an inspector's exclusion")
        << "rita" << Operation::MarkDeleted << TeamTable::Exclusions << "annExclusion"
        << QVariantMap() << refused
        << "SELECT NOT deleted FROM exclusions WHERE uuid = @annExclusion";
    QTest::newRow("inspector judges another's batch again")
        << "bob" << Operation::Insert << TeamTable::Evaluations << "" << bobJudges << allowed
        << "SELECT created_by = 'bob' AND version = 1 FROM evaluations WHERE uuid = "
           "@bobEvaluation";
    QTest::newRow("reviewer judges a batch again")
        << "rita" << Operation::Insert << TeamTable::Evaluations << "" << ritaJudges << refused
        << "SELECT count(*) = 0 FROM evaluations WHERE uuid = @ritaEvaluation";
    QTest::newRow("inspector changes another's evaluation")
        << "ann" << Operation::Update << TeamTable::Evaluations << "bobEvaluation"
        << QVariantMap{{"verdict", "pass"}} << refused
        << "SELECT verdict = 'fail' FROM evaluations WHERE uuid = @bobEvaluation";
    QTest::newRow("inspector deletes her evaluation's row")
        << "bob" << Operation::Statement << TeamTable::Evaluations << ""
        << QVariantMap{{"sql", "DELETE FROM evaluations WHERE uuid = @bobEvaluation"}} << refused
        << "SELECT NOT deleted FROM evaluations WHERE uuid = @bobEvaluation";
    QTest::newRow("inspector marks her evaluation deleted")
        << "bob" << Operation::MarkDeleted << TeamTable::Evaluations << "bobEvaluation"
        << QVariantMap() << allowed
        << "SELECT deleted AND version = 2 FROM evaluations WHERE uuid = @bobEvaluation";
}

void TstTeamStore::changesByRole()
{
    QFETCH(QString, user);
    QFETCH(Operation, operation);
    QFETCH(TeamTable, table);
    QFETCH(QString, row);
    QFETCH(QVariantMap, values);
    QFETCH(int, expected);
    QFETCH(QString, afterwards);

    const TeamConnection &connection = *m_connections.value(user);
    const TeamStore store(connection);
    TeamError error;
    switch (operation) {
    case Operation::Insert:
        error = store.Insert(table, Resolved(values));
        break;
    case Operation::Update:
        error = store.Update(table, Id(row), values);
        break;
    case Operation::MarkDeleted:
    case Operation::Restore:
        error = store.SetDeleted(table, Id(row), operation == Operation::MarkDeleted);
        break;
    case Operation::Statement:
        error = connection.Run(Resolved(values.value("sql").toString()));
        break;
    }
    QVERIFY2(error.GetKind() == expected, qPrintable(error.Message()));
    if (error.IsError())
        QVERIFY2(error.Message().contains(error.Detail()) && !error.Detail().isEmpty(),
                 qPrintable(error.Message()));
    QCOMPARE(TeamTestServer::Value(m_database, Resolved(afterwards)).toBool(), true);
}

// The server ends the connection under the program: the next statement is told as a lost
// connection, and a new connection does the work.
void TstTeamStore::droppedConnection()
{
    TeamConnection connection;
    QVERIFY(!connection.Open(TeamTestServer::Address(m_database, "bob", "bob-pw")).IsError());
    const QVariantMap job{{"uuid", Id("afterDrop")}, {"name", "Silo"}};
    QVERIFY(TeamTestServer::Value(m_database, "SELECT bool_and(pg_terminate_backend(pid)) FROM "
                                              "pg_stat_activity WHERE usename = 'bob'")
                .toBool());
    const TeamError lost = TeamStore(connection).Insert(TeamTable::Jobs, job);
    QVERIFY2(lost.GetKind() == TeamError::ConnectionLost, qPrintable(lost.Message()));
    QVERIFY(!connection.Open(TeamTestServer::Address(m_database, "bob", "bob-pw")).IsError());
    QVERIFY(!TeamStore(connection).Insert(TeamTable::Jobs, job).IsError());
    QCOMPARE(TeamTestServer::Value(m_database, Resolved("SELECT created_by FROM jobs WHERE uuid = "
                                                        "@afterDrop"))
                 .toString(),
             QStringLiteral("bob"));
}

// A statement longer than the connection's limit is given up on, except in an administrator's
// long work (a migration), after which the limit holds again.
void TstTeamStore::longWorkUnlimited()
{
    TeamServerAddress address = TeamTestServer::Address(m_database);
    address.answerTimeout = 1;
    TeamConnection connection;
    QVERIFY(!connection.Open(address).IsError());
    const TeamError unlimited =
        connection.Unlimited([&]() { return connection.Run("SELECT pg_sleep(2.2)"); });
    QVERIFY2(!unlimited.IsError(), qPrintable(unlimited.Message()));
    const TeamError limited = connection.Run("SELECT pg_sleep(1.5)");
    QVERIFY2(limited.GetKind() == TeamError::TimedOut, qPrintable(limited.Message()));
}

QTEST_GUILESS_MAIN(TstTeamStore)
#include "TstTeamStore.moc"
