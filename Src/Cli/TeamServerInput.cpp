#include "TeamServerInput.h"

#include "CliCommand.h"
#include "CliConsole.h"
#include "TeamConnection.h"
#include "TeamError.h"

#include <QCommandLineParser>

namespace {
const QCommandLineOption ServerOption(
    QStringLiteral("server"),
    QStringLiteral("The team server, a libpq connection URI:\n"
                   "postgresql://USER@HOST:PORT/DATABASE, or through the\n"
                   "server's Unix socket in a folder:\n"
                   "postgresql://USER@/DATABASE?host=/run/postgresql.\n"
                   "By default the team server of the Settings page."),
    QStringLiteral("URI"));
const QCommandLineOption StoreOption(QStringLiteral("store"),
                                     QStringLiteral("The local records store, as the other "
                                                    "commands take it."),
                                     QStringLiteral("PATH"));
} // namespace

QList<QCommandLineOption> TeamServerInput::Options()
{
    return {ServerOption, StoreOption};
}

QString TeamServerInput::Synopsis()
{
    return QStringLiteral("[--server URI] [--store PATH]");
}

QString TeamServerInput::Description()
{
    return QStringLiteral(
        "The password is never taken from the command line's options or written anywhere:\n"
        "it comes from libpq's own sources, ~/.pgpass, the file named by PGPASSFILE, or\n"
        "PGPASSWORD. The URI's sslmode (default prefer) sets how TLS is used; verify-full\n"
        "also checks the server's certificate and name (sslrootcert names the authority).\n"
        "Exit status 5 when the server cannot be reached or refuses.\n");
}

QString TeamServerInput::Read(const QCommandLineParser &parser)
{
    if (!parser.isSet(ServerOption)) {
        m_address = TeamServerAddress::FromSettings();
        return m_address.IsEmpty() ? QStringLiteral("no team server: give --server URI or set "
                                                    "the team server on the Settings page")
                                   : QString();
    }
    QString problem;
    m_address = TeamServerAddress::FromUri(parser.value(ServerOption), &problem);
    // Every user of the machine sees a command line.
    if (problem.isEmpty() && !m_address.password.isEmpty())
        return QStringLiteral("the URI holds a password: put it in ~/.pgpass or PGPASSWORD "
                              "instead");
    return problem;
}

int TeamServerInput::Failure(CliConsole &console, const TeamError &error) const
{
    console.Error(
        QStringLiteral("team server %1: %2").arg(m_address.DisplayUri(), error.Message()));
    return CliCommand::ServerError;
}

int TeamServerInput::Connect(TeamConnection &connection, CliConsole &console) const
{
    const TeamError error = connection.Open(m_address);
    return error.IsError() ? Failure(console, error) : CliCommand::Success;
}
