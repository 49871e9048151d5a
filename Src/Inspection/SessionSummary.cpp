#include "SessionSummary.h"

#include "SessionCsv.h"
#include "SessionFile.h"

#include <array>

SessionSummary SessionSummary::Read(const QString &path)
{
    SessionSummary summary;
    // The figures of every unit, each with every overflow: the last unit is known at the end.
    std::array<ReadingStatistics, 3> byUnit;
    summary.error = SessionFile::ForEachLine(path, [&](const char *begin, const char *end) {
        const std::optional<SessionCsv::Figure> figure = SessionCsv::ParseFigure(begin, end);
        if (!figure) {
            ++summary.skippedLines;
            return;
        }
        if (summary.readings++ == 0)
            summary.start = SessionCsv::ParseLine(begin, end)->arrival;
        if (figure->status == LiveRecord::Status::Overflow) {
            for (ReadingStatistics &statistics : byUnit)
                statistics.AddOverflow();
        } else if (figure->status == LiveRecord::Status::Ok) {
            summary.unitCode = figure->unitCode;
            byUnit[static_cast<std::size_t>(figure->unitCode)].Add(figure->value);
        }
    });
    if (summary.readings == 0)
        summary.start = SessionFile::NameTime(path);
    summary.statistics = byUnit[static_cast<std::size_t>(std::max<qint8>(summary.unitCode, 0))];
    return summary;
}
