#pragma once

#include "TeamConnection.h"
#include "TeamServerAddress.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QString>

// The throwaway PostgreSQL server the CTest fixture starts for the team tests: its Unix socket
// lives in the folder VARNOLITHIC_TEAM_SERVER names. Its superuser "postgres" logs in without a
// password; every other login needs its own.
class TeamTestServer
{
public:
    // Empty when the test runs without the fixture.
    static QString SocketFolder() { return qEnvironmentVariable("VARNOLITHIC_TEAM_SERVER"); }

    static TeamServerAddress Address(const QString &database,
                                     const QString &user = QStringLiteral("postgres"),
                                     const QString &password = QString())
    {
        TeamServerAddress address;
        address.host = SocketFolder();
        address.database = database;
        address.user = user;
        address.password = password;
        return address;
    }

    // "postgresql://user@/database?host=folder"
    static QString Uri(const QString &database, const QString &user = QStringLiteral("postgres"))
    {
        return Address(database, user).DisplayUri();
    }

    // Runs statements as the superuser in the database; false when they fail.
    static bool Run(const QString &database, const QString &sql)
    {
        TeamConnection connection;
        return !connection.Open(Address(database)).IsError() && !connection.Run(sql).IsError();
    }

    // The first value of a query run as the superuser.
    static QVariant Value(const QString &database, const QString &sql)
    {
        TeamConnection connection;
        if (connection.Open(Address(database)).IsError())
            return QVariant();
        QSqlQuery query(connection.Database());
        if (connection.Run(query, sql).IsError() || !query.next())
            return QVariant();
        return query.value(0);
    }

    // A new empty database, named after the purpose and this process.
    static QString CreateDatabase(const QString &purpose)
    {
        const QString name =
            QStringLiteral("%1_%2").arg(purpose).arg(QCoreApplication::applicationPid());
        return Run(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + name)
                   ? name
                   : QString();
    }
};
