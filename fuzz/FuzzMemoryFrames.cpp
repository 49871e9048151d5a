// Random bytes in random slices through the download's frame assembler, and the readings it
// yields through the export text. A frame must never take bytes beyond its own end.
#include "FuzzCheck.h"
#include "MemoryFrameAssembler.h"
#include "MemoryTextExport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    MemoryFrameAssembler assembler;
    QMap<int, QList<LogRecord>> groups;
    int frame = 0;
    int frameBytes = 0;
    while (input.remaining_bytes() > 0) {
        const size_t sliceSize = input.ConsumeIntegralInRange<size_t>(1, 64);
        const std::string slice = input.ConsumeBytesAsString(sliceSize);
        const bool hadHeader = assembler.HasHeader();
        const int needed = assembler.BytesNeeded();
        const int taken = assembler.Feed(slice.data(), static_cast<int>(slice.size()));
        Check(taken >= 0 && taken <= static_cast<int>(slice.size()));
        // Before the header is in, the frame's length is not known yet.
        Check(!hadHeader || taken <= needed);
        frameBytes += taken;
        if (!assembler.IsComplete())
            continue;
        const int expectedSize = MemoryFrameAssembler::HeaderSize +
                                 MemoryFrameAssembler::ReadingSize * assembler.ReadingCount();
        Check(frameBytes == expectedSize);
        const qint8 unit = assembler.UnitCode();
        const QList<LogRecord> records = assembler.TakeRecords();
        Check(records.size() * MemoryFrameAssembler::ReadingSize +
                  MemoryFrameAssembler::HeaderSize ==
              expectedSize);
        for (const LogRecord &record : records)
            Check(record.unit == unit);
        if (!records.isEmpty())
            groups.insert(frame % 5, records);
        ++frame;
        frameBytes = 0;
    }
    const QString text = MemoryTextExport::Text(groups, QStringLiteral("Number"),
                                                QStringLiteral("Data"), QStringLiteral("Unit"));
    Check(text.startsWith(QLatin1String("GROUP: General 1\n")));
    return 0;
}
