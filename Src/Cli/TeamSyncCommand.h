#pragma once

#include "CliCommand.h"

// "team sync": the local records up to the team server and the team's records down, now.
class TeamSyncCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("team sync"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
