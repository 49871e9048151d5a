#pragma once

#include "CliCommand.h"
#include "InspectionReport.h"

class InspectionInput;

// "report": the PDF inspection report of the readings in a session or download CSV file,
// judged by the same options and with the same verdict as "stats"; or the report of a batch,
// an area or a job of the records.
class ReportCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("report"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;
    QString ArgumentName() const override { return QStringLiteral("FILE"); }
    bool ArgumentOptional() const override { return true; }

    // What the report shows: the readings "stats" judges, in the file's unit, the criteria
    // and the file they come from.
    static InspectionReport Report(const InspectionInput &input);

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;

private:
    int ReportFile(const QCommandLineParser &parser, CliConsole &console);
    int ReportRecords(const QCommandLineParser &parser, CliConsole &console);
};
