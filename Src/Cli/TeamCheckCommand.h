#pragma once

#include "CliCommand.h"

// "team check": whether the program can work with the team server, and what is wrong if not.
class TeamCheckCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("team check"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
