#include "TeamStore.h"

#include "TeamConnection.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <QVariantList>

namespace {
bool IsColumnName(const QString &name)
{
    static const QRegularExpression column(QStringLiteral("^[a-z_]+$"));
    return column.match(name).hasMatch();
}

TeamError CheckColumns(const QVariantMap &values)
{
    if (values.isEmpty())
        return TeamError(TeamError::Invalid, TeamError::tr("No values are given."));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!IsColumnName(it.key()))
            return TeamError(TeamError::Invalid,
                             TeamError::tr("'%1' is no column of the team store.").arg(it.key()));
    }
    return TeamError();
}

// Times go to the server with their offset, so that they do not depend on the session's
// time zone.
QVariant Bound(const QVariant &value)
{
    if (value.userType() == QMetaType::QDateTime)
        return value.toDateTime().toString(Qt::ISODateWithMs);
    return value;
}
} // namespace

TeamStore::TeamStore(const TeamConnection &connection) : m_connection(connection) {}

QString TeamStore::TableName(TeamTable table)
{
    switch (table) {
    case TeamTable::Jobs:
        return QStringLiteral("jobs");
    case TeamTable::Areas:
        return QStringLiteral("areas");
    case TeamTable::Batches:
        return QStringLiteral("batches");
    case TeamTable::Readings:
        return QStringLiteral("readings");
    case TeamTable::Exclusions:
        return QStringLiteral("exclusions");
    case TeamTable::Verifications:
        return QStringLiteral("verifications");
    case TeamTable::SignOffs:
        return QStringLiteral("signoffs");
    case TeamTable::History:
        return QStringLiteral("history");
    case TeamTable::Evaluations:
        return QStringLiteral("evaluations");
    }
    return QString();
}

TeamError TeamStore::Insert(TeamTable table, const QVariantMap &row) const
{
    const TeamError invalid = CheckColumns(row);
    if (invalid.IsError())
        return invalid;
    QVariantList values;
    for (const QVariant &value : row)
        values.append(Bound(value));
    QStringList placeholders;
    for (int column = 0; column < row.size(); ++column)
        placeholders.append(QStringLiteral("?"));
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(TableName(table), row.keys().join(QLatin1Char(',')),
                           placeholders.join(QLatin1Char(',')));
    if (table == TeamTable::Readings)
        sql += QStringLiteral(" ON CONFLICT (batch_uuid, reading_index) DO NOTHING");
    return m_connection.Run(sql, values);
}

TeamError TeamStore::Update(TeamTable table, const QString &uuid, const QVariantMap &changes) const
{
    const TeamError invalid = CheckColumns(changes);
    if (invalid.IsError())
        return invalid;
    QStringList assignments;
    QVariantList values;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        assignments.append(it.key() + QStringLiteral(" = ?"));
        values.append(Bound(it.value()));
    }
    values.append(uuid);
    int changed = 0;
    const TeamError error =
        m_connection.Run(QStringLiteral("UPDATE %1 SET %2 WHERE uuid = ?")
                             .arg(TableName(table), assignments.join(QLatin1Char(','))),
                         values, &changed);
    if (!error.IsError() && changed == 0)
        return TeamError(TeamError::NotFound, uuid);
    return error;
}

TeamError TeamStore::SetDeleted(TeamTable table, const QString &uuid, bool deleted) const
{
    return Update(table, uuid, {{QStringLiteral("deleted"), deleted}});
}
