#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QSocketNotifier;
class QTimer;

// A simulated coating-thickness gauge on the master side of a pseudo-terminal. The program under
// test opens the slave side, PortName(), with QSerialPort exactly as it opens a real adapter.
//
// What the gauge does with the bytes it receives:
//   0xF1  starts streaming live frames (01, unit code, float32 LE micrometres), one per period;
//   0xF0  stops streaming;
//   0xF6  sends the stored log frames (12-byte header: unit at 0, count at 2-3 LE; then the
//         readings as float32 LE micrometres), the first LogFrameLimit of five;
// anything else is only recorded. Every received byte is recorded (Received()).
//
// Everything the gauge sends goes through one line queue, optionally paced to a byte rate
// (SetLineRate, e.g. LineRate9600_8O1) and cut into writes of at most SetChunkSize bytes; the
// chunks are spaced out only when the line is paced.
//
// Threads: the simulator works in the thread it belongs to, which needs a running event loop; it
// may be moved to another thread with moveToThread, before or after Open(). Every public
// function may be called from any thread: called from another thread it runs in the
// simulator's thread while the caller waits. Signals are emitted from the simulator's thread, so
// receivers in other threads get them queued. When it lives in a worker thread, destroy it
// there (deleteLater before the thread quits).
class GaugeSim : public QObject
{
    Q_OBJECT
public:
    // 9600 baud with 8 data bits, odd parity and one stop bit: 11 bit times per byte.
    static constexpr int LineRate9600_8O1 = 873;
    static constexpr int LogFrameCount = 5;
    static constexpr float OverflowMicrometres = 2500.0f;

    struct LogFrame
    {
        quint8 unit = 0;
        QVector<float> readings; // micrometres; at most 65535 are sent
    };
    using ValueGenerator = std::function<float(int readingIndex)>;

    explicit GaugeSim(QObject *parent = nullptr);
    ~GaugeSim() override;

    // Creates the pseudo-terminal (raw mode). After Unplug(), opens a new one (a new PortName;
    // the link made by MakeLink follows it). Returns false when no terminal could be made.
    bool Open();
    // Closes the gauge's end: the program sees its line die, as when an adapter is pulled out.
    void Unplug();
    bool IsPlugged() const;
    QString PortName() const;
    // Makes (or replaces) a symbolic link at linkPath to PortName(); removed when the simulator
    // is destroyed. Refuses to replace anything but a symbolic link.
    bool MakeLink(const QString &linkPath);

    // Live readings. Defaults: a reading every 300 ms, unit 0, DefaultValue(), an overflow
    // reading every 17th. Setting values or a generator starts the sequence again at index 0.
    void SetPeriodMs(int periodMs);
    void SetUnitCode(quint8 unitCode);
    void SetValues(const QVector<float> &micrometres); // cycled
    void SetValueGenerator(const ValueGenerator &generator);
    // Every n-th reading (n > 0) is replaced by the given value; n = 0 turns overflows off.
    void SetOverflowEvery(int n, float micrometres = OverflowMicrometres);
    bool IsStreaming() const;
    int LiveFramesSent() const;

    // Stored memory. Defaults: DefaultLogFrames(), all five sent.
    void SetLogFrames(const QVector<LogFrame> &frames);
    void SetLogFrame(int index, const LogFrame &frame);
    QVector<LogFrame> LogFrames() const;
    void SetLogFrameLimit(int frameCount);

    // The line: bytes per second (0: as fast as the terminal takes them) and bytes per write
    // (0: no limit).
    void SetLineRate(int bytesPerSecond);
    void SetChunkSize(int bytes);
    void WriteBytes(const QByteArray &bytes);
    qint64 PendingBytes() const;

    QByteArray Received() const;
    void ClearReceived();

    static QByteArray LiveFrame(quint8 unitCode, float micrometres);
    static QByteArray LogFrameBytes(const LogFrame &frame);
    // Readings of a coating job: 80 to 160 um with noise, the same for the same index.
    static float DefaultValue(int readingIndex);
    // Five groups of a few dozen readings, in micrometres.
    static QVector<LogFrame> DefaultLogFrames();

signals:
    void BytesReceived(QByteArray bytes);
    void LiveFrameSent(QByteArray frame);
    // The whole answer to one 0xF6 has been written to the terminal.
    void LogSent();

private:
    template <typename Op> auto InOwnThread(Op op) const -> decltype(op());

    bool OpenTerminal();
    void CloseTerminal();
    bool UpdateLink();
    void On_MasterReadable();
    void On_LiveTick();
    void HandleCommand(quint8 command);
    void SendLog();
    void Send(const QByteArray &bytes);
    void PumpLine();
    void AfterWritten(qint64 count);

    int m_master = -1;
    int m_slaveHold = -1; // keeps the terminal alive while the program has the port closed
    QString m_portName;
    QString m_linkPath;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_liveTimer = nullptr;
    QTimer *m_paceTimer = nullptr;

    int m_periodMs = 300;
    quint8 m_unitCode = 0;
    ValueGenerator m_generator = &GaugeSim::DefaultValue;
    int m_overflowEvery = 17;
    float m_overflowValue = OverflowMicrometres;
    int m_readingIndex = 0;
    int m_liveFramesSent = 0;

    QVector<LogFrame> m_logFrames;
    int m_logFrameLimit = LogFrameCount;

    int m_lineRate = 0;
    int m_chunkSize = 0;
    QByteArray m_outQueue;
    qint64 m_queuedTotal = 0;
    qint64 m_writtenTotal = 0;
    QVector<qint64> m_logEnds; // m_queuedTotal at the end of each pending log answer
    QElapsedTimer m_lineClock;
    double m_lineFreeAtMs = 0;

    QByteArray m_received;
};
