#pragma once

#include <QObject>
#include <QString>

// Turns the system's USB arrival and removal notifications into signals carrying the device's
// product and vendor identifiers. On Windows a hidden window on a native thread receives the
// notifications; elsewhere the object has no event source and HandleDeviceEvent is the way in.
class KesWinMonitorSerial : public QObject
{
    Q_OBJECT
public:
    enum DeviceEvent : unsigned long
    {
        DeviceArrival = 0x8000,
        DeviceRemoveComplete = 0x8004
    };

    static KesWinMonitorSerial *Instance();
    ~KesWinMonitorSerial() override;

    // Logs the event to the debug output and to log.log and, for a USB device, emits AddSerial
    // (arrival) or DeleteSerial (any other kind) on the instance.
    static void HandleDeviceEvent(unsigned long kind, const QString &interfaceName);

    // "\\?\USB#VID_1A86&PID_7523#5&2a1c#{class}" -> "USB\VID_1A86&PID_7523\5&2A1C";
    // a null string when the name has no "#".
    static QString DevicePath(const QString &interfaceName);
    // The identifiers of a USB device path; false when it names no USB device or lacks them.
    static bool UsbIdentifiers(const QString &devicePath, qlonglong &pid, qlonglong &vid);

signals:
    void AddSerial(qlonglong pid, qlonglong vid);
    void DeleteSerial(qlonglong pid, qlonglong vid);

private:
    KesWinMonitorSerial();
};
