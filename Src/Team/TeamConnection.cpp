#include "TeamConnection.h"

#include "TeamAnswerWatch.h"
#include "TeamServerAddress.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt s_connections;
const QString kDriver = QStringLiteral("QPSQL");
} // namespace

TeamConnection::TeamConnection()
    : m_name(QStringLiteral("varnolithic-team-%1").arg(s_connections.fetchAndAddRelaxed(1)))
{}

TeamConnection::~TeamConnection()
{
    {
        QSqlDatabase database = QSqlDatabase::database(m_name, false);
        if (database.isValid())
            database.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

TeamError TeamConnection::Open(const TeamServerAddress &address)
{
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return TeamError(TeamError::NoDriver);
    QSqlDatabase database = QSqlDatabase::contains(m_name)
                                ? QSqlDatabase::database(m_name, false)
                                : QSqlDatabase::addDatabase(kDriver, m_name);
    database.close();
    database.setHostName(address.host);
    if (address.port > 0)
        database.setPort(address.port);
    database.setDatabaseName(address.database);
    database.setUserName(address.user);
    database.setPassword(address.password);
    database.setConnectOptions(address.ConnectOptions());
    if (!database.open())
        return TeamError::FromConnect(database.lastError());
    m_answerMsecs = 2 * 1000 * address.answerTimeout;
    return TeamError();
}

QSqlDatabase TeamConnection::Database() const
{
    return QSqlDatabase::database(m_name, false);
}

TeamError TeamConnection::Run(QSqlQuery &query, const QString &sql, const QVariantList &values,
                              int *rowsAffected) const
{
    const TeamError error = Watched(
        [&]() {
            if (values.isEmpty())
                return query.exec(sql);
            if (!query.prepare(sql))
                return false;
            for (const QVariant &value : values)
                query.addBindValue(value);
            return query.exec();
        },
        [&]() { return TeamError::FromStatement(query.lastError()); });
    if (error.IsError())
        return error;
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return TeamError();
}

TeamError TeamConnection::Run(const QString &sql, const QVariantList &values,
                              int *rowsAffected) const
{
    QSqlQuery query(Database());
    return Run(query, sql, values, rowsAffected);
}

TeamError TeamConnection::InTransaction(const std::function<TeamError()> &work) const
{
    QSqlDatabase database = Database();
    const auto failure = [&]() { return TeamError::FromStatement(database.lastError()); };
    TeamError error = Watched([&]() { return database.transaction(); }, failure);
    if (error.IsError())
        return error;
    error = work();
    if (error.IsError()) {
        Watched([&]() { return database.rollback(); }, failure);
        return error;
    }
    return Watched([&]() { return database.commit(); }, failure);
}

TeamError TeamConnection::Unlimited(const std::function<TeamError()> &work) const
{
    TeamError error = Run(QStringLiteral("SET statement_timeout = 0"));
    if (error.IsError())
        return error;
    const int answerMsecs = m_answerMsecs;
    m_answerMsecs = 0;
    error = work();
    m_answerMsecs = answerMsecs;
    // Back to the limit the connection was opened with.
    const TeamError reset = Run(QStringLiteral("RESET statement_timeout"));
    return error.IsError() ? error : reset;
}

TeamError TeamConnection::Watched(const std::function<bool()> &work,
                                  const std::function<TeamError()> &failure) const
{
    TeamAnswerWatch watch(Database(), m_answerMsecs);
    const bool done = work();
    if (watch.Stop())
        return TeamError(
            TeamError::TimedOut,
            TeamError::tr("The team server gave no answer for %1 s.").arg(m_answerMsecs / 1000));
    return done ? TeamError() : failure();
}
