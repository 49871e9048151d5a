#include "SessionSummary.h"

#include "SessionCsv.h"
#include "SessionFile.h"

#include <array>

SessionSummary SessionSummary::Read(const QString &path, const InspectionCriteria &criteria)
{
    SessionSummary summary;
    // The figures and the verdict of every unit, each with every overflow: the last unit is
    // known at the end.
    std::array<SeriesInspection, 3> byUnit{SeriesInspection(criteria, 0),
                                           SeriesInspection(criteria, 1),
                                           SeriesInspection(criteria, 2)};
    summary.error = SessionFile::ForEachLine(path, [&](const char *begin, const char *end) {
        const std::optional<SessionCsv::Figure> figure = SessionCsv::ParseFigure(begin, end);
        if (!figure) {
            ++summary.skippedLines;
            return;
        }
        if (summary.readings++ == 0)
            summary.start = SessionCsv::ParseLine(begin, end)->arrival;
        if (figure->status == LiveRecord::Status::Overflow) {
            for (SeriesInspection &inspection : byUnit)
                inspection.AddOverflow();
        } else if (figure->status == LiveRecord::Status::Ok) {
            summary.unitCode = figure->unitCode;
            byUnit[static_cast<std::size_t>(figure->unitCode)].Add(figure->value);
        }
    });
    if (summary.readings == 0)
        summary.start = SessionFile::NameTime(path);
    const SeriesInspection &last =
        byUnit[static_cast<std::size_t>(std::max<qint8>(summary.unitCode, 0))];
    summary.statistics = last.Statistics();
    summary.verdict = last.Verdict();
    return summary;
}
