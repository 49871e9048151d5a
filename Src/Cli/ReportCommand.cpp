#include "ReportCommand.h"

#include "CliConsole.h"
#include "InspectionInput.h"
#include "ReportWriter.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
const QCommandLineOption OutputOption(QStringLiteral("output"),
                                      QStringLiteral("Write the PDF to REPORT.pdf (replaced as a "
                                                     "whole or not at all). Required."),
                                      QStringLiteral("REPORT.pdf"));
} // namespace

QString ReportCommand::Summary() const
{
    return QStringLiteral("The PDF inspection report of the readings in a CSV file.");
}

QString ReportCommand::Synopsis() const
{
    return QStringLiteral("FILE --output REPORT.pdf ") + InspectionInput::Synopsis();
}

QList<QCommandLineOption> ReportCommand::Options() const
{
    return QList<QCommandLineOption>{OutputOption} << InspectionInput::Options();
}

QString ReportCommand::Description() const
{
    return QStringLiteral("Writes the inspection report of the readings as an A4 PDF: the "
                          "criteria, the\nverdict with its reasons, the figures, a chart and "
                          "every reading.\n\n") +
           InspectionInput::Description() +
           QStringLiteral("\nExit status 0 when the report is written and the readings pass, "
                          "are\nincomplete or no rule is given; 1 when it is written and they "
                          "fail; 2 for a bad\noption, a file that cannot be read or a report "
                          "that cannot be written.\n");
}

InspectionReport ReportCommand::Report(const InspectionInput &input)
{
    InspectionReport report;
    report.title = input.Kind() == ReadingsCsv::Kind::Session ? QStringLiteral("Session")
                                                              : QStringLiteral("Memory download");
    report.source = input.Path() == QLatin1String("-") ? QStringLiteral("standard input")
                                                       : QFileInfo(input.Path()).absoluteFilePath();
    report.created = QDateTime::currentDateTime();
    report.unitCode = qMax(input.Readings().unitCode, 0);
    report.criteria = input.Criteria();
    report.criteria.unitCode = report.unitCode;
    for (const ReadingsCsv::Row &row : input.Readings().rows)
        report.readings.append(row.reading);
    return report;
}

int ReportCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    const QString outputPath = parser.value(OutputOption);
    if (outputPath.isEmpty())
        return UsageFailure(console, QStringLiteral("missing --output REPORT.pdf"));
    InspectionInput input;
    const QString problem = input.Read(parser, parser.positionalArguments().constFirst());
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    QString errorText;
    if (!ReportWriter::Write(Report(input), outputPath, &errorText)) {
        console.Error(QStringLiteral("cannot write %1: %2").arg(outputPath, errorText));
        return UsageError;
    }
    return InspectionInput::ExitStatus(input.Inspect().Verdict());
}
