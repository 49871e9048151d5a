#pragma once

#include <QByteArray>
#include <QVector>

// Reassembles the gauge's live frames from the bytes of the line, however the line cut them:
// a frame split across collection windows, several frames in one block, a frame glued to the
// start of the next one. Frames are told apart by content (type 0x01, then a unit code), so a
// stray or damaged byte costs at most the frame it damages.
//
// While in step with the line, a 0x01 starts a live frame and any other byte a 6-byte frame of
// another type, skipped whole. Where the frames that follow fit a start inside that frame
// better (a byte lost or added), the bytes up to that start are damage instead. Out of step,
// the reader looks for the next 0x01 followed by a known unit code and judges it the same way.
// Where two readings of the bytes are otherwise alike, the one that keeps the unit of the last
// frame wins: the value bytes of a mils frame read one byte late look like a frame too.
class LiveFrameReader
{
public:
    // Appends received bytes; returns the live frames (6 bytes each) completed by them, in order.
    QVector<QByteArray> Feed(const QByteArray &bytes);
    // Forgets any partial frame and the unit of the last one. A start in the middle of a frame
    // (the line already busy) is damage like any other.
    void Reset();
    // Bytes waiting for the rest of their frame.
    int PendingBytes() const { return m_pending.size(); }
    // Bytes given up as damage since the last Reset.
    qint64 DiscardedBytes() const { return m_discarded; }

private:
    enum class Step
    {
        Frame,   // a whole live frame starts at the position
        Foreign, // a whole frame of another type starts there
        Wait,    // too few bytes to tell
        Damage   // the position's byte belongs to no frame
    };

    // The live frames that would follow one another from a start, and how they end: on a byte
    // no frame starts with, in what may be the start of a frame still on its way, or with the
    // bytes (or the look-ahead).
    struct Chain
    {
        enum End
        {
            Broken,
            Partial,
            Whole
        };
        int frames;
        End end;
        // The first frame has the unit of the last frame read: a gauge keeps its unit.
        bool sameUnit;
        // The first frame's thickness lies in the range the gauge measures.
        bool inRange;
        // More alike in unit first, then more frames, a thickness in range, the better end.
        bool Beats(const Chain &other) const;
    };
    struct Start
    {
        int position;
        Chain chain;
    };

    Step InStep(int position) const;
    int NextStart(int position) const;
    Start BestStart(int from, int to) const;
    // With anyFirstUnit, the first frame counts whatever its unit code (a frame in step).
    Chain ChainFrom(int position, bool anyFirstUnit = false) const;
    bool StartsLiveFrame(int position) const;
    bool PlausibleValue(int position) const;
    float ValueAt(int position) const;

    QByteArray m_pending;
    static constexpr qint8 NoUnit = -1;

    bool m_inStep = true;
    qint8 m_lastUnit = NoUnit;
    qint64 m_discarded = 0;
};
