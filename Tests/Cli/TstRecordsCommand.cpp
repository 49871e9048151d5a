#include "CliProcess.h"
#include "GaugeSimThread.h"
#include "RecordStore.h"
#include "SessionCsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// The records through the built program: streams recorded as batches, listed, shown and
// taken in, against the simulated gauge.
class TstRecordsCommand : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<GaugeSimThread> m_gauge;
    QScopedPointer<QTemporaryDir> m_dir;

    QString Store() const { return m_dir->filePath(QStringLiteral("records.sqlite")); }

    QJsonArray List(const QStringList &filters)
    {
        const CliProcess run =
            CliProcess::Run(QStringList{"records", "list", "--json", "--store", Store()} + filters);
        [&] { QCOMPARE(run.exitCode, 0); }();
        return QJsonDocument::fromJson(run.out).array();
    }

private slots:
    void init()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        m_dir.reset(new QTemporaryDir);
        m_gauge.reset(new GaugeSimThread);
        QVERIFY(m_gauge->IsOpen());
        m_gauge->Sim()->SetValues({120.0f, 80.0f, 130.0f});
        m_gauge->Sim()->SetOverflowEvery(0);
        m_gauge->Sim()->SetPeriodMs(20);
    }
    void cleanup()
    {
        m_gauge.reset();
        m_dir.reset();
    }

    // A stream killed at any moment has committed every reading it printed; its batch is in the
    // job and area named, and shows its readings with what was excluded and why.
    void streamIsRecordedBeforeItIsPrinted()
    {
        QProcess stream;
        CliProcess::Prepare(stream);
        stream.start(CliProcess::Program(),
                     {"stream", "--port", m_gauge->Sim()->PortName(), "--job", "Hull 7", "--area",
                      "Deck", "--store", Store()});
        QByteArray printed;
        QTRY_VERIFY_WITH_TIMEOUT((printed += stream.readAllStandardOutput()).count('\n') >= 8,
                                 10000);
        stream.kill();
        QVERIFY(stream.waitForFinished(5000));
        printed += stream.readAllStandardOutput();
        QList<QByteArray> lines = printed.split('\n');
        lines.removeFirst(); // the header
        lines.removeLast();  // a torn or empty last piece

        const QJsonArray batches = List({"--job", "Hull 7", "--area", "Deck"});
        QCOMPARE(batches.size(), 1);
        const QJsonObject listed = batches.at(0).toObject();
        QCOMPARE(listed.value("job").toString(), QStringLiteral("Hull 7"));
        QCOMPARE(listed.value("criteria").toObject().value("rule").toString(),
                 QStringLiteral("none"));
        const QString id = listed.value("id").toString();
        QCOMPARE(id, id.toLower());
        QVERIFY(!id.startsWith('{'));

        {
            RecordStore store;
            QVERIFY(store.Open(Store()));
            QVERIFY(store.ExcludeReading(id, 2, QStringLiteral("on a weld")));
        }
        const CliProcess show =
            CliProcess::Run({"records", "show", id.toUpper(), "--json", "--store", Store()});
        QCOMPARE(show.exitCode, 0);
        const QJsonObject batch = QJsonDocument::fromJson(show.out).object();
        const QJsonArray readings = batch.value("readings").toArray();
        QVERIFY2(
            readings.size() >= lines.size(),
            qPrintable(QString("%1 stored, %2 printed").arg(readings.size()).arg(lines.size())));
        for (int i = 0; i < lines.size(); ++i) {
            const LiveRecord printedRecord = *SessionCsv::ParseLine(lines.at(i).trimmed());
            const QJsonObject reading = readings.at(i).toObject();
            QCOMPARE(reading.value("index").toInt(), int(printedRecord.index));
            QCOMPARE(reading.value("time").toString(), SessionCsv::TimeText(printedRecord.arrival));
            QCOMPARE(reading.value("value").toString(), printedRecord.valueText);
            QCOMPARE(reading.value("unit").toString(), QStringLiteral("um"));
            QCOMPARE(reading.value("status").toString(), QStringLiteral("ok"));
            QCOMPARE(reading.value("excluded").toBool(), i == 1);
            QCOMPARE(reading.value("reason").toString(),
                     i == 1 ? QStringLiteral("on a weld") : QString());
        }
        QCOMPARE(batch.value("count").toInt(), readings.size() - 1);
        QCOMPARE(List({"--verdict", "none", "--text", "hull deck"}).size(), 1);
        QCOMPARE(List({"--verdict", "fail"}).size(), 0);
        QCOMPARE(List({"--since", "2000-01-01", "--until", "2000-12-31"}).size(), 0);
    }

    // Session files are taken in once; a count ends the stream with its batch recorded, and
    // --no-store records none.
    void importOnceAndNoStore()
    {
        const QString file = m_dir->filePath(QStringLiteral("Session_20261209_100000.csv"));
        const CliProcess stream =
            CliProcess::Run({"stream", "--port", m_gauge->Sim()->PortName(), "--count", "5",
                             "--output", file, "--store", Store()});
        QCOMPARE(stream.exitCode, 0);
        QCOMPARE(List({}).size(), 1);
        QCOMPARE(List({}).at(0).toObject().value("count").toInt(), 5);

        const QString other = m_dir->filePath(QStringLiteral("other.sqlite"));
        const QStringList import{"records", "import", file, "--store", other};
        CliProcess run = CliProcess::Run(import);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), QByteArray("1 batches made, 5 readings added"));
        run = CliProcess::Run(import + QStringList{file});
        QCOMPARE(run.out.trimmed(), QByteArray("0 batches made, 0 readings added"));
        // The file of a run the store recorded live adds nothing to it either.
        run = CliProcess::Run({"records", "import", file, "--store", Store()});
        QCOMPARE(run.out.trimmed(), QByteArray("0 batches made, 0 readings added"));

        QCOMPARE(CliProcess::Run({"stream", "--port", m_gauge->Sim()->PortName(), "--count", "2",
                                  "--no-store", "--store", Store()})
                     .exitCode,
                 0);
        QCOMPARE(List({}).size(), 1);
    }

    // A job goes out as an exchange file and a workbook; the exchange file comes into another
    // records file whole and, told from a session file by its content, once; a damaged one is
    // refused with status 2, naming it.
    void exportAndImportJob()
    {
        const QString file = m_dir->filePath(QStringLiteral("Session_20261209_110000.csv"));
        QCOMPARE(CliProcess::Run({"stream", "--port", m_gauge->Sim()->PortName(), "--count", "4",
                                  "--job", "Tank 3", "--area", "Wall", "--output", file, "--store",
                                  Store()})
                     .exitCode,
                 0);
        const QString exchange = m_dir->filePath(QStringLiteral("tank3.zip"));
        const QString workbook = m_dir->filePath(QStringLiteral("tank3.xlsx"));
        for (const auto &[format, output] :
             {std::make_pair("exchange", exchange), std::make_pair("xlsx", workbook)}) {
            const CliProcess run =
                CliProcess::Run({"records", "export", "--job", "Tank 3", "--format", format,
                                 "--output", output, "--store", Store()});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out.trimmed(),
                     QStringLiteral("1 batches, 4 readings written to %1").arg(output).toUtf8());
        }
        QCOMPARE(CliProcess::Run({"records", "export", "--job", "Tank 9", "--format", "xlsx",
                                  "--output", workbook, "--store", Store()})
                     .exitCode,
                 2);

        const QString other = m_dir->filePath(QStringLiteral("other.sqlite"));
        const QStringList import{"records", "import", exchange, file, "--store", other};
        CliProcess run = CliProcess::Run(import);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.out,
            QByteArray("job Tank 3: 3 items added, 4 readings added, 0 changes recorded in the "
                       "history\n0 batches made, 0 readings added\n"));
        QCOMPARE(CliProcess::Run({"records", "list", "--json", "--store", other}).out,
                 CliProcess::Run({"records", "list", "--json", "--store", Store()}).out);
        run = CliProcess::Run(import.mid(0, 3) + QStringList{"--store", other});
        QCOMPARE(run.out.trimmed(), QByteArray("job Tank 3: 0 items added, 0 readings added, 0 "
                                               "changes recorded in the history"));

        QFile cut(exchange);
        QVERIFY(cut.open(QIODevice::ReadWrite));
        QVERIFY(cut.resize(cut.size() - 30));
        cut.close();
        run = CliProcess::Run(import.mid(0, 3) + QStringList{"--store", other});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(exchange.toUtf8() + " is not a complete zip archive"));
    }

    // A records file that cannot be used ends every command that needs it with status 4, before
    // the gauge is streamed from.
    void unusableStoreIsStatusFour_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("list") << QStringList{"records", "list"};
        QTest::newRow("show") << QStringList{"records", "show", "x"};
        QTest::newRow("export") << QStringList{"records",  "export", "--job",    "x",
                                               "--format", "xlsx",   "--output", "/tmp/never.xlsx"};
        QTest::newRow("stream") << QStringList{"stream", "--count", "1", "--port"};
    }

    void unusableStoreIsStatusFour()
    {
        QFETCH(QStringList, arguments);
        QFile damaged(Store());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        if (arguments.last() == QLatin1String("--port"))
            arguments << m_gauge->Sim()->PortName();
        const CliProcess run = CliProcess::Run(arguments + QStringList{"--store", Store()});
        QCOMPARE(run.exitCode, 4);
        QVERIFY(run.err.contains(Store().toUtf8()));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstRecordsCommand)
#include "TstRecordsCommand.moc"
