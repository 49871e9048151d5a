#include "GaugeLogFrames.h"
#include "GaugeSim.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LogFrameBytes.h"
#include "M7kProtocol.h"
#include "MemoryFrameAssembler.h"
#include "MemoryReader.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {
using Groups = QMap<int, QList<LogRecord>>;

Groups MixedGroups()
{
    return {{0, {{0, 101.5f}, {0, 99.0f}}},
            {2, {{1, 50.0f}, {1, 254.0f}, {1, 5000.0f}}},
            {3, {{2, -100.0f}}}};
}

#ifdef Q_OS_UNIX
qint64 ProcessCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}
#endif
} // namespace

// The simulated gauge on a pseudo-terminal and the program's serial channel opened on it, as
// the main window opens it.
class TstMemoryReader : public QObject
{
    Q_OBJECT
private:
    GaugeSim *m_gauge = nullptr;
    KesSerialPort *m_channel = nullptr;

    void AskForLog() { m_channel->Write(M7kProtocol().GetLogCmd()); }

private slots:
    void initTestCase()
    {
        // The channel logs what it writes.
        KesLog::Instance();
    }

    void init()
    {
        m_gauge = new GaugeSim(this);
        QVERIFY(m_gauge->Open());
        m_channel = new KesSerialPort(this);
        QVERIFY(m_channel->Open(m_gauge->PortName()));
    }

    void cleanup()
    {
        delete m_channel;
        delete m_gauge;
    }

    void readsFiveFrames_data()
    {
        QTest::addColumn<int>("lineRate");
        QTest::addColumn<int>("chunkSize");
        QTest::newRow("unpaced") << 0 << 0;
        QTest::newRow("line rate, byte by byte") << GaugeSim::LineRate9600_8O1 << 1;
        QTest::newRow("fast, chunks of 5") << 20000 << 5;
        QTest::newRow("fast, chunks of 7") << 20000 << 7;
        QTest::newRow("fast, chunks of 13") << 20000 << 13;
    }
    void readsFiveFrames()
    {
        QFETCH(int, lineRate);
        QFETCH(int, chunkSize);
        m_gauge->SetLogFrames(MixedFrames());
        m_gauge->SetLineRate(lineRate);
        m_gauge->SetChunkSize(chunkSize);

        MemoryReader download(m_channel);
        QVector<int> progress;
        connect(&download, &MemoryReader::FrameReceived, this, [&progress](int frame, int count) {
            QCOMPARE(count, 5);
            progress.append(frame);
        });
        int timerTicks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&timerTicks] { ++timerTicks; });
        ticker.start(10);

        AskForLog();
        const MemoryReader::Result result = download.Run();
        QCOMPARE(result.outcome, MemoryReader::Outcome::Completed);
        QCOMPARE(result.groups, MixedGroups());
        QCOMPARE(progress, (QVector<int>{0, 1, 2, 3, 4}));
        if (lineRate == GaugeSim::LineRate9600_8O1)
            QVERIFY2(timerTicks > 0, "the event loop must keep running during a download");
    }

    void ignoresTheUninterpretedHeaderBytes()
    {
        m_gauge->SetLogFrameLimit(0);
        QByteArray line = QByteArray::fromHex("01000300") + QByteArray(8, '\xEE');
        for (const float value : {25.4f, 50.8f, 2540.0f}) {
            char bytes[4];
            qToLittleEndian(value, bytes);
            line.append(bytes, 4);
        }
        for (int frame = 1; frame < MemoryReader::FrameCount; ++frame)
            line += LogFrameBytes::Header(0, 0);
        m_gauge->WriteBytes(line);

        const MemoryReader::Result result = MemoryReader(m_channel).Run();
        QCOMPARE(result.outcome, MemoryReader::Outcome::Completed);
        QCOMPARE(result.groups, (Groups{{0, {{1, 25.4f}, {1, 50.8f}, {1, 2540.0f}}}}));
    }

    void givesUpWhenAFrameIsMissing()
    {
        m_gauge->SetLogFrames(MixedFrames());
        m_gauge->SetLogFrameLimit(4);
        MemoryReader download(m_channel);
        download.SetHeaderTimeoutMs(1000);
        int framesReceived = 0;
        connect(&download, &MemoryReader::FrameReceived, this, [&] { ++framesReceived; });

        QElapsedTimer clock;
        clock.start();
#ifdef Q_OS_UNIX
        const qint64 cpuBefore = ProcessCpuMs();
#endif
        AskForLog();
        const MemoryReader::Result result = download.Run();
        QCOMPARE(result.outcome, MemoryReader::Outcome::TimedOut);
        QVERIFY(result.groups.isEmpty());
        QCOMPARE(framesReceived, 4);
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY2(clock.elapsed() < 10000, "the time-out is a wall-clock time");
#ifdef Q_OS_UNIX
        // Waiting for the missing frame must sleep, not poll the port.
        QVERIFY2(ProcessCpuMs() - cpuBefore < 500, "the download spins while it waits");
#endif
    }

    void givesUpWhenTheReadingsStop()
    {
        m_gauge->SetLogFrameLimit(0);
        m_gauge->WriteBytes(LogFrameBytes::Frame(0, {1.0f, 2.0f}).chopped(3));
        MemoryReader download(m_channel);
        download.SetSilenceTimeoutMs(500);
        QCOMPARE(download.Run().outcome, MemoryReader::Outcome::TimedOut);
    }

    void givesUpAtOnceWhenThePortGoes_data()
    {
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<bool>("announced");
        QTest::newRow("gauge unplugged") << true << true;
        QTest::newRow("port closed by the program, announced") << false << true;
        QTest::newRow("port closed by the program") << false << false;
    }
    void givesUpAtOnceWhenThePortGoes()
    {
        QFETCH(bool, unplugged);
        QFETCH(bool, announced);
        m_gauge->SetLogFrames(MixedFrames());
        m_gauge->SetLineRate(GaugeSim::LineRate9600_8O1);
        m_gauge->SetChunkSize(1);
        // Far beyond the test's own time-out: only the loss of the port can end this download.
        MemoryReader download(m_channel);
        download.SetHeaderTimeoutMs(600000);
        download.SetSilenceTimeoutMs(600000);
        connect(&download, &MemoryReader::FrameReceived, this, [&](int frame) {
            if (frame != 1)
                return;
            if (unplugged)
                m_gauge->Unplug();
            else if (announced)
                m_channel->CloseSerial();
            else
                m_channel->Close();
        });

        m_channel->Write(M7kProtocol().GetLogCmd());
        const MemoryReader::Result result = download.Run();
        QCOMPARE(result.outcome, MemoryReader::Outcome::PortClosed);
        QVERIFY(result.groups.isEmpty());
    }

    void closedPortGivesUpBeforeWaiting()
    {
        m_channel->CloseSerial();
        QCOMPARE(MemoryReader(m_channel).Run().outcome, MemoryReader::Outcome::PortClosed);
    }

    void readsTheLargestFrame()
    {
        // The frame's readings in hexadecimal would flood the test log.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        QVector<float> readings(MemoryFrameAssembler::MaxReadings);
        for (int i = 0; i < readings.size(); ++i)
            readings[i] = static_cast<float>(i % 2000);
        m_gauge->SetLogFrames({LogFrame(2, readings), LogFrame(0, {}), LogFrame(0, {}),
                               LogFrame(0, {7.0f}), LogFrame(0, {})});

        AskForLog();
        const MemoryReader::Result result = MemoryReader(m_channel).Run();
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(result.outcome, MemoryReader::Outcome::Completed);
        QCOMPARE(result.groups.keys(), (QList<int>{0, 3}));
        const QList<LogRecord> &largest = result.groups.value(0);
        QCOMPARE(largest.size(), 65535);
        for (int i = 0; i < largest.size(); ++i)
            QCOMPARE(largest.at(i), (LogRecord{2, static_cast<float>(i % 2000)}));
        QCOMPARE(result.groups.value(3), (QList<LogRecord>{{0, 7.0f}}));
    }
};

QTEST_MAIN(TstMemoryReader)
#include "TstMemoryReader.moc"
