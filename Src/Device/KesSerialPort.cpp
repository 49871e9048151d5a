#include "KesSerialPort.h"

#include "KesLog.h"
#include "ReadPortDataWork.h"
#include "SerialDevFilter.h"

#include <QMetaType>
#include <QMutexLocker>

#ifdef Q_OS_WIN
#include "KesWinMonitorSerial.h"
#include <QSysInfo>
#endif

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace {
const int kWindowMsecs = 40;

// Errors after which the port delivers nothing more. A line that has gone away shows up on
// Linux as a read error repeated for ever rather than as a resource error.
bool EndsLine(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::NotOpenError || error == QSerialPort::DeviceNotFoundError ||
           error == QSerialPort::PermissionError;
}
} // namespace

KesSerialPort::KesSerialPort(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<QSerialPort::SerialPortError>("QSerialPort::SerialPortError");
    qRegisterMetaType<PortOpenFailure>("PortOpenFailure");
    m_readBuffer.clear();
    m_readWork = new ReadPortDataWork(this);

    connect(
        m_readWork, &ReadPortDataWork::UpdateReadWork, m_readWork, [this] { On_WindowEnd(); },
        Qt::DirectConnection);
    connect(m_readWork, &QThread::finished, this, &KesSerialPort::On_WindowFinished);
#ifdef Q_OS_WIN
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    if (QSysInfo::windowsVersion() == QSysInfo::WV_WINDOWS7) {
        connect(KesWinMonitorSerial::Instance(), &KesWinMonitorSerial::DeleteSerial, this,
                &KesSerialPort::On_DeleteSerial);
    }
    QT_WARNING_POP
#endif
    connect(&m_serialPort, &QSerialPort::errorOccurred, this, &KesSerialPort::On_ErrorOccurred);
    connect(&m_serialPort, &QIODevice::readyRead, &m_lineEvents, &SerialLineEvents::BytesArrived);
    connect(&m_serialPort, &QIODevice::aboutToClose, &m_lineEvents, &SerialLineEvents::LineEnded);
}

KesSerialPort::~KesSerialPort()
{
    // The window's end runs on this channel's members: let a running window finish first.
    m_readWork->wait();
    m_readWork->deleteLater();
    m_readWork = nullptr;
    m_serialPort.disconnect(this);
    if (m_serialPort.isOpen())
        m_serialPort.close();
}

void KesSerialPort::SetPortName(const QString &portName)
{
    m_portName = portName;
}

QString KesSerialPort::PortName() const
{
    return m_portName;
}

bool KesSerialPort::IsOpen() const
{
    return m_serialPort.isOpen();
}

QSerialPort *KesSerialPort::SerialPort()
{
    return &m_serialPort;
}

bool KesSerialPort::OpenSerial(int baudRate, QSerialPort::StopBits stopBits,
                               QSerialPort::Parity parity)
{
    SerialSettings settings;
    settings.baudRate = baudRate;
    settings.stopBits = stopBits;
    settings.parity = parity;
    return OpenWith(settings);
}

bool KesSerialPort::Open(const QString &portName, const SerialSettings &settings)
{
    SetPortName(portName);
    return OpenWith(settings);
}

bool KesSerialPort::OpenWith(const SerialSettings &settings)
{
    if (m_portInfo.isNull() && m_portName.isEmpty()) {
        KesLog::WriteDebugOutput(
            KesLog::Info("KesSerialPort::OpenSerial", "133", "SerialPort PortName is Null!"));
        m_lastOpenFailure = PortOpenFailure::NoPort();
        emit OpenFailed(m_lastOpenFailure);
        return false;
    }
    if (m_portName.isEmpty())
        m_portName = m_portInfo.portName();

    ClosePort();
    m_serialPort.setPortName(m_portName);
    m_serialPort.setBaudRate(settings.baudRate, QSerialPort::AllDirections);
    m_serialPort.setDataBits(settings.dataBits);
    m_serialPort.setStopBits(settings.stopBits);
    m_serialPort.setParity(settings.parity);
    if (!m_serialPort.open(QIODevice::ReadWrite)) {
        const QString report = QString("SerialPort Open %1, error code %2")
                                   .arg(m_portName)
                                   .arg(static_cast<int>(m_serialPort.error()));
        emit ErrorSerialPort(report);
        ReportOpenFailure(report);
        return false;
    }
    emit OpenSuccess();
    return true;
}

void KesSerialPort::ReportOpenFailure(const QString &report)
{
    const PortOpenFailure failure = PortOpenFailure::Of(
        m_portName, m_serialPort.error(), m_serialPort.errorString(),
        PortOpenFailure::DeviceAccessible(SerialDevFilter::SystemLocation(m_portName)), report);
    KesLog::ErrorToFile(failure.LogText());
    m_lastOpenFailure = failure;
    emit OpenFailed(failure);
}

void KesSerialPort::CloseSerial()
{
    if (!m_serialPort.isOpen())
        return;
    ClosePort();
    emit Closeed();
}

void KesSerialPort::ConnectReadyRead()
{
    // A second hookup would leave a connection behind that DisconnectReadyRead cannot undo.
    disconnect(m_readyReadConnection);
    m_readyReadConnection =
        connect(&m_serialPort, &QSerialPort::readyRead, this, &KesSerialPort::On_ReadyRead);
}

void KesSerialPort::DisconnectReadyRead()
{
    disconnect(m_readyReadConnection);
}

void KesSerialPort::WriteSerialPortSlot(QByteArray data, bool waitread, int msecs)
{
    if (!Write(data))
        return;
    if (waitread) {
        while (m_serialPort.waitForReadyRead(msecs)) {
        }
    }
}

bool KesSerialPort::Write(const QByteArray &bytes)
{
    if (!m_serialPort.isOpen())
        return false;
    KesLog::Debug(QString("%1 Write: %2").arg(m_portName, QString::fromLatin1(bytes.toHex())));
    return m_serialPort.write(bytes) == bytes.size();
}

void KesSerialPort::Flush()
{
    m_serialPort.flush();
}

bool KesSerialPort::WaitForWritten(int msecs)
{
    return m_serialPort.waitForBytesWritten(msecs);
}

void KesSerialPort::Clear()
{
    m_serialPort.clear(QSerialPort::AllDirections);
}

void KesSerialPort::DiscardInput()
{
    m_serialPort.clear(QSerialPort::Input);
    m_serialPort.readAll();
}

void KesSerialPort::SetReadBufferSize(qint64 bytes)
{
    m_serialPort.setReadBufferSize(bytes);
}

QByteArray KesSerialPort::Read(qint64 maxBytes)
{
    return m_serialPort.read(maxBytes);
}

void KesSerialPort::Close()
{
    if (m_serialPort.isOpen())
        m_serialPort.close();
}

void KesSerialPort::On_ReadyRead()
{
    if (!m_readWork->IsRunning())
        StartWindow();
    QMutexLocker lock(&m_bufferMutex);
    m_readBuffer.append(m_serialPort.readAll());
}

void KesSerialPort::On_WindowEnd()
{
    QMutexLocker lock(&m_bufferMutex);
    if (m_readBuffer.isEmpty())
        return;
    emit ReadSerialPort(m_readBuffer);
    m_readBuffer.clear();
}

void KesSerialPort::On_WindowFinished()
{
    // Bytes appended while the window was ending found no window to start: open one for them.
    if (m_readWork->IsRunning())
        return;
    m_readWork->wait();
    QMutexLocker lock(&m_bufferMutex);
    if (!m_readBuffer.isEmpty())
        StartWindow();
}

void KesSerialPort::StartWindow()
{
    m_readWork->SetSleepMsecs(kWindowMsecs);
    m_readWork->start(QThread::InheritPriority);
}

void KesSerialPort::On_ErrorOccurred(QSerialPort::SerialPortError error)
{
    if (EndsLine(error))
        emit m_lineEvents.LineEnded();
    if (m_closing)
        return;
    // On Linux a vanished line often shows up as an endless series of read errors.
    const bool deviceLost =
        error == QSerialPort::ResourceError || (error == QSerialPort::ReadError && IsLineGone());
    if (deviceLost)
        LoseDevice();
}

void KesSerialPort::On_DeleteSerial(qlonglong pid, qlonglong vid)
{
    if (IsRemovedDevice(pid, vid))
        LoseDevice();
}

bool KesSerialPort::IsRemovedDevice(qlonglong pid, qlonglong vid) const
{
    return vid == static_cast<qlonglong>(m_portInfo.vendorIdentifier()) &&
           pid == static_cast<qlonglong>(m_portInfo.productIdentifier());
}

void KesSerialPort::ClosePort()
{
    if (!m_serialPort.isOpen())
        return;
    m_closing = true;
    m_serialPort.close();
    m_closing = false;
}

void KesSerialPort::LoseDevice()
{
    ClosePort();
    emit DisconnectPort();
}

bool KesSerialPort::IsLineGone() const
{
#ifdef Q_OS_UNIX
    pollfd probe{static_cast<int>(m_serialPort.handle()), POLLIN, 0};
    return ::poll(&probe, 1, 0) > 0 && (probe.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}
