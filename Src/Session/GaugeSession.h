#pragma once

#include "LiveFrameReader.h"
#include "LiveReading.h"
#include "LiveRecord.h"
#include "SessionJournal.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <deque>

class KesSerialPort;

// The live run on the gauge's channel, apart from any window: the start and stop commands,
// frame reassembly, the run's readings and their journal, and picking the run up again when
// the lost port comes back.
//
// A run lasts from StartLive to StopLive (or Shutdown). Losing the device in between keeps the
// run and its file open while reconnecting is on: Resume continues both on the reopened port.
//
// A block of many frames (a gauge emptying its memory of readings) is taken in slices, one per
// turn of the event loop, so that the window keeps painting: each slice's readings are recorded
// and journaled with one write, then announced one by one, in the order they arrived. A run
// that ends, or loses its port, first records, journals and announces at once every frame that
// arrived before, so the window has shown them all before it shows the run ended.
class GaugeSession : public QObject
{
    Q_OBJECT
public:
    // Bytes the port keeps while it is open but not streaming; older ones are dropped unread.
    static constexpr qint64 IdleReadBufferBytes = 4096;

    explicit GaugeSession(KesSerialPort *channel, QObject *parent = nullptr);
    ~GaugeSession() override;

    // Whether the reconnect setting is on ([Session] Reconnect, on unless turned off).
    static bool ReconnectEnabled();
    static void SetReconnectEnabled(bool enabled);

    // Whether runs are written to session files (they are, unless turned off).
    void SetJournalled(bool journalled) { m_journalled = journalled; }
    bool IsJournalled() const { return m_journalled; }

    // The port has opened: the gauge is told to stop streaming (twice), and bytes sent to the
    // port from now on are not kept for a later run.
    void PortOpened();
    // Starts a run: stale bytes dropped, reader hooked, the start command sent twice, the
    // run's file begun in the sessions folder of the save folder setting.
    void StartLive();
    // Ends the run: reader unhooked, the stop command sent twice, the file synced and closed.
    void StopLive();
    // The gauge stopped answering: the run ends where it is, and nothing is sent.
    void Interrupt();
    // The program ends: a run in progress is stopped as by StopLive.
    void Shutdown();
    // Received bytes, each block logged as hexadecimal text; every whole live frame among them
    // is recorded, journaled and announced.
    void Feed(const QByteArray &bytes);
    // How long one turn of the event loop spends on waiting frames, at most.
    static constexpr int SliceMs = 20;
    // Frames recorded and journaled together (one write), at most.
    static constexpr int SliceFrames = 256;

    // The open port went away. A live run waits for it to come back when reconnecting is on,
    // and ends otherwise.
    void DeviceLost();
    // The name of the port a live run waits for; empty when none.
    QString AwaitedPort() const { return m_awaitedPort; }
    // The awaited port is back and open again: the run goes on as by StartLive, same file.
    void Resume();
    // The user took the port into their own hands: a waiting run ends.
    void CancelReconnect();

    bool IsLive() const { return m_live; }
    // The name of the channel's port.
    QString PortName() const;
    // The readings of the current run, or of the last one once it ended.
    const QVector<LiveRecord> &Records() const { return m_records; }
    QString JournalPath() const { return m_journal.FilePath(); }
    // Whether the current or last run's file could not be written (its readings then exist
    // only here).
    bool RunUnsaved() const { return m_journalFailed; }

signals:
    // Streaming began (a run started or resumed) or ended (stopped, interrupted, port lost).
    void LiveChanged(bool live);
    // Every reading of a run, as decoded and as recorded (and journaled).
    void ReadingReceived(const LiveReading &reading, const LiveRecord &record);
    // The readings recorded (and journaled) together, before any of them is announced.
    void SliceRecorded(const QVector<LiveRecord> &records);
    // The run begun by StartLive ended, every reading of it announced.
    void RunEnded();
    void JournalFailed(const QString &path, const QString &reason);
    // The run's file had gone (its folder deleted, say) and was made again with every reading.
    void JournalRemade(const QString &path);

private:
    struct WaitingFrame
    {
        QByteArray frame;
        QDateTime arrival;
    };
    struct Recorded
    {
        LiveReading reading;
        LiveRecord record;
    };

    void TakeSlice();
    // Records and journals (one write) the first `count` waiting frames.
    void RecordWaiting(std::size_t count);
    // Records, journals and announces every waiting frame at once.
    void TakeAllWaiting();
    void AnnounceNext();
    void Hook();
    void SetLive(bool live);
    void EndRun();
    void SendTwice(const QByteArray &command);

    KesSerialPort *m_channel;
    LiveFrameReader m_reader;
    SessionJournal m_journal;
    QVector<LiveRecord> m_records;
    std::deque<WaitingFrame> m_waiting;
    std::deque<Recorded> m_unannounced;
    QTimer m_sliceTimer;
    QString m_awaitedPort;
    bool m_live = false;
    bool m_runOpen = false;
    bool m_journalFailed = false;
    bool m_journalled = true;
};
