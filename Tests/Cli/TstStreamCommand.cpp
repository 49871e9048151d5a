#include "CliProcess.h"
#include "GaugeSimThread.h"
#include "LiveReading.h"
#include "QueuedSignalRecorder.h"
#include "SessionCsv.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
const QByteArray StopStop("\xF0\xF0");
const QByteArray StartStart("\xF1\xF1");

QList<QByteArray> Lines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line = line.trimmed();
    return lines;
}
} // namespace

// Live readings from the simulated gauge through the built program.
class TstStreamCommand : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<GaugeSimThread> m_gauge;

    // Every line after the header is the session line of the frame the gauge sent, in order.
    void VerifyLines(const QByteArray &out, const QueuedSignalRecorder &sent, int count)
    {
        const QList<QByteArray> lines = Lines(out);
        QCOMPARE(lines.value(0), SessionCsv::Header().trimmed());
        QCOMPARE(lines.size() - 1, count);
        QTRY_VERIFY(sent.Count() >= count);
        for (int i = 1; i < lines.size(); ++i) {
            const std::optional<LiveRecord> record = SessionCsv::ParseLine(lines[i]);
            QVERIFY2(record.has_value(), lines[i].constData());
            const LiveReading reading = *LiveReading::Decode(sent.At(i - 1).at(0).toByteArray());
            QCOMPARE(record->index, qint64(i));
            QCOMPARE(record->micrometres, reading.Micrometres());
        }
    }

private slots:
    void init()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        m_gauge.reset(new GaugeSimThread);
        QVERIFY(m_gauge->IsOpen());
        m_gauge->Sim()->SetPeriodMs(20);
    }
    void cleanup() { m_gauge.reset(); }

    void countEndsTheStream_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("standard output") << false;
        QTest::newRow("file") << true;
    }
    void countEndsTheStream()
    {
        QFETCH(bool, toFile);
        QueuedSignalRecorder sent(m_gauge->Sim(), &GaugeSim::LiveFrameSent);
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("readings.csv"));
        QStringList arguments{"stream", "--port", m_gauge->Sim()->PortName(), "--count", "20"};
        if (toFile)
            arguments << "--output" << output;
        const CliProcess run = CliProcess::Run(arguments);
        QCOMPARE(run.exitCode, 0);
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StopStop));
        QVERIFY(m_gauge->Sim()->Received().startsWith(StopStop + StartStart));
        QByteArray out = run.out;
        if (toFile) {
            QVERIFY(out.isEmpty());
            QFile file(output);
            QVERIFY(file.open(QIODevice::ReadOnly));
            out = file.readAll();
        }
        VerifyLines(out, sent, 20);
    }

    void terminateStopsTheGauge_data()
    {
        QTest::addColumn<bool>("interrupt");
        QTest::newRow("SIGTERM") << false;
        QTest::newRow("SIGINT") << true;
    }
    void terminateStopsTheGauge()
    {
#ifndef Q_OS_UNIX
        QSKIP("signals to a process are a Unix matter");
#else
        QFETCH(bool, interrupt);
        QueuedSignalRecorder sent(m_gauge->Sim(), &GaugeSim::LiveFrameSent);
        QProcess process;
        CliProcess::Prepare(process);
        process.start(CliProcess::Program(), {"stream", "--port", m_gauge->Sim()->PortName()});
        QVERIFY(process.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).count('\n') >= 6, 10000);
        if (interrupt)
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        else
            process.terminate();
        const CliProcess run = CliProcess::Finish(process);
        QCOMPARE(run.exitCode, 0);
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StopStop));
        out += run.out;
        VerifyLines(out, sent, Lines(out).size() - 1);
#endif
    }

    void secondsEndTheStream()
    {
        const CliProcess run =
            CliProcess::Run({"stream", "--port", m_gauge->Sim()->PortName(), "--seconds", "1"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(Lines(run.out).size() > 1);
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StopStop));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no port") << QStringList{"stream"} << 2;
        QTest::newRow("count not a number")
            << QStringList{"stream", "--port", "x", "--count", "a"} << 2;
        QTest::newRow("no such port") << QStringList{"stream", "--port", "/nonexistent/tty"} << 3;
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const CliProcess run = CliProcess::Run(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.err.startsWith("varnolithic-cli: "));
    }

    void lostDeviceEndsWithThree()
    {
        QProcess process;
        CliProcess::Prepare(process);
        process.start(CliProcess::Program(), {"stream", "--port", m_gauge->Sim()->PortName()});
        QVERIFY(process.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).count('\n') >= 3, 10000);
        m_gauge->Sim()->Unplug();
        const CliProcess run = CliProcess::Finish(process);
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.err.contains("lost"));
    }
};

QTEST_GUILESS_MAIN(TstStreamCommand)
#include "TstStreamCommand.moc"
