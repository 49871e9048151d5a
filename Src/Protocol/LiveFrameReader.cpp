#include "LiveFrameReader.h"

#include "GaugeUnit.h"
#include "LiveReading.h"

#include <QtEndian>

#include <cmath>

namespace {
constexpr int FrameSize = LiveReading::FrameSize;
constexpr char FrameType = LiveReading::FrameType;
// How many frames ahead two readings of the same bytes are compared.
constexpr int Lookahead = 4;
constexpr float SmallestThickness = 5e-4f;
} // namespace

QVector<QByteArray> LiveFrameReader::Feed(const QByteArray &bytes)
{
    m_pending.append(bytes);
    QVector<QByteArray> frames;
    int position = 0;
    while (position < m_pending.size()) {
        if (!m_inStep) {
            const int start = NextStart(position);
            m_discarded += start - position;
            position = start;
            if (position >= m_pending.size())
                break;
            m_inStep = true;
        }
        const Step step = InStep(position);
        if (step == Step::Wait)
            break;
        if (step == Step::Damage) {
            m_inStep = false;
            ++m_discarded;
            ++position;
            continue;
        }
        if (step == Step::Frame) {
            frames.append(m_pending.mid(position, FrameSize));
            m_lastUnit = static_cast<qint8>(m_pending.at(position + 1));
        }
        position += FrameSize;
    }
    m_pending.remove(0, position);
    return frames;
}

void LiveFrameReader::Reset()
{
    m_pending.clear();
    m_inStep = true;
    m_lastUnit = NoUnit;
    m_discarded = 0;
}

LiveFrameReader::Step LiveFrameReader::InStep(int position) const
{
    const int available = m_pending.size() - position;
    if (m_pending.at(position) == FrameType) {
        if (available < FrameSize)
            return Step::Wait;
        // A frame that lost a byte would take the next frame's first one: more frames then
        // follow a start inside it than follow it. Of as many, a thickness the gauge can
        // measure, then how the bytes after them end, tell them apart; with a single frame on
        // either side the end only says to wait for the next bytes. A frame that keeps the
        // unit of the last one wins over a start inside it that does not.
        const Chain inside = BestStart(position + 1, position + FrameSize).chain;
        const Chain own = ChainFrom(position, true);
        if (own.sameUnit && !inside.sameUnit)
            return Step::Frame;
        if (inside.frames != own.frames)
            return inside.frames > own.frames ? Step::Damage : Step::Frame;
        if (inside.frames > 0 && inside.inRange != own.inRange)
            return own.inRange ? Step::Frame : Step::Damage;
        if (inside.end <= own.end)
            return Step::Frame;
        return own.frames > 1 ? Step::Damage : Step::Wait;
    }
    // A frame of another type is told from damage by the live frames after it: skipped whole
    // when they follow it better than they follow any start inside it. Until the
    // next frame's unit code is in it waits (it would show nothing anyway), unless the bytes
    // end with a whole live frame that starts inside it.
    if (available < FrameSize + 2) {
        const int last = m_pending.size() - FrameSize;
        const bool endsInFrame = last > position && StartsLiveFrame(last);
        return endsInFrame ? Step::Damage : Step::Wait;
    }
    const Chain foreign = ChainFrom(position + FrameSize);
    if (foreign.frames == 0 && !StartsLiveFrame(position + FrameSize))
        return Step::Damage;
    // Of equally good readings, the live frame that starts first wins: garbage before a frame
    // is likelier than a frame of another type that a live frame could be read into.
    const Chain inside = BestStart(position + 1, position + FrameSize).chain;
    if (inside.frames > 0 && !foreign.Beats(inside))
        return Step::Damage;
    // The live frame after it is not whole yet: wait for it before giving anything up.
    return foreign.frames == 0 ? Step::Wait : Step::Foreign;
}

// Where, from `position` on, the next live frame may start; the end of the bytes when nowhere.
// Whether it does is for InStep to tell, as for any frame.
int LiveFrameReader::NextStart(int position) const
{
    for (int candidate = position; candidate < m_pending.size(); ++candidate) {
        if (m_pending.at(candidate) != FrameType)
            continue;
        // The last byte's unit code is still on the way.
        if (candidate + 1 == m_pending.size() || StartsLiveFrame(candidate))
            return candidate;
    }
    return m_pending.size();
}

bool LiveFrameReader::Chain::Beats(const Chain &other) const
{
    if (sameUnit != other.sameUnit)
        return sameUnit;
    if (frames != other.frames)
        return frames > other.frames;
    if (inRange != other.inRange)
        return inRange;
    return end > other.end;
}

// The start in [from, to) with the best chain of frames after it; the first of equals.
LiveFrameReader::Start LiveFrameReader::BestStart(int from, int to) const
{
    Start best{from, {0, Chain::Broken, false, false}};
    for (int position = from; position < to && position < m_pending.size(); ++position) {
        const Chain chain = ChainFrom(position);
        if (chain.frames > 0 && chain.Beats(best.chain))
            best = {position, chain};
    }
    return best;
}

// The whole live frames that follow one another from `position` on (up to the look-ahead),
// and how they end.
LiveFrameReader::Chain LiveFrameReader::ChainFrom(int position, bool anyFirstUnit) const
{
    Chain chain{
        0, Chain::Whole, StartsLiveFrame(position) && m_pending.at(position + 1) == m_lastUnit,
        position + FrameSize <= m_pending.size() && LiveReading::IsInRange(ValueAt(position))};
    while (chain.frames < Lookahead) {
        if (position + FrameSize > m_pending.size()) {
            if (position < m_pending.size())
                chain.end = m_pending.at(position) == FrameType ? Chain::Partial : Chain::Broken;
            break;
        }
        const bool unitTaken = anyFirstUnit && chain.frames == 0 && PlausibleValue(position);
        if (!unitTaken && !StartsLiveFrame(position)) {
            chain.end = Chain::Broken;
            break;
        }
        ++chain.frames;
        position += FrameSize;
    }
    return chain;
}

// A 0x01 and a known unit code; once the frame is whole, also a thickness a gauge can send.
bool LiveFrameReader::StartsLiveFrame(int position) const
{
    return position + 1 < m_pending.size() && m_pending.at(position) == FrameType &&
           GaugeUnit::IsKnown(static_cast<qint8>(m_pending.at(position + 1))) &&
           PlausibleValue(position);
}

// A number a gauge can send: zero, or a thickness from a thousandth of a micrometre up to a
// thousand times its range, or not a number at all (an overflow). Read one byte late, a frame
// has the next byte as its most significant one, often the next frame's 0x01: a number near
// 1e-38; read later still, its value bytes make numbers of any size.
bool LiveFrameReader::PlausibleValue(int position) const
{
    if (position + FrameSize > m_pending.size())
        return true;
    const float magnitude = std::abs(ValueAt(position));
    return magnitude == 0 || !std::isfinite(magnitude) ||
           (magnitude >= SmallestThickness && magnitude <= 1000 * LiveReading::MaxMicrometres);
}

float LiveFrameReader::ValueAt(int position) const
{
    return qFromLittleEndian<float>(m_pending.constData() + position + 2);
}
