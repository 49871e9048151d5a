#include "GaugeSimThread.h"
#include "GaugeUnit.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveFrameReader.h"
#include "LiveReading.h"
#include "QueuedSignalRecorder.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <random>

// Random bytes on the live line: the channel must hand on every byte, and the live decoding
// (reassemble frames, decode each) must turn only well-formed frames of the block into
// readings, and every one of a block made of live frames alone. The generator's seed is printed
// with every failure.
namespace {
constexpr quint32 kSeed = 20261208;

// The readings a fresh run makes of one received block; fails the test when a frame given out
// is not, in order, a piece of the block.
QVector<LiveReading> ReadingsOf(const QByteArray &block)
{
    LiveFrameReader reader;
    QVector<LiveReading> readings;
    int searchFrom = 0;
    for (const QByteArray &frame : reader.Feed(block)) {
        const int at = block.indexOf(frame, searchFrom);
        if (at < 0)
            qFatal("a frame that is not in the block: %s", frame.toHex().constData());
        searchFrom = at + frame.size();
        if (const std::optional<LiveReading> reading = LiveReading::Decode(frame))
            readings.append(*reading);
    }
    return readings;
}

// A block is made of live frames when its length is a whole number of frames and every frame
// starts with the live frame type (the first with a known unit, as a run's first frame must);
// checked here byte by byte, independently of the decoder.
bool IsWholeFrames(const QByteArray &block)
{
    if (block.size() < LiveReading::FrameSize || block.size() % LiveReading::FrameSize != 0 ||
        !GaugeUnit::IsKnown(static_cast<qint8>(block.at(1))))
        return false;
    for (int offset = 0; offset < block.size(); offset += LiveReading::FrameSize) {
        // No gauge sends a thickness below a thousandth of a micrometre but zero; such a
        // "frame" is one read a byte late.
        const float value = qFromLittleEndian<float>(block.constData() + offset + 2);
        const bool tiny = value != 0 && std::abs(value) < 5e-4f;
        if (block.at(offset) != LiveReading::FrameType || tiny)
            return false;
    }
    return true;
}

int DeliveredSize(const QueuedSignalRecorder &blocks)
{
    int size = 0;
    for (const QByteArray &block : blocks.Values<QByteArray>())
        size += block.size();
    return size;
}

QString Seed(quint32 seed, int round)
{
    return QStringLiteral("seed %1, round %2").arg(seed).arg(round);
}

class ChunkMaker
{
public:
    explicit ChunkMaker(quint32 seed) : m_random(seed) {}

    // Mostly garbage of random length, sometimes real frames (in range or not), sometimes a
    // frame cut short or with a wrong type byte.
    QByteArray Next()
    {
        switch (Pick(6)) {
        case 0:
            return Frame();
        case 1:
            return Frame() + Frame();
        case 2:
            return Frame().left(1 + Pick(LiveReading::FrameSize - 1));
        case 3: {
            QByteArray frame = Frame();
            frame[0] = static_cast<char>(0x02 + Pick(250));
            return frame;
        }
        default:
            return Garbage(Pick(40));
        }
    }
    QByteArray Frame()
    {
        QByteArray frame(LiveReading::FrameSize, '\0');
        frame[0] = LiveReading::FrameType;
        frame[1] = static_cast<char>(Pick(5) == 0 ? Pick(256) : Pick(3));
        // Half the time a plain thickness, otherwise any bit pattern (NaN, infinities...).
        if (Pick(2))
            qToLittleEndian(float(Pick(2400)) - 150.0f, frame.data() + 2);
        else
            qToLittleEndian(quint32(m_random()), frame.data() + 2);
        return frame;
    }
    QByteArray Garbage(int size)
    {
        QByteArray bytes(size, '\0');
        for (char &byte : bytes)
            byte = static_cast<char>(Pick(256));
        return bytes;
    }
    int Pick(int bound) { return static_cast<int>(m_random() % quint32(bound)); }

private:
    std::mt19937 m_random;
};

// What a reading shows: its text is empty (an overflow or an unknown unit) or a number and a
// known unit; its chart value, when it has one, is a finite thickness in range.
void CheckReading(const LiveReading &reading, const QString &where)
{
    static const QRegularExpression shape(QStringLiteral("^-?\\d+(\\.\\d+)? (um|mils|mm)$"));
    QVERIFY2(reading.ReadingText().isEmpty() || shape.match(reading.ReadingText()).hasMatch(),
             qPrintable(where + ": " + reading.ReadingText()));
    if (reading.HasChartValue()) {
        QVERIFY2(qIsFinite(reading.ChartValue()), qPrintable(where));
        QVERIFY2(LiveReading::IsInRange(reading.ChartValue()), qPrintable(where));
    }
    QVERIFY2(!reading.IsOverflow() || reading.ReadingText().isEmpty(), qPrintable(where));
}
} // namespace

class TstLiveFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KesLog::Instance(); }

    // Many thousands of random blocks straight into the decoding, as the controller receives
    // them from the channel.
    void randomBlocksDecodeOnlyWholeFrames()
    {
        ChunkMaker maker(kSeed);
        int readingsMade = 0;
        for (int round = 0; round < 50000; ++round) {
            QByteArray block;
            const int pieces = 1 + maker.Pick(4);
            for (int piece = 0; piece < pieces; ++piece)
                block += maker.Next();
            const QVector<LiveReading> readings = ReadingsOf(block);
            const QString where = Seed(kSeed, round) + ", block " + block.toHex();
            if (IsWholeFrames(block)) {
                QVERIFY2(readings.size() == block.size() / LiveReading::FrameSize,
                         qPrintable(where));
                for (int index = 0; index < readings.size(); ++index)
                    QCOMPARE(readings[index].UnitCode(),
                             qint8(block.at(index * LiveReading::FrameSize + 1)));
            }
            QVERIFY2(readings.size() <= block.size() / LiveReading::FrameSize, qPrintable(where));
            for (const LiveReading &reading : readings)
                CheckReading(reading, where);
            readingsMade += readings.size();
        }
        // The generator must reach both sides, or the test proves nothing.
        QVERIFY(readingsMade > 1000);
    }

    // Random chunks written by the simulated gauge in bursts, through the real port and the
    // channel's collection windows: every byte arrives once, in order, and every block the
    // channel delivers decodes as above.
    void randomChunksThroughTheChannel()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        KesSerialPort channel;
        QueuedSignalRecorder blocks(&channel, &KesSerialPort::ReadSerialPort);
        channel.SetPortName(gauge->PortName());
        QVERIFY(channel.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity));
        channel.ConnectReadyRead();

        ChunkMaker maker(kSeed + 1);
        QByteArray sent;
        int chunks = 0;
        for (int burst = 0; burst < 60; ++burst) {
            QByteArray line;
            const int count = 1 + maker.Pick(80);
            for (int chunk = 0; chunk < count; ++chunk)
                line += maker.Next();
            chunks += count;
            sent += line;
            gauge->WriteBytes(line);
            // Once the line is quiet, a burst of whole frames alone in its window must come out
            // as readings.
            if (burst % 10 == 0) {
                QVERIFY2(
                    QTest::qWaitFor([&] { return DeliveredSize(blocks) == sent.size(); }, 5000),
                    qPrintable(Seed(kSeed + 1, burst)));
                const QByteArray frames = maker.Frame() + maker.Frame();
                const int quietBlocks = blocks.Count();
                gauge->WriteBytes(frames);
                sent += frames;
                QVERIFY2(blocks.WaitFor(quietBlocks + 1), qPrintable(Seed(kSeed + 1, burst)));
                QCOMPARE(blocks.Values<QByteArray>().last(), frames);
                QCOMPARE(ReadingsOf(frames).size(), 2);
            }
        }
        QVERIFY(chunks > 1000);
        QByteArray delivered;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         delivered.clear();
                         for (const QByteArray &block : blocks.Values<QByteArray>())
                             delivered += block;
                         return delivered.size() >= sent.size();
                     },
                     10000),
                 qPrintable(Seed(kSeed + 1, -1)));
        QCOMPARE(delivered, sent);
        const QList<QByteArray> received = blocks.Values<QByteArray>();
        for (int index = 0; index < received.size(); ++index) {
            const QByteArray &block = received.at(index);
            const QVector<LiveReading> readings = ReadingsOf(block);
            if (IsWholeFrames(block))
                QVERIFY2(readings.size() == block.size() / LiveReading::FrameSize,
                         qPrintable(Seed(kSeed + 1, index)));
            for (const LiveReading &reading : readings)
                CheckReading(reading, Seed(kSeed + 1, index));
        }
        channel.CloseSerial();
    }
};

QTEST_GUILESS_MAIN(TstLiveFaults)
#include "TstLiveFaults.moc"
