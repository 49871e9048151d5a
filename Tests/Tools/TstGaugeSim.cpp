#include "GaugeSim.h"
#include "GaugeSimThread.h"
#include "QueuedSignalRecorder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {
// The program's end of the line: a plain QSerialPort that keeps everything it reads.
class ProgramEnd
{
public:
    explicit ProgramEnd(const QString &portName) : m_port(portName)
    {
        m_port.setBaudRate(9600);
        m_port.setParity(QSerialPort::OddParity);
        m_opened = m_port.open(QIODevice::ReadWrite);
        QObject::connect(&m_port, &QSerialPort::readyRead, [this] {
            m_received.append(m_port.readAll());
            ++m_reads;
        });
    }
    bool IsOpen() const { return m_opened; }
    void Send(const QByteArray &bytes) { m_port.write(bytes); }
    QByteArray Received() const { return m_received; }
    int Reads() const { return m_reads; }

private:
    QSerialPort m_port;
    bool m_opened = false;
    QByteArray m_received;
    int m_reads = 0;
};

// A gauge either in the test's thread or in a thread of its own.
struct Gauge
{
    std::unique_ptr<GaugeSim> local;
    std::unique_ptr<GaugeSimThread> threaded;

    explicit Gauge(bool ownThread)
    {
        if (ownThread) {
            threaded = std::make_unique<GaugeSimThread>();
        } else {
            local = std::make_unique<GaugeSim>();
            local->Open();
        }
    }
    GaugeSim *operator->() const { return local ? local.get() : threaded->Sim(); }
    GaugeSim *Sim() const { return operator->(); }
};

float FloatAt(const QByteArray &bytes, int offset)
{
    float value = 0;
    const quint32 bits = qFromLittleEndian<quint32>(bytes.constData() + offset);
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
} // namespace

class TstGaugeSim : public QObject
{
    Q_OBJECT
private slots:
    void frameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("live frame, 50 um, unit mils")
            << GaugeSim::LiveFrame(1, 50.0f) << QByteArray("010100004842");
        QTest::newRow("live overflow reading") << GaugeSim::LiveFrame(0, 2500.0f)
                                               << QByteArray("01000040"
                                                             "1c45");
        QTest::newRow("log frame of two mils readings")
            << GaugeSim::LogFrameBytes({1, {50.0f, -5.0f}})
            << QByteArray("010002000000000000000000"
                          "00004842"
                          "0000a0c0");
        QTest::newRow("empty log frame")
            << GaugeSim::LogFrameBytes({2, {}}) << QByteArray("020000000000000000000000");
        QTest::newRow("log frame count above one byte")
            << GaugeSim::LogFrameBytes({0, QVector<float>(256, 0.0f)})
            << QByteArray("000000010000000000000000") + QByteArray("00000000").repeated(256);
    }
    void frameBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, hex);
        QCOMPARE(bytes.toHex(), hex);
    }

    void downloadAnswer_data()
    {
        QTest::addColumn<bool>("ownThread");
        QTest::addColumn<int>("frameLimit");
        QTest::addColumn<int>("lineRate");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("minReads");
        QTest::newRow("five frames at once") << false << 5 << 0 << 0 << 1;
        QTest::newRow("five frames at once, own thread") << true << 5 << 0 << 0 << 1;
        QTest::newRow("three frames on the real line in 7-byte writes")
            << true << 3 << GaugeSim::LineRate9600_8O1 << 7 << 2;
        QTest::newRow("one frame, single bytes")
            << false << 1 << GaugeSim::LineRate9600_8O1 << 1 << 2;
        QTest::newRow("no frame") << true << 0 << 0 << 0 << 0;
    }
    void downloadAnswer()
    {
        QFETCH(bool, ownThread);
        QFETCH(int, frameLimit);
        QFETCH(int, lineRate);
        QFETCH(int, chunk);
        QFETCH(int, minReads);
        Gauge gauge(ownThread);
        QVERIFY(gauge->IsPlugged());
        ProgramEnd program(gauge->PortName());
        QVERIFY(program.IsOpen());
        gauge->SetLogFrameLimit(frameLimit);
        gauge->SetLineRate(lineRate);
        gauge->SetChunkSize(chunk);
        QueuedSignalRecorder sent(gauge.Sim(), &GaugeSim::LogSent);
        QByteArray answer;
        for (const GaugeSim::LogFrame &frame : gauge->LogFrames().mid(0, frameLimit))
            answer.append(GaugeSim::LogFrameBytes(frame));

        program.Send("\xF6");

        QVERIFY(sent.WaitFor(1));
        QTRY_COMPARE(program.Received().size(), answer.size());
        // Nothing but the answer before a byte sent after it.
        gauge->WriteBytes("\x55");
        QTRY_VERIFY(program.Received().endsWith("\x55"));
        QCOMPARE(program.Received(), answer + "\x55");
        QVERIFY(program.Reads() >= minReads + 1);
        QCOMPARE(gauge->Received(), QByteArray("\xF6"));
    }

    void liveStreamFollowsCommands()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        ProgramEnd program(gauge->PortName());
        QVERIFY(program.IsOpen());
        gauge->SetValues({100.0f, 110.0f, 120.0f});
        gauge->SetOverflowEvery(4);
        gauge->SetUnitCode(2);
        gauge->SetPeriodMs(15);
        QueuedSignalRecorder framesSent(gauge.Sim(), &GaugeSim::LiveFrameSent);

        program.Send("\xF1\xF1");
        QTRY_VERIFY(program.Received().size() >= 5 * 6);
        program.Send("\xF0");
        QTRY_VERIFY(!gauge->IsStreaming());
        gauge->WriteBytes("\x55");
        QTRY_VERIFY(program.Received().endsWith("\x55"));

        const QByteArray frames = program.Received().chopped(1);
        QCOMPARE(frames.size() % 6, 0);
        QCOMPARE(frames.size() / 6, gauge->LiveFramesSent());
        QTRY_COMPARE(framesSent.Count(), gauge->LiveFramesSent());
        const QList<float> expected = {100.0f, 110.0f, 120.0f, GaugeSim::OverflowMicrometres};
        for (int i = 0; i < frames.size() / 6; ++i) {
            QCOMPARE(frames.mid(i * 6, 2), QByteArray("\x01\x02"));
            if (i < expected.size())
                QCOMPARE(FloatAt(frames, i * 6 + 2), expected.at(i));
        }
        QCOMPARE(gauge->Received(), QByteArray("\xF1\xF1\xF0"));
    }

    void linkFollowsThePort()
    {
        QTemporaryDir dir;
        const QString linkPath = dir.filePath("gauge");
        const QString filePath = dir.filePath("taken");
        QFile taken(filePath);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        {
            GaugeSim gauge;
            QVERIFY(gauge.Open());
            QVERIFY(gauge.MakeLink(linkPath));
            QCOMPARE(QFileInfo(linkPath).symLinkTarget(), gauge.PortName());
            QVERIFY(!gauge.MakeLink(filePath));
            QVERIFY(!QFileInfo(filePath).isSymLink());

            QVERIFY(gauge.MakeLink(linkPath));
            gauge.Unplug();
            QVERIFY(!gauge.IsPlugged());
            QVERIFY(gauge.Open());
            QCOMPARE(QFileInfo(linkPath).symLinkTarget(), gauge.PortName());
            QVERIFY(QFileInfo::exists(linkPath));
        }
        QVERIFY(!QFileInfo(linkPath).isSymLink());
        QVERIFY(QFileInfo::exists(filePath));
    }
    void commandLineToolRunsUntilTerminated()
    {
        const QString binDir = qEnvironmentVariable("VARNOLITHIC_BIN_DIR");
        if (binDir.isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR names the folder of gauge-sim; CTest sets it");
        QTemporaryDir dir;
        const QString linkPath = dir.filePath("gauge");
        QProcess tool;
        tool.start(binDir + "/gauge-sim", {"--link", linkPath, "--period", "20", "--unit", "1"});
        QVERIFY(tool.waitForStarted());
        QTRY_VERIFY(tool.canReadLine());
        const QString portName = QString::fromLocal8Bit(tool.readLine()).trimmed();
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), portName);

        ProgramEnd program(linkPath);
        QVERIFY(program.IsOpen());
        program.Send("\xF1");
        QTRY_VERIFY(program.Received().size() >= 6);
        QCOMPARE(program.Received().left(2), QByteArray("\x01\x01"));

        tool.terminate();
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(!QFileInfo(linkPath).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TstGaugeSim)
#include "TstGaugeSim.moc"
