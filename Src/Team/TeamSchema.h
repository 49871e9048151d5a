#pragma once

#include "TeamError.h"

#include <QString>
#include <QVector>

class TeamConnection;

// The team server's schema, made and brought up to date by numbered migrations compiled into
// the program (":/team/0001-....sql"). The table schema_version holds one row per migration
// applied; a store with a migration this program does not know is refused, never changed.
class TeamSchema
{
    Q_DECLARE_TR_FUNCTIONS(TeamSchema)
public:
    struct Migration
    {
        int version = 0;
        QString name;
        QString sql;
    };

    static QVector<Migration> Migrations();
    static int LatestVersion();

    // The version of the store: 0 when the database holds no team store.
    static TeamError Version(const TeamConnection &connection, int *version);
    // Whether this program works with a store of that version: no error, NotInitialised,
    // SchemaNewer or SchemaOlder with both versions in the detail.
    static TeamError Compatibility(int version);
    // Applies the migrations the store lacks, in one transaction, and tells the version before
    // and after. A database with tables of its own and no team store is refused, and so is a
    // store newer than this program; a store already up to date is left as it is.
    static TeamError Initialise(const TeamConnection &connection, int *before, int *after);
};
