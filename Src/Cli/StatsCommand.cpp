#include "StatsCommand.h"

#include "CliConsole.h"
#include "CriteriaWords.h"
#include "FigureText.h"
#include "GaugeUnit.h"
#include "InspectionInput.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QCommandLineOption JsonOption(QStringLiteral("json"),
                                    QStringLiteral("Print one JSON object instead of text."));

QString Line(const QString &name, const QString &value)
{
    return name.leftJustified(11) + value + QLatin1Char('\n');
}

QString Spaced(const QVector<double> &means, int unitCode)
{
    QStringList texts;
    for (const double mean : means)
        texts.append(FigureText::Precise(unitCode, mean));
    return texts.isEmpty() ? QStringLiteral("-") : texts.join(QLatin1Char(' '));
}

QJsonArray JsonNumbers(const QVector<double> &values)
{
    QJsonArray array;
    for (const double value : values)
        array.append(value);
    return array;
}

// The reasons as programs read them: the unit spelt as the files spell it ("um").
QStringList MachineText(QStringList reasons)
{
    return reasons.replaceInStrings(FigureText::Unit(GaugeUnit::Micrometres),
                                    GaugeUnit::Text(GaugeUnit::Micrometres));
}

QJsonValue Figure(const ReadingStatistics &statistics, double value)
{
    return statistics.Count() > 0 ? QJsonValue(value) : QJsonValue();
}
} // namespace

QString StatsCommand::Summary() const
{
    return QStringLiteral("Figures and verdict of the readings in a CSV file.");
}

QString StatsCommand::Synopsis() const
{
    return QStringLiteral("FILE ") + InspectionInput::Synopsis() + QStringLiteral(" [--json]");
}

QList<QCommandLineOption> StatsCommand::Options() const
{
    return InspectionInput::Options() << JsonOption;
}

QString StatsCommand::Description() const
{
    return QStringLiteral(
               "Prints the number of readings, the overflows, mean, standard deviation (n - 1),\n"
               "minimum, maximum, range and coefficient of variation of the readings, and the\n"
               "verdict of the rule with the reasons why they fail it.\n\n") +
           InspectionInput::Description() +
           QStringLiteral("\nExit status 0 when the readings pass, are incomplete or no rule is "
                          "given;\n1 when they fail; 2 for a bad option or a file that cannot "
                          "be read.\n");
}

int StatsCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    InspectionInput input;
    const QString problem = input.Read(parser, parser.positionalArguments().constFirst());
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    const SeriesInspection inspection = input.Inspect();
    const QByteArray document =
        parser.isSet(JsonOption) ? Json(input, inspection) : Text(input, inspection);
    const int status = WriteResult(console, QString(), document, true);
    if (status != Success)
        return status;
    return InspectionInput::ExitStatus(inspection.Verdict());
}

QByteArray StatsCommand::Text(const InspectionInput &input, const SeriesInspection &inspection)
{
    const ReadingStatistics &statistics = inspection.Statistics();
    const int unit = inspection.UnitCode();
    const FigureText::Figures figures =
        FigureText::Of(statistics, unit, FigureText::UnitShown::No, QStringLiteral("-"));
    QString text = Line(QStringLiteral("file"), input.Path());
    if (input.Group() >= 0)
        text += Line(QStringLiteral("group"), QString::number(input.Group()));
    text += Line(QStringLiteral("count"), QString::number(statistics.Count())) +
            Line(QStringLiteral("overflows"), QString::number(statistics.Overflows())) +
            Line(QStringLiteral("unit"), FigureText::Unit(unit)) +
            Line(QStringLiteral("mean"), figures.mean) +
            Line(QStringLiteral("sd"), figures.deviation) +
            Line(QStringLiteral("min"), figures.minimum) +
            Line(QStringLiteral("max"), figures.maximum) +
            Line(QStringLiteral("range"), figures.range) +
            Line(QStringLiteral("cov"), figures.variation) +
            Line(QStringLiteral("rule"), CriteriaWords::Of(inspection.Criteria()));
    const InspectionVerdict verdict = inspection.Verdict();
    if (inspection.Criteria().rule == InspectionCriteria::Rule::SspcPa2)
        text += Line(QStringLiteral("spots"), Spaced(verdict.spots, unit)) +
                Line(QStringLiteral("areas"), Spaced(verdict.areas, unit));
    text += Line(QStringLiteral("verdict"), InspectionVerdict::OutcomeKey(verdict.outcome));
    for (const QString &reason : verdict.reasons)
        text += QStringLiteral("  ") + reason + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray StatsCommand::Json(const InspectionInput &input, const SeriesInspection &inspection)
{
    const ReadingStatistics &statistics = inspection.Statistics();
    const InspectionVerdict verdict = inspection.Verdict();
    QJsonObject object{
        {QStringLiteral("count"), statistics.Count()},
        {QStringLiteral("overflows"), statistics.Overflows()},
        {QStringLiteral("mean"), Figure(statistics, statistics.Mean())},
        {QStringLiteral("sd"), Figure(statistics, statistics.StandardDeviation())},
        {QStringLiteral("min"), Figure(statistics, statistics.Minimum())},
        {QStringLiteral("max"), Figure(statistics, statistics.Maximum())},
        {QStringLiteral("range"), Figure(statistics, statistics.Range())},
        {QStringLiteral("cov"), Figure(statistics, statistics.CoefficientOfVariation())},
        {QStringLiteral("unit"), GaugeUnit::Text(inspection.UnitCode())},
        {QStringLiteral("rule"), InspectionCriteria::RuleKey(inspection.Criteria().rule)},
        {QStringLiteral("verdict"), InspectionVerdict::OutcomeKey(verdict.outcome)},
        {QStringLiteral("reasons"), QJsonArray::fromStringList(MachineText(verdict.reasons))}};
    if (input.Group() >= 0)
        object.insert(QStringLiteral("group"), input.Group());
    if (inspection.Criteria().rule == InspectionCriteria::Rule::SspcPa2) {
        object.insert(QStringLiteral("spots"), JsonNumbers(verdict.spots));
        object.insert(QStringLiteral("areas"), JsonNumbers(verdict.areas));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
