#include "DebugOutputCapture.h"
#include "GaugeSimThread.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LoopActivity.h"
#include "QueuedSignalRecorder.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {
// The channel on the line of a simulated gauge; the blocks it delivers are recorded queued.
struct GaugeLine
{
    GaugeSimThread gauge;
    KesSerialPort port;
    QueuedSignalRecorder blocks{&port, &KesSerialPort::ReadSerialPort};

    bool Open(const QString &portName)
    {
        port.SetPortName(portName);
        return port.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity);
    }
    bool Open() { return gauge.IsOpen() && Open(gauge->PortName()); }
    QByteArray Delivered() const
    {
        QByteArray all;
        for (const QByteArray &block : blocks.Values<QByteArray>())
            all.append(block);
        return all;
    }
};

QByteArray Pattern(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(i % 251));
    return bytes;
}

// The hexadecimal frames of the "<port> Write: <hex>" records written for portName.
QStringList LoggedWrites(const DebugOutputCapture &capture, const QString &portName)
{
    const QString marker = QString(" | %1 Write: ").arg(portName);
    QStringList frames;
    for (const QString &line : capture.Matching(marker)) {
        if (line.contains(" | DEBUG | tid: "))
            frames.append(line.mid(line.indexOf(marker) + marker.size()));
    }
    return frames;
}

enum Target
{
    GaugePort,
    MissingPort,
    BusyPort
};
} // namespace

class TstKesSerialPort : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KesLog::Instance(); }

    void signalsAndSlotsInMetaObjectOrder()
    {
        const QMetaObject &meta = KesSerialPort::staticMetaObject;
        QStringList signalList;
        QStringList slotList;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            if (method.methodType() == QMetaMethod::Signal)
                signalList << method.methodSignature();
            else if (method.methodType() == QMetaMethod::Slot)
                slotList << method.methodSignature();
        }
        QCOMPARE(signalList, QStringList({"ReadSerialPort(QByteArray)", "ErrorSerialPort(QString)",
                                          "OpenSuccess()", "DisconnectPort()", "Closeed()",
                                          "OpenFailed(PortOpenFailure)"}));
        QCOMPARE(meta.indexOfSignal("ReadSerialPort(QByteArray)"), meta.methodOffset());
        QCOMPARE(slotList, QStringList({"WriteSerialPortSlot(QByteArray,bool,int)",
                                        "WriteSerialPortSlot(QByteArray,bool)",
                                        "WriteSerialPortSlot(QByteArray)"}));
    }

    void openReportsOutcome_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("error");
        QTest::newRow("gauge port") << int(GaugePort) << 1 << true << QString();
        QTest::newRow("gauge port opened again") << int(GaugePort) << 2 << true << QString();
        QTest::newRow("missing port")
            << int(MissingPort) << 1 << false << "SerialPort Open %1, error code 1";
        QTest::newRow("port held by another program")
            << int(BusyPort) << 1 << false << "SerialPort Open %1, error code 2";
    }
    void openReportsOutcome()
    {
        QFETCH(int, target);
        QFETCH(int, attempts);
        QFETCH(bool, opened);
        QFETCH(QString, error);
        GaugeLine line;
        QVERIFY(line.gauge.IsOpen());
        const QString portName =
            target == MissingPort ? "/dev/pts/no-such-gauge" : line.gauge->PortName();
        QSerialPort otherProgram(portName);
        if (target == BusyPort)
            QVERIFY(otherProgram.open(QIODevice::ReadWrite));
        QSignalSpy successes(&line.port, &KesSerialPort::OpenSuccess);
        QSignalSpy failures(&line.port, &KesSerialPort::ErrorSerialPort);

        for (int i = 0; i < attempts; ++i)
            QCOMPARE(line.Open(portName), opened);

        QCOMPARE(line.port.IsOpen(), opened);
        QCOMPARE(successes.count(), opened ? attempts : 0);
        QCOMPARE(failures.count(), opened ? 0 : attempts);
        if (!opened)
            QCOMPARE(failures.first().first().toString(), error.arg(portName));
    }

    void openWithoutNameFailsWithoutSignal()
    {
        DebugOutputCapture capture;
        KesSerialPort port;
        QSignalSpy successes(&port, &KesSerialPort::OpenSuccess);
        QSignalSpy failures(&port, &KesSerialPort::ErrorSerialPort);

        QVERIFY(!port.OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity));

        QVERIFY(!port.IsOpen());
        QCOMPARE(successes.count(), 0);
        QCOMPARE(failures.count(), 0);
        QTRY_COMPARE(capture.Matching("SerialPort PortName is Null!").size(), 1);
        const QString record = capture.Matching("SerialPort PortName is Null!").first();
        QCOMPARE(
            record.mid(19),
            QString(" | INFO | KesSerialPort::OpenSerial | 133 | SerialPort PortName is Null!"));
    }

    void writesReachLineAndLog_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::addColumn<QByteArrayList>("frames");
        QTest::addColumn<QByteArray>("onLine");
        QTest::addColumn<QStringList>("logged");
        QTest::newRow("two stop commands after open")
            << true << QByteArrayList{"\xF0", "\xF0"} << QByteArray("\xF0\xF0")
            << QStringList{"f0", "f0"};
        QTest::newRow("lowercase hex, two digits a byte")
            << true << QByteArrayList{QByteArray("\xAB\x0F\x10", 3)}
            << QByteArray("\xAB\x0F\x10", 3) << QStringList{"ab0f10"};
        QTest::newRow("closed port drops the frame")
            << false << QByteArrayList{"\xF6"} << QByteArray() << QStringList();
    }
    void writesReachLineAndLog()
    {
        QFETCH(bool, openFirst);
        QFETCH(QByteArrayList, frames);
        QFETCH(QByteArray, onLine);
        QFETCH(QStringList, logged);
        DebugOutputCapture capture;
        GaugeLine line;
        QVERIFY(line.gauge.IsOpen());
        const QString portName = line.gauge->PortName();
        line.port.SetPortName(portName);
        if (openFirst)
            QVERIFY(line.Open());

        for (const QByteArray &frame : frames)
            line.port.WriteSerialPortSlot(frame);
        // A marker written after opening: whatever came before it is all the line carried.
        const QByteArray marker("\x55");
        QVERIFY(line.port.IsOpen() || line.Open());
        line.port.WriteSerialPortSlot(marker);

        QTRY_VERIFY(line.gauge->Received().endsWith(marker));
        QCOMPARE(line.gauge->Received(), onLine + marker);
        QTRY_COMPARE(LoggedWrites(capture, portName), logged + QStringList{"55"});
    }

    void piecesWithinWindowArriveAsOneBlock_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("chunk");
        QTest::newRow("live frame in single bytes")
            << QByteArray("\x01\x00\x00\x00\x48\x42", 6) << 1;
        QTest::newRow("live frame in 2-byte pieces")
            << QByteArray("\x01\x01\x00\x00\x48\x42", 6) << 2;
        QTest::newRow("two frames in 4-byte pieces") << Pattern(12) << 4;
    }
    void piecesWithinWindowArriveAsOneBlock()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, chunk);
        GaugeLine line;
        QVERIFY(line.Open());
        // When each arrival was taken in, counted from the first, and how many bytes it brought.
        QElapsedTimer clock;
        QList<QPair<qint64, qint64>> arrivals;
        QSerialPort *serialPort = line.port.SerialPort();
        connect(serialPort, &QSerialPort::readyRead, this, [&] {
            if (!clock.isValid())
                clock.start();
            arrivals.append({clock.elapsed(), serialPort->bytesAvailable()});
        });
        line.port.ConnectReadyRead();
        // The pieces are spread over about 20 ms, half of one collection window.
        line.gauge->SetLineRate((bytes.size() - chunk) * 1000 / 20);
        line.gauge->SetChunkSize(chunk);

        line.gauge->WriteBytes(bytes);
        QTRY_COMPARE(line.Delivered(), bytes);

        // A busy machine may take pieces in late; whatever came within 35 ms is in the first block.
        qint64 inFirstWindow = 0;
        for (const auto &arrival : arrivals)
            inFirstWindow += arrival.first < 35 ? arrival.second : 0;
        QVERIFY(inFirstWindow > 0);
        QVERIFY(line.blocks.At(0).first().toByteArray().size() >= inFirstWindow);
        if (inFirstWindow == bytes.size())
            QCOMPARE(line.blocks.Count(), 1);
    }

    void burstArrivesWhole_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("lineRate");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("minBlocks");
        QTest::newRow("real line, 8-byte writes") << 600 << 873 << 8 << 2;
        QTest::newRow("real line, single bytes") << 200 << 873 << 1 << 2;
        QTest::newRow("fast line, 64 KiB at once") << 65536 << 0 << 0 << 1;
        QTest::newRow("fast line, 4 KiB in single bytes") << 4096 << 0 << 1 << 1;
    }
    void burstArrivesWhole()
    {
        QFETCH(int, size);
        QFETCH(int, lineRate);
        QFETCH(int, chunk);
        QFETCH(int, minBlocks);
        GaugeLine line;
        QVERIFY(line.Open());
        line.port.ConnectReadyRead();
        line.gauge->SetLineRate(lineRate);
        line.gauge->SetChunkSize(chunk);

        line.gauge->WriteBytes(Pattern(size));

        QTRY_VERIFY_WITH_TIMEOUT(line.Delivered().size() >= size, 20000);
        QCOMPARE(line.Delivered(), Pattern(size));
        QVERIFY(line.blocks.Count() >= minBlocks);
    }

    // Bytes that reach the channel while a window is emitting its block must not wait for
    // a further arrival. The block's receiver below keeps the window open until they are there.
    void bytesAtWindowEndAreDelivered()
    {
        GaugeLine line;
        QVERIFY(line.Open());
        const QByteArray head("\x01\x00\x00\x00\x48\x42", 6);
        const QByteArray tail("\x01\x00\x00\x00\xC8\x42", 6);
        QSemaphore arrivals;
        connect(line.port.SerialPort(), &QSerialPort::readyRead, this,
                [&arrivals] { arrivals.release(); });
        line.port.ConnectReadyRead();
        std::atomic<bool> held{false};
        std::atomic<bool> tailArrivedInWindow{false};
        GaugeSim *gauge = line.gauge.Sim();
        connect(
            &line.port, &KesSerialPort::ReadSerialPort, this,
            [&](const QByteArray &) {
                if (held.exchange(true))
                    return;
                arrivals.tryAcquire(arrivals.available());
                gauge->WriteBytes(tail);
                tailArrivedInWindow = arrivals.tryAcquire(1, 5000);
            },
            Qt::DirectConnection);

        gauge->WriteBytes(head);

        QVERIFY(line.blocks.WaitFor(2));
        QVERIFY(tailArrivedInWindow);
        QCOMPARE(line.blocks.Values<QByteArray>(), QList<QByteArray>({head, tail}));
    }

    void unhookedBytesWaitInPort_data()
    {
        QTest::addColumn<int>("hookups");
        QTest::newRow("hooked once before") << 1;
        QTest::newRow("hooked twice before") << 2;
    }
    void unhookedBytesWaitInPort()
    {
        QFETCH(int, hookups);
        GaugeLine line;
        QVERIFY(line.Open());
        for (int i = 0; i < hookups; ++i)
            line.port.ConnectReadyRead();
        line.port.DisconnectReadyRead();
        const QByteArray early = Pattern(18);
        const QByteArray late("\x01\x00\x00\x00\x48\x42", 6);

        line.gauge->WriteBytes(early);
        QTRY_COMPARE(line.port.SerialPort()->bytesAvailable(), qint64(early.size()));
        QCOMPARE(line.blocks.Count(), 0);

        line.port.ConnectReadyRead();
        line.gauge->WriteBytes(late);
        QVERIFY(line.blocks.WaitFor(1));
        QCOMPARE(line.blocks.At(0).first().toByteArray(), early + late);
    }

    void closeSerialSignalsOnlyAnOpenPort_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::addColumn<int>("closeCalls");
        QTest::addColumn<int>("closedSignals");
        QTest::newRow("open port closed once") << true << 1 << 1;
        QTest::newRow("open port closed twice") << true << 2 << 1;
        QTest::newRow("port never opened") << false << 1 << 0;
    }
    void closeSerialSignalsOnlyAnOpenPort()
    {
        QFETCH(bool, openFirst);
        QFETCH(int, closeCalls);
        QFETCH(int, closedSignals);
        GaugeLine line;
        if (openFirst)
            QVERIFY(line.Open());
        QSignalSpy closed(&line.port, &KesSerialPort::Closeed);

        for (int i = 0; i < closeCalls; ++i)
            line.port.CloseSerial();

        QCOMPARE(closed.count(), closedSignals);
        QVERIFY(!line.port.IsOpen());
    }

    // The window's end works on the channel's members, so destruction waits for it.
    void destructionLetsRunningWindowEnd()
    {
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        auto port = std::make_unique<KesSerialPort>();
        QueuedSignalRecorder blocks(port.get(), &KesSerialPort::ReadSerialPort);
        port->SetPortName(gauge->PortName());
        QVERIFY(port->OpenSerial(9600, QSerialPort::OneStop, QSerialPort::OddParity));
        port->ConnectReadyRead();
        QSignalSpy arrivals(port->SerialPort(), &QSerialPort::readyRead);
        const QByteArray frame("\x01\x00\x00\x00\x48\x42", 6);

        gauge->WriteBytes(frame);
        QVERIFY(arrivals.wait());
        port.reset();

        QVERIFY(blocks.WaitFor(1));
        QCOMPARE(blocks.Values<QByteArray>(), QList<QByteArray>({frame}));
    }

    void unplugLosesDeviceOnce_data()
    {
        QTest::addColumn<bool>("hooked");
        QTest::addColumn<bool>("streaming");
        QTest::newRow("reader unhooked") << false << false;
        QTest::newRow("reader hooked") << true << false;
        QTest::newRow("gauge streaming") << true << true;
    }
    void unplugLosesDeviceOnce()
    {
        QFETCH(bool, hooked);
        QFETCH(bool, streaming);
        GaugeLine line;
        QVERIFY(line.Open());
        if (hooked)
            line.port.ConnectReadyRead();
        if (streaming) {
            line.gauge->SetPeriodMs(20);
            line.port.WriteSerialPortSlot("\xF1");
            QVERIFY(line.blocks.WaitFor(1));
        }
        QSignalSpy lost(&line.port, &KesSerialPort::DisconnectPort);
        QSignalSpy closed(&line.port, &KesSerialPort::Closeed);
        QSignalSpy portErrors(line.port.SerialPort(), &QSerialPort::errorOccurred);

        line.gauge->Unplug();

        QTRY_COMPARE(lost.count(), 1);
        QVERIFY(!line.port.IsOpen());
        const int errorsAtLoss = portErrors.count();
        // A loop spinning on the dead line would wake up thousands of times meanwhile.
        const int wakeups = CountLoopWakeups(300);
        QVERIFY2(wakeups < 50, qPrintable(QString("%1 wake-ups of an idle loop").arg(wakeups)));
        QCOMPARE(portErrors.count(), errorsAtLoss);
        QCOMPARE(lost.count(), 1);
        line.port.CloseSerial();
        QCOMPARE(closed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TstKesSerialPort)
#include "TstKesSerialPort.moc"
