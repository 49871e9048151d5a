#include "CliProcess.h"
#include "GaugeLogFrames.h"
#include "GaugeSimThread.h"
#include "HandFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace HandFiles;

namespace {
// 90, 100, 110, 100, 100, 130 um: one spot each makes one area of mean 100 and a spot
// pending; two each make spots 95, 105, 115 and no area.
const QByteArray Spots = SessionHeader + SessionRow(1, "90,90.0,um,ok") +
                         SessionRow(2, "100,100,um,ok") + SessionRow(3, "110,110,um,ok") +
                         SessionRow(4, "100,100,um,ok") + SessionRow(5, "100,100,um,ok") +
                         SessionRow(6, "130,130,um,ok");

// Readings (the value column) 112, 125, 129, 131, 128 um: 625, a mean of exactly 125; 112 is
// the one reading (20 %) below a nominal of 125, all above 80 % of it.
const QByteArray AtNominal = SessionHeader + SessionRow(1, "112.3,112,um,ok") +
                             SessionRow(2, "125.1,125,um,ok") + SessionRow(3, "129.2,129,um,ok") +
                             SessionRow(4, "130.6,131,um,ok") + SessionRow(5, "127.8,128,um,ok");

// Every field of every line in double quotes, as RFC 4180 allows.
QByteArray EveryFieldQuoted(const QByteArray &csv)
{
    QByteArray quoted;
    for (QByteArray line : csv.split('\n')) {
        if (line.isEmpty())
            continue;
        const bool crLf = line.endsWith('\r');
        if (crLf)
            line.chop(1);
        quoted += '"' + line.split(',').join("\",\"") + '"' + (crLf ? "\r\n" : "\n");
    }
    return quoted;
}

QJsonObject JsonOf(const QByteArray &out)
{
    return QJsonDocument::fromJson(out).object();
}

QVector<double> Numbers(const QJsonValue &array)
{
    QVector<double> numbers;
    for (const QJsonValue &value : array.toArray())
        numbers.append(value.toDouble());
    return numbers;
}
} // namespace

// Figures and verdicts of CSV files through the built program, against hand-worked figures.
class TstStatsCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    CliProcess Stats(const QByteArray &content, const QStringList &options)
    {
        return CliProcess::Run(QStringList{"stats", Write(m_dir, content)} + options);
    }

private slots:
    void initTestCase()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        QVERIFY(m_dir.isValid());
    }

    void figures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("overflows");
        QTest::addColumn<QVector<double>>("figures"); // mean, sd, min, max, range, cov
        QTest::addColumn<QString>("unit");
        QTest::newRow("session") << Session << QStringList() << 4 << 1
                                 << QVector<double>{105, 10.519823, 96, 120, 24, 10.018879} << "um";
        QTest::newRow("session, every field quoted")
            << EveryFieldQuoted(Session) << QStringList() << 4 << 1
            << QVector<double>{105, 10.519823, 96, 120, 24, 10.018879} << "um";
        QTest::newRow("download group 1, every field quoted")
            << EveryFieldQuoted(Download) << QStringList{"--group", "1"} << 3 << 0
            << QVector<double>{3, 1, 2, 4, 2, 33.333333} << "mils";
        QTest::newRow("download group 1") << Download << QStringList{"--group", "1"} << 3 << 0
                                          << QVector<double>{3, 1, 2, 4, 2, 33.333333} << "mils";
        QTest::newRow("download group 2: nan is an overflow")
            << Download << QStringList{"--group", "2"} << 1 << 1
            << QVector<double>{124, 0, 124, 124, 0, 0} << "um";
        QTest::newRow("download group 0: no unit")
            << Download << QStringList{"--group", "0"} << 0 << 1 << QVector<double>() << "";
    }
    void figures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(int, count);
        QFETCH(int, overflows);
        QFETCH(QVector<double>, figures);
        QFETCH(QString, unit);
        const CliProcess run = Stats(content, options << "--json");
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = JsonOf(run.out);
        QCOMPARE(json.value("count").toInt(-1), count);
        QCOMPARE(json.value("overflows").toInt(-1), overflows);
        QCOMPARE(json.value("unit").toString(), unit);
        const QStringList names = {"mean", "sd", "min", "max", "range", "cov"};
        for (int i = 0; i < names.size(); ++i) {
            const QJsonValue value = json.value(names[i]);
            if (figures.isEmpty())
                QVERIFY2(value.isNull(), qPrintable(names[i]));
            else
                QVERIFY2(qAbs(value.toDouble(-1) - figures[i]) < 1e-6, qPrintable(names[i]));
        }
    }

    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QStringList>("reasons");
        QTest::newRow("no rule") << Session << QStringList() << 0 << "none" << QStringList();
        QTest::newRow("iso: 96 of 4 under the nominal is 25 %")
            << Session << QStringList{"--rule", "iso19840", "--nominal", "100"} << 1 << "fail"
            << QStringList{"1 of 4 readings (25.0 %) from 80 % up to below the nominal 100 um; at "
                           "most 20 % are allowed"};
        QTest::newRow("iso passes at 96")
            << Session << QStringList{"--rule", "iso19840", "--nominal", "96"} << 0 << "pass"
            << QStringList();
        QTest::newRow("iso above the maximum")
            << Session << QStringList{"--rule", "iso19840", "--nominal", "96", "--max", "110"} << 1
            << "fail" << QStringList{"1 of 4 readings (25.0 %) above the maximum 110 um"};
        QTest::newRow("pspc: 3 of 4 at the nominal")
            << Session << QStringList{"--rule", "pspc", "--nominal", "100"} << 1 << "fail"
            << QStringList{"3 of 4 readings (75.0 %) at or above the nominal 100 um; at least 90 % "
                           "are required"};
        QTest::newRow("iso: mean exactly on the nominal")
            << AtNominal << QStringList{"--rule", "iso19840", "--nominal", "125"} << 0 << "pass"
            << QStringList();
        QTest::newRow("iso: a nominal above that mean")
            << AtNominal << QStringList{"--rule", "iso19840", "--nominal", "125.01"} << 1 << "fail"
            << QStringList{"mean 125.0 um below the nominal 125.01 um",
                           "2 of 5 readings (40.0 %) from 80 % up to below the nominal 125.01 "
                           "um; at most 20 % are allowed"};
        QTest::newRow("limits in mils")
            << Download << QStringList{"--group", "1", "--rule", "pspc", "--nominal", "2"} << 0
            << "pass" << QStringList();
        QTest::newRow("no reading with a value")
            << Download << QStringList{"--group", "0", "--rule", "iso19840", "--nominal", "2"} << 0
            << "incomplete" << QStringList();
    }
    void verdicts()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, verdict);
        QFETCH(QStringList, reasons);
        const CliProcess json = Stats(content, options + QStringList{"--json"});
        QCOMPARE(json.exitCode, exitCode);
        QCOMPARE(JsonOf(json.out).value("verdict").toString(), verdict);
        QCOMPARE(JsonOf(json.out).value("reasons").toVariant().toStringList(), reasons);
        const CliProcess text = Stats(content, options);
        QCOMPARE(text.exitCode, exitCode);
        QVERIFY(text.out.contains("verdict    " + verdict.toUtf8() + '\n'));
        // The text is read by people, the JSON by programs, which read the unit as files spell it.
        for (QString reason : reasons)
            QVERIFY(text.out.contains(
                reason.replace(QStringLiteral(" um"), QStringLiteral(" µm")).toUtf8()));
    }

    void textHasTheUnitsDecimals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("figures");
        QTest::newRow("um") << Session << QStringList()
                            << QByteArray("count      4\noverflows  1\nunit       µm\n"
                                          "mean       105.0\nsd         10.52\nmin        96.0\n"
                                          "max        120\nrange      24.0\ncov        10.0 %\n");
        QTest::newRow("mils") << Download << QStringList{"--group", "1"}
                              << QByteArray("count      3\noverflows  0\nunit       mils\n"
                                            "mean       3.0000\nsd         1.0000\n"
                                            "min        2.000\nmax        4.000\n"
                                            "range      2.000\ncov        33.3 %\n");
    }
    void textHasTheUnitsDecimals()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, figures);
        const CliProcess run = Stats(content, options);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(figures), run.out.constData());
    }

    void spotsAndAreas_data()
    {
        QTest::addColumn<QString>("spotSize");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QVector<double>>("spots");
        QTest::addColumn<QVector<double>>("areas");
        QTest::newRow("one reading a spot")
            << "1"
            << "pass" << QVector<double>{90, 100, 110, 100, 100, 130} << QVector<double>{100};
        QTest::newRow("two a spot: no area yet")
            << "2"
            << "incomplete" << QVector<double>{95, 105, 115} << QVector<double>();
    }
    void spotsAndAreas()
    {
        QFETCH(QString, spotSize);
        QFETCH(QString, verdict);
        QFETCH(QVector<double>, spots);
        QFETCH(QVector<double>, areas);
        const CliProcess run = Stats(Spots, {"--rule", "pa2", "--min", "80", "--max", "120",
                                             "--spot-size", spotSize, "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = JsonOf(run.out);
        QCOMPARE(json.value("verdict").toString(), verdict);
        QCOMPARE(Numbers(json.value("spots")), spots);
        QCOMPARE(Numbers(json.value("areas")), areas);
    }

    void badFilesNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        const QByteArray ok = SessionRow(1, "100,100,um,ok");
        QTest::newRow("empty") << QByteArray() << QStringList() << "line 1: the file is empty";
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + SessionHeader + ok << QStringList()
                                         << "line 1: the file begins with a byte order mark";
        QTest::newRow("header") << "index,time,value\r\n" + ok << QStringList()
                                << "line 1: the header is not";
        QTest::newRow("fields") << SessionHeader + ok + "2,2026-12-09T14:03:07.412+01:00,1,1,um\r\n"
                                << QStringList() << "line 3: 5 fields where 6 belong";
        QTest::newRow("number") << SessionHeader + SessionRow(1, "1x,100,um,ok") << QStringList()
                                << "line 2: the micrometres '1x' is not a number";
        QTest::newRow("unit") << SessionHeader + SessionRow(1, "100,100,inch,ok") << QStringList()
                              << "line 2: the unit 'inch' is not um, mils or mm";
        QTest::newRow("line ends mixed") << SessionHeader + ok + ok.chopped(2) + "\n" + ok
                                         << QStringList() << "line 3: the line ends in LF";
        QTest::newRow("carriage return") << SessionHeader + ok.chopped(2) + "\r" + ok
                                         << QStringList() << "line 2: a carriage return";
        QTest::newRow("torn last line") << SessionHeader + ok + ok.left(ok.size() - 3)
                                        << QStringList() << "line 3: the status 'o' is not ok";
        QTest::newRow("empty line")
            << SessionHeader + ok + "\r\n" + ok << QStringList() << "line 3: the line is empty";
        QTest::newRow("download value") << DownloadHeader + "1,1,50.8,2.0.0,mils\r\n"
                                        << QStringList() << "line 2: the value '2.0.0'";
        QTest::newRow("download group") << DownloadHeader + "-1,1,50.8,2.000,mils\r\n"
                                        << QStringList() << "line 2: the group '-1'";
        QTest::newRow("units mixed") << Download << QStringList()
                                     << "line 6: a reading in um among readings in mils; choose "
                                        "one group with --group";
    }
    void badFilesNameTheLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        const QString path = Write(m_dir, content);
        const CliProcess run = CliProcess::Run(QStringList{"stats", path} + options);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains((path + ", " + message).toUtf8()), run.err.constData());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString session = QStringLiteral("session.csv");
        QTest::newRow("no file") << QStringList{"stats"} << "stats: missing FILE";
        QTest::newRow("two files")
            << QStringList{"stats", session, session} << "unexpected argument 'session.csv'";
        QTest::newRow("missing file")
            << QStringList{"stats", "no-such.csv"} << "cannot read no-such.csv";
        QTest::newRow("unknown option")
            << QStringList{"stats", session, "--mean"} << "Unknown option 'mean'";
        QTest::newRow("rule") << QStringList{"stats", session, "--rule", "iso"}
                              << "unknown rule 'iso'";
        QTest::newRow("not a number") << QStringList{"stats", session, "--nominal", "1O0"}
                                      << "--nominal '1O0' is not a number";
        QTest::newRow("rule without nominal") << QStringList{"stats", session, "--rule", "pspc"}
                                              << "The rule needs a nominal thickness.";
        QTest::newRow("spot limits")
            << QStringList{"stats", session, "--rule",     "pa2", "--min",       "80",
                           "--max", "120",   "--spot-low", "130", "--spot-high", "120"}
            << "The spot limits do not fit together.";
        QTest::newRow("group of a session") << QStringList{"stats", session, "--group", "1"}
                                            << "is a session file: it has no memory groups";
        QTest::newRow("group absent")
            << QStringList{"stats", "download.csv", "--group", "4"} << "no reading of group 4";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QVERIFY(!Write(m_dir, Session, "session.csv").isEmpty());
        QVERIFY(!Write(m_dir, Download, "download.csv").isEmpty());
        QProcess process;
        CliProcess::Prepare(process);
        process.setWorkingDirectory(m_dir.path());
        process.start(CliProcess::Program(), arguments);
        const CliProcess run = CliProcess::Finish(process);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    }

    // What the program itself wrote from the simulated gauge reads back to the same figures.
    void readsWhatTheGaugeGave()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        gauge->SetPeriodMs(20);
        gauge->SetOverflowEvery(0);
        gauge->SetValues({96.0f, 104.0f, 100.0f, 120.0f});
        gauge->SetLogFrames({LogFrame(0, {}), LogFrame(1, {50.8f, 76.2f, 101.6f}), LogFrame(0, {}),
                             LogFrame(0, {}), LogFrame(0, {})});
        const QString download = m_dir.filePath("memory.csv");
        const QString port = gauge->PortName();
        QCOMPARE(
            CliProcess::Run({"download", "--port", port, "--format", "csv", "--output", download})
                .exitCode,
            0);
        // The live readings piped in; any four in a row are the four values.
        QProcess stream, stats;
        CliProcess::Prepare(stream);
        CliProcess::Prepare(stats);
        stream.setStandardOutputProcess(&stats);
        stream.start(CliProcess::Program(), {"stream", "--port", port, "--count", "4"});
        stats.start(CliProcess::Program(),
                    {"stats", "-", "--rule", "iso19840", "--nominal", "100", "--json"});
        QCOMPARE(CliProcess::Finish(stream).exitCode, 0);
        const CliProcess streamed = CliProcess::Finish(stats);
        QCOMPARE(streamed.exitCode, 1);
        QCOMPARE(JsonOf(streamed.out).value("count").toInt(), 4);
        QVERIFY(qAbs(JsonOf(streamed.out).value("sd").toDouble() - 10.519823) < 1e-6);
        const CliProcess downloaded = CliProcess::Run({"stats", download, "--json"});
        QCOMPARE(downloaded.exitCode, 0);
        QCOMPARE(JsonOf(downloaded.out).value("mean").toDouble(), 3.0);
        QCOMPARE(JsonOf(downloaded.out).value("unit").toString(), QStringLiteral("mils"));
    }
};

QTEST_GUILESS_MAIN(TstStatsCommand)
#include "TstStatsCommand.moc"
