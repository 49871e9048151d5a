#include "MonitorSerial.h"

#include "DeviceNodeWatch.h"
#include "KesLog.h"
#include "PortSurvey.h"
#include "SerialDevFilter.h"

#include <QAtomicPointer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaType>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

#include <limits>

namespace {
QAtomicPointer<MonitorSerial> s_instance;
QMutex s_instanceMutex;

// While device events are watched there is no safety pass: every change comes with an event,
// and a lost event (a full queue) counts as a change. One enumeration opens every serial device
// entry of the system, thousands of files, which an idle program should not do once a minute.
constexpr qint64 NoSafetyPass = std::numeric_limits<qint64>::max();

QString Identified(const QString &verb, const MonitorSerial::Port &port)
{
    return verb + port.name + QStringLiteral(" : ") + QString::number(port.productId) +
           QLatin1Char(',') + QString::number(port.vendorId);
}

void Split(const QList<MonitorSerial::Port> &ports, QList<QSerialPortInfo> &listed,
           QList<QString> &userNamed)
{
    for (const MonitorSerial::Port &port : ports) {
        if (port.userNamed)
            userNamed.append(port.name);
        else
            listed.append(port.info);
    }
}

QStringList UserPortLocations()
{
    QStringList locations;
    const QStringList names = SerialDevFilter::UserPorts();
    for (const QString &name : names)
        locations.append(SerialDevFilter::SystemLocation(name));
    return locations;
}

bool DeviceExists(const QString &systemLocation)
{
#ifdef Q_OS_UNIX
    return QFileInfo::exists(systemLocation);
#else
    // Elsewhere every serial device, virtual ones included, is listed by the system itself.
    Q_UNUSED(systemLocation)
    return false;
#endif
}
} // namespace

int MonitorSerial::s_interval = 500;
bool MonitorSerial::s_running = false;
bool MonitorSerial::s_reportExisting = false;

MonitorSerial::Port MonitorSerial::Port::FromInfo(const QSerialPortInfo &info)
{
    return {info.portName(), info.productIdentifier(), info.vendorIdentifier(), info, false};
}

MonitorSerial::Port MonitorSerial::Port::UserNamed(const QString &name)
{
    return {name, 0, 0, QSerialPortInfo(), true};
}

MonitorSerial *MonitorSerial::Instance()
{
    if (!s_instance.loadAcquire()) {
        QMutexLocker lock(&s_instanceMutex);
        if (!s_instance.loadAcquire())
            s_instance.storeRelease(new MonitorSerial);
    }
    return s_instance.loadAcquire();
}

void MonitorSerial::Start(int interval, bool reportExisting)
{
    if (s_running)
        return;
    qRegisterMetaType<QSerialPortInfo>("QSerialPortInfo");
    qRegisterMetaType<QList<QSerialPortInfo>>("QList<QSerialPortInfo>");
    qRegisterMetaType<QList<QString>>("QList<QString>");
    s_interval = interval;
    s_reportExisting = reportExisting;
    s_running = true;
    Instance()->start(QThread::InheritPriority);
}

QList<MonitorSerial::Port> MonitorSerial::SystemPorts()
{
    QList<Port> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append(Port::FromInfo(info));
    return ports;
}

QList<MonitorSerial::Port> MonitorSerial::WithUserPorts(QList<Port> systemPorts)
{
    QSet<QString> locations;
    for (const Port &port : qAsConst(systemPorts))
        locations.insert(port.info.systemLocation());
    const QStringList userPorts = SerialDevFilter::UserPorts();
    for (const QString &name : userPorts) {
        const QString location = SerialDevFilter::SystemLocation(name);
        if (locations.contains(location) || !DeviceExists(location))
            continue;
        systemPorts.append(Port::UserNamed(name));
        locations.insert(location);
    }
    return systemPorts;
}

MonitorSerial::PortTable MonitorSerial::Table(const QList<Port> &ports)
{
    PortTable table;
    for (const Port &port : ports)
        table.insert(port.name, port);
    return table;
}

MonitorSerial::PassResult MonitorSerial::Pass(const PortTable &recorded, const QList<Port> &current)
{
    const PortTable currentTable = Table(current);
    PassResult pass;
    pass.recorded = recorded;
    if (recorded.size() < currentTable.size()) {
        // Ports that went away meanwhile stay recorded until a pass finds fewer ports.
        for (const Port &port : currentTable) {
            if (pass.recorded.contains(port.name))
                continue;
            pass.recorded.insert(port.name, port);
            pass.logLines.append(Identified(QStringLiteral("add "), port));
            pass.adds.append(port);
        }
    } else if (recorded.size() > currentTable.size()) {
        for (const Port &port : recorded) {
            if (currentTable.contains(port.name))
                continue;
            pass.logLines.append(Identified(QStringLiteral("del "), port));
            pass.dels.append(port);
        }
        for (const Port &port : qAsConst(pass.dels))
            pass.recorded.remove(port.name);
    } else {
        for (const Port &port : currentTable) {
            if (recorded.contains(port.name))
                continue;
            pass.adds.append(port);
            pass.logLines.append(QStringLiteral("add ") + port.name);
        }
        for (const Port &port : recorded) {
            if (currentTable.contains(port.name))
                continue;
            pass.dels.append(port);
            pass.logLines.append(QStringLiteral("del ") + port.name);
        }
        pass.recorded = currentTable;
    }
    if (!pass.adds.isEmpty() || !pass.dels.isEmpty())
        pass.logLines.append(
            QStringLiteral("UpdateSerial Adds: %1 Dels: %2 m_lSerialPortInfo Size: %3")
                .arg(pass.adds.size())
                .arg(pass.dels.size())
                .arg(pass.recorded.size()));
    return pass;
}

void MonitorSerial::run()
{
    // Read once per process: only the very first pass may report the ports already present.
    static bool reportExisting = s_reportExisting;
    DeviceNodeWatch watch(QStringLiteral("/dev"));
    if (DeviceNodeWatch::UdevRuns())
        watch.FollowUdev("udev");
    SerialDevFilter::SetUserPortsListener([&watch] { watch.Interrupt(); });
    PortSurvey survey(&MonitorSerial::SystemPorts, NoSafetyPass);
    QElapsedTimer clock;
    clock.start();
    // Watched before they are looked at, so that no change between the two goes unseen.
    bool userPortsWatched = watch.WatchPaths(UserPortLocations());
    if (reportExisting)
        reportExisting = false;
    else
        m_lSerialPortInfo = Table(survey.Current(true, clock.elapsed()));
    bool changed = false;
    while (s_running) {
        PassResult pass = Pass(m_lSerialPortInfo, survey.Current(changed, clock.elapsed()));
        m_lSerialPortInfo = pass.recorded;
        Report(pass);
        // Without events to wait for, the ports are looked at every interval.
        changed = watch.Wait(watch.IsWatching() && userPortsWatched ? -1 : s_interval);
        userPortsWatched = watch.WatchPaths(UserPortLocations());
    }
    SerialDevFilter::SetUserPortsListener({});
}

void MonitorSerial::Report(const PassResult &pass)
{
    for (const QString &line : pass.logLines)
        KesLog::Debug(line);
    QList<QSerialPortInfo> adds, dels;
    QList<QString> userAdds, userDels;
    Split(pass.adds, adds, userAdds);
    Split(pass.dels, dels, userDels);
    if (!adds.isEmpty() || !dels.isEmpty())
        emit UpdateSerial(adds, dels);
    if (!userAdds.isEmpty() || !userDels.isEmpty())
        emit UpdateUserPorts(userAdds, userDels);
}
