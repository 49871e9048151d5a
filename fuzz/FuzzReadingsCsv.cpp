// Random bytes as a CSV file of readings: the reader either refuses them with a line that is
// in the file and a reason, or yields rows in the file's order whose values are finite
// numbers; selecting a group keeps one unit.
#include "FuzzCheck.h"
#include "ReadingsCsv.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const ReadingsCsv::Result result = ReadingsCsv::Parse(bytes);
    const int lines = bytes.count('\n') + 1;
    if (!result.error.isEmpty()) {
        Check(result.rows.isEmpty());
        Check(result.errorLine >= 1 && result.errorLine <= lines);
        return 0;
    }
    int previousLine = 1;
    for (const ReadingsCsv::Row &row : result.rows) {
        Check(row.line > previousLine && row.line <= lines);
        previousLine = row.line;
        const bool hasValue = row.reading.status == LiveRecord::Status::Ok;
        Check(!hasValue || (std::isfinite(row.reading.value) && row.unitCode >= 0));
        Check(result.kind == ReadingsCsv::Kind::Session ? row.reading.group == -1
                                                        : row.reading.group >= 0);
    }
    const int group = result.rows.isEmpty() ? -1 : result.rows.constFirst().reading.group;
    const ReadingsCsv::Selection selection = ReadingsCsv::Select(result, group);
    if (!selection.error.isEmpty())
        return 0;
    for (const ReadingsCsv::Row &row : selection.rows) {
        Check(group < 0 || row.reading.group == group);
        Check(row.reading.status != LiveRecord::Status::Ok || row.unitCode == selection.unitCode);
    }
    return 0;
}
