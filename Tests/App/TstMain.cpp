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

    void Start(QProcess &process)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir->path());
        process.start(m_program, QStringList());
        QVERIFY(process.waitForStarted(5000));
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
};

QTEST_GUILESS_MAIN(TstMain)
#include "TstMain.moc"
