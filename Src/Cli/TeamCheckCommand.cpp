#include "TeamCheckCommand.h"

#include "CliConsole.h"
#include "TeamCheck.h"
#include "TeamServerInput.h"

QString TeamCheckCommand::Summary() const
{
    return QStringLiteral("Tell whether the team server is ready, or what is wrong.");
}

QString TeamCheckCommand::Synopsis() const
{
    return TeamServerInput::Synopsis();
}

QList<QCommandLineOption> TeamCheckCommand::Options() const
{
    return TeamServerInput::Options();
}

QString TeamCheckCommand::Description() const
{
    return QStringLiteral(
               "Logs in to the team server and tells, in plain words, the first thing that\n"
               "keeps the program from working with it: no server answers, the password is\n"
               "missing or wrong, no such user or database, the database holds no team store,\n"
               "the store is newer or older than the program, the user has no role in the\n"
               "team. Ready, it prints the user, the role and the store's version.\n\n") +
           TeamServerInput::Description();
}

int TeamCheckCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    TeamServerInput server;
    const QString problem = server.Read(parser);
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    const TeamCheck::Outcome outcome = TeamCheck::Diagnose(server.Address());
    if (outcome.error.IsError())
        return server.Failure(console, outcome.error);
    const QString text = QStringLiteral("%1: ready\nuser     %2\nrole     %3\nversion  %4\n")
                             .arg(server.Address().DisplayUri(), outcome.user,
                                  outcome.roles.join(QStringLiteral(", ")))
                             .arg(outcome.schemaVersion);
    return WriteResult(console, QString(), text.toUtf8(), true);
}
