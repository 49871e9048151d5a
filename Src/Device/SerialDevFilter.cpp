#include "SerialDevFilter.h"

#include <QMutex>
#include <QMutexLocker>

#include <utility>

namespace {
QMutex s_userPortsMutex;
QStringList s_userPorts;
std::function<void()> s_userPortsListener;

// With the mutex held.
void TellListener()
{
    if (s_userPortsListener)
        s_userPortsListener();
}
} // namespace

const QStringList SerialDevFilter::AdapterList = {
    QStringLiteral("46388,1241"), // 0xB534, 0x04D9
    QStringLiteral("29987,6790"), // 0x7523, 0x1A86
    QStringLiteral("9171,1659"),  // 0x23D3, 0x067B
    QStringLiteral("22336,1155"), // 0x5740, 0x0483
};

bool SerialDevFilter::IsGaugeAdapter(const QSerialPortInfo &info)
{
    return IsAdapter(info.productIdentifier(), info.vendorIdentifier()) ||
           IsUserPort(info.portName(), info.systemLocation());
}

bool SerialDevFilter::IsAdapter(quint16 productId, quint16 vendorId)
{
    const QString key = QString::number(productId) + QLatin1Char(',') + QString::number(vendorId);
    return AdapterList.contains(key);
}

void SerialDevFilter::SetUserPorts(const QStringList &names)
{
    QStringList named = names;
    named.removeAll(QString());
    QMutexLocker lock(&s_userPortsMutex);
    s_userPorts = named;
    TellListener();
}

void SerialDevFilter::AddUserPorts(const QStringList &names)
{
    QMutexLocker lock(&s_userPortsMutex);
    for (const QString &name : names) {
        if (!name.isEmpty() && !s_userPorts.contains(name))
            s_userPorts.append(name);
    }
    TellListener();
}

QStringList SerialDevFilter::UserPorts()
{
    QMutexLocker lock(&s_userPortsMutex);
    return s_userPorts;
}

void SerialDevFilter::SetUserPortsListener(std::function<void()> listener)
{
    QMutexLocker lock(&s_userPortsMutex);
    s_userPortsListener = std::move(listener);
}

bool SerialDevFilter::IsUserPort(const QString &portName, const QString &systemLocation)
{
    if (portName.isEmpty() && systemLocation.isEmpty())
        return false;
    const QStringList names = UserPorts();
    for (const QString &name : names) {
        if (name == portName || SystemLocation(name) == systemLocation)
            return true;
    }
    return false;
}

QString SerialDevFilter::SystemLocation(const QString &portName)
{
#ifdef Q_OS_WIN
    if (portName.startsWith(QLatin1String("COM")))
        return QStringLiteral("\\\\.\\") + portName;
    return portName;
#else
    if (portName.startsWith(QLatin1Char('/')) || portName.startsWith(QLatin1String("./")) ||
        portName.startsWith(QLatin1String("../")))
        return portName;
    return QStringLiteral("/dev/") + portName;
#endif
}
