#pragma once

#include "CliCommand.h"

// "team add-user": a login for an inspector or a reviewer of the team.
class TeamAddUserCommand : public CliCommand
{
public:
    QString Name() const override { return QStringLiteral("team add-user"); }
    QString Summary() const override;
    QString Synopsis() const override;
    QList<QCommandLineOption> Options() const override;
    QString ArgumentName() const override { return QStringLiteral("NAME"); }

protected:
    QString Description() const override;
    int Execute(const QCommandLineParser &parser, CliConsole &console) override;
};
