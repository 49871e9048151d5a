#include "TeamCheck.h"

#include "TeamConnection.h"
#include "TeamSchema.h"

#include <QSqlQuery>

namespace {
TeamError ReadRoles(const TeamConnection &connection, TeamCheck::Outcome &outcome)
{
    QSqlQuery query(connection.Database());
    const TeamError error =
        connection.Run(query, QStringLiteral("SELECT current_user, "
                                             "pg_has_role('varnolithic_inspector', 'MEMBER'), "
                                             "pg_has_role('varnolithic_reviewer', 'MEMBER')"));
    if (error.IsError() || !query.next())
        return error;
    outcome.user = query.value(0).toString();
    if (query.value(1).toBool())
        outcome.roles.append(QStringLiteral("inspector"));
    if (query.value(2).toBool())
        outcome.roles.append(QStringLiteral("reviewer"));
    if (outcome.roles.isEmpty())
        return TeamError(TeamError::NotTeamMember,
                         TeamError::tr("The user is %1.").arg(outcome.user));
    return TeamError();
}
} // namespace

TeamCheck::Outcome TeamCheck::Diagnose(const TeamServerAddress &address)
{
    Outcome outcome;
    TeamConnection connection;
    outcome.error = connection.Open(address);
    if (!outcome.error.IsError())
        outcome.error = TeamSchema::Version(connection, &outcome.schemaVersion);
    if (!outcome.error.IsError())
        outcome.error = TeamSchema::Compatibility(outcome.schemaVersion);
    if (!outcome.error.IsError())
        outcome.error = ReadRoles(connection, outcome);
    return outcome;
}
