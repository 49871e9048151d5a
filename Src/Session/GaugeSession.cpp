#include "GaugeSession.h"

#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "M7kProtocol.h"

#include <QElapsedTimer>

namespace {
const QString SessionGroup = QStringLiteral("Session");
const QString ReconnectKey = QStringLiteral("Reconnect");
} // namespace

GaugeSession::GaugeSession(KesSerialPort *channel, QObject *parent)
    : QObject(parent), m_channel(channel)
{
    connect(m_channel, &KesSerialPort::ReadSerialPort, this, &GaugeSession::Feed);
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_sliceTimer, &QTimer::timeout, this, &GaugeSession::TakeSlice);
    connect(&m_journal, &SessionJournal::WriteFailed, this,
            [this](const QString &path, const QString &reason) {
                m_journalFailed = true;
                emit JournalFailed(path, reason);
            });
    connect(&m_journal, &SessionJournal::FileRemade, this, &GaugeSession::JournalRemade);
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

QString GaugeSession::PortName() const
{
    return m_channel->PortName();
}

void GaugeSession::PortOpened()
{
    SendTwice(M7kProtocol().SetRealTimeStopCmd());
    m_channel->SetReadBufferSize(IdleReadBufferBytes);
}

void GaugeSession::StartLive()
{
    m_awaitedPort.clear();
    m_records.clear();
    m_records.squeeze();
    m_journalFailed = false;
    m_runOpen = true;
    if (m_journalled)
        m_journal.Begin(KesConfig::Instance()->SaveFolder(), QDateTime::currentDateTime(),
                        &m_records);
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
    SetLive(false);
    m_channel->SetReadBufferSize(IdleReadBufferBytes);
    EndRun();
}

void GaugeSession::Shutdown()
{
    StopLive();
    EndRun();
}

void GaugeSession::Feed(const QByteArray &bytes)
{
    KesLog::Debug(QString::fromLatin1(bytes.toHex()) + QStringLiteral(" : ") +
                  QString::number(bytes.size()));
    if (!m_live)
        return;
    const QVector<QByteArray> frames = m_reader.Feed(bytes);
    if (frames.isEmpty())
        return;
    const QDateTime arrival = QDateTime::currentDateTime();
    for (const QByteArray &frame : frames)
        m_waiting.push_back({frame, arrival});
    // Frames of an earlier block still waiting go first.
    if (!m_sliceTimer.isActive())
        TakeSlice();
}

void GaugeSession::TakeSlice()
{
    QElapsedTimer spent;
    spent.start();
    while (spent.elapsed() < SliceMs && !(m_waiting.empty() && m_unannounced.empty())) {
        if (m_unannounced.empty())
            RecordWaiting(SliceFrames);
        AnnounceNext();
    }
    if (!(m_waiting.empty() && m_unannounced.empty()))
        m_sliceTimer.start();
}

void GaugeSession::RecordWaiting(std::size_t count)
{
    count = std::min(count, m_waiting.size());
    QVector<LiveRecord> records;
    records.reserve(static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const WaitingFrame &waiting = m_waiting.front();
        // The reader hands on whole live frames only.
        const LiveReading reading = *LiveReading::Decode(waiting.frame);
        records.append(LiveRecord::FromReading(reading, m_records.size() + records.size() + 1,
                                               waiting.arrival));
        m_unannounced.push_back({reading, records.last()});
        m_waiting.pop_front();
    }
    m_records += records;
    m_journal.Append(records);
    if (!records.isEmpty())
        emit SliceRecorded(records);
}

void GaugeSession::TakeAllWaiting()
{
    m_sliceTimer.stop();
    RecordWaiting(m_waiting.size());
    while (!m_unannounced.empty())
        AnnounceNext();
}

void GaugeSession::AnnounceNext()
{
    // Taken out first: a receiver may end the run, which records what still waits.
    const Recorded next = m_unannounced.front();
    m_unannounced.pop_front();
    emit ReadingReceived(next.reading, next.record);
}

void GaugeSession::DeviceLost()
{
    if (!m_live)
        return;
    SetLive(false);
    m_channel->DisconnectReadyRead();
    TakeAllWaiting();
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
    // Whatever waited in the port (sent while stopped, or left by a download) is not this run's.
    m_channel->SetReadBufferSize(0);
    m_channel->DiscardInput();
    m_reader.Reset();
    m_channel->ConnectReadyRead();
    SetLive(true);
    SendTwice(M7kProtocol().SetRealTimeReadyCmd());
}

void GaugeSession::SetLive(bool live)
{
    if (m_live == live)
        return;
    m_live = live;
    emit LiveChanged(live);
}

void GaugeSession::EndRun()
{
    TakeAllWaiting();
    m_awaitedPort.clear();
    m_journal.End();
    if (m_runOpen) {
        m_runOpen = false;
        emit RunEnded();
    }
}

void GaugeSession::SendTwice(const QByteArray &command)
{
    m_channel->WriteSerialPortSlot(command, false, 1000);
    m_channel->WriteSerialPortSlot(command, false, 1000);
    // On the line at once: the port may be closed right after (the program ending).
    m_channel->Flush();
}
