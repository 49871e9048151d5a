#include "MemoryFrameAssembler.h"

#include <QtEndian>

#include <algorithm>

int MemoryFrameAssembler::BytesNeeded() const
{
    const int frameSize = HasHeader() ? HeaderSize + ReadingSize * ReadingCount() : HeaderSize;
    return frameSize - m_buffer.size();
}

int MemoryFrameAssembler::Feed(const char *data, int size)
{
    // The header first, on its own, so that the payload length is known before any of it is
    // taken.
    int taken = 0;
    while (taken < size && BytesNeeded() > 0) {
        const int piece = std::min(size - taken, BytesNeeded());
        m_buffer.append(data + taken, piece);
        taken += piece;
    }
    return taken;
}

qint8 MemoryFrameAssembler::UnitCode() const
{
    return HasHeader() ? static_cast<qint8>(m_buffer.at(0)) : 0;
}

int MemoryFrameAssembler::ReadingCount() const
{
    return HasHeader() ? qFromLittleEndian<quint16>(m_buffer.constData() + 2) : 0;
}

QList<LogRecord> MemoryFrameAssembler::TakeRecords()
{
    if (!IsComplete())
        return {};
    const qint8 unit = UnitCode();
    const int count = ReadingCount();
    QList<LogRecord> records;
    records.reserve(count);
    const char *reading = m_buffer.constData() + HeaderSize;
    for (int i = 0; i < count; ++i, reading += ReadingSize) {
        records.append({unit, qFromLittleEndian<float>(reading)});
    }
    m_buffer.clear();
    return records;
}
