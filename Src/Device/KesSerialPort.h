#pragma once

#include "PortOpenFailure.h"
#include "SerialLineEvents.h"
#include "SerialSettings.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>

class ReadPortDataWork;

// The one channel to the gauge: opens the port, writes command frames and hands received
// bytes on as whole blocks, one block per 40 ms collection window. The blocks are emitted from
// the window thread, so receivers must be connected queued (an automatic connection is).
class KesSerialPort : public QObject
{
    Q_OBJECT
public:
    explicit KesSerialPort(QObject *parent = nullptr);
    ~KesSerialPort() override;

    void SetPortName(const QString &portName);
    QString PortName() const;
    bool IsOpen() const;
    QSerialPort *SerialPort();

    bool OpenSerial(int baudRate, QSerialPort::StopBits stopBits, QSerialPort::Parity parity);
    void CloseSerial();

    // Opens the named port with the given line settings; reports the outcome as OpenSerial does.
    bool Open(const QString &portName, const SerialSettings &settings = SerialSettings());
    // Writes bytes as WriteSerialPortSlot does; false when the port is closed or took fewer.
    bool Write(const QByteArray &bytes);
    // Hands what is still buffered to the line at once, without waiting.
    void Flush();
    // Waits up to msecs for what is buffered to be written; false when it was not.
    bool WaitForWritten(int msecs);
    // Drops what waits to be read and to be sent.
    void Clear();
    // Drops what waits to be read, in the port and in its driver.
    void DiscardInput();
    // Bytes the port keeps unread while the read path is unhooked; 0 for no limit.
    void SetReadBufferSize(qint64 bytes);
    // Reads directly, while the read path is unhooked: at most maxBytes of what has arrived.
    QByteArray Read(qint64 maxBytes);
    // Closes the port without a Closeed().
    void Close();
    // What happens on the line, for a reader of the port that is not the read path.
    const SerialLineEvents *LineEvents() const { return &m_lineEvents; }
    // The last open that failed, as OpenFailed reported it.
    PortOpenFailure LastOpenFailure() const { return m_lastOpenFailure; }

    // Hooks the port's arrivals to the collection window; while unhooked, bytes stay in the port.
    void ConnectReadyRead();
    void DisconnectReadyRead();

signals:
    void ReadSerialPort(QByteArray data);
    void ErrorSerialPort(QString message);
    void OpenSuccess();
    void DisconnectPort();
    void Closeed();
    // Every open that fails, the one without a port name too, with what the user can do.
    void OpenFailed(PortOpenFailure failure);

public slots:
    void WriteSerialPortSlot(QByteArray data, bool waitread = false, int msecs = 1000);

private:
    void On_ReadyRead();
    void On_WindowEnd();
    void On_WindowFinished();
    void On_ErrorOccurred(QSerialPort::SerialPortError error);
    void On_DeleteSerial(qlonglong pid, qlonglong vid);

    bool OpenWith(const SerialSettings &settings);
    void ReportOpenFailure(const QString &report);
    void StartWindow();
    void ClosePort();
    void LoseDevice();
    bool IsLineGone() const;
    bool IsRemovedDevice(qlonglong pid, qlonglong vid) const;

    QSerialPortInfo m_portInfo;
    QString m_portName;
    QByteArray m_readBuffer;
    QSerialPort m_serialPort;
    QMutex m_bufferMutex;
    QMetaObject::Connection m_readyReadConnection;
    ReadPortDataWork *m_readWork = nullptr;
    // Closing a dead device can report further errors from inside close(); they are ours.
    bool m_closing = false;
    PortOpenFailure m_lastOpenFailure;
    SerialLineEvents m_lineEvents;
};
