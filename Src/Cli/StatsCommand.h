#pragma once

#include "CliCommand.h"

#include <QByteArray>

class InspectionInput;
class SeriesInspection;

// "stats": the figures of the readings in a session or download CSV file and their verdict
// under a rule, as text for people or as one JSON object for scripts.
class StatsCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("stats"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;
    QString ArgumentName() const override { return QStringLiteral("FILE"); }

    // The figures with the decimals the unit gives them, the rule and the verdict with its
    // reasons, one "name  value" line each.
    static QByteArray Text(const InspectionInput &input, const SeriesInspection &inspection);
    // {"count":..,"overflows":..,"mean":..,...}: the figures at full precision (null without
    // readings), the verdict and its reasons; with pa2 the means of the spots and areas.
    static QByteArray Json(const InspectionInput &input, const SeriesInspection &inspection);

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
