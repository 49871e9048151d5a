#include "TeamRoles.h"

#include "TeamConnection.h"

QStringList TeamRoles::Names()
{
    return {QStringLiteral("inspector"), QStringLiteral("reviewer")};
}

QString TeamRoles::ServerRole(const QString &name)
{
    return Names().contains(name) ? QStringLiteral("varnolithic_") + name : QString();
}

TeamError TeamRoles::AddUser(const TeamConnection &connection, const QString &login,
                             const QString &role, const QString &password)
{
    const QString serverRole = ServerRole(role);
    if (serverRole.isEmpty())
        return TeamError(TeamError::Invalid, TeamError::tr("'%1' is no team role.").arg(role));
    // The server names roles of up to 63 bytes and would cut a longer name short.
    if (login.isEmpty() || login.toUtf8().size() > 63)
        return TeamError(TeamError::Invalid, TeamError::tr("A user name has 1 to 63 bytes."));
    return connection.Run(
        QStringLiteral("SELECT varnolithic_add_user(?, ?, ?)"),
        {login, serverRole, password.isEmpty() ? QVariant(QVariant::String) : password});
}
