#include "LogFrameBytes.h"
#include "MemoryFrameAssembler.h"

#include <QtTest>

class TstMemoryFrameAssembler : public QObject
{
    Q_OBJECT
private slots:
    void needsHeaderThenPayload_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("readingCount");
        QTest::addColumn<int>("unitCode");
        QTest::addColumn<QList<LogRecord>>("records");

        QTest::newRow("three mils readings")
            << LogFrameBytes::Frame(1, {50.0f, 254.0f, -3.5f}) << 3 << 1
            << QList<LogRecord>{{1, 50.0f}, {1, 254.0f}, {1, -3.5f}};
        QTest::newRow("no readings") << LogFrameBytes::Frame(0, {}) << 0 << 0 << QList<LogRecord>{};
        QTest::newRow("negative unit code")
            << LogFrameBytes::Frame(0xFE, {7.0f}) << 1 << -2 << QList<LogRecord>{{-2, 7.0f}};
    }
    void needsHeaderThenPayload()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, readingCount);
        QFETCH(int, unitCode);
        QFETCH(QList<LogRecord>, records);

        MemoryFrameAssembler assembler;
        QCOMPARE(assembler.BytesNeeded(), MemoryFrameAssembler::HeaderSize);
        QCOMPARE(assembler.Feed(frame.left(5)), 5);
        QVERIFY(!assembler.HasHeader());
        QCOMPARE(assembler.BytesNeeded(), MemoryFrameAssembler::HeaderSize - 5);
        QCOMPARE(assembler.Feed(frame.mid(5, 7)), 7);
        QVERIFY(assembler.HasHeader());
        QCOMPARE(assembler.ReadingCount(), readingCount);
        QCOMPARE(int(assembler.UnitCode()), unitCode);
        QCOMPARE(assembler.BytesNeeded(), 4 * readingCount);
        QCOMPARE(assembler.Feed(frame.mid(12)), 4 * readingCount);
        QVERIFY(assembler.IsComplete());
        QCOMPARE(assembler.BytesNeeded(), 0);
        QCOMPARE(assembler.TakeRecords(), records);
        QVERIFY(!assembler.HasHeader());
        QCOMPARE(assembler.BytesNeeded(), MemoryFrameAssembler::HeaderSize);
    }

    void neverTakesBytesOfTheNextFrame_data()
    {
        QTest::addColumn<int>("sliceSize");
        for (const int size : {1, 3, 4, 5, 7, 12, 13, 1000})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void neverTakesBytesOfTheNextFrame()
    {
        QFETCH(int, sliceSize);
        const QVector<QByteArray> frames = {
            LogFrameBytes::Frame(0, {1.5f, 2.5f}), LogFrameBytes::Frame(2, {}),
            LogFrameBytes::Frame(1, {10.0f, 20.0f, 30.0f}), LogFrameBytes::Frame(0, {99.0f})};
        QByteArray line;
        for (const QByteArray &frame : frames)
            line += frame;

        MemoryFrameAssembler assembler;
        QList<QList<LogRecord>> received;
        QVector<int> frameEnds;
        int offset = 0;
        while (offset < line.size()) {
            offset += assembler.Feed(line.mid(offset, sliceSize));
            if (assembler.IsComplete()) {
                received.append(assembler.TakeRecords());
                frameEnds.append(offset);
            }
        }
        QCOMPARE(
            received,
            (QList<QList<LogRecord>>{
                {{0, 1.5f}, {0, 2.5f}}, {}, {{1, 10.0f}, {1, 20.0f}, {1, 30.0f}}, {{0, 99.0f}}}));
        QCOMPARE(frameEnds, (QVector<int>{20, 32, 56, 72}));
    }

    void completeFrameTakesNothingMore()
    {
        MemoryFrameAssembler assembler;
        const QByteArray frame = LogFrameBytes::Frame(0, {4.0f});
        QCOMPARE(assembler.Feed(frame + LogFrameBytes::Header(1, 3)), frame.size());
        QCOMPARE(assembler.Feed(QByteArray("\x01", 1)), 0);
        QCOMPARE(assembler.TakeRecords(), (QList<LogRecord>{{0, 4.0f}}));
    }

    void incompleteFrameGivesNoRecords()
    {
        MemoryFrameAssembler assembler;
        assembler.Feed(LogFrameBytes::Frame(0, {4.0f, 5.0f}).chopped(1));
        QVERIFY(assembler.TakeRecords().isEmpty());
        QCOMPARE(assembler.BytesNeeded(), 1);
    }

    void largestFrame()
    {
        MemoryFrameAssembler assembler;
        assembler.Feed(QByteArray::fromHex("0000ffff0000000000000000"));
        QCOMPARE(assembler.ReadingCount(), MemoryFrameAssembler::MaxReadings);
        QCOMPARE(assembler.BytesNeeded(), 262140);
        QByteArray payload(262140, '\0');
        qToLittleEndian(123.0f, payload.data() + payload.size() - 4);
        QCOMPARE(assembler.Feed(payload + "extra"), 262140);
        const QList<LogRecord> records = assembler.TakeRecords();
        QCOMPARE(records.size(), 65535);
        QCOMPARE(records.last(), (LogRecord{0, 123.0f}));
    }
};

QTEST_GUILESS_MAIN(TstMemoryFrameAssembler)
#include "TstMemoryFrameAssembler.moc"
