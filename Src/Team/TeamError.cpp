#include "TeamError.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {
// libpq's text without its "ERROR:  " or "FATAL:  " lead, the "(SQLSTATE)" the driver adds
// and the lines of context below the message.
QString ServerText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText();
    static const QRegularExpression code(QStringLiteral("\\s*\\([0-9A-Z]{5}\\)$"));
    text.remove(code);
    static const QRegularExpression lead(QStringLiteral("^(ERROR|FATAL):\\s+"));
    text.remove(lead);
    const int contextAt = text.indexOf(QLatin1String("\nCONTEXT:"));
    if (contextAt >= 0)
        text.truncate(contextAt);
    return text.simplified();
}

TeamError::Kind ConnectKind(const QString &text)
{
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("driver not loaded")))
        return TeamError::NoDriver;
    if (lower.contains(QLatin1String("password authentication failed")))
        return TeamError::WrongPassword;
    if (lower.contains(QLatin1String("no password supplied")))
        return TeamError::NoPassword;
    if (lower.contains(QLatin1String("does not exist"))) {
        if (lower.contains(QLatin1String("role \"")))
            return TeamError::NoSuchUser;
        if (lower.contains(QLatin1String("database \"")))
            return TeamError::NoSuchDatabase;
    }
    // Whatever else keeps the connection from being made: no socket, a refused port, a host
    // name that does not resolve, no answer within the time-out.
    return TeamError::NoServer;
}
} // namespace

TeamError::TeamError(Kind kind, const QString &detail) : m_kind(kind), m_detail(detail) {}

TeamError TeamError::FromConnect(const QSqlError &error)
{
    const QString text = ServerText(error);
    return TeamError(ConnectKind(text), text);
}

TeamError TeamError::FromStatement(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    const QString text = ServerText(error);
    if (code == QLatin1String("42501"))
        return TeamError(Refused, text);
    if (code == QLatin1String("23505"))
        return TeamError(Duplicate, text);
    if (code == QLatin1String("53100"))
        return TeamError(ServerFull, text);
    // A statement cancelled by the connection's time-out, or a lock not had in time.
    if (code == QLatin1String("57014") || code == QLatin1String("55P03"))
        return TeamError(TimedOut, text);
    if (code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("23")) ||
        code == QLatin1String("42703"))
        return TeamError(Invalid, text);
    // Connection exceptions, the server shutting down under the statement, and a connection
    // that broke before the server could say anything (libpq's own words, without a code).
    const bool broken = code.isEmpty() && (error.type() == QSqlError::ConnectionError ||
                                           text.contains(QLatin1String("connection")));
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")) || broken)
        return TeamError(ConnectionLost, text);
    return TeamError(Failed, text);
}

QString TeamError::Message() const
{
    QString summary;
    switch (m_kind) {
    case None:
        return QString();
    case NoDriver:
        summary = tr("Qt's PostgreSQL driver is not installed (the package libqt5sql5-psql).");
        break;
    case NoServer:
        summary = tr("No team server answers at this address: it is not running, or the host "
                     "or the port is wrong.");
        break;
    case NoPassword:
        summary = tr("The team server asks for a password and none is known: put it in "
                     "~/.pgpass, or name a file in PGPASSFILE, or set PGPASSWORD.");
        break;
    case WrongPassword:
        summary = tr("The team server does not accept the password for this user.");
        break;
    case NoSuchUser:
        summary = tr("The team server has no such user.");
        break;
    case NoSuchDatabase:
        summary = tr("The team server has no such database.");
        break;
    case NotInitialised:
        summary = tr("The database holds no team store yet: 'varnolithic-cli team init' "
                     "makes one.");
        break;
    case NotEmpty:
        summary = tr("The database holds tables of its own: a team store is made in an empty "
                     "database.");
        break;
    case SchemaNewer:
        summary = tr("The team store was made by a newer version of the program: update this "
                     "one to work with it.");
        break;
    case SchemaOlder:
        summary = tr("The team store is older than this program: 'varnolithic-cli team init' "
                     "brings it up to date.");
        break;
    case NotTeamMember:
        summary = tr("This user is neither an inspector nor a reviewer of the team: "
                     "'varnolithic-cli team add-user' makes one.");
        break;
    case Refused:
        summary = tr("The team server refused the change.");
        break;
    case NotFound:
        summary = tr("The team server holds no such record.");
        break;
    case Duplicate:
        summary = tr("The team server holds that record already.");
        break;
    case Invalid:
        summary = tr("The team server does not take these values.");
        break;
    case ConnectionLost:
        summary = tr("The connection to the team server was lost.");
        break;
    case TimedOut:
        summary = tr("The team server did not answer in time: it is busy, or a lock is held "
                     "there. The records wait here for the next sync.");
        break;
    case ServerFull:
        summary = tr("The team server's disk is full: its administrator must free space. The "
                     "records wait here for the next sync.");
        break;
    case Failed:
        summary = tr("The team server reported an error.");
        break;
    case RecordsFile:
        summary = tr("The records file cannot be used for the team sync.");
        break;
    }
    return m_detail.isEmpty() ? summary : summary + QLatin1Char('\n') + m_detail;
}
