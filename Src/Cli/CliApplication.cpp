#include "CliApplication.h"

#include "CliConsole.h"
#include "DownloadCommand.h"
#include "PortsCommand.h"
#include "RecordsCommand.h"
#include "ReportCommand.h"
#include "StatsCommand.h"
#include "StreamCommand.h"
#include "TeamAddUserCommand.h"
#include "TeamCheckCommand.h"
#include "TeamInitCommand.h"
#include "TeamSyncCommand.h"
#include "Version.h"

CliApplication::CliApplication()
{
    m_commands.push_back(std::make_unique<PortsCommand>());
    m_commands.push_back(std::make_unique<DownloadCommand>());
    m_commands.push_back(std::make_unique<StreamCommand>());
    m_commands.push_back(std::make_unique<StatsCommand>());
    m_commands.push_back(std::make_unique<ReportCommand>());
    m_commands.push_back(std::make_unique<RecordsCommand>());
    m_commands.push_back(std::make_unique<TeamInitCommand>());
    m_commands.push_back(std::make_unique<TeamAddUserCommand>());
    m_commands.push_back(std::make_unique<TeamCheckCommand>());
    m_commands.push_back(std::make_unique<TeamSyncCommand>());
}

int CliApplication::Run(const QStringList &arguments, CliConsole &console)
{
    if (arguments.size() < 2)
        return UsageFailure(console, QStringLiteral("no command given"));
    const QString &first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        console.WriteOut(HelpText().toUtf8(), true);
        return CliCommand::Success;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        console.WriteOut(QByteArray(ProgramName) + ' ' + VARNOLITHIC_VERSION + '\n', true);
        return CliCommand::Success;
    }
    if (first.startsWith(QLatin1Char('-')))
        return UsageFailure(console, QStringLiteral("unknown option '%1'").arg(first));
    if (CliCommand *command = Find(first))
        return command->Run(arguments.mid(2), console);
    // A command of two words: "team init".
    const QStringList actions = Actions(first);
    if (actions.isEmpty())
        return UsageFailure(console, QStringLiteral("unknown command '%1'").arg(first));
    const QString action = arguments.value(2);
    if (!actions.contains(action))
        return UsageFailure(
            console,
            QStringLiteral("'%1' takes one of: %2").arg(first, actions.join(QStringLiteral(", "))));
    return Find(first + QLatin1Char(' ') + action)->Run(arguments.mid(3), console);
}

QString CliApplication::HelpText() const
{
    int width = 0;
    for (const auto &command : m_commands)
        width = qMax(width, command->Name().size());
    QString text = QStringLiteral("Usage: %1 COMMAND [options]\n\n"
                                  "Reads a coating-thickness gauge on its serial adapter, "
                                  "without a display.\n\nCommands:\n")
                       .arg(QLatin1String(ProgramName));
    for (const auto &command : m_commands)
        text += QStringLiteral("  ") + command->Name().leftJustified(width + 2) +
                command->Summary() + QLatin1Char('\n');
    return text + QStringLiteral("\n'%1 COMMAND --help' tells more about a command.\n\n"
                                 "Exit status:\n"
                                 "  0  success (stats: the readings pass, are incomplete "
                                 "or meet no rule)\n"
                                 "  1  stats, report: the readings fail the rule\n"
                                 "  2  usage error: unknown command or option, bad or missing "
                                 "argument,\n     output that cannot be written, a file that "
                                 "cannot be read\n"
                                 "  3  device error: the port does not open, the gauge does "
                                 "not answer in\n     time, the device is lost\n"
                                 "  4  store error: the records file cannot be opened or "
                                 "written\n"
                                 "  5  server error: the team server cannot be reached, "
                                 "refuses the login\n     or the work, or holds no store this "
                                 "program works with\n")
                      .arg(QLatin1String(ProgramName));
}

CliCommand *CliApplication::Find(const QString &name) const
{
    for (const auto &command : m_commands) {
        if (command->Name() == name)
            return command.get();
    }
    return nullptr;
}

QStringList CliApplication::Actions(const QString &group) const
{
    QStringList actions;
    const QString lead = group + QLatin1Char(' ');
    for (const auto &command : m_commands) {
        if (command->Name().startsWith(lead))
            actions.append(command->Name().mid(lead.size()));
    }
    return actions;
}

int CliApplication::UsageFailure(CliConsole &console, const QString &message) const
{
    console.Error(QStringLiteral("%1\nTry '%2 --help'.").arg(message, QLatin1String(ProgramName)));
    return CliCommand::UsageError;
}
