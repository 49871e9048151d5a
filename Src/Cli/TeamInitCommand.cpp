#include "TeamInitCommand.h"

#include "CliConsole.h"
#include "TeamConnection.h"
#include "TeamSchema.h"
#include "TeamServerInput.h"

QString TeamInitCommand::Summary() const
{
    return QStringLiteral("Make the team store on a PostgreSQL server.");
}

QString TeamInitCommand::Synopsis() const
{
    return TeamServerInput::Synopsis();
}

QList<QCommandLineOption> TeamInitCommand::Options() const
{
    return TeamServerInput::Options();
}

QString TeamInitCommand::Description() const
{
    return QStringLiteral(
               "Makes the tables of the team store in an empty database, and the roles\n"
               "varnolithic_inspector and varnolithic_reviewer on the server, or brings a\n"
               "store made by an older version of the program up to date. A store that is\n"
               "up to date is left as it is. The user needs the right to make tables in the\n"
               "database and roles on the server (the database's owner with CREATEROLE, or a\n"
               "superuser).\n\n") +
           TeamServerInput::Description();
}

int TeamInitCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    TeamServerInput server;
    const QString problem = server.Read(parser);
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    TeamConnection connection;
    const int status = server.Connect(connection, console);
    if (status != Success)
        return status;
    int before = 0;
    int after = 0;
    const TeamError error = TeamSchema::Initialise(connection, &before, &after);
    if (error.IsError())
        return server.Failure(console, error);
    const QString uri = server.Address().DisplayUri();
    const QString text =
        before == after
            ? QStringLiteral("%1: the team store is up to date (version %2)\n").arg(uri).arg(after)
        : before == 0
            ? QStringLiteral("%1: the team store is made (version %2)\n").arg(uri).arg(after)
            : QStringLiteral("%1: the team store is brought from version %2 to %3\n")
                  .arg(uri)
                  .arg(before)
                  .arg(after);
    return WriteResult(console, QString(), text.toUtf8(), true);
}
