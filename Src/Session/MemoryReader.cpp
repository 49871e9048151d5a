#include "MemoryReader.h"

#include "KesSerialPort.h"
#include "MemoryFrameAssembler.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QEventLoop>
#include <QTimer>

MemoryReader::MemoryReader(KesSerialPort *channel, QObject *parent)
    : QObject(parent), m_channel(channel)
{}

MemoryReader::Result MemoryReader::Run()
{
    Result result;
    MemoryFrameAssembler assembler;
    for (int frame = 0; frame < FrameCount; ++frame) {
        const Outcome outcome = ReadFrame(assembler);
        if (outcome != Outcome::Completed)
            return {outcome, {}};
        const QByteArray payload = assembler.Payload();
        qDebug().noquote() << payload.toHex() + " : " + QByteArray::number(payload.size());
        const QList<LogRecord> records = assembler.TakeRecords();
        if (!records.isEmpty())
            result.groups.insert(frame, records);
        emit FrameReceived(frame, FrameCount);
    }
    result.outcome = Outcome::Completed;
    return result;
}

MemoryReader::Outcome MemoryReader::ReadFrame(MemoryFrameAssembler &assembler)
{
    QDeadlineTimer deadline(m_headerTimeoutMs);
    while (!assembler.IsComplete()) {
        if (!IsPortUsable())
            return Outcome::PortClosed;
        // Never more than this frame still needs: the rest belongs to the next frame.
        const QByteArray bytes = m_channel->Read(assembler.BytesNeeded());
        if (!bytes.isEmpty()) {
            assembler.Feed(bytes);
            if (assembler.HasHeader())
                deadline.setRemainingTime(m_silenceTimeoutMs);
            continue;
        }
        switch (WaitForBytes(deadline)) {
        case BytesArrived:
            break;
        case DeadlinePassed:
            if (deadline.hasExpired())
                return Outcome::TimedOut;
            break;
        case PortGone:
            return Outcome::PortClosed;
        default:
            return Outcome::Aborted;
        }
    }
    return Outcome::Completed;
}

bool MemoryReader::IsPortUsable() const
{
    return m_channel && m_channel->IsOpen();
}

MemoryReader::Wake MemoryReader::WaitForBytes(const QDeadlineTimer &deadline)
{
    if (deadline.hasExpired())
        return DeadlinePassed;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(DeadlinePassed); });
    const SerialLineEvents *line = m_channel->LineEvents();
    connect(line, &SerialLineEvents::BytesArrived, &loop, [&loop] { loop.exit(BytesArrived); });
    connect(line, &SerialLineEvents::LineEnded, &loop, [&loop] { loop.exit(PortGone); });
    connect(m_channel, &QObject::destroyed, &loop, [&loop] { loop.exit(PortGone); });
    timer.start(static_cast<int>(deadline.remainingTime()));
    return static_cast<Wake>(loop.exec());
}
