#include "GaugeSim.h"
#include "LiveFrameReader.h"

#include <QtTest>

#include <cmath>
#include <random>

namespace {

QByteArray Frame(quint8 unit, float micrometres)
{
    return GaugeSim::LiveFrame(unit, micrometres);
}

// Feeds the pieces one after another and collects every frame the reader gives out.
QList<QByteArray> Read(const QList<QByteArray> &pieces)
{
    LiveFrameReader reader;
    QList<QByteArray> frames;
    for (const QByteArray &piece : pieces) {
        for (const QByteArray &frame : reader.Feed(piece))
            frames.append(frame);
    }
    return frames;
}

// Bytes that no decoder can tell from a frame start are left out of the garbage: a 0x01 right
// after a frame is a frame.
QByteArray Garbage(std::mt19937 &random, int size)
{
    QByteArray bytes;
    while (bytes.size() < size) {
        const char byte = static_cast<char>(random() & 0xFF);
        if (byte != 0x01)
            bytes.append(byte);
    }
    return bytes;
}

} // namespace

class TstLiveFrameReader : public QObject
{
    Q_OBJECT
private slots:
    void cutsOfTheLine_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("frames");
        const QByteArray a = Frame(0, 123.4f), b = Frame(1, 50.0f), c = Frame(2, 2100.0f);
        const QByteArray m = Frame(1, 127.3f);
        const QByteArray foreign("\x02\x01\x00\x00\x48\x42", 6);
        QTest::newRow("one frame") << QList<QByteArray>{a} << QList<QByteArray>{a};
        QTest::newRow("split 3+3")
            << QList<QByteArray>{a.left(3), a.mid(3)} << QList<QByteArray>{a};
        QTest::newRow("split byte by byte")
            << QList<QByteArray>{a.mid(0, 1), a.mid(1, 1), a.mid(2, 1),
                                 a.mid(3, 1), a.mid(4, 1), a.mid(5, 1)}
            << QList<QByteArray>{a};
        QTest::newRow("three in one block")
            << QList<QByteArray>{a + b + c} << QList<QByteArray>{a, b, c};
        QTest::newRow("glued to a partial one")
            << QList<QByteArray>{a + b.left(2), b.mid(2) + c} << QList<QByteArray>{a, b, c};
        QTest::newRow("starts in the middle of a frame")
            << QList<QByteArray>{b.mid(2), a} << QList<QByteArray>{a};
        QTest::newRow("starts in a frame's value bytes that look like a start")
            << QList<QByteArray>{QByteArray("\x01\x00\x48\x42", 4), a, c}
            << QList<QByteArray>{a, c};
        // Its value bytes hold what looks like a live frame start; the gauge keeps its unit.
        QTest::newRow("frame of another type skipped whole")
            << QList<QByteArray>{m + foreign + b} << QList<QByteArray>{m, b};
        QTest::newRow("frame of another type split")
            << QList<QByteArray>{m + foreign.left(4), foreign.mid(4) + b}
            << QList<QByteArray>{m, b};
        QTest::newRow("stray byte between frames")
            << QList<QByteArray>{a + QByteArray(1, '\x7F') + b} << QList<QByteArray>{a, b};
        QTest::newRow("stray bytes before the last frame")
            << QList<QByteArray>{a, QByteArray("\x33\x44", 2) + b} << QList<QByteArray>{a, b};
        QTest::newRow("damaged frame costs only itself")
            << QList<QByteArray>{a + b.mid(1) + c} << QList<QByteArray>{a, c};
        QTest::newRow("cut-short frame first")
            << QList<QByteArray>{a.left(5), b + c} << QList<QByteArray>{b, c};
        QTest::newRow("frame that lost a byte in the stream")
            << QList<QByteArray>{a + m.left(3) + m.mid(4) + c + a} << QList<QByteArray>{a, c, a};
        QTest::newRow("unknown unit in step is a frame")
            << QList<QByteArray>{a + Frame(7, 10.0f)} << QList<QByteArray>{a, Frame(7, 10.0f)};
    }
    void cutsOfTheLine()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<QByteArray>, frames);
        QCOMPARE(Read(pieces), frames);
    }

    void resetForgetsPartialFrame()
    {
        LiveFrameReader reader;
        const QByteArray a = Frame(0, 99.0f);
        QVERIFY(reader.Feed(a.left(4)).isEmpty());
        reader.Reset();
        QCOMPARE(reader.PendingBytes(), 0);
        QCOMPARE(reader.Feed(a.mid(4) + a), QVector<QByteArray>{a});
    }

    // Random values, units, splits and garbage between frames: every frame comes out once,
    // in order, and nothing else.
    void randomLineCuts()
    {
        std::mt19937 random(20261209);
        for (int round = 0; round < 200; ++round) {
            QList<QByteArray> sent;
            QByteArray line;
            const int count = 20 + static_cast<int>(random() % 200);
            // A gauge keeps its unit until its user changes it.
            quint8 unit = static_cast<quint8>(random() % 3);
            for (int i = 0; i < count; ++i) {
                if (random() % 50 == 0)
                    unit = static_cast<quint8>(random() % 3);
                if (i > 0 && random() % 4 == 0)
                    line += Garbage(random, 1 + static_cast<int>(random() % 9));
                // What a gauge sends: thicknesses in its range, to the micrometre or finer, and
                // now and then an overflow.
                float value = static_cast<float>(random() % 2200000) / 1000.0f - 100.0f;
                if (random() % 3 == 0)
                    value = std::round(value);
                if (random() % 20 == 0)
                    value = 2100.5f + static_cast<float>(random() % 100000);
                const QByteArray frame = Frame(unit, value);
                sent.append(frame);
                line += frame;
            }
            QList<QByteArray> pieces;
            for (int at = 0; at < line.size();) {
                const int size = 1 + static_cast<int>(random() % 20);
                pieces.append(line.mid(at, size));
                at += size;
            }
            const QList<QByteArray> read = Read(pieces);
            QVERIFY2(read == sent, qPrintable(QStringLiteral("round %1: %2 of %3 frames")
                                                  .arg(round)
                                                  .arg(read.size())
                                                  .arg(sent.size())));
        }
    }
};

QTEST_APPLESS_MAIN(TstLiveFrameReader)
#include "TstLiveFrameReader.moc"
