#include "KesLog.h"
#include "MonitorSerial.h"
#include "PortNames.h"
#include "Pty.h"
#include "SerialDevFilter.h"

#include <QFile>
#include <QMutex>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using Port = MonitorSerial::Port;

namespace {
const Port Ch340{"ttyUSB0", 0x7523, 0x1A86};
const Port Onboard{"ttyS0", 0, 0};
const Port Stm32{"ttyACM0", 0x5740, 0x0483};
const Port Prolific{"ttyUSB1", 0x23D3, 0x067B};

QStringList SortedKeys(const MonitorSerial::PortTable &table)
{
    QStringList keys = table.keys();
    keys.sort();
    return keys;
}

// The summary line comes last; the order of the others follows the hash.
QStringList Normalised(QStringList lines)
{
    if (lines.size() > 1)
        std::sort(lines.begin(), lines.end() - 1);
    return lines;
}

QMutex s_messagesMutex;
// Never destroyed: the logger's worker may still hand over a message while the process exits.
QStringList &s_messages = *new QStringList;

void Capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&s_messagesMutex);
    s_messages.append(message);
}

bool Logged(const QString &text)
{
    QMutexLocker lock(&s_messagesMutex);
    return std::any_of(s_messages.cbegin(), s_messages.cend(),
                       [&](const QString &message) { return message.endsWith(" | " + text); });
}
} // namespace

Q_DECLARE_METATYPE(QList<Port>)

// Receives the discovery's reports the way the main window does.
class Receiver : public QObject
{
    Q_OBJECT
public:
    QList<QList<QSerialPortInfo>> removedPorts;
    QList<QList<QString>> removedNames;

public slots:
    void On_UpdateSerial(QList<QSerialPortInfo>, QList<QSerialPortInfo> dels)
    {
        removedPorts.append(dels);
    }
    void On_UpdateSerial(QList<QString>, QList<QString> dels) { removedNames.append(dels); }
};

class TstMonitorSerial : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        KesLog::Instance();
        qInstallMessageHandler(Capture);
    }

    void pass_data()
    {
        QTest::addColumn<QList<Port>>("recorded");
        QTest::addColumn<QList<Port>>("current");
        QTest::addColumn<QStringList>("adds");
        QTest::addColumn<QStringList>("dels");
        QTest::addColumn<QStringList>("nowRecorded");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("first pass reporting present ports")
            << QList<Port>() << QList<Port>{Ch340, Onboard} << QStringList{"ttyS0", "ttyUSB0"}
            << QStringList() << QStringList{"ttyS0", "ttyUSB0"}
            << QStringList{"add ttyS0 : 0,0", "add ttyUSB0 : 29987,6790",
                           "UpdateSerial Adds: 2 Dels: 0 m_lSerialPortInfo Size: 2"};
        QTest::newRow("first pass recording present ports")
            << QList<Port>{Ch340, Onboard} << QList<Port>{Onboard, Ch340} << QStringList()
            << QStringList() << QStringList{"ttyS0", "ttyUSB0"} << QStringList();
        QTest::newRow("first pass without ports")
            << QList<Port>() << QList<Port>() << QStringList() << QStringList() << QStringList()
            << QStringList();
        QTest::newRow("plug one") << QList<Port>{Onboard} << QList<Port>{Onboard, Stm32}
                                  << QStringList{"ttyACM0"} << QStringList()
                                  << QStringList{"ttyACM0", "ttyS0"}
                                  << QStringList{
                                         "add ttyACM0 : 22336,1155",
                                         "UpdateSerial Adds: 1 Dels: 0 m_lSerialPortInfo Size: 2"};
        QTest::newRow("unplug one")
            << QList<Port>{Onboard, Prolific} << QList<Port>{Onboard} << QStringList()
            << QStringList{"ttyUSB1"} << QStringList{"ttyS0"}
            << QStringList{"del ttyUSB1 : 9171,1659",
                           "UpdateSerial Adds: 0 Dels: 1 m_lSerialPortInfo Size: 1"};
        QTest::newRow("replace at equal count")
            << QList<Port>{Onboard, Ch340} << QList<Port>{Stm32, Onboard} << QStringList{"ttyACM0"}
            << QStringList{"ttyUSB0"} << QStringList{"ttyACM0", "ttyS0"}
            << QStringList{"add ttyACM0", "del ttyUSB0",
                           "UpdateSerial Adds: 1 Dels: 1 m_lSerialPortInfo Size: 2"};
        QTest::newRow("remove one, add two")
            << QList<Port>{Onboard, Ch340} << QList<Port>{Onboard, Stm32, Prolific}
            << QStringList{"ttyACM0", "ttyUSB1"} << QStringList()
            << QStringList{"ttyACM0", "ttyS0", "ttyUSB0", "ttyUSB1"}
            << QStringList{"add ttyACM0 : 22336,1155", "add ttyUSB1 : 9171,1659",
                           "UpdateSerial Adds: 2 Dels: 0 m_lSerialPortInfo Size: 4"};
        QTest::newRow("remove two, add one")
            << QList<Port>{Onboard, Ch340, Prolific} << QList<Port>{Stm32, Onboard} << QStringList()
            << QStringList{"ttyUSB0", "ttyUSB1"} << QStringList{"ttyS0"}
            << QStringList{"del ttyUSB0 : 29987,6790", "del ttyUSB1 : 9171,1659",
                           "UpdateSerial Adds: 0 Dels: 2 m_lSerialPortInfo Size: 1"};
        QTest::newRow("no change")
            << QList<Port>{Onboard, Ch340} << QList<Port>{Ch340, Onboard} << QStringList()
            << QStringList() << QStringList{"ttyS0", "ttyUSB0"} << QStringList();
        QTest::newRow("empty enumeration")
            << QList<Port>{Onboard, Ch340} << QList<Port>() << QStringList()
            << QStringList{"ttyS0", "ttyUSB0"} << QStringList()
            << QStringList{"del ttyS0 : 0,0", "del ttyUSB0 : 29987,6790",
                           "UpdateSerial Adds: 0 Dels: 2 m_lSerialPortInfo Size: 0"};
        QTest::newRow("a later duplicate name wins")
            << QList<Port>() << QList<Port>{Port{"ttyUSB0", 1, 2}, Ch340} << QStringList{"ttyUSB0"}
            << QStringList() << QStringList{"ttyUSB0"}
            << QStringList{"add ttyUSB0 : 29987,6790",
                           "UpdateSerial Adds: 1 Dels: 0 m_lSerialPortInfo Size: 1"};
    }
    void pass()
    {
        QFETCH(QList<Port>, recorded);
        QFETCH(QList<Port>, current);
        QFETCH(QStringList, adds);
        QFETCH(QStringList, dels);
        QFETCH(QStringList, nowRecorded);
        QFETCH(QStringList, log);
        const MonitorSerial::PassResult pass =
            MonitorSerial::Pass(MonitorSerial::Table(recorded), current);
        QCOMPARE(PortNames(pass.adds), adds);
        QCOMPARE(PortNames(pass.dels), dels);
        QCOMPARE(SortedKeys(pass.recorded), nowRecorded);
        QCOMPARE(Normalised(pass.logLines), log);
    }

    void removalLeftBehindIsReportedNextPass()
    {
        const auto first =
            MonitorSerial::Pass(MonitorSerial::Table({Onboard, Ch340}), {Onboard, Stm32, Prolific});
        QVERIFY(first.dels.isEmpty());
        const auto second = MonitorSerial::Pass(first.recorded, {Onboard, Stm32, Prolific});
        QCOMPARE(PortNames(second.dels), QStringList{"ttyUSB0"});
        QVERIFY(second.adds.isEmpty());
        QCOMPARE(second.logLines,
                 (QStringList{"del ttyUSB0 : 29987,6790", "UpdateSerial Adds: 0 Dels: 1 "
                                                          "m_lSerialPortInfo Size: 3"}));
        const auto third = MonitorSerial::Pass(second.recorded, {Onboard, Stm32, Prolific});
        QVERIFY(third.adds.isEmpty() && third.dels.isEmpty() && third.logLines.isEmpty());
    }

    void userNamedPortFollowsItsDevice()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("gauge");
        Pty first;
        QVERIFY(!first.Path().isEmpty());
        // A link whose device is gone. Not to a closed terminal: another process may get its
        // number meanwhile, and tests run side by side.
        QVERIFY(QFile::link(dir.filePath("gone"), link));
        SerialDevFilter::SetUserPorts({first.Path(), link});

        QStringList added, removed;
        bool emptyReport = false;
        const QMetaObject::Connection reports =
            connect(MonitorSerial::Instance(), &MonitorSerial::UpdateUserPorts, this,
                    [&](const QList<QString> &adds, const QList<QString> &dels) {
                        emptyReport = emptyReport || (adds.isEmpty() && dels.isEmpty());
                        added += adds;
                        removed += dels;
                    });
        MonitorSerial::Start(20, true);

        // Present before the first pass: reported because present ports are to be reported.
        QTRY_COMPARE_WITH_TIMEOUT(added, QStringList{first.Path()}, 5000);
        QTRY_VERIFY(Logged("add " + first.Path() + " : 0,0"));
        QSerialPort port;
        port.setPortName(first.Path());
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        port.close();

        Pty gauge;
        QFile::remove(link);
        QVERIFY(QFile::link(gauge.Path(), link));
        QTRY_COMPARE_WITH_TIMEOUT(added, (QStringList{first.Path(), link}), 5000);
        port.setPortName(link);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        port.close();

        first.Close();
        QTRY_COMPARE_WITH_TIMEOUT(removed, QStringList{first.Path()}, 5000);
        gauge.Close();
        QTRY_COMPARE_WITH_TIMEOUT(removed, (QStringList{first.Path(), link}), 5000);
        SerialDevFilter::SetUserPorts({});
        disconnect(reports);
        QVERIFY(!emptyReport);
    }

    // A later start of the program names more ports while discovery waits for device events.
    void portNamedWhileRunningIsReported()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("gauge");
        Pty gauge;
        QVERIFY(QFile::link(gauge.Path(), link));
        QStringList added;
        const QMetaObject::Connection reports =
            connect(MonitorSerial::Instance(), &MonitorSerial::UpdateUserPorts, this,
                    [&](const QList<QString> &adds, const QList<QString> &) { added += adds; });
        MonitorSerial::Start(20, true);
        SerialDevFilter::AddUserPorts({link});
        QTRY_COMPARE_WITH_TIMEOUT(added, QStringList{link}, 5000);
        SerialDevFilter::SetUserPorts({});
        disconnect(reports);
    }

    // After Start, which registers the types the reports carry across threads.
    void reportsReachReceiversConnectedBySignature()
    {
        Receiver receiver;
        QVERIFY(connect(MonitorSerial::Instance(),
                        SIGNAL(UpdateSerial(QList<QSerialPortInfo>, QList<QSerialPortInfo>)),
                        &receiver,
                        SLOT(On_UpdateSerial(QList<QSerialPortInfo>, QList<QSerialPortInfo>)),
                        Qt::QueuedConnection));
        QVERIFY(connect(MonitorSerial::Instance(),
                        SIGNAL(UpdateUserPorts(QList<QString>, QList<QString>)), &receiver,
                        SLOT(On_UpdateSerial(QList<QString>, QList<QString>)),
                        Qt::QueuedConnection));
        const QList<QSerialPortInfo> ports = {QSerialPortInfo(), QSerialPortInfo(),
                                              QSerialPortInfo()};
        std::thread([&] {
            emit MonitorSerial::Instance()->UpdateSerial({}, ports);
            emit MonitorSerial::Instance()->UpdateUserPorts({}, {"/tmp/gone"});
        }).join();
        QTRY_VERIFY(receiver.removedNames.contains(QList<QString>{"/tmp/gone"}));
        QTRY_VERIFY(
            std::any_of(receiver.removedPorts.cbegin(), receiver.removedPorts.cend(),
                        [](const QList<QSerialPortInfo> &dels) { return dels.size() == 3; }));
    }
};

QTEST_GUILESS_MAIN(TstMonitorSerial)
#include "TstMonitorSerial.moc"
