#include "CliProcess.h"
#include "GaugeSimThread.h"
#include "PortsCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace {
using Row = PortsCommand::Row;
using Rows = QList<Row>;

QList<QByteArray> Lines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

Q_DECLARE_METATYPE(Rows)

class TstPortsCommand : public QObject
{
    Q_OBJECT
private slots:
    void formatsRows_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("json");

        QTest::newRow("none") << Rows() << QByteArray() << QByteArray("[]\n");
        QTest::newRow("adapter, zero-padded lower-case hex")
            << Rows{{"ttyUSB0", 0x1A86, 0x7523, true}} << QByteArray("ttyUSB0\t1a86:7523\tgauge\n")
            << QByteArray("[{\"gauge\":true,\"name\":\"ttyUSB0\",\"pid\":\"7523\","
                          "\"vid\":\"1a86\"}]\n");
        QTest::newRow("small identifiers")
            << Rows{{"ttyACM1", 0x0483, 0x00A0, false}} << QByteArray("ttyACM1\t0483:00a0\tother\n")
            << QByteArray("[{\"gauge\":false,\"name\":\"ttyACM1\",\"pid\":\"00a0\","
                          "\"vid\":\"0483\"}]\n");
        QTest::newRow("no USB identifiers, odd name")
            << Rows{{"ttyS0", 0, 0, false}, {"/tmp/my \"gauge\"", 0, 0, true}}
            << QByteArray("ttyS0\t-\tother\n/tmp/my \"gauge\"\t-\tgauge\n")
            << QByteArray("[{\"gauge\":false,\"name\":\"ttyS0\",\"pid\":null,\"vid\":null},"
                          "{\"gauge\":true,\"name\":\"/tmp/my \\\"gauge\\\"\",\"pid\":null,"
                          "\"vid\":null}]\n");
    }
    void formatsRows()
    {
        QFETCH(Rows, rows);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, json);
        QCOMPARE(PortsCommand::Text(rows), text);
        QCOMPARE(PortsCommand::Json(rows), json);
    }

    void userNamedPortsCountAsTheGaugesInNameOrder()
    {
        const QList<MonitorSerial::Port> ports = {MonitorSerial::Port::UserNamed("/tmp/zz"),
                                                  MonitorSerial::Port::UserNamed("/tmp/aa")};
        const Rows rows = PortsCommand::Rows(ports);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).name, QStringLiteral("/tmp/aa"));
        QCOMPARE(rows.at(1).name, QStringLiteral("/tmp/zz"));
        QVERIFY(rows.at(0).gauge && rows.at(1).gauge);
    }

    // The machine's own ports may be any; the simulated gauge's terminal is always there.
    void listsThePortsOfTheMachine()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        const QString name = gauge->PortName();

        const CliProcess text = CliProcess::Run({"ports", "--port", name});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.err.isEmpty(), text.err.constData());
        const QRegularExpression form(QStringLiteral("^\\S+\\t([0-9a-f]{4}:[0-9a-f]{4}|-)\\t"
                                                     "(gauge|other)$"));
        const QList<QByteArray> lines = Lines(text.out);
        for (const QByteArray &line : lines)
            QVERIFY2(form.match(QString::fromUtf8(line)).hasMatch(), line.constData());
        QVERIFY2(lines.contains(name.toUtf8() + "\t-\tgauge"), text.out.constData());

        const CliProcess json = CliProcess::Run({"ports", "--json", "--port", name});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(document.isArray());
        QCOMPARE(document.array().size(), lines.size());
        const QJsonObject simulated{
            {"name", name}, {"vid", QJsonValue::Null}, {"pid", QJsonValue::Null}, {"gauge", true}};
        QVERIFY2(document.array().contains(simulated), json.out.constData());
    }
};

QTEST_GUILESS_MAIN(TstPortsCommand)
#include "TstPortsCommand.moc"
