#include "DeviceNodeWatch.h"
#include "MonitorSerial.h"
#include "PortNames.h"
#include "PortSurvey.h"
#include "Pty.h"
#include "SerialDevFilter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Port = MonitorSerial::Port;

namespace {
constexpr qint64 Safety = 5000;

// Stands in for the system's enumeration and counts how often it ran.
struct FakeSystem
{
    QList<Port> ports;
    int enumerations = 0;

    PortSurvey::Enumeration Enumeration()
    {
        return [this] {
            ++enumerations;
            return ports;
        };
    }
};
} // namespace

class TstPortSurvey : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SerialDevFilter::SetUserPorts({}); }

    void enumeratesOnlyAfterChangeOrSafetyInterval_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<int>("enumerations");
        QTest::addColumn<QStringList>("seen");

        // The fake system gains ttyUSB0 after the first call; only an enumeration can see it.
        QTest::newRow("quiet tick") << false << qint64(200) << 1 << QStringList{"ttyS0"};
        QTest::newRow("quiet tick just before the safety pass")
            << false << Safety - 1 << 1 << QStringList{"ttyS0"};
        QTest::newRow("device change")
            << true << qint64(200) << 2 << QStringList{"ttyS0", "ttyUSB0"};
        QTest::newRow("safety pass") << false << Safety << 2 << QStringList{"ttyS0", "ttyUSB0"};
    }
    void enumeratesOnlyAfterChangeOrSafetyInterval()
    {
        QFETCH(bool, changed);
        QFETCH(qint64, at);
        QFETCH(int, enumerations);
        QFETCH(QStringList, seen);
        FakeSystem system{{Port{"ttyS0"}}};
        PortSurvey survey(system.Enumeration(), Safety);
        QCOMPARE(PortNames(survey.Current(false, 0)), QStringList{"ttyS0"});
        QCOMPARE(system.enumerations, 1);
        system.ports.append(Port{"ttyUSB0", 0x7523, 0x1A86});
        QCOMPARE(PortNames(survey.Current(changed, at)), seen);
        QCOMPARE(system.enumerations, enumerations);
    }

    void safetyIntervalCountsFromTheLastEnumeration()
    {
        FakeSystem system;
        PortSurvey survey(system.Enumeration(), Safety);
        survey.Current(false, 0);
        survey.Current(true, 3000);
        survey.Current(false, Safety);
        QCOMPARE(system.enumerations, 2);
        survey.Current(false, 3000 + Safety);
        QCOMPARE(system.enumerations, 3);
    }

    // The user-named port is looked at on every tick, without enumerating the system.
    void userNamedLinkAppearsAndVanishesBetweenEnumerations()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("gauge");
        Pty gauge;
        QVERIFY(!gauge.Path().isEmpty());
        SerialDevFilter::SetUserPorts({link});
        FakeSystem system{{Port{"ttyS0"}}};
        PortSurvey survey(system.Enumeration(), Safety);

        MonitorSerial::PassResult pass =
            MonitorSerial::Pass(MonitorSerial::Table(survey.Current(false, 0)), {});
        pass = MonitorSerial::Pass(pass.recorded, survey.Current(false, 200));
        QCOMPARE(PortNames(pass.adds), QStringList{"ttyS0"});

        QVERIFY(QFile::link(gauge.Path(), link));
        pass = MonitorSerial::Pass(pass.recorded, survey.Current(false, 400));
        QCOMPARE(PortNames(pass.adds), QStringList{link});
        QVERIFY(pass.adds.first().userNamed);
        pass = MonitorSerial::Pass(pass.recorded, survey.Current(false, 600));
        QVERIFY(pass.adds.isEmpty() && pass.dels.isEmpty() && pass.logLines.isEmpty());

        QVERIFY(QFile::remove(link));
        pass = MonitorSerial::Pass(pass.recorded, survey.Current(false, 800));
        QCOMPARE(PortNames(pass.dels), QStringList{link});
        QVERIFY(pass.adds.isEmpty());
        QCOMPARE(system.enumerations, 1);
    }

    // The loop of the discovery thread, with the device folder a scratch folder whose files
    // stand for the system's ports.
    void changeInWatchedFolderBringsPortIntoNextPass()
    {
#ifndef Q_OS_LINUX
        QSKIP("device nodes are watched on Linux only");
#endif
        QTemporaryDir dir;
        QDir folder(dir.path());
        DeviceNodeWatch watch(folder.path());
        QVERIFY(watch.IsWatching());
        FakeSystem system;
        PortSurvey survey(
            [&] {
                ++system.enumerations;
                QList<Port> ports;
                for (const QString &name : folder.entryList(QDir::Files))
                    ports.append(Port{name});
                return ports;
            },
            Safety);
        MonitorSerial::PortTable recorded = MonitorSerial::Table(survey.Current(false, 0));

        QFile node(folder.filePath("ttyACM0"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        const bool changed = watch.Wait(10000);
        QVERIFY(changed);
        const MonitorSerial::PassResult pass =
            MonitorSerial::Pass(recorded, survey.Current(changed, 200));
        QCOMPARE(PortNames(pass.adds), QStringList{"ttyACM0"});
        QCOMPARE(system.enumerations, 2);
    }
};

QTEST_GUILESS_MAIN(TstPortSurvey)
#include "TstPortSurvey.moc"
