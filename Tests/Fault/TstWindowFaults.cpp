#include "WindowFaults.h"

#include <QtTest>

#include <random>

// Random bytes while the window streams, and the gauge pulled out twenty times meanwhile.
class TstWindowFaults : public WindowFaultsBase
{
    Q_OBJECT
private slots:
    void initTestCase() { InitCase(); }
    void init() { Init(); }
    void cleanup() { Cleanup(); }

    // Chunks of whole frames become readings, every other chunk is dropped whole, whatever the
    // collection windows made of them.
    void randomChunksWhileStreaming()
    {
        StartStreaming();
        std::mt19937 random(WindowFaults::kSeed);
        QByteArray sent;
        for (int burst = 0; burst < 40; ++burst) {
            const int before = m_chunks->Count();
            QByteArray line;
            for (int chunk = 1 + int(random() % 40); chunk > 0; --chunk)
                line += WindowFaults::RandomChunk(random);
            if (line.isEmpty())
                continue;
            sent += line;
            m_gauge->Sim()->WriteBytes(line);
            QVERIFY2(m_chunks->WaitFor(before + 1),
                     qPrintable(QString("seed %1").arg(WindowFaults::kSeed)));
        }
        QByteArray delivered;
        QVERIFY(QTest::qWaitFor(
            [&] {
                delivered.clear();
                for (const QByteArray &block : m_chunks->Values<QByteArray>())
                    delivered += block;
                return delivered.size() >= sent.size();
            },
            10000));
        QCOMPARE(delivered, sent);
        int readings = 0;
        for (const QByteArray &block : m_chunks->Values<QByteArray>()) {
            if (!block.contains('\x01') || block.size() % LiveReading::FrameSize != 0)
                continue;
            bool whole = true;
            for (int offset = 0; offset < block.size(); offset += LiveReading::FrameSize)
                whole = whole && block.at(offset) == '\x01';
            if (whole)
                readings += block.size() / LiveReading::FrameSize;
        }
        QCOMPARE(ShownValues(), readings);
        QVERIFY(m_messages->Shown().isEmpty());
        QCOMPARE(State("RealStartButton"), QStringLiteral("Open"));
    }

    void unplugWhileStreaming()
    {
        UnplugCycles(
            [this] {
                StartStreaming();
                Deliver(GaugeSim::LiveFrame(0, 120.0f));
                m_gauge->Sim()->Unplug();
            },
            {WindowFaults::Disconnected});
    }
};

QTEST_MAIN(TstWindowFaults)
#include "TstWindowFaults.moc"
