#include "TeamAddUserCommand.h"

#include "CliConsole.h"
#include "TeamConnection.h"
#include "TeamRoles.h"
#include "TeamSchema.h"
#include "TeamServerInput.h"

#include <QCommandLineParser>
#include <QFile>

namespace {
const QCommandLineOption RoleOption(QStringLiteral("role"),
                                    QStringLiteral("inspector or reviewer."),
                                    QStringLiteral("ROLE"));
const QCommandLineOption PasswordOption(
    QStringLiteral("password-stdin"),
    QStringLiteral("Read the new user's password from the first line of the\nstandard input."));

// The first line of the standard input, without its line end.
QString FirstInputLine()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return QString();
    QByteArray line = input.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}
} // namespace

QString TeamAddUserCommand::Summary() const
{
    return QStringLiteral("Make a login of the team: an inspector or a reviewer.");
}

QString TeamAddUserCommand::Synopsis() const
{
    return QStringLiteral("NAME --role inspector|reviewer [--password-stdin] ") +
           TeamServerInput::Synopsis();
}

QList<QCommandLineOption> TeamAddUserCommand::Options() const
{
    return QList<QCommandLineOption>{RoleOption, PasswordOption} << TeamServerInput::Options();
}

QString TeamAddUserCommand::Description() const
{
    return QStringLiteral(
               "Makes the login NAME on the team server with the role: an inspector adds jobs,\n"
               "areas, batches, readings and verifications and changes what they made; a\n"
               "reviewer signs off batches and areas and restores deleted batches. A login\n"
               "that exists gets the role instead of the other one. Without --password-stdin\n"
               "the login's password is left as it is (none for a new one: it then logs in\n"
               "only where the server trusts it otherwise). The team store must be made\n"
               "first (team init), by a user who may make roles.\n\n") +
           TeamServerInput::Description();
}

int TeamAddUserCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    const QString role = parser.value(RoleOption);
    if (!TeamRoles::Names().contains(role))
        return UsageFailure(console, QStringLiteral("--role is inspector or reviewer"));
    TeamServerInput server;
    const QString problem = server.Read(parser);
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    const QString password = parser.isSet(PasswordOption) ? FirstInputLine() : QString();
    if (parser.isSet(PasswordOption) && password.isEmpty())
        return UsageFailure(console, QStringLiteral("no password on the standard input"));
    TeamConnection connection;
    const int status = server.Connect(connection, console);
    if (status != Success)
        return status;
    int version = 0;
    TeamError error = TeamSchema::Version(connection, &version);
    if (!error.IsError())
        error = TeamSchema::Compatibility(version);
    const QString name = parser.positionalArguments().constFirst();
    if (!error.IsError())
        error = TeamRoles::AddUser(connection, name, role, password);
    if (error.IsError())
        return server.Failure(console, error);
    return WriteResult(console, QString(),
                       QStringLiteral("%1: a login of the team as %2\n").arg(name, role).toUtf8(),
                       true);
}
