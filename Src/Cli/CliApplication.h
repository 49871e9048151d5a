#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CliConsole;

// The command line program without a display: picks the command named by the first argument
// and runs it with the rest. A further command is one more CliCommand in the constructor.
class CliApplication
{
public:
    static constexpr const char *ProgramName = "varnolithic-cli";

    CliApplication();

    // The whole command line, the program's own name first; returns the exit status.
    int Run(const QStringList &arguments, CliConsole &console);
    QString HelpText() const;

private:
    CliCommand *Find(const QString &name) const;
    // The second words of the commands whose first word is group ("init" for "team init").
    QStringList Actions(const QString &group) const;
    int UsageFailure(CliConsole &console, const QString &message) const;

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};
