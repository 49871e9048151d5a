#include "TeamSchema.h"

#include "TeamConnection.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace {
const QString kMigrationFolder = QStringLiteral(":/team");
// Taken for the length of the transaction, so that two programs initialising one database at
// once apply each migration once.
const QString kMigrationLock = QStringLiteral("SELECT pg_advisory_xact_lock(7146522133)");

TeamError CountUserTables(const TeamConnection &connection, int *count)
{
    QSqlQuery query(connection.Database());
    const TeamError error = connection.Run(
        query, QStringLiteral("SELECT count(*) FROM pg_tables WHERE schemaname = 'public'"));
    if (error.IsError())
        return error;
    *count = query.next() ? query.value(0).toInt() : 0;
    return TeamError();
}

TeamError Apply(const TeamConnection &connection, const TeamSchema::Migration &migration)
{
    TeamError error = connection.Run(migration.sql);
    if (!error.IsError())
        error = connection.Run(
            QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"),
            {migration.version, migration.name});
    return error;
}
} // namespace

QVector<TeamSchema::Migration> TeamSchema::Migrations()
{
    QVector<Migration> migrations;
    const QStringList names =
        QDir(kMigrationFolder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(kMigrationFolder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Migration migration;
        migration.version = name.section(QLatin1Char('-'), 0, 0).toInt();
        migration.name = name.section(QLatin1Char('-'), 1).chopped(4);
        migration.sql = QString::fromUtf8(file.readAll());
        migrations.append(migration);
    }
    return migrations;
}

int TeamSchema::LatestVersion()
{
    const QVector<Migration> migrations = Migrations();
    return migrations.isEmpty() ? 0 : migrations.constLast().version;
}

TeamError TeamSchema::Version(const TeamConnection &connection, int *version)
{
    QSqlQuery query(connection.Database());
    TeamError error = connection.Run(
        query, QStringLiteral("SELECT to_regclass('public.schema_version') IS NOT NULL"));
    if (error.IsError())
        return error;
    if (!query.next() || !query.value(0).toBool()) {
        *version = 0;
        return TeamError();
    }
    error = connection.Run(query,
                           QStringLiteral("SELECT coalesce(max(version), 0) FROM schema_version"));
    if (error.IsError())
        return error;
    *version = query.next() ? query.value(0).toInt() : 0;
    return TeamError();
}

TeamError TeamSchema::Compatibility(int version)
{
    const int latest = LatestVersion();
    if (version == latest)
        return TeamError();
    if (version == 0)
        return TeamError(TeamError::NotInitialised);
    const QString detail =
        tr("The store is at version %1; this program's is %2.").arg(version).arg(latest);
    return TeamError(version > latest ? TeamError::SchemaNewer : TeamError::SchemaOlder, detail);
}

namespace {
// The migrations the store lacks, applied in one transaction.
TeamError Migrate(const TeamConnection &connection, int *before, int *after)
{
    return connection.InTransaction([&]() {
        TeamError error = connection.Run(kMigrationLock);
        if (!error.IsError())
            error = TeamSchema::Version(connection, before);
        if (error.IsError())
            return error;
        *after = *before;
        if (*before > TeamSchema::LatestVersion())
            return TeamSchema::Compatibility(*before);
        if (*before == 0) {
            int tables = 0;
            error = CountUserTables(connection, &tables);
            if (error.IsError())
                return error;
            if (tables > 0)
                return TeamError(TeamError::NotEmpty);
            error = connection.Run(QStringLiteral(
                "CREATE TABLE schema_version (version integer PRIMARY KEY, name text NOT NULL, "
                "applied_by text NOT NULL DEFAULT current_user, "
                "applied_at timestamptz NOT NULL DEFAULT now())"));
        }
        for (const TeamSchema::Migration &migration : TeamSchema::Migrations()) {
            if (error.IsError() || migration.version <= *before)
                continue;
            error = Apply(connection, migration);
            *after = migration.version;
        }
        // Anyone who logs in may learn the version, so that a check tells an old store from
        // a login without a role.
        if (!error.IsError())
            error = connection.Run(QStringLiteral("GRANT SELECT ON schema_version TO PUBLIC"));
        return error;
    });
}
} // namespace

TeamError TeamSchema::Initialise(const TeamConnection &connection, int *before, int *after)
{
    // A migration of a large store may take longer than a sync's statements are given.
    return connection.Unlimited([&]() { return Migrate(connection, before, after); });
}
