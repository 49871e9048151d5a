#include "ReportCommand.h"

#include "CliConsole.h"
#include "InspectionInput.h"
#include "RecordScopeInput.h"
#include "RecordStore.h"
#include "ReportWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {
const QCommandLineOption OutputOption(QStringLiteral("output"),
                                      QStringLiteral("Write the PDF to REPORT.pdf (replaced as a "
                                                     "whole or not at all). Required\nfor FILE; "
                                                     "for the records Report_<time>.pdf here."),
                                      QStringLiteral("REPORT.pdf"));
const QCommandLineOption BatchOption(QStringLiteral("batch"),
                                     QStringLiteral("The report of the batch ID of the records."),
                                     QStringLiteral("ID"));
const QCommandLineOption
    JobOption(QStringLiteral("job"),
              QStringLiteral("The report of the job NAME (or UUID) of the records."),
              QStringLiteral("NAME"));
const QCommandLineOption AreaOption(QStringLiteral("area"),
                                    QStringLiteral("With --job: of its area NAME alone."),
                                    QStringLiteral("NAME"));
const QCommandLineOption NumberOption(QStringLiteral("number"),
                                      QStringLiteral("Issue the report with the number N (the "
                                                     "next of the job when not given)."),
                                      QStringLiteral("N"));
const QCommandLineOption RevisionOption(QStringLiteral("revision"),
                                        QStringLiteral("Issue it as revision R (0 when not "
                                                       "given)."),
                                        QStringLiteral("R"));

// A count the option gives, or the fallback when it is not set; false for one that is not a
// whole number from 0 on.
bool CountOption(const QCommandLineParser &parser, const QCommandLineOption &option, int fallback,
                 int *count)
{
    bool ok = true;
    *count = parser.isSet(option) ? parser.value(option).toInt(&ok) : fallback;
    return ok && *count >= 0;
}
} // namespace

QString ReportCommand::Summary() const
{
    return QStringLiteral("The PDF inspection report of a CSV file, or of a batch, area or job.");
}

QString ReportCommand::Synopsis() const
{
    return QStringLiteral("FILE --output REPORT.pdf ") + InspectionInput::Synopsis() +
           QStringLiteral("\n       %1 report (--batch ID | --job NAME [--area NAME]) "
                          "[--output REPORT.pdf]\n              [--number N] [--revision R]")
               .arg(QLatin1String("varnolithic-cli"));
}

QList<QCommandLineOption> ReportCommand::Options() const
{
    return QList<QCommandLineOption>{OutputOption, BatchOption,  JobOption,
                                     AreaOption,   NumberOption, RevisionOption}
           << InspectionInput::Options();
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
                          "that cannot be written.\n\n"
                          "With --batch or --job, the report of the records instead: the cover "
                          "(company,\nreport number and revision, job, areas, inspector, "
                          "gauge, verifications,\nconditions), the criteria in words, the "
                          "verdict, the figures of every batch and\nof the area, the chart and "
                          "the readings in columns, and lines to sign. The\nreport number "
                          "counts up per job. Exit status 1 when the report is written and\nits "
                          "verdict is Fail; 2 for a bad option or records that do not exist; 4 "
                          "for a\nrecords file that cannot be opened.\n");
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
    const bool records =
        parser.isSet(BatchOption) || parser.isSet(JobOption) || parser.isSet(AreaOption);
    if (!parser.positionalArguments().isEmpty() && records)
        return UsageFailure(console, QStringLiteral("give FILE or --batch/--job, not both"));
    if (records)
        return ReportRecords(parser, console);
    if (parser.positionalArguments().isEmpty())
        return UsageFailure(console, QStringLiteral("missing FILE, --batch ID or --job NAME"));
    return ReportFile(parser, console);
}

int ReportCommand::ReportFile(const QCommandLineParser &parser, CliConsole &console)
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

int ReportCommand::ReportRecords(const QCommandLineParser &parser, CliConsole &console)
{
    if (parser.isSet(BatchOption) && parser.isSet(JobOption))
        return UsageFailure(console, QStringLiteral("give --batch or --job, not both"));
    if (parser.isSet(AreaOption) && !parser.isSet(JobOption))
        return UsageFailure(console, QStringLiteral("--area needs --job"));
    ReportNumber number;
    if (!CountOption(parser, RevisionOption, 0, &number.revision) ||
        !CountOption(parser, NumberOption, 0, &number.number) ||
        (parser.isSet(NumberOption) && number.number == 0))
        return UsageFailure(console, QStringLiteral("--number and --revision take whole numbers "
                                                    "(the number from 1 on)"));
    RecordStore store;
    if (!store.Open(StorePath(parser))) {
        console.Error(store.Problem());
        return StoreError;
    }
    RecordReport::Request request;
    if (parser.isSet(BatchOption)) {
        request.uuid = parser.value(BatchOption).toLower();
    } else {
        RecordScopeInput scope;
        const QString problem =
            scope.Read(store, parser.value(JobOption), parser.value(AreaOption));
        if (!problem.isEmpty())
            return UsageFailure(console, problem);
        request.scope =
            scope.areaUuid.isEmpty() ? RecordReport::Scope::Job : RecordReport::Scope::Area;
        request.uuid = scope.areaUuid.isEmpty() ? scope.jobUuid : scope.areaUuid;
    }
    if (parser.isSet(NumberOption))
        request.number = number;
    QString errorText;
    const std::optional<RecordReport> report = RecordReport::Gather(store, request, &errorText);
    if (!report)
        return UsageFailure(console, errorText);
    const QString outputPath = parser.isSet(OutputOption)
                                   ? parser.value(OutputOption)
                                   : ReportWriter::ProposedFileName(report->created);
    if (!ReportWriter::Write(*report, outputPath, &errorText)) {
        console.Error(QStringLiteral("cannot write %1: %2").arg(outputPath, errorText));
        return UsageError;
    }
    if (!store.NoteReportNumber(report->job.uuid, report->number)) {
        console.Error(store.Problem());
        return StoreError;
    }
    console.WriteOut(
        (QDir::toNativeSeparators(QFileInfo(outputPath).absoluteFilePath()) + '\n').toUtf8(), true);
    return report->Outcome() == InspectionVerdict::Outcome::Fail ? VerdictFail : Success;
}
