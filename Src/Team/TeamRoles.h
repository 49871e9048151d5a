#pragma once

#include "TeamError.h"

#include <QString>
#include <QStringList>

class TeamConnection;

// The team's two roles on the server, varnolithic_inspector and varnolithic_reviewer, and the
// logins that have them.
class TeamRoles
{
public:
    // "inspector", "reviewer": the names the command line takes.
    static QStringList Names();
    static QString ServerRole(const QString &name);

    // Makes a login with the role, or gives an existing login the role instead of the other
    // one. An empty password leaves the login's password as it is. Needs a user who may make
    // roles (a superuser, or one with CREATEROLE).
    static TeamError AddUser(const TeamConnection &connection, const QString &login,
                             const QString &role, const QString &password);
};
