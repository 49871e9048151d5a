#include "CliProcess.h"
#include "GaugeSimThread.h"
#include "LiveReading.h"
#include "QueuedSignalRecorder.h"
#include "ScratchMounts.h"
#include "SessionCsv.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

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

    // 0 for the reader of the output going away, as in "stream | head -2".
    void terminateStopsTheGauge_data()
    {
        QTest::addColumn<int>("signalNumber");
#ifdef Q_OS_UNIX
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("output closed") << 0;
#endif
    }
    void terminateStopsTheGauge()
    {
#ifndef Q_OS_UNIX
        QSKIP("signals to a process are a Unix matter");
#else
        QFETCH(int, signalNumber);
        QueuedSignalRecorder sent(m_gauge->Sim(), &GaugeSim::LiveFrameSent);
        const QStringList stream{"stream", "--port", m_gauge->Sim()->PortName()};
        QProcess process;
        CliProcess::Prepare(process);
        QByteArray out;
        if (signalNumber == 0) {
            process.start("/bin/sh",
                          QStringList{"-c", "\"$0\" \"$@\" | head -2", CliProcess::Program()} +
                              stream);
        } else {
            process.start(CliProcess::Program(), stream);
            QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).count('\n') >= 6,
                                     10000);
            ::kill(static_cast<pid_t>(process.processId()), signalNumber);
        }
        const CliProcess run = CliProcess::Finish(process);
        QCOMPARE(run.exitCode, 0);
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StopStop));
        QVERIFY(m_gauge->Sim()->Received().startsWith(StopStop + StartStart));
        out += run.out;
        VerifyLines(out, sent, Lines(out).size() - 1);
#endif
    }

    // The file named by --output is replaced when the stream ends, and not before: a stream
    // that cannot start or cannot write leaves the old file as it was.
    void outputFileIsReplacedWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no such port") << "port" << 3;
        QTest::newRow("full disk") << "full" << 2;
    }
    void outputFileIsReplacedWholeOrNotAtAll()
    {
        QFETCH(QString, trouble);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        std::optional<ScratchMount> mount;
        QString port = m_gauge->Sim()->PortName();
        if (trouble == QLatin1String("port")) {
            port = QStringLiteral("/nonexistent/tty");
        } else {
            mount.emplace(dir.path(), 64);
            if (!mount->IsMounted())
                QSKIP("a tmpfs cannot be mounted here");
        }
        const QString output = dir.filePath(QStringLiteral("readings.csv"));
        const QByteArray old = SessionCsv::Header() + QByteArray(8 * 1024, 'x') + "\n";
        QFile file(output);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        if (mount)
            QVERIFY(mount->FillLeaving(4 * 1024));
        m_gauge->Sim()->SetPeriodMs(1);
        const CliProcess run =
            CliProcess::Run({"stream", "--port", port, "--count", "2000", "--output", output});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.err.startsWith("varnolithic-cli: "));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        // Nor is a part of the new run left beside it.
        const QStringList left = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(left,
                 mount ? (QStringList{"filler", "readings.csv"}) : QStringList{"readings.csv"});
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
