#pragma once

#include <QObject>
#include <QSerialPortInfo>
#include <QStringList>

#include <functional>

// Decides which serial ports are the gauge's: the four USB adapters the gauge ships with, plus
// the ports the user named on the command line (adapters of other makes, the simulated gauge).
class SerialDevFilter : public QObject
{
    Q_OBJECT
public:
    SerialDevFilter() = delete;

    // "product,vendor" in decimal, one entry per accepted adapter.
    static const QStringList AdapterList;

    static bool IsGaugeAdapter(const QSerialPortInfo &info);
    static bool IsAdapter(quint16 productId, quint16 vendorId);

    // Set at start-up from the command line, extended by later starts; read by the port
    // discovery on every pass.
    static void SetUserPorts(const QStringList &names);
    // Adds the names not named yet.
    static void AddUserPorts(const QStringList &names);
    static QStringList UserPorts();
    // Called after every change of the user-named ports, from the thread that made it (port
    // discovery, which waits for device events, looks at them again then).
    static void SetUserPortsListener(std::function<void()> listener);
    static bool IsUserPort(const QString &portName, const QString &systemLocation);

    // The device path QSerialPort opens for a port name ("ttyUSB0" -> "/dev/ttyUSB0").
    static QString SystemLocation(const QString &portName);
};
