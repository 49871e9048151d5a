#pragma once

#include "LogRecord.h"

#include <QByteArray>
#include <QList>

// Builds one log frame of the gauge's memory download from bytes as they arrive.
//
// Frame: a 12-byte header (byte 0 the unit code, bytes 2-3 the little-endian reading count n),
// then exactly 4 * n bytes of little-endian IEEE 754 singles in micrometres. The assembler never
// takes more than the current frame still needs, so the bytes of the next frame stay where they
// are until the complete frame has been taken.
class MemoryFrameAssembler
{
public:
    static constexpr int HeaderSize = 12;
    static constexpr int ReadingSize = 4;
    static constexpr int MaxReadings = 65535;

    // Bytes the current frame still lacks; 0 once it is complete, until TakeRecords().
    int BytesNeeded() const;
    // Takes from the front of data what the current frame still lacks, the header and then as
    // many reading bytes as it announces, and never more; returns how many bytes it took.
    int Feed(const char *data, int size);
    int Feed(const QByteArray &data) { return Feed(data.constData(), data.size()); }

    bool HasHeader() const { return m_buffer.size() >= HeaderSize; }
    bool IsComplete() const { return HasHeader() && BytesNeeded() == 0; }
    // Valid once the header is in.
    qint8 UnitCode() const;
    int ReadingCount() const;

    // The reading bytes received so far.
    QByteArray Payload() const { return m_buffer.mid(HeaderSize); }
    // The readings of the complete frame, in order of arrival; the assembler then waits for
    // the next frame. Nothing while the frame is incomplete.
    QList<LogRecord> TakeRecords();

private:
    QByteArray m_buffer;
};
