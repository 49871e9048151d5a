#include "GaugeSimThread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Runs the real program. Each test starts its own copy in a scratch folder: the executable's
// path enters the single-instance guard, so copies never meet each other or a running program,
// and each copy writes its config.ini beside itself.
class TstMain : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_program;

    QByteArray FontLine() const { return m_dir->filePath(QStringLiteral("font")).toUtf8(); }

    static QProcessEnvironment Offscreen()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    void Start(QProcess &process, const QStringList &arguments = QStringList(),
               const QProcessEnvironment &environment = Offscreen(),
               const QString &program = QString())
    {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir->path());
        process.start(program.isEmpty() ? m_program : program, arguments);
        QVERIFY(process.waitForStarted(5000));
    }
    // The program started through the shell, which can close descriptors before it runs it.
    void StartThroughShell(QProcess &process, const QString &redirections)
    {
        Start(process,
              {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + redirections, m_program},
              Offscreen(), QStringLiteral("/bin/sh"));
    }

    // Waits until the program got past the guard and into its start-up.
    static bool WaitForOutput(QProcess &process, const QByteArray &needle, QByteArray &output)
    {
        QElapsedTimer timer;
        timer.start();
        while (!output.contains(needle) && timer.elapsed() < 10000 &&
               process.state() == QProcess::Running) {
            if (process.waitForReadyRead(100))
                output += process.readAll();
        }
        output += process.readAll();
        return output.contains(needle);
    }

    void ExpectDuplicateExit()
    {
        QProcess second;
        Start(second);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(!second.readAll().contains(FontLine()), "the second start went past the guard");
    }

    static void Stop(QProcess &process)
    {
        process.kill();
        process.waitForFinished(5000);
    }

private slots:
    void init()
    {
        const QString binDir = qEnvironmentVariable("VARNOLITHIC_BIN_DIR");
        if (binDir.isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_program = m_dir->filePath(QStringLiteral("varnolithic"));
        QVERIFY(QFile::copy(binDir + QStringLiteral("/varnolithic"), m_program));
    }

    void secondStartExitsWhileTheFirstRuns()
    {
        QProcess first;
        Start(first);
        QByteArray output;
        QVERIFY2(WaitForOutput(first, FontLine(), output), output.constData());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir->filePath("config.ini")), 10000);

        ExpectDuplicateExit();
        QCOMPARE(first.state(), QProcess::Running);
        QSettings config(m_dir->filePath("config.ini"), QSettings::IniFormat);
        QCOMPARE(config.value("Langs/size").toInt(), 2);
        Stop(first);
    }

    void startAfterACrashedPrimaryComesUp()
    {
        QProcess crashed;
        Start(crashed);
        QByteArray output;
        QVERIFY2(WaitForOutput(crashed, FontLine(), output), output.constData());
        Stop(crashed);
        QCOMPARE(crashed.exitStatus(), QProcess::CrashExit);

        QProcess next;
        Start(next);
        output.clear();
        QVERIFY2(WaitForOutput(next, FontLine(), output), output.constData());
        QVERIFY(output.contains("taking over"));
        QCOMPARE(next.state(), QProcess::Running);

        ExpectDuplicateExit();
        QCOMPARE(next.state(), QProcess::Running);
        Stop(next);
    }

    // Both answer on the console; neither needs a display.
    void infoOptionsNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("help") << "--help"
                              << "--port <NAME>" << 0;
        QTest::newRow("help with Qt's options") << "--help-all"
                                                << "--port <NAME>" << 0;
        QTest::newRow("version") << "--version"
                                 << "varnolithic \\d+\\.\\d+" << 0;
        QTest::newRow("unknown option") << "--bogus"
                                        << "Unknown option 'bogus'" << 2;
        QTest::newRow("unknown short option") << "-x"
                                              << "Unknown option 'x'" << 2;
        QTest::newRow("port without its name") << "--port"
                                               << "Missing value after '--port'" << 2;
    }
    void infoOptionsNeedNoDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        QFETCH(int, exitCode);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(variable));
        QProcess info;
        Start(info, {option}, environment);
        QVERIFY(info.waitForFinished(10000));
        const QByteArray output = info.readAll();
        QCOMPARE(info.exitStatus(), QProcess::NormalExit);
        QVERIFY2(info.exitCode() == exitCode, output.constData());
        QVERIFY2(QString::fromUtf8(output).contains(QRegularExpression(answer)),
                 output.constData());
    }

    // Started with its standard descriptors closed, the program finds them on the null device:
    // no file it opens later takes their numbers and receives its output.
    void closedStandardDescriptorsGoToTheNullDevice()
    {
#ifndef Q_OS_LINUX
        QSKIP("the open descriptors of a process are read from /proc");
#else
        QProcess started;
        StartThroughShell(started, QStringLiteral("0<&- 1>&- 2>&-"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir->filePath("config.ini")), 10000);
        const QString descriptors = QStringLiteral("/proc/%1/fd/").arg(started.processId());
        for (const char *number : {"0", "1", "2"})
            QCOMPARE(QFile::symLinkTarget(descriptors + QLatin1String(number)),
                     QStringLiteral("/dev/null"));
        QCOMPARE(started.state(), QProcess::Running);
        Stop(started);
#endif
    }

    // A second start with a port hands it to the running program, whose port discovery
    // then finds it.
    void secondStartHandsOverItsPorts()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        QProcess first;
        Start(first);
        QByteArray output;
        QVERIFY2(WaitForOutput(first, FontLine(), output), output.constData());

        QProcess second;
        Start(second, {QStringLiteral("--port"), gauge->PortName()});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        const QByteArray found = "add " + gauge->PortName().toUtf8();
        QVERIFY2(WaitForOutput(first, found, output), output.constData());
        QCOMPARE(first.state(), QProcess::Running);
        Stop(first);
    }

    // Installed (a data folder beside the program's bin folder), the program keeps its files
    // in the user's folders and writes nothing beside itself.
    void installedProgramUsesTheUsersFolders()
    {
        const QString bin = m_dir->filePath(QStringLiteral("prefix/bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("prefix/share/varnolithic"))));
        QVERIFY(QFile::rename(m_program, bin + QStringLiteral("/varnolithic")));
        m_program = bin + QStringLiteral("/varnolithic");
        const QString home = m_dir->filePath(QStringLiteral("home"));
        QProcessEnvironment environment = Offscreen();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));

        QProcess installed;
        Start(installed, QStringList(), environment);
        const QString config = home + QStringLiteral("/config/varnolithic/config.ini");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(config), 10000);
        QTRY_VERIFY(QSettings(config, QSettings::IniFormat).contains("Langs/size"));
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("SaveFilePath").toString(),
                 home + QStringLiteral("/Documents/Varnolithic"));
        QVERIFY(QFileInfo(home + QStringLiteral("/data/varnolithic")).isDir());
        QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("varnolithic")});
        Stop(installed);
    }
};

QTEST_GUILESS_MAIN(TstMain)
#include "TstMain.moc"
