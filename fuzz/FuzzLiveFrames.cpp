// Random received chunks through the live path: chunk splitting, frame decoding, the reading
// text and the chart value. Only whole live frames may become readings.
#include "GaugeUnit.h"
#include "LiveReading.h"

#include <cstdint>
#include <cstdlib>

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckReading(const QByteArray &frame)
{
    const auto reading = LiveReading::Decode(frame);
    Check(reading.has_value());
    Check(reading->UnitText() == GaugeUnit::Text(reading->UnitCode()));
    if (reading->IsOverflow() || !GaugeUnit::IsKnown(reading->UnitCode()))
        Check(reading->ReadingText().isEmpty());
    else
        Check(reading->ReadingText().endsWith(QLatin1Char(' ') + reading->UnitText()));
    if (reading->HasChartValue())
        Check(LiveReading::IsInRange(reading->ChartValue()));
    Check(!(reading->IsOverflow() && reading->HasChartValue()));
    Check(reading->UnitLabelText().startsWith(QLatin1String("Unit(")));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray chunk(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QVector<QByteArray> frames = LiveReading::SplitChunk(chunk);
    QByteArray joined;
    for (const QByteArray &frame : frames) {
        Check(frame.size() == LiveReading::FrameSize && frame.at(0) == LiveReading::FrameType);
        CheckReading(frame);
        joined += frame;
    }
    Check(frames.isEmpty() || joined == chunk);
    if (chunk.size() == LiveReading::FrameSize)
        Check(LiveReading::Decode(chunk).has_value() == (chunk.at(0) == LiveReading::FrameType));
    return 0;
}
