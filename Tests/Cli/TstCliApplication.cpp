#include "CliProcess.h"
#include "Version.h"

#include <QtTest>

// The command dispatch and the options of every command, through the built program.
class TstCliApplication : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
    }

    void printsHelp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QStringList>("mentions");

        const QString program = QStringLiteral("Usage: varnolithic-cli COMMAND [options]\n");
        const QStringList commands = {"  ports ",     "  download ", "  stream ",
                                      "  stats ",     "  report ",   "  records ",
                                      "Exit status:", "  4  store",  "  5  server"};
        QTest::newRow("--help") << QStringList{"--help"} << program << commands;
        QTest::newRow("-h") << QStringList{"-h"} << program << commands;
        QTest::newRow("--version")
            << QStringList{"--version"}
            << QStringLiteral("varnolithic-cli " VARNOLITHIC_VERSION "\n") << QStringList();
        QTest::newRow("ports") << QStringList{"ports", "--help"}
                               << "Usage: varnolithic-cli ports [--json] [--port NAME]...\n"
                               << QStringList{"  --json ", "  --port NAME ", "  -h, --help "};
        const QString download =
            QStringLiteral("Usage: varnolithic-cli download --port NAME [--format txt|csv|json] "
                           "[--output FILE]\n");
        const QStringList downloadOptions = {"  --port NAME ", "  --format FORMAT ",
                                             "  --output FILE ", "  -h, --help "};
        QTest::newRow("download") << QStringList{"download", "--help"} << download
                                  << downloadOptions;
        QTest::newRow("stream") << QStringList{"stream", "--help"}
                                << "Usage: varnolithic-cli stream --port NAME [--count N] "
                                   "[--seconds S] [--output FILE] [--job NAME --area NAME | "
                                   "--no-store]\n"
                                << QStringList{"  --count N ", "  --seconds S ", "SIGTERM",
                                               "SIGHUP", "  --store FILE "};
        QTest::newRow("download, -h among other options")
            << QStringList{"download", "--port", "nowhere", "-h"} << download << downloadOptions;
    }
    void printsHelp()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, usage);
        QFETCH(QStringList, mentions);
        const CliProcess run = CliProcess::Run(arguments);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(run.exitCode, 0);
        const QString help = QString::fromUtf8(run.out);
        QVERIFY2(help.startsWith(usage), qPrintable(help));
        for (const QString &mention : mentions)
            QVERIFY2(help.contains(mention), qPrintable(mention));
    }

    void rejectsBadCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        QTest::newRow("no command") << QStringList() << "varnolithic-cli: no command given\n";
        QTest::newRow("unknown command") << QStringList{"calibrate", "--port", "x"}
                                         << "varnolithic-cli: unknown command 'calibrate'\n";
        QTest::newRow("option before the command")
            << QStringList{"--json", "ports"} << "varnolithic-cli: unknown option '--json'\n";
        QTest::newRow("unknown option") << QStringList{"ports", "--colour"}
                                        << "varnolithic-cli: ports: Unknown option 'colour'.";
        QTest::newRow("value for a switch")
            << QStringList{"ports", "--json=yes"} << "ports: Unexpected value after '--json'.";
        QTest::newRow("stray argument")
            << QStringList{"ports", "all"} << "ports: unexpected argument 'all'";
        QTest::newRow("port missing")
            << QStringList{"download", "--format", "csv"} << "download: missing --port NAME";
        QTest::newRow("port without its name")
            << QStringList{"download", "--port"} << "download: Missing value after '--port'.";
        QTest::newRow("bad format")
            << QStringList{"download", "--port", "nowhere", "--format", "xml"}
            << "download: unknown format 'xml' (txt, csv or json)";
        QTest::newRow("format without its name")
            << QStringList{"download", "--port", "nowhere", "--format"}
            << "download: Missing value after '--format'.";
    }
    void rejectsBadCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliProcess run = CliProcess::Run(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        const QString error = QString::fromUtf8(run.err);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(error.contains("--help"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TstCliApplication)
#include "TstCliApplication.moc"
