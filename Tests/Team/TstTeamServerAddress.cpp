#include "TeamServerAddress.h"

#include <QtTest>

// libpq connection URIs into the parts Qt's driver takes, and back into the URI shown.
class TstTeamServerAddress : public QObject
{
    Q_OBJECT

private slots:
    void fromUri_data();
    void fromUri();
};

void TstTeamServerAddress::fromUri_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QStringList>("parts"); // host, port, database, user, password, sslmode
    QTest::addColumn<QString>("problem");   // what the refusal says; empty: taken
    QTest::addColumn<QString>("shown");

    QTest::newRow("socket folder")
        << "postgresql://ann@/varnolithic?host=/run/postgresql"
        << QStringList{"/run/postgresql", "0", "varnolithic", "ann", "", "prefer"} << ""
        << "postgresql://ann@/varnolithic?host=/run/postgresql";
    QTest::newRow("host, port, TLS")
        << "postgres://bob@db.example.org:5433/team?sslmode=verify-full"
        << QStringList{"db.example.org", "5433", "team", "bob", "", "verify-full"} << ""
        << "postgresql://bob@db.example.org:5433/team";
    QTest::newRow("encoded user, IPv6 host, password")
        << "postgresql://j%C3%BCrgen:s%40cret@[::1]/qa"
        << QStringList{"::1", "0", "qa", QString::fromUtf8("jürgen"), "s@cret", "prefer"} << ""
        << "postgresql://j%C3%BCrgen@[::1]/qa";
    QTest::newRow("parameters instead of the authority")
        << "postgresql:///?dbname=qa&user=ann&port=6000&host=/tmp/pg"
        << QStringList{"/tmp/pg", "6000", "qa", "ann", "", "prefer"} << ""
        << "postgresql://ann@:6000/qa?host=/tmp/pg";
    QTest::newRow("another scheme") << "mysql://ann@db/qa" << QStringList() << "postgresql://"
                                    << "";
    QTest::newRow("two servers") << "postgresql://a,b/qa" << QStringList() << "one server only"
                                 << "";
    QTest::newRow("bad TLS mode") << "postgresql://db/qa?sslmode=maybe" << QStringList()
                                  << "'maybe' is no TLS mode"
                                  << "";
    QTest::newRow("bad port") << "postgresql:///qa?port=99999" << QStringList()
                              << "the port is not a number"
                              << "";
    QTest::newRow("unknown parameter")
        << "postgresql://db/qa?options=-c%20x%3D1" << QStringList() << "the parameter 'options'"
        << "";
    QTest::newRow("refused, the password not told")
        << "postgresql://ann:s3cret@db/qa?sslmode=on" << QStringList()
        << "'postgresql://ann:***@db/qa?sslmode=on' is no server URI"
        << "";
}

void TstTeamServerAddress::fromUri()
{
    QFETCH(QString, uri);
    QFETCH(QStringList, parts);
    QFETCH(QString, problem);
    QFETCH(QString, shown);

    QString refusal;
    const TeamServerAddress address = TeamServerAddress::FromUri(uri, &refusal);
    QVERIFY2(problem.isEmpty() ? refusal.isEmpty() : refusal.contains(problem),
             qPrintable(refusal));
    if (!problem.isEmpty()) {
        QVERIFY(address.IsEmpty());
        return;
    }
    QCOMPARE(QStringList({address.host, QString::number(address.port), address.database,
                          address.user, address.password, address.sslMode}),
             parts);
    QCOMPARE(address.DisplayUri(), shown);
    QVERIFY(address.ConnectOptions().startsWith("sslmode=" + address.sslMode + ";"));
}

QTEST_GUILESS_MAIN(TstTeamServerAddress)
#include "TstTeamServerAddress.moc"
