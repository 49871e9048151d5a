#pragma once

#include <QString>

// Where the team's PostgreSQL server is and who logs in to it, as Qt's QPSQL driver takes it:
// host, port, database and user apart, the rest as connect options. Read from a libpq
// connection URI ("postgresql://ann@/varnolithic?host=/run/postgresql") or from the settings'
// team group. The password is never stored: it comes from libpq's own sources (~/.pgpass,
// PGPASSFILE, PGPASSWORD) or, for this run only, from the URI.
struct TeamServerAddress
{
    // A host name, an address, or a folder holding the server's Unix socket; empty: libpq's
    // default socket folder.
    QString host;
    int port = 0; // 0: libpq's default (5432)
    QString database;
    QString user;
    QString password; // in memory only
    QString sslMode = QStringLiteral("prefer");
    QString sslRootCertificate;
    int connectTimeout = 10; // seconds, so that a host that never answers is not waited for
    // Seconds the server may take over one statement (a lock held elsewhere included), or keep
    // a transaction of this program waiting for its next statement, before it gives up; 0: no
    // limit, for an administrator's long work.
    int answerTimeout = 60;

    // Empty with the problem named in *problem when the text is no URI this program takes.
    static TeamServerAddress FromUri(const QString &uri, QString *problem);
    // The settings' group "Team" (Host, Port, Database, User, SslMode); empty when unset.
    static TeamServerAddress FromSettings();
    // Writes that group; never the password.
    void StoreInSettings() const;

    bool IsEmpty() const { return host.isEmpty() && database.isEmpty() && user.isEmpty(); }
    // The address as a URI for messages, without the password.
    QString DisplayUri() const;
    // "sslmode=prefer;connect_timeout=10;...", as QSqlDatabase::setConnectOptions takes them,
    // with the time-outs that keep a server that stops answering from being waited for.
    QString ConnectOptions() const;
};
