#include "CliCommand.h"

#include "AppPaths.h"
#include "CliApplication.h"
#include "CliConsole.h"
#include "ExportFileWriter.h"
#include "KesConfig.h"

#include <QCommandLineParser>

namespace {
const QCommandLineOption HelpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Show this help and exit."));

QString OptionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1Char(' ') + option.valueName();
    return text;
}

// Names in one column, descriptions beside them; a description's further lines stay in its
// column.
QString OptionTable(const QList<QCommandLineOption> &options)
{
    int width = 0;
    for (const QCommandLineOption &option : options)
        width = qMax(width, OptionNames(option).size());
    const QString indent(2 + width + 2, QLatin1Char(' '));
    QString table;
    for (const QCommandLineOption &option : options) {
        QString description = option.description();
        description.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
        table += QStringLiteral("  ") + OptionNames(option).leftJustified(width + 2) + description +
                 QLatin1Char('\n');
    }
    return table;
}
} // namespace

int CliCommand::Run(const QStringList &arguments, CliConsole &console)
{
    QCommandLineParser parser;
    parser.addOptions(Options());
    parser.addOption(HelpOption);
    parser.addOption(StoreOption());
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList(Name()) + arguments))
        return UsageFailure(console, parser.errorText());
    if (parser.isSet(HelpOption)) {
        console.WriteOut(HelpText().toUtf8(), true);
        return Success;
    }
    const QStringList positional = parser.positionalArguments();
    const int taken = ArgumentName().isEmpty() ? 0 : 1;
    if (positional.size() > taken && !TakesMoreArguments())
        return UsageFailure(console,
                            QStringLiteral("unexpected argument '%1'").arg(positional.at(taken)));
    if (positional.size() < taken && !ArgumentOptional())
        return UsageFailure(console, QStringLiteral("missing %1").arg(ArgumentName()));
    return Execute(parser, console);
}

QString CliCommand::HelpText() const
{
    return QStringLiteral("Usage: %1 %2 %3\n\n")
               .arg(QLatin1String(CliApplication::ProgramName), Name(), Synopsis()) +
           Description() + QStringLiteral("\nOptions:\n") +
           OptionTable(Options() << StoreOption() << HelpOption);
}

const QCommandLineOption &CliCommand::StoreOption()
{
    static const QCommandLineOption option(QStringLiteral("store"),
                                           QStringLiteral("Keep the records in FILE instead of "
                                                          "the program's records.sqlite."),
                                           QStringLiteral("FILE"));
    return option;
}

QString CliCommand::StorePath(const QCommandLineParser &parser)
{
    return parser.isSet(StoreOption())
               ? parser.value(StoreOption())
               : AppPaths::Current().RecordsFile(KesConfig::Instance()->ConfigFile());
}

int CliCommand::UsageFailure(CliConsole &console, const QString &message) const
{
    console.Error(QStringLiteral("%1: %2\nTry '%3 %1 --help'.")
                      .arg(Name(), message, QLatin1String(CliApplication::ProgramName)));
    return UsageError;
}

int CliCommand::WriteResult(CliConsole &console, const QString &outputPath, const QByteArray &bytes,
                            bool platformLineEnds)
{
    QString errorText;
    if (outputPath.isEmpty()) {
        if (console.WriteOut(bytes, platformLineEnds, &errorText))
            return Success;
        console.Error(QStringLiteral("cannot write to the standard output: ") + errorText);
        return UsageError;
    }
    const ExportFileWriter::LineEnds lineEnds =
        platformLineEnds ? ExportFileWriter::PlatformLineEnds : ExportFileWriter::KeepLineEnds;
    if (ExportFileWriter::WriteBytes(outputPath, bytes, lineEnds, &errorText))
        return Success;
    console.Error(QStringLiteral("cannot write %1: %2").arg(outputPath, errorText));
    return UsageError;
}
