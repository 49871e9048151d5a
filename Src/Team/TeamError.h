#pragma once

#include <QCoreApplication>
#include <QString>

class QSqlError;

// What went wrong with the team server, as a value: the kind, in plain words for the user, and
// the server's own text as the detail. A default TeamError is no error.
class TeamError
{
    Q_DECLARE_TR_FUNCTIONS(TeamError)
public:
    enum Kind
    {
        None,
        NoDriver,       // Qt's QPSQL driver is not installed
        NoServer,       // nothing answers at the address
        NoPassword,     // the server asks for a password and none is known
        WrongPassword,  // the server does not take the password
        NoSuchUser,     // the server has no such login
        NoSuchDatabase, // the server has no such database
        NotInitialised, // the database holds no team store
        NotEmpty,       // the database holds tables of its own: no place for a team store
        SchemaNewer,    // made by a newer program
        SchemaOlder,    // older than this program: init brings it up to date
        NotTeamMember,  // the login is neither inspector nor reviewer
        Refused,        // the server refused the change: a role's limit, immutable readings
        NotFound,       // no such row
        Duplicate,      // the row is there already
        Invalid,        // values the schema does not take
        ConnectionLost, // the connection broke during the work
        TimedOut,       // the server gave up on a statement that took too long
        ServerFull,     // the server's disk is full
        Failed,         // anything else the server reported
        RecordsFile     // the local records file cannot be read or written
    };

    TeamError() = default;
    TeamError(Kind kind, const QString &detail = QString());

    // A failure to open the connection: told apart by libpq's message, which has no code.
    static TeamError FromConnect(const QSqlError &error);
    // A failed statement: told apart by the SQLSTATE the server sends.
    static TeamError FromStatement(const QSqlError &error);

    Kind GetKind() const { return m_kind; }
    bool IsError() const { return m_kind != None; }
    // The server's text (or this program's detail) on its own.
    QString Detail() const { return m_detail; }
    // What is wrong in plain words, then the detail on a line of its own.
    QString Message() const;

private:
    Kind m_kind = None;
    QString m_detail;
};
