#pragma once

#include "LogRecord.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class KesSerialPort;
class MemoryFrameAssembler;
class QDeadlineTimer;

// Reads the gauge's answer to the log command: five log frames, straight from the channel.
//
// Run() returns when all five frames are in or the download has given up. Meanwhile it waits in
// a local event loop, so the window keeps repainting and queued signals are delivered, and it
// never spins: it sleeps until bytes arrive, the port closes or fails, or a deadline passes.
// It gives up by the clock: when a frame's header is not complete within the header time-out,
// when no byte of a frame's readings arrives within the silence time-out, and at once when the
// port closes or the device goes away. Nobody else may read the port meanwhile (the live reader
// must be unhooked).
class MemoryReader : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Completed,
        TimedOut,
        PortClosed,
        // The application is quitting: it told every event loop to leave.
        Aborted
    };
    struct Result
    {
        Outcome outcome = Outcome::Aborted;
        // Frame number (0 to 4) to its readings; only when completed, and a frame without
        // readings has no entry.
        QMap<int, QList<LogRecord>> groups;
    };

    static constexpr int FrameCount = 5;
    static constexpr int DefaultHeaderTimeoutMs = 3000;
    static constexpr int DefaultSilenceTimeoutMs = 3000;

    explicit MemoryReader(KesSerialPort *channel, QObject *parent = nullptr);

    void SetHeaderTimeoutMs(int milliseconds) { m_headerTimeoutMs = milliseconds; }
    void SetSilenceTimeoutMs(int milliseconds) { m_silenceTimeoutMs = milliseconds; }

    // Call right after the log command was sent.
    Result Run();

signals:
    // Frame frameNumber (0 to frameCount - 1) is complete.
    void FrameReceived(int frameNumber, int frameCount);

private:
    enum Wake
    {
        BytesArrived = 1,
        DeadlinePassed,
        PortGone
    };

    // Completed once the assembler holds a whole frame.
    Outcome ReadFrame(MemoryFrameAssembler &assembler);
    bool IsPortUsable() const;
    Wake WaitForBytes(const QDeadlineTimer &deadline);

    QPointer<KesSerialPort> m_channel;
    int m_headerTimeoutMs = DefaultHeaderTimeoutMs;
    int m_silenceTimeoutMs = DefaultSilenceTimeoutMs;
};
