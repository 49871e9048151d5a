#include "KesLog.h"
#include "KesWinMonitorSerial.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

namespace {
const QString UsbClass = QStringLiteral("#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");

QMutex s_messagesMutex;
// Never destroyed: the logger's worker may still hand over a message while the process exits.
QStringList &s_messages = *new QStringList;

void Capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&s_messagesMutex);
    s_messages.append(message);
}

QStringList Messages()
{
    QMutexLocker lock(&s_messagesMutex);
    return s_messages;
}

QStringList FileLines()
{
    QFile file("log.log");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Lines of the handler in one sink, up to the marker that was logged after the handler ran.
QStringList BeforeMarker(const QStringList &lines, const QString &marker)
{
    QStringList before;
    for (const QString &line : lines) {
        if (line.endsWith(marker))
            return before;
        before.append(line);
    }
    return {};
}

bool HasMarker(const QStringList &lines, const QString &marker)
{
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const QString &line) { return line.endsWith(marker); });
}

QRegularExpression InfoRecord(const QString &text)
{
    return QRegularExpression(
        QStringLiteral("^\\d+-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\| INFO \\| tid: %1 \\| %2$")
            .arg(KesLog::CurrentThreadId())
            .arg(QRegularExpression::escape(text)));
}
} // namespace

class TstKesWinMonitorSerial : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_workDir.isValid());
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        KesLog::Instance();
        qInstallMessageHandler(Capture);
    }

    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void handleDeviceEvent_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("interfaceName");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<qlonglong>("pid");
        QTest::addColumn<qlonglong>("vid");

        const int arrival = KesWinMonitorSerial::DeviceArrival;
        const int removal = KesWinMonitorSerial::DeviceRemoveComplete;
        QTest::newRow("CH340 arrives, lower-case digits")
            << arrival << "\\\\?\\USB#vid_1a86&pid_7523#5&2a1c2a5b&0&2" + UsbClass
            << "win api add: USB\\VID_1A86&PID_7523\\5&2A1C2A5B&0&2"
            << "AddSerial" << qlonglong(0x7523) << qlonglong(0x1A86);
        QTest::newRow("CH340 removed")
            << removal << "\\\\?\\USB#VID_1A86&PID_7523#5&2a1c2a5b&0&2" + UsbClass
            << "win api del: USB\\VID_1A86&PID_7523\\5&2A1C2A5B&0&2"
            << "DeleteSerial" << qlonglong(0x7523) << qlonglong(0x1A86);
        QTest::newRow("composite interface")
            << arrival << "\\\\?\\USB#VID_0483&PID_5740&MI_00#6&3b2e&0&0000" + UsbClass
            << "win api add: USB\\VID_0483&PID_5740&MI_00\\6&3B2E&0&0000"
            << "AddSerial" << qlonglong(0x5740) << qlonglong(0x0483);
        QTest::newRow("HID device")
            << arrival
            << "\\\\?\\HID#VID_046D&PID_C52B&MI_00#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-"
               "001111000030}"
            << "win api add: HID\\VID_046D&PID_C52B&MI_00\\7&1A2B&0&0000"
            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("USB disk")
            << removal
            << "\\\\?\\USBSTOR#Disk&Ven_Kingston&Prod_DT&Rev_1.00#0019E06B&0#{53f56307-b6bf-"
               "11d0-94f2-00a0c91efb8b}"
            << "win api del: USBSTOR\\DISK&VEN_KINGSTON&PROD_DT&REV_1.00\\0019E06B&0"
            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("no interface class") << arrival << "\\\\?\\USB\\VID_1A86&PID_7523"
                                            << ""
                                            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("no product item")
            << arrival << "\\\\?\\USB#VID_1A86#5&2a1c2a5b&0&2" + UsbClass
            << "win api add: USB\\VID_1A86\\5&2A1C2A5B&0&2"
            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("item without identifier")
            << arrival << "\\\\?\\USB#VID_1A86&PID7523#5&2a1c2a5b&0&2" + UsbClass
            << "win api add: USB\\VID_1A86&PID7523\\5&2A1C2A5B&0&2"
            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("no device segment")
            << removal << "\\\\?\\USB" + UsbClass << "win api del: USB"
            << "" << qlonglong(0) << qlonglong(0);
        QTest::newRow("identifier that is not hexadecimal")
            << arrival << "\\\\?\\USB#VID_XYZ&PID_7523#1" + UsbClass
            << "win api add: USB\\VID_XYZ&PID_7523\\1"
            << "AddSerial" << qlonglong(0x7523) << qlonglong(0);
    }
    void handleDeviceEvent()
    {
        QFETCH(int, kind);
        QFETCH(QString, interfaceName);
        QFETCH(QString, logged);
        QFETCH(QString, signal);
        QFETCH(qlonglong, pid);
        QFETCH(qlonglong, vid);

        KesWinMonitorSerial *monitor = KesWinMonitorSerial::Instance();
        QSignalSpy added(monitor, &KesWinMonitorSerial::AddSerial);
        QSignalSpy deleted(monitor, &KesWinMonitorSerial::DeleteSerial);
        QFile::remove("log.log");
        {
            QMutexLocker lock(&s_messagesMutex);
            s_messages.clear();
        }

        KesWinMonitorSerial::HandleDeviceEvent(static_cast<unsigned long>(kind), interfaceName);

        const QString marker = QStringLiteral("marker %1").arg(QTest::currentDataTag());
        KesLog::WriteDebugOutput(KesLog::InfoWithTid(marker.toStdString()));
        KesLog::AppendToFile("./log", KesLog::InfoWithTid(marker.toStdString()));
        QTRY_VERIFY(HasMarker(Messages(), marker));
        QTRY_VERIFY(HasMarker(FileLines(), marker));
        const QStringList debugLines = BeforeMarker(Messages(), marker);
        const QStringList fileLines = BeforeMarker(FileLines(), marker);
        if (logged.isEmpty()) {
            QCOMPARE(debugLines, QStringList());
            QCOMPARE(fileLines, QStringList());
        } else {
            QCOMPARE(debugLines.size(), 1);
            QCOMPARE(fileLines.size(), 1);
            QVERIFY2(InfoRecord(logged).match(debugLines.first()).hasMatch(),
                     qPrintable(debugLines.first()));
            QVERIFY2(InfoRecord(logged).match(fileLines.first()).hasMatch(),
                     qPrintable(fileLines.first()));
        }

        QCOMPARE(added.count(), signal == "AddSerial" ? 1 : 0);
        QCOMPARE(deleted.count(), signal == "DeleteSerial" ? 1 : 0);
        const QSignalSpy &emitted = signal == "AddSerial" ? added : deleted;
        if (!signal.isEmpty())
            QCOMPARE(emitted.first(), (QVariantList{pid, vid}));
    }

    void signalsReachAQueuedReceiverFromAnotherThread()
    {
        QList<QPair<qlonglong, qlonglong>> removed;
        const QMetaObject::Connection connection =
            connect(KesWinMonitorSerial::Instance(), &KesWinMonitorSerial::DeleteSerial, this,
                    [&](qlonglong pid, qlonglong vid) {
                        removed.append({pid, vid});
                    });
        std::thread source([] {
            KesWinMonitorSerial::HandleDeviceEvent(KesWinMonitorSerial::DeviceRemoveComplete,
                                                   "\\\\?\\USB#VID_067B&PID_23D3#7&1f&0&1" +
                                                       UsbClass);
        });
        source.join();
        QTRY_COMPARE(removed, (QList<QPair<qlonglong, qlonglong>>{{0x23D3, 0x067B}}));
        disconnect(connection);
    }

private:
    QTemporaryDir m_workDir;
};

QTEST_GUILESS_MAIN(TstKesWinMonitorSerial)
#include "TstKesWinMonitorSerial.moc"
