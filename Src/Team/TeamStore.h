#pragma once

#include "TeamError.h"

#include <QString>
#include <QVariantMap>

class TeamConnection;

// The tables of the team store a client writes to.
enum class TeamTable
{
    Jobs,
    Areas,
    Batches,
    Readings,
    Exclusions,
    Verifications,
    SignOffs,
    History,
    Evaluations
};

// Rows written to the team store as the logged-in user. The server stamps who and when and
// decides what the user may do: a change it refuses comes back as a TeamError (Refused), as
// does a row that is not there (NotFound). Column names are the schema's; values are bound,
// never pasted into the statement.
class TeamStore
{
public:
    explicit TeamStore(const TeamConnection &connection);

    static QString TableName(TeamTable table);

    // A reading already there (same batch and index) is left as it is and is no error, so
    // that sending one twice changes nothing.
    TeamError Insert(TeamTable table, const QVariantMap &row) const;
    TeamError Update(TeamTable table, const QString &uuid, const QVariantMap &changes) const;
    // Nothing is deleted on the server: the row is marked deleted, or restored.
    TeamError SetDeleted(TeamTable table, const QString &uuid, bool deleted) const;

private:
    const TeamConnection &m_connection;
};
