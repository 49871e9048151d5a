#pragma once

#include "InspectionReport.h"
#include "RecordReport.h"
#include "ReportFigures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

class QPdfWriter;

// Writes an inspection report as an A4 PDF with Qt's own PDF writer, no window needed (a
// QGuiApplication is, for the fonts; the "offscreen" platform will do):
//   - the title, the date and time, the port, the source file and the unit, with a note for
//     readings converted from another unit or of an unknown unit;
//   - the criteria (rule, nominal, minimum, maximum, spot settings) in the report's unit;
//   - the verdict with its reasons;
//   - the statistics (count, overflows, mean, standard deviation, minimum, maximum, range,
//     coefficient of variation); for a memory download per group and for all groups;
//   - the line chart with the limit lines;
//   - every reading in a table over as many pages as needed (number, time or group, value,
//     status), its header repeated on every page;
//   - "page n of m" at the foot of every page.
// Texts are in the interface language (the installed translator) and set in a family that
// also covers Chinese (FontFamily).
//
//     InspectionReport report = InspectionReport::FromRecords(session.Records());
//     report.title = ...; report.port = ...; report.criteria = InspectionSettings...;
//     QString error;
//     if (!ReportWriter::Write(report, ReportWriter::ProposedPath(folder, now), &error))
//         tell the user the error
class ReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    // Writes the report to path, replacing a file there. The PDF is written to a temporary
    // file in the same folder and renamed when complete, so a failed write leaves whatever
    // was there before. Returns false with a translated reason in errorText (when given):
    // the folder is missing, or it cannot be written to.
    static bool Write(const InspectionReport &report, const QString &path, QString *errorText);
    // The report from the records, in the same way; progress, when given, is told the pages
    // painted and the pages there are.
    static bool Write(const RecordReport &report, const QString &path, QString *errorText,
                      const std::function<void(int, int)> &progress = {});

    // "Report_yyyyMMdd_HHmmss.pdf".
    static QString ProposedFileName(const QDateTime &when);
    // The folder (the SaveFilePath setting), "/" and the proposed file name.
    static QString ProposedPath(const QString &folder, const QDateTime &when);

    // The family the report is set in: the interface's family when it covers Simplified
    // Chinese, else the first installed one of the interface's CJK stand-ins, else any
    // family that covers it, else the interface's.
    static QString FontFamily();
    // A reading's status in the table: "ok", "overflow", "below minimum", "above maximum",
    // "unknown unit", translated.
    static QString MarkText(ReportFigures::Mark mark, const InspectionCriteria &criteria);

private:
    static bool WritePdf(const QString &path, const QString &title, QString *errorText,
                         const std::function<bool(QPdfWriter *)> &paint);
};
