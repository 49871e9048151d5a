#include "TeamConnection.h"

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
    return TeamError();
}

QSqlDatabase TeamConnection::Database() const
{
    return QSqlDatabase::database(m_name, false);
}

TeamError TeamConnection::Run(QSqlQuery &query, const QString &sql, const QVariantList &values,
                              int *rowsAffected) const
{
    bool done = false;
    if (values.isEmpty()) {
        done = query.exec(sql);
    } else if (query.prepare(sql)) {
        for (const QVariant &value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done)
        return TeamError::FromStatement(query.lastError());
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
    if (!database.transaction())
        return TeamError::FromStatement(database.lastError());
    const TeamError error = work();
    if (error.IsError()) {
        database.rollback();
        return error;
    }
    if (!database.commit())
        return TeamError::FromStatement(database.lastError());
    return TeamError();
}
