#include "PortOpenFailure.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

PortOpenFailure PortOpenFailure::NoPort()
{
    PortOpenFailure failure;
    failure.m_reason = NoPortChosen;
    return failure;
}

PortOpenFailure PortOpenFailure::Of(const QString &portName, QSerialPort::SerialPortError error,
                                    const QString &errorText, bool deviceAccessible,
                                    const QString &channelText)
{
    PortOpenFailure failure;
    failure.m_reason = Classify(error, deviceAccessible);
    failure.m_portName = portName;
    failure.m_errorCode = static_cast<int>(error);
    failure.m_errorText = errorText;
    failure.m_channelText = channelText;
    failure.m_deviceAccessible = deviceAccessible;
    return failure;
}

PortOpenFailure::Reason PortOpenFailure::Classify(QSerialPort::SerialPortError error,
                                                  bool deviceAccessible)
{
    if (error != QSerialPort::PermissionError)
        return Other;
    return deviceAccessible ? Busy : NoPermission;
}

bool PortOpenFailure::DeviceAccessible(const QString &systemLocation)
{
#ifdef Q_OS_UNIX
    return ::access(systemLocation.toLocal8Bit().constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(systemLocation)
    return true;
#endif
}

QString PortOpenFailure::UserText() const
{
    switch (m_reason) {
    case NoPortChosen:
        return tr("No serial port chosen! Connect the gauge and choose its port.");
    case NoPermission:
#ifdef Q_OS_LINUX
        return tr("No permission to open %1! Install the program's package (its udev rule gives "
                  "access), or join the dialout group and log in again.")
            .arg(m_portName);
#else
        return tr("No permission to open %1!").arg(m_portName);
#endif
    case Busy:
        return tr("%1 is in use by another program! Close it and try again.").arg(m_portName);
    case Other:
        break;
    }
    return m_channelText;
}

QString PortOpenFailure::LogText() const
{
    if (m_reason == NoPortChosen)
        return QStringLiteral("Open refused: no port name");
    return QStringLiteral("Open %1 failed: error %2 (%3), read and write access to the device: %4")
        .arg(m_portName)
        .arg(m_errorCode)
        .arg(m_errorText, m_deviceAccessible ? QStringLiteral("yes") : QStringLiteral("no"));
}
