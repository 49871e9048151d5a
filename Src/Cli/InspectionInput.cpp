#include "InspectionInput.h"

#include "CliCommand.h"

#include <QCommandLineParser>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <type_traits>

namespace {
const QCommandLineOption GroupOption(QStringLiteral("group"),
                                     QStringLiteral("Only the readings of memory group G (a "
                                                    "download file)."),
                                     QStringLiteral("G"));
const QCommandLineOption RuleOption(QStringLiteral("rule"),
                                    QStringLiteral("none (default), iso19840, pspc or pa2."),
                                    QStringLiteral("RULE"));
const QCommandLineOption NominalOption(QStringLiteral("nominal"),
                                       QStringLiteral("The nominal dry film thickness (iso19840, "
                                                      "pspc)."),
                                       QStringLiteral("X"));
const QCommandLineOption MinimumOption(QStringLiteral("min"),
                                       QStringLiteral("The minimum thickness (pa2)."),
                                       QStringLiteral("X"));
const QCommandLineOption MaximumOption(QStringLiteral("max"),
                                       QStringLiteral("The maximum thickness (pa2; a cap for "
                                                      "iso19840)."),
                                       QStringLiteral("X"));
const QCommandLineOption SpotSizeOption(QStringLiteral("spot-size"),
                                        QStringLiteral("Readings per spot (pa2; default 3)."),
                                        QStringLiteral("K"));
const QCommandLineOption SpotLowOption(QStringLiteral("spot-low"),
                                       QStringLiteral("A spot's lowest mean in percent of the "
                                                      "minimum (pa2; default 80)."),
                                       QStringLiteral("P"));
const QCommandLineOption SpotHighOption(QStringLiteral("spot-high"),
                                        QStringLiteral("A spot's highest mean in percent of the "
                                                       "maximum (pa2; default 120)."),
                                        QStringLiteral("P"));

// Reads a number option (a whole number for an int) into value when it is given; returns
// what is wrong with it.
template <typename Number>
QString ReadNumber(const QCommandLineParser &parser, const QCommandLineOption &option,
                   Number &value)
{
    if (!parser.isSet(option))
        return QString();
    const QString text = parser.value(option);
    const bool whole = std::is_integral<Number>::value;
    bool ok = false;
    const Number number = whole ? Number(text.toInt(&ok)) : Number(text.toDouble(&ok));
    if (!ok || !std::isfinite(double(number)))
        return QStringLiteral("--%1 '%2' is not a %3")
            .arg(option.names().constFirst(), text,
                 whole ? QStringLiteral("whole number") : QStringLiteral("number"));
    value = number;
    return QString();
}
} // namespace

QList<QCommandLineOption> InspectionInput::Options()
{
    return {GroupOption,   RuleOption,     MinimumOption, MaximumOption,
            NominalOption, SpotSizeOption, SpotLowOption, SpotHighOption};
}

QString InspectionInput::Synopsis()
{
    return QStringLiteral("[--group G] [--rule none|iso19840|pspc|pa2] [--nominal X] [--min X] "
                          "[--max X]\n       [--spot-size K] [--spot-low P] [--spot-high P]");
}

QString InspectionInput::Description()
{
    return QStringLiteral(
        "FILE is a session file (index,time,micrometres,value,unit,status) or a download\n"
        "CSV (group,number,micrometres,value,unit); - reads the standard input. The\n"
        "readings are judged in the unit of the file's value column, and the\n"
        "thicknesses X are in that unit; the values must all be in one unit (in a\n"
        "download, choose one group with --group when its groups differ). Overflows are\n"
        "counted apart and never enter the figures: a session row of status overflow or\n"
        "unknown-unit, a download row without a value (an unknown unit) or with a\n"
        "value that is not finite.\n");
}

QString InspectionInput::Read(const QCommandLineParser &parser, const QString &path)
{
    m_path = path;
    QString problem = ReadNumber(parser, GroupOption, m_group);
    if (problem.isEmpty() && parser.isSet(GroupOption) && m_group < 0)
        problem = QStringLiteral("--group '%1' is not a memory group").arg(m_group);
    if (problem.isEmpty())
        problem = ReadCriteria(parser);
    return problem.isEmpty() ? ReadFile() : problem;
}

QString InspectionInput::ReadCriteria(const QCommandLineParser &parser)
{
    const QString ruleKey = parser.value(RuleOption);
    if (parser.isSet(RuleOption) && !InspectionCriteria::RuleFromKey(ruleKey, &m_criteria.rule))
        return QStringLiteral("unknown rule '%1' (none, iso19840, pspc or pa2)").arg(ruleKey);
    for (const QString &problem :
         {ReadNumber(parser, NominalOption, m_criteria.nominal),
          ReadNumber(parser, MinimumOption, m_criteria.minimum),
          ReadNumber(parser, MaximumOption, m_criteria.maximum),
          ReadNumber(parser, SpotSizeOption, m_criteria.spotSize),
          ReadNumber(parser, SpotLowOption, m_criteria.spotLowPercent),
          ReadNumber(parser, SpotHighOption, m_criteria.spotHighPercent)}) {
        if (!problem.isEmpty())
            return problem;
    }
    return m_criteria.Problem();
}

QString InspectionInput::ReadFile()
{
    QFile file(m_path);
    const bool opened = m_path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                     : file.open(QIODevice::ReadOnly);
    if (!opened)
        return QStringLiteral("cannot read %1: %2").arg(m_path, file.errorString());
    const ReadingsCsv::Result content = ReadingsCsv::Parse(file.readAll());
    if (!content.error.isEmpty())
        return QStringLiteral("%1, line %2: %3")
            .arg(m_path)
            .arg(content.errorLine)
            .arg(content.error);
    m_kind = content.kind;
    if (m_group >= 0 && m_kind == ReadingsCsv::Kind::Session)
        return QStringLiteral("%1 is a session file: it has no memory groups").arg(m_path);
    m_readings = ReadingsCsv::Select(content, m_group);
    if (m_readings.error.isEmpty()) {
        m_criteria.unitCode = m_readings.unitCode;
        return QString();
    }
    if (m_readings.errorLine == 0)
        return QStringLiteral("%1: %2").arg(m_path, m_readings.error);
    const QString hint = m_kind == ReadingsCsv::Kind::Download && m_group < 0
                             ? QStringLiteral("; choose one group with --group")
                             : QString();
    return QStringLiteral("%1, line %2: %3%4")
        .arg(m_path)
        .arg(m_readings.errorLine)
        .arg(m_readings.error, hint);
}

SeriesInspection InspectionInput::Inspect() const
{
    SeriesInspection inspection(m_criteria, m_readings.unitCode);
    for (const ReadingsCsv::Row &row : m_readings.rows) {
        if (row.reading.status == LiveRecord::Status::Ok)
            inspection.Add(row.reading.value);
        else
            inspection.AddOverflow();
    }
    return inspection;
}

int InspectionInput::ExitStatus(const InspectionVerdict &verdict)
{
    return verdict.outcome == InspectionVerdict::Outcome::Fail ? CliCommand::VerdictFail
                                                               : CliCommand::Success;
}
