// Random received bytes through the live path: frame reassembly, frame decoding, the reading
// text and the chart value. Only pieces of the input that are live frames may become readings,
// in order, however the input is cut.
#include "FuzzCheck.h"
#include "GaugeUnit.h"
#include "LiveFrameReader.h"
#include "LiveReading.h"

#include <cstdint>
#include <cstdlib>

namespace {
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
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is cut into the pieces the line delivers.
    const int pieceSize = 1 + data[0] % 16;
    const QByteArray line(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));
    LiveFrameReader reader;
    int searchFrom = 0;
    for (int at = 0; at < line.size(); at += pieceSize) {
        for (const QByteArray &frame : reader.Feed(line.mid(at, pieceSize))) {
            Check(frame.size() == LiveReading::FrameSize && frame.at(0) == LiveReading::FrameType);
            const int found = line.indexOf(frame, searchFrom);
            Check(found >= 0);
            searchFrom = found + frame.size();
            CheckReading(frame);
        }
    }
    Check(reader.PendingBytes() <= line.size());
    return 0;
}
