#include "GaugeSim.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <type_traits>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
const quint8 kLiveFrameType = 0x01;
const quint8 kStartStreaming = 0xF1;
const quint8 kStopStreaming = 0xF0;
const quint8 kSendLog = 0xF6;
const int kLogHeaderSize = 12;
const int kMaxLogReadings = 0xFFFF;

void AppendFloatLe(QByteArray &bytes, float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[sizeof bits];
    qToLittleEndian(bits, raw);
    bytes.append(raw, sizeof raw);
}

void SetCloseOnExec(int fd)
{
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

bool MakeRaw(int fd)
{
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}
} // namespace

template <typename Op> auto GaugeSim::InOwnThread(Op op) const -> decltype(op())
{
    if (QThread::currentThread() == thread())
        return op();
    auto *self = const_cast<GaugeSim *>(this);
    if constexpr (std::is_void_v<decltype(op())>) {
        QMetaObject::invokeMethod(self, op, Qt::BlockingQueuedConnection);
    } else {
        decltype(op()) result{};
        QMetaObject::invokeMethod(self, op, Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

GaugeSim::GaugeSim(QObject *parent)
    : QObject(parent), m_liveTimer(new QTimer(this)), m_paceTimer(new QTimer(this)),
      m_logFrames(DefaultLogFrames())
{
    m_paceTimer->setSingleShot(true);
    m_paceTimer->setTimerType(Qt::PreciseTimer);
    connect(m_liveTimer, &QTimer::timeout, this, &GaugeSim::On_LiveTick);
    connect(m_paceTimer, &QTimer::timeout, this, &GaugeSim::PumpLine);
    m_lineClock.start();
}

GaugeSim::~GaugeSim()
{
    CloseTerminal();
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
}

bool GaugeSim::Open()
{
    return InOwnThread([this] { return OpenTerminal(); });
}

void GaugeSim::Unplug()
{
    InOwnThread([this] { CloseTerminal(); });
}

bool GaugeSim::IsPlugged() const
{
    return InOwnThread([this] { return m_master >= 0; });
}

QString GaugeSim::PortName() const
{
    return InOwnThread([this] { return m_portName; });
}

bool GaugeSim::MakeLink(const QString &linkPath)
{
    return InOwnThread([this, linkPath] {
        m_linkPath = linkPath;
        return UpdateLink();
    });
}

void GaugeSim::SetPeriodMs(int periodMs)
{
    InOwnThread([this, periodMs] {
        m_periodMs = periodMs;
        if (m_liveTimer->isActive())
            m_liveTimer->start(periodMs);
    });
}

void GaugeSim::SetUnitCode(quint8 unitCode)
{
    InOwnThread([this, unitCode] { m_unitCode = unitCode; });
}

void GaugeSim::SetValues(const QVector<float> &micrometres)
{
    SetValueGenerator([micrometres](int readingIndex) {
        return micrometres.isEmpty() ? 0.0f : micrometres.at(readingIndex % micrometres.size());
    });
}

void GaugeSim::SetValueGenerator(const ValueGenerator &generator)
{
    InOwnThread([this, generator] {
        m_generator = generator;
        m_readingIndex = 0;
    });
}

void GaugeSim::SetOverflowEvery(int n, float micrometres)
{
    InOwnThread([this, n, micrometres] {
        m_overflowEvery = n;
        m_overflowValue = micrometres;
    });
}

bool GaugeSim::IsStreaming() const
{
    return InOwnThread([this] { return m_liveTimer->isActive(); });
}

int GaugeSim::LiveFramesSent() const
{
    return InOwnThread([this] { return m_liveFramesSent; });
}

void GaugeSim::SetLogFrames(const QVector<LogFrame> &frames)
{
    InOwnThread([this, frames] { m_logFrames = frames; });
}

void GaugeSim::SetLogFrame(int index, const LogFrame &frame)
{
    InOwnThread([this, index, frame] {
        if (index >= 0 && index < m_logFrames.size())
            m_logFrames[index] = frame;
    });
}

QVector<GaugeSim::LogFrame> GaugeSim::LogFrames() const
{
    return InOwnThread([this] { return m_logFrames; });
}

void GaugeSim::SetLogFrameLimit(int frameCount)
{
    InOwnThread([this, frameCount] { m_logFrameLimit = frameCount; });
}

void GaugeSim::SetLineRate(int bytesPerSecond)
{
    InOwnThread([this, bytesPerSecond] { m_lineRate = std::max(0, bytesPerSecond); });
}

void GaugeSim::SetChunkSize(int bytes)
{
    InOwnThread([this, bytes] { m_chunkSize = std::max(0, bytes); });
}

void GaugeSim::WriteBytes(const QByteArray &bytes)
{
    InOwnThread([this, bytes] { Send(bytes); });
}

qint64 GaugeSim::PendingBytes() const
{
    return InOwnThread([this] { return static_cast<qint64>(m_outQueue.size()); });
}

QByteArray GaugeSim::Received() const
{
    return InOwnThread([this] { return m_received; });
}

void GaugeSim::ClearReceived()
{
    InOwnThread([this] { m_received.clear(); });
}

QByteArray GaugeSim::LiveFrame(quint8 unitCode, float micrometres)
{
    QByteArray frame;
    frame.append(static_cast<char>(kLiveFrameType));
    frame.append(static_cast<char>(unitCode));
    AppendFloatLe(frame, micrometres);
    return frame;
}

QByteArray GaugeSim::LogFrameBytes(const LogFrame &frame)
{
    const int count = std::min(frame.readings.size(), kMaxLogReadings);
    QByteArray bytes(kLogHeaderSize, '\0');
    bytes[0] = static_cast<char>(frame.unit);
    bytes[2] = static_cast<char>(count & 0xFF);
    bytes[3] = static_cast<char>(count >> 8);
    for (int i = 0; i < count; ++i)
        AppendFloatLe(bytes, frame.readings.at(i));
    return bytes;
}

float GaugeSim::DefaultValue(int readingIndex)
{
    // A slow drift across the part plus measurement noise, repeatable per index.
    const double drift = 25.0 * std::sin(readingIndex * 0.35);
    const double noise = QRandomGenerator(static_cast<quint32>(readingIndex)).bounded(16.0) - 8.0;
    const double micrometres = std::clamp(120.0 + drift + noise, 80.0, 160.0);
    return static_cast<float>(std::round(micrometres * 10.0) / 10.0);
}

QVector<GaugeSim::LogFrame> GaugeSim::DefaultLogFrames()
{
    const int counts[LogFrameCount] = {24, 36, 18, 30, 42};
    QVector<LogFrame> frames;
    int readingIndex = 1000;
    for (int count : counts) {
        LogFrame frame;
        for (int i = 0; i < count; ++i)
            frame.readings.append(DefaultValue(readingIndex++));
        frames.append(frame);
    }
    return frames;
}

bool GaugeSim::OpenTerminal()
{
    if (m_master >= 0)
        return true;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return false;
    char slaveName[128] = {};
    int slave = -1;
    if (::grantpt(master) == 0 && ::unlockpt(master) == 0 &&
        ::ptsname_r(master, slaveName, sizeof slaveName) == 0)
        slave = ::open(slaveName, O_RDWR | O_NOCTTY);
    if (slave < 0 || !MakeRaw(slave)) {
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        return false;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    SetCloseOnExec(master);
    SetCloseOnExec(slave);
    m_master = master;
    m_slaveHold = slave;
    m_portName = QString::fromLocal8Bit(slaveName);

    m_readNotifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &GaugeSim::On_MasterReadable);
    m_writeNotifier = new QSocketNotifier(master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &GaugeSim::PumpLine);
    if (!m_linkPath.isEmpty())
        UpdateLink();
    return true;
}

void GaugeSim::CloseTerminal()
{
    if (m_master < 0)
        return;
    m_liveTimer->stop();
    m_paceTimer->stop();
    // Unplug() may be called from a handler of one of these notifiers' own signals.
    for (QSocketNotifier *notifier : {m_readNotifier, m_writeNotifier}) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    ::close(m_master);
    ::close(m_slaveHold);
    m_master = -1;
    m_slaveHold = -1;
    m_outQueue.clear();
    m_logEnds.clear();
    m_writtenTotal = m_queuedTotal;
}

bool GaugeSim::UpdateLink()
{
    if (m_linkPath.isEmpty() || m_portName.isEmpty())
        return false;
    const QFileInfo link(m_linkPath);
    if (link.isSymLink())
        QFile::remove(m_linkPath);
    else if (link.exists())
        return false;
    return QFile::link(m_portName, m_linkPath);
}

void GaugeSim::On_MasterReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        // Nothing more will come from this terminal; do not let the notifier spin on it.
        m_readNotifier->setEnabled(false);
        return;
    }
    const QByteArray bytes(buffer, static_cast<int>(count));
    m_received.append(bytes);
    for (char byte : bytes)
        HandleCommand(static_cast<quint8>(byte));
    emit BytesReceived(bytes);
}

void GaugeSim::HandleCommand(quint8 command)
{
    if (command == kStartStreaming && !m_liveTimer->isActive())
        m_liveTimer->start(m_periodMs);
    else if (command == kStopStreaming)
        m_liveTimer->stop();
    else if (command == kSendLog)
        SendLog();
}

void GaugeSim::On_LiveTick()
{
    const bool overflow = m_overflowEvery > 0 && (m_readingIndex + 1) % m_overflowEvery == 0;
    const float micrometres = overflow ? m_overflowValue : m_generator(m_readingIndex);
    ++m_readingIndex;
    const QByteArray frame = LiveFrame(m_unitCode, micrometres);
    Send(frame);
    ++m_liveFramesSent;
    emit LiveFrameSent(frame);
}

void GaugeSim::SendLog()
{
    const int frameCount = std::clamp(m_logFrameLimit, 0, static_cast<int>(m_logFrames.size()));
    QByteArray answer;
    for (int i = 0; i < frameCount; ++i)
        answer.append(LogFrameBytes(m_logFrames.at(i)));
    m_logEnds.append(m_queuedTotal + answer.size());
    Send(answer);
}

void GaugeSim::Send(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    m_outQueue.append(bytes);
    m_queuedTotal += bytes.size();
    PumpLine();
}

void GaugeSim::PumpLine()
{
    while (m_master >= 0) {
        AfterWritten(0);
        if (m_outQueue.isEmpty())
            break;
        const double nowMs = m_lineClock.nsecsElapsed() / 1e6;
        if (m_lineRate > 0 && nowMs < m_lineFreeAtMs) {
            m_paceTimer->start(static_cast<int>(std::ceil(m_lineFreeAtMs - nowMs)));
            return;
        }
        const int size =
            m_chunkSize > 0 ? std::min(m_chunkSize, m_outQueue.size()) : m_outQueue.size();
        const ssize_t written = ::write(m_master, m_outQueue.constData(), size);
        if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
            m_writeNotifier->setEnabled(true);
            return;
        }
        if (written < 0) {
            // The line is broken: what was still to be sent is lost, as on a real line.
            AfterWritten(m_outQueue.size());
            m_outQueue.clear();
            break;
        }
        m_outQueue.remove(0, static_cast<int>(written));
        if (m_lineRate > 0)
            m_lineFreeAtMs = std::max(nowMs, m_lineFreeAtMs) + written * 1000.0 / m_lineRate;
        AfterWritten(written);
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
}

void GaugeSim::AfterWritten(qint64 count)
{
    m_writtenTotal += count;
    while (!m_logEnds.isEmpty() && m_logEnds.first() <= m_writtenTotal) {
        m_logEnds.removeFirst();
        emit LogSent();
    }
}
