#include "GaugeSimThread.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "M7kProtocol.h"
#include "MemoryFrameAssembler.h"
#include "MemoryReader.h"
#include "OpenDescriptors.h"
#include "QueuedSignalRecorder.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <optional>
#include <random>

// The gauge's line misbehaving: random answers to the log command, and the gauge pulled out
// while it streams or while its memory is downloaded, twenty times in a row. The generator's
// seed is printed with every failure.
namespace {
using Groups = QMap<int, QList<LogRecord>>;
constexpr quint32 kSeed = 4242;
constexpr int kCycles = 20;

// A random answer to the log command: whole frames, frames whose header announces more
// readings than follow (up to 65535), and stray bytes, in any order.
QByteArray RandomAnswer(std::mt19937 &random)
{
    const auto pick = [&random](int bound) { return int(random() % quint32(bound)); };
    QByteArray answer;
    const int pieces = 1 + pick(7);
    for (int piece = 0; piece < pieces; ++piece) {
        const int kind = pick(4);
        if (kind == 3) {
            for (int byte = pick(30); byte > 0; --byte)
                answer.append(char(pick(256)));
            continue;
        }
        const quint16 count = kind == 2 ? quint16(pick(65536)) : quint16(pick(20));
        QByteArray header(MemoryFrameAssembler::HeaderSize, char(pick(256)));
        header[0] = char(pick(4));
        qToLittleEndian(count, header.data() + 2);
        answer += header;
        const int readings = kind == 1 ? pick(count + 1) : count;
        for (int reading = 0; reading < readings && answer.size() < 200000; ++reading) {
            char bytes[4];
            qToLittleEndian(float(pick(3000)) / 2.0f, bytes);
            answer.append(bytes, 4);
        }
    }
    return answer;
}

// What a correct download makes of answer: the five frames if they are all in it, read by
// the frame layout alone; nothing otherwise.
std::optional<Groups> ExpectedGroups(const QByteArray &answer)
{
    Groups groups;
    int offset = 0;
    for (int frame = 0; frame < MemoryReader::FrameCount; ++frame) {
        if (answer.size() - offset < MemoryFrameAssembler::HeaderSize)
            return std::nullopt;
        const qint8 unit = qint8(answer.at(offset));
        const int count = qFromLittleEndian<quint16>(answer.constData() + offset + 2);
        offset += MemoryFrameAssembler::HeaderSize;
        if (answer.size() - offset < count * 4)
            return std::nullopt;
        for (int reading = 0; reading < count; ++reading, offset += 4)
            groups[frame].append({unit, qFromLittleEndian<float>(answer.constData() + offset)});
    }
    return groups;
}

QString Where(int round)
{
    return QStringLiteral("seed %1, round %2").arg(kSeed).arg(round);
}
} // namespace

class TstLinkFaults : public QObject
{
    Q_OBJECT
private:
    GaugeSimThread *m_gauge = nullptr;
    KesSerialPort *m_channel = nullptr;

    bool OpenChannel()
    {
        m_channel->SetPortName((*m_gauge)->PortName());
        return m_channel->OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity);
    }

    // Opens the channel, lets useAndUnplug work on it until it pulls the gauge out, and plugs
    // the gauge in again, kCycles times after one warm-up cycle (which lets Qt create what it
    // creates once). Every cycle loses the device exactly once; descriptors stay flat.
    void UnplugCycles(const std::function<void(int cycle)> &useAndUnplug)
    {
        QSignalSpy lost(m_channel, &KesSerialPort::DisconnectPort);
        int descriptors = 0;
        for (int cycle = 0; cycle <= kCycles; ++cycle) {
            if (cycle == 1)
                descriptors = OpenDescriptors();
            QVERIFY2(OpenChannel(), qPrintable(Where(cycle)));
            useAndUnplug(cycle);
            if (QTest::currentTestFailed())
                return;
            QTRY_COMPARE(lost.count(), cycle + 1);
            QVERIFY(!m_channel->IsOpen());
            m_channel->DisconnectReadyRead();
            m_channel->CloseSerial();
            QVERIFY((*m_gauge)->Open());
        }
        QTest::qWait(100);
        QCOMPARE(lost.count(), kCycles + 1);
        const int descriptorsAfter = OpenDescriptors();
        QVERIFY2(
            descriptorsAfter <= descriptors,
            qPrintable(
                QString("%1 descriptors open, %2 before").arg(descriptorsAfter).arg(descriptors)));
    }

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        // The download prints every frame's readings; thousands of them would drown the output.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void init()
    {
        m_gauge = new GaugeSimThread;
        QVERIFY(m_gauge->IsOpen());
        m_channel = new KesSerialPort;
    }

    void cleanup()
    {
        delete m_channel;
        delete m_gauge;
    }

    // The download takes what the frame layout says and nothing else, and gives up by the clock
    // when the answer is short, however many readings a header announces.
    void randomAnswersToTheLogCommand()
    {
        QVERIFY(OpenChannel());
        (*m_gauge)->SetLogFrameLimit(0);
        std::mt19937 random(kSeed);
        constexpr int timeoutMs = 150;
        int completed = 0;
        for (int round = 0; round < 40; ++round) {
            const QByteArray answer = RandomAnswer(random);
            (*m_gauge)->WriteBytes(answer);
            MemoryReader download(m_channel);
            download.SetHeaderTimeoutMs(timeoutMs);
            download.SetSilenceTimeoutMs(timeoutMs);
            QElapsedTimer clock;
            clock.start();
            const MemoryReader::Result result = download.Run();
            const std::optional<Groups> expected = ExpectedGroups(answer);
            QVERIFY2(clock.elapsed() < 5 * timeoutMs + 2000, qPrintable(Where(round)));
            if (expected) {
                ++completed;
                QVERIFY2(result.outcome == MemoryReader::Outcome::Completed,
                         qPrintable(Where(round)));
                QVERIFY2(result.groups == *expected, qPrintable(Where(round)));
            } else {
                QVERIFY2(result.outcome == MemoryReader::Outcome::TimedOut,
                         qPrintable(Where(round)));
                QVERIFY2(result.groups.isEmpty(), qPrintable(Where(round)));
            }
            // Whatever the answer left on the line is not the next round's.
            QTRY_COMPARE((*m_gauge)->PendingBytes(), 0);
            QTest::qWait(20);
            m_channel->Clear();
        }
        QVERIFY(completed > 0 && completed < 40);
    }

    void unplugWhileStreaming()
    {
        QueuedSignalRecorder blocks(m_channel, &KesSerialPort::ReadSerialPort);
        (*m_gauge)->SetPeriodMs(10);
        UnplugCycles([&](int) {
            m_channel->ConnectReadyRead();
            m_channel->WriteSerialPortSlot(M7kProtocol().SetRealTimeReadyCmd());
            QVERIFY(blocks.WaitFor(blocks.Count() + 1));
            (*m_gauge)->Unplug();
        });
    }

    void unplugWhileDownloading()
    {
        GaugeSim::LogFrame big;
        big.readings = QVector<float>(1000, 120.0f);
        (*m_gauge)->SetLogFrames(QVector<GaugeSim::LogFrame>(5, big));
        std::mt19937 random(kSeed);
        UnplugCycles([&](int cycle) {
            (*m_gauge)->SetLineRate(GaugeSim::LineRate9600_8O1 * 10);
            (*m_gauge)->SetChunkSize(64);
            m_channel->WriteSerialPortSlot(M7kProtocol().GetLogCmd());
            MemoryReader download(m_channel);
            QTimer pull;
            pull.setSingleShot(true);
            connect(&pull, &QTimer::timeout, this, [this] { (*m_gauge)->Unplug(); });
            pull.start(20 + int(random() % 200));
            QElapsedTimer clock;
            clock.start();
            const MemoryReader::Result result = download.Run();
            // Long before the download's own time-outs would end it.
            QVERIFY2(clock.elapsed() < MemoryReader::DefaultHeaderTimeoutMs,
                     qPrintable(Where(cycle)));
            QVERIFY2(result.outcome == MemoryReader::Outcome::PortClosed,
                     qPrintable(Where(cycle) + QString(", outcome %1").arg(int(result.outcome))));
            QVERIFY(result.groups.isEmpty());
        });
    }
};

QTEST_GUILESS_MAIN(TstLinkFaults)
#include "TstLinkFaults.moc"
