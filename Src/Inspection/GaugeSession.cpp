#include "GaugeSession.h"

#include "KesConfig.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "M7kProtocol.h"

#include <QDateTime>

namespace {
const QString SessionGroup = QStringLiteral("Session");
const QString ReconnectKey = QStringLiteral("Reconnect");
} // namespace

GaugeSession::GaugeSession(KesSerialPort *channel, QObject *parent)
    : QObject(parent), m_channel(channel)
{
    connect(&m_journal, &SessionJournal::WriteFailed, this,
            [this](const QString &path, const QString &reason) {
                m_journalFailed = true;
                emit JournalFailed(path, reason);
            });
}

GaugeSession::~GaugeSession()
{
    Shutdown();
}

bool GaugeSession::ReconnectEnabled()
{
    return KesConfig::Instance()->ReadValue(ReconnectKey, SessionGroup).toString() !=
           QLatin1String("false");
}

void GaugeSession::SetReconnectEnabled(bool enabled)
{
    KesConfig::Instance()->WriteValue(
        ReconnectKey, enabled ? QStringLiteral("true") : QStringLiteral("false"), SessionGroup);
}

void GaugeSession::PortOpened()
{
    SendTwice(M7kProtocol().SetRealTimeStopCmd());
    m_channel->SerialPort()->setReadBufferSize(IdleReadBufferBytes);
}

void GaugeSession::StartLive()
{
    m_awaitedPort.clear();
    m_records.clear();
    m_records.squeeze();
    m_journalFailed = false;
    if (m_journalled)
        m_journal.Begin(KesConfig::Instance()->SaveFolder(), QDateTime::currentDateTime());
    Hook();
}

void GaugeSession::StopLive()
{
    if (!m_live)
        return;
    Interrupt();
    SendTwice(M7kProtocol().SetRealTimeStopCmd());
}

void GaugeSession::Interrupt()
{
    if (!m_live)
        return;
    m_channel->DisconnectReadyRead();
    m_live = false;
    m_channel->SerialPort()->setReadBufferSize(IdleReadBufferBytes);
    EndRun();
}

void GaugeSession::Shutdown()
{
    StopLive();
    EndRun();
}

void GaugeSession::Feed(const QByteArray &bytes)
{
    if (!m_live)
        return;
    const QVector<QByteArray> frames = m_reader.Feed(bytes);
    for (const QByteArray &frame : frames) {
        const std::optional<LiveReading> reading = LiveReading::Decode(frame);
        const LiveRecord record =
            LiveRecord::FromReading(*reading, m_records.size() + 1, QDateTime::currentDateTime());
        m_records.append(record);
        m_journal.Append(record);
        emit ReadingReceived(*reading, record);
    }
}

void GaugeSession::DeviceLost()
{
    if (!m_live)
        return;
    m_live = false;
    m_channel->DisconnectReadyRead();
    if (ReconnectEnabled())
        m_awaitedPort = m_channel->PortName();
    else
        EndRun();
}

void GaugeSession::Resume()
{
    if (m_awaitedPort.isEmpty())
        return;
    m_awaitedPort.clear();
    Hook();
}

void GaugeSession::CancelReconnect()
{
    if (m_awaitedPort.isEmpty())
        return;
    m_awaitedPort.clear();
    EndRun();
}

void GaugeSession::Hook()
{
    QSerialPort *port = m_channel->SerialPort();
    // Whatever waited in the port (sent while stopped, or left by a download) is not this run's.
    port->setReadBufferSize(0);
    port->clear(QSerialPort::Input);
    port->readAll();
    m_reader.Reset();
    m_channel->ConnectReadyRead();
    m_live = true;
    SendTwice(M7kProtocol().SetRealTimeReadyCmd());
}

void GaugeSession::EndRun()
{
    m_awaitedPort.clear();
    m_journal.End();
}

void GaugeSession::SendTwice(const QByteArray &command)
{
    m_channel->WriteSerialPortSlot(command, false, 1000);
    m_channel->WriteSerialPortSlot(command, false, 1000);
    // On the line at once: the port may be closed right after (the program ending).
    m_channel->SerialPort()->flush();
}
