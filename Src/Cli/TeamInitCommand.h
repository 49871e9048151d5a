#pragma once

#include "CliCommand.h"

// "team init": makes the team store in an empty database, or brings an older one up to date.
class TeamInitCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("team init"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
