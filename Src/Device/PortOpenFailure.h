#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QSerialPort>
#include <QString>

// Why a serial port did not open, told in words a user can act on. A port the user may not
// open and a port another program holds both come back from QSerialPort as a permission error;
// whether this user may read and write the device node tells them apart.
class PortOpenFailure
{
    Q_DECLARE_TR_FUNCTIONS(PortOpenFailure)
public:
    enum Reason
    {
        NoPortChosen,
        NoPermission,
        Busy,
        Other
    };

    PortOpenFailure() = default;
    static PortOpenFailure NoPort();
    // channelText is the channel's own report ("SerialPort Open %1, error code %2").
    static PortOpenFailure Of(const QString &portName, QSerialPort::SerialPortError error,
                              const QString &errorText, bool deviceAccessible,
                              const QString &channelText);

    static Reason Classify(QSerialPort::SerialPortError error, bool deviceAccessible);
    // Whether this user may read and write the device; where the system does not say (Windows
    // keeps its ports to one program at a time), a refused port counts as held by another.
    static bool DeviceAccessible(const QString &systemLocation);

    Reason WhyRefused() const { return m_reason; }
    QString PortName() const { return m_portName; }
    // The system's own words for the failure.
    QString ErrorText() const { return m_errorText; }
    // Translated, for the message dialog.
    QString UserText() const;
    // Everything known about the failure, for the log.
    QString LogText() const;

private:
    Reason m_reason = Other;
    QString m_portName;
    int m_errorCode = 0;
    QString m_errorText;
    QString m_channelText;
    bool m_deviceAccessible = false;
};

Q_DECLARE_METATYPE(PortOpenFailure)
