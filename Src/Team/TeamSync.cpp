#include "TeamSync.h"

#include "TeamCheck.h"
#include "TeamConnection.h"
#include "TeamServerAddress.h"
#include "TeamSyncLedger.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <optional>

namespace {
// Changes of the outbox per round, readings per statement and per transaction: what one
// transaction holds stays small, whatever waits.
constexpr int kChangesPerRound = 200;
constexpr int kReadingsPerStatement = 1000;
constexpr int kReadingsPerTransaction = 5000;
constexpr int kRowsPerPage = 2000;
// Writers hold it shared for each transaction; the reader who asks how far the changes are
// committed takes it alone for a moment, so that no change below the answer is still to come.
const QString kLockKey = QStringLiteral("7146522134");
const QUuid kEditNamespace(QStringLiteral("{0d6f8f7e-2b1c-4f55-8a3e-5b9c2e71d0aa}"));

// A time of the server as the records file writes times: UTC, with milliseconds.
QString Utc(const QString &column, const QString &alias = QString())
{
    return QStringLiteral("to_char(%1 AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') "
                          "AS %2")
        .arg(column, alias.isEmpty() ? column : alias);
}

// The tables pulled down, in the order their references need, with the columns a pulled row
// brings (named as the server names them).
struct PulledTable
{
    QString name;
    QString columns;
};

const QVector<PulledTable> &PulledTables()
{
    static const QVector<PulledTable> tables{
        {QStringLiteral("jobs"),
         QStringLiteral("uuid::text, name, client, site, structure, coating_standard, notes, ") +
             Utc(QStringLiteral("created_at"))},
        {QStringLiteral("areas"),
         QStringLiteral("uuid::text, job_uuid::text, name, surface_m2, coat, product, "
                        "criteria::text, ") +
             Utc(QStringLiteral("created_at"))},
        {QStringLiteral("batches"),
         QStringLiteral("uuid::text, area_uuid::text, gauge_serial, probe, gauge_model, unit_code, "
                        "criteria::text, verdict, notes, deleted, source, port, inspector_name, "
                        "inspector_certificate, air_celsius, humidity_percent, surface_celsius, ") +
             Utc(QStringLiteral("started_at")) + QStringLiteral(", ") +
             Utc(QStringLiteral("stopped_at"))},
        {QStringLiteral("readings"),
         QStringLiteral("batch_uuid::text, reading_index, value, overflow, unit_code, status, "
                        "value_text, utc_offset, ") +
             Utc(QStringLiteral("measured_at"))},
        {QStringLiteral("exclusions"),
         QStringLiteral("uuid::text, batch_uuid::text, reading_index, excluded, reason, note")},
        {QStringLiteral("verifications"),
         QStringLiteral("uuid::text, gauge_serial, gauge_model, reference_value, measured_value, "
                        "unit_code, passed, tolerance_percent, readings::text, inspector_name, ") +
             Utc(QStringLiteral("verified_at"))},
        {QStringLiteral("evaluations"),
         QStringLiteral("uuid::text, batch_uuid::text, criteria::text, verdict, inspector_name, "
                        "deleted, ") +
             Utc(QStringLiteral("evaluated_at"))},
    };
    return tables;
}

QString TableOfKind(const QString &kind)
{
    static const QHash<QString, QString> tables{
        {QStringLiteral("job"), QStringLiteral("jobs")},
        {QStringLiteral("area"), QStringLiteral("areas")},
        {QStringLiteral("batch"), QStringLiteral("batches")},
        {QStringLiteral("verification"), QStringLiteral("verifications")},
        {QStringLiteral("evaluation"), QStringLiteral("evaluations")},
        {QStringLiteral("reading"), QStringLiteral("exclusions")}};
    return tables.value(kind);
}

// Where an edit of this machine lands on the server: the row and its columns.
struct EditTarget
{
    QString table;
    QString rowUuid;
    QStringList columns;
    qint64 readingIndex = -1; // for the mark of a reading
};

std::optional<EditTarget> TargetOf(const TeamSyncLedger::Edit &edit)
{
    static const QHash<QString, QHash<QString, QStringList>> columns{
        {QStringLiteral("job"),
         {{"name", {"name"}},
          {"client", {"client"}},
          {"structure", {"structure"}},
          {"location", {"site"}},
          {"coating_standard", {"coating_standard"}},
          {"notes", {"notes"}}}},
        {QStringLiteral("area"),
         {{"name", {"name"}},
          {"surface_m2", {"surface_m2"}},
          {"coat", {"coat"}},
          {"product", {"product"}},
          {"criteria", {"criteria"}}}},
        {QStringLiteral("batch"),
         {{"notes", {"notes"}},
          {"deleted", {"deleted"}},
          {"area", {"area_uuid"}},
          {"gauge_id", {"gauge_serial", "probe", "gauge_model"}},
          {"conditions", {"air_celsius", "humidity_percent", "surface_celsius"}}}}};
    if (edit.kind == QLatin1String("reading")) {
        // "excluded 12", "included 12", "note 12"
        bool isIndex = false;
        const qint64 index = edit.what.section(QLatin1Char(' '), 1).toLongLong(&isIndex);
        if (!isIndex)
            return std::nullopt;
        return EditTarget{QStringLiteral("exclusions"),
                          TeamSyncLedger::MarkUuid(edit.uuid, index),
                          {"excluded", "reason", "note"},
                          index};
    }
    const QStringList found = columns.value(edit.kind).value(edit.what);
    if (found.isEmpty())
        return std::nullopt;
    return EditTarget{TableOfKind(edit.kind), edit.uuid, found};
}

QString JsonOf(const QVariantMap &values)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Compact));
}

QVariantMap Only(const QVariantMap &row, const QStringList &columns)
{
    QVariantMap values;
    for (const QString &column : columns)
        values.insert(column, row.value(column));
    return values;
}

QString ValuesText(const QVariantMap &values)
{
    QStringList texts;
    for (const QVariant &value : values)
        texts.append(value.toString());
    return texts.join(QStringLiteral(", "));
}

// An edit that lost, to be told on its item once the server has committed.
struct LostEdit
{
    TeamSyncLedger::Edit edit;
    EditTarget target;
    QVariantMap mine;
};

// A change the server refused, told on its item; an edit's item takes the server's values.
struct RefusedChange
{
    QString kind;
    QString uuid;
    QString what;
    TeamError error;
    std::optional<EditTarget> target;
};

// A refused item is told on itself; a further evaluation on its batch.
RefusedChange RefusedItem(const QString &kind, const QString &uuid, const QString &batchUuid)
{
    if (kind == QLatin1String("evaluation"))
        return {QStringLiteral("batch"), batchUuid, TeamSync::tr("judged again"), {}, std::nullopt};
    return {kind, uuid, QString(), {}, std::nullopt};
}

class SyncPass
{
public:
    SyncPass(const TeamConnection &connection, TeamSyncLedger &ledger,
             const TeamSync::Observer &observer)
        : m_connection(connection), m_ledger(ledger), m_observer(observer)
    {}

    TeamSync::Outcome Run();

private:
    TeamError Up();
    TeamError Down();
    TeamError SendItems(const QVector<TeamSyncLedger::Change> &changes);
    // The batch's readings from index first to last (those it holds), in bounded transactions.
    TeamError SendReadings(const QString &batchUuid, qint64 first, qint64 last);
    TeamError SendEdits(const QVector<TeamSyncLedger::Edit> &edits);
    TeamError SendEdit(const TeamSyncLedger::Edit &edit, const EditTarget &target, bool superseded);
    TeamError TellLocally(qint64 sequence, qint64 historyId);
    // The row as the server keeps it (read after its commit); empty when it has none.
    TeamError ServerRow(const EditTarget &target, QVariantMap *row);
    // Pages of rows after the table's last change pulled, up to m_upTo, each page stored and
    // marked pulled in one transaction of the file. The select takes the last change pulled,
    // m_upTo and the values, in that order, and %1 for the page's size.
    TeamError PullPages(const QString &table, const QString &select, const QVariantList &values,
                        const std::function<bool(const QSqlQuery &)> &store);
    TeamError PullTable(const PulledTable &table);
    TeamError PullHistory();
    TeamError PullSignOffs();
    TeamError CommittedChange(qint64 *upTo);
    // Work in one transaction of the server, under the writers' shared lock.
    TeamError Written(const std::function<TeamError()> &work);
    // Work that the server may refuse for its row alone: the refusal is kept and the rest goes
    // on, unless the user has lost the role, which stops the whole sync.
    TeamError Guarded(const RefusedChange &change, const std::function<TeamError()> &work);
    TeamError InsertRows(const QString &table, const QVector<QVariantMap> &rows);
    TeamError LocalFailure() const { return TeamError(TeamError::RecordsFile, m_ledger.Problem()); }

    const TeamConnection &m_connection;
    TeamSyncLedger &m_ledger;
    TeamSync::Observer m_observer;
    TeamSync::Outcome m_outcome;
    QString m_user;
    int m_transactions = 0;
    qint64 m_upTo = 0; // the change below which every writer has committed
    QVector<LostEdit> m_lost;
    QVector<RefusedChange> m_refused;
};

TeamSync::Outcome SyncPass::Run()
{
    QSqlQuery query(m_connection.Database());
    m_outcome.error = m_connection.Run(query, QStringLiteral("SELECT current_user"));
    if (!m_outcome.error.IsError() && query.next())
        m_user = query.value(0).toString();
    if (!m_outcome.error.IsError())
        m_outcome.error = Up();
    if (!m_outcome.error.IsError())
        m_outcome.error = Down();
    m_outcome.waiting = m_ledger.Waiting();
    return m_outcome;
}

TeamError SyncPass::Written(const std::function<TeamError()> &work)
{
    const TeamError error = m_connection.InTransaction([&]() {
        const TeamError locked = m_connection.Run(
            QStringLiteral("SELECT pg_advisory_xact_lock_shared(%1)").arg(kLockKey));
        return locked.IsError() ? locked : work();
    });
    if (!error.IsError() && m_observer)
        m_observer(++m_transactions);
    return error;
}

TeamError SyncPass::Guarded(const RefusedChange &change, const std::function<TeamError()> &work)
{
    TeamError error = m_connection.Run(QStringLiteral("SAVEPOINT item"));
    if (!error.IsError())
        error = work();
    if (error.GetKind() != TeamError::Refused)
        return error.IsError() ? error : m_connection.Run(QStringLiteral("RELEASE SAVEPOINT item"));
    TeamError undone = m_connection.Run(QStringLiteral("ROLLBACK TO SAVEPOINT item"));
    QSqlQuery member(m_connection.Database());
    if (!undone.IsError())
        undone = m_connection.Run(member,
                                  QStringLiteral("SELECT pg_has_role('varnolithic_inspector', "
                                                 "'MEMBER') OR pg_has_role('varnolithic_reviewer', "
                                                 "'MEMBER')"));
    if (undone.IsError())
        return undone;
    if (!member.next() || !member.value(0).toBool())
        return TeamError(TeamError::NotTeamMember, TeamSync::tr("The user is %1.").arg(m_user));
    RefusedChange refused = change;
    refused.error = error;
    m_refused.append(refused);
    return TeamError();
}

TeamError SyncPass::InsertRows(const QString &table, const QVector<QVariantMap> &rows)
{
    if (rows.isEmpty())
        return TeamError();
    const QStringList columns = rows.first().keys();
    QStringList placeholders;
    for (int column = 0; column < columns.size(); ++column)
        placeholders.append(QStringLiteral("?"));
    const QString tuple = QLatin1Char('(') + placeholders.join(QLatin1Char(',')) + QLatin1Char(')');
    QStringList tuples;
    QVariantList values;
    for (const QVariantMap &row : rows) {
        tuples.append(tuple);
        for (const QString &column : columns)
            values.append(row.value(column));
    }
    return m_connection.Run(
        QStringLiteral("INSERT INTO %1 (%2) VALUES %3 ON CONFLICT DO NOTHING")
            .arg(table, columns.join(QLatin1Char(',')), tuples.join(QLatin1Char(','))),
        values);
}

TeamError SyncPass::Up()
{
    for (;;) {
        const QVector<TeamSyncLedger::Change> changes = m_ledger.NextChanges(kChangesPerRound);
        if (changes.isEmpty())
            return TeamError();
        qint64 historyId = 0;
        for (const TeamSyncLedger::Change &change : changes)
            historyId = qMax(historyId, change.historyId);
        TeamError error = SendItems(changes);
        // A live run adds its readings a few at a time: the slices of one batch go together.
        QHash<QString, QPair<qint64, qint64>> ranges;
        for (const TeamSyncLedger::Change &change : changes) {
            if (change.kind != QLatin1String("readings"))
                continue;
            auto range = ranges.find(change.uuid);
            if (range == ranges.end())
                ranges.insert(change.uuid, {change.firstIndex, change.lastIndex});
            else
                *range = {qMin(range->first, change.firstIndex),
                          qMax(range->second, change.lastIndex)};
        }
        for (auto range = ranges.cbegin(); range != ranges.cend() && !error.IsError(); ++range)
            error = SendReadings(range.key(), range->first, range->second);
        if (!error.IsError())
            error = SendEdits(m_ledger.EditsUpTo(historyId));
        if (!error.IsError())
            error = TellLocally(changes.constLast().sequence, historyId);
        if (error.IsError())
            return error;
        m_outcome.sent += changes.size();
    }
}

TeamError SyncPass::SendItems(const QVector<TeamSyncLedger::Change> &changes)
{
    // Referenced rows first: a job before its areas, an area before its batches, a batch
    // before its further evaluations.
    const QStringList kinds{QStringLiteral("job"), QStringLiteral("area"), QStringLiteral("batch"),
                            QStringLiteral("verification"), QStringLiteral("evaluation")};
    return Written([&]() {
        QSet<QString> sent;
        for (const QString &kind : kinds) {
            for (const TeamSyncLedger::Change &change : changes) {
                if (change.kind != kind || sent.contains(change.uuid))
                    continue;
                sent.insert(change.uuid);
                const QVariantMap row = m_ledger.Row(kind, change.uuid);
                if (row.isEmpty())
                    continue; // emptied away since
                const TeamError error = Guarded(
                    RefusedItem(kind, change.uuid,
                                row.value(QStringLiteral("batch_uuid")).toString()),
                    [&]() {
                        TeamError inserted = InsertRows(TableOfKind(kind), {row});
                        if (inserted.IsError() || kind != QLatin1String("batch"))
                            return inserted;
                        // What the readings and the end of the run set, which no one edits.
                        return m_connection.Run(
                            QStringLiteral(
                                "UPDATE batches SET stopped_at = ?, verdict = ?, "
                                "unit_code = ? WHERE uuid = ? AND created_by = current_user "
                                "AND (stopped_at, verdict, unit_code) IS DISTINCT FROM "
                                "(CAST(? AS timestamptz), CAST(? AS text), "
                                "CAST(? AS smallint))"),
                            {row.value("stopped_at"), row.value("verdict"), row.value("unit_code"),
                             change.uuid, row.value("stopped_at"), row.value("verdict"),
                             row.value("unit_code")});
                    });
                if (error.IsError())
                    return error;
            }
        }
        return TeamError();
    });
}

TeamError SyncPass::SendReadings(const QString &batchUuid, qint64 first, qint64 last)
{
    qint64 from = first;
    const int refusedBefore = m_refused.size();
    while (from <= last) {
        bool refused = false;
        const TeamError error = Written([&]() {
            for (int sent = 0; sent < kReadingsPerTransaction && from <= last;) {
                const QVector<QVariantMap> rows =
                    m_ledger.ReadingRows(batchUuid, from, last, kReadingsPerStatement);
                if (rows.isEmpty()) {
                    from = last + 1;
                    break;
                }
                const TeamError inserted =
                    Guarded({QStringLiteral("batch"), batchUuid, QString(), {}, std::nullopt},
                            [&]() { return InsertRows(QStringLiteral("readings"), rows); });
                if (inserted.IsError())
                    return inserted;
                refused = m_refused.size() > refusedBefore;
                if (refused)
                    break;
                from = rows.constLast().value(QStringLiteral("reading_index")).toLongLong() + 1;
                sent += rows.size();
                m_outcome.readingsSent += rows.size();
            }
            return TeamError();
        });
        if (error.IsError() || refused)
            return error;
    }
    return TeamError();
}

TeamError SyncPass::SendEdits(const QVector<TeamSyncLedger::Edit> &edits)
{
    if (edits.isEmpty())
        return TeamError();
    // The last edit of each row's fields here: an earlier one goes into the history only.
    QHash<QString, int> lastOfTarget;
    for (int at = 0; at < edits.size(); ++at) {
        if (const std::optional<EditTarget> target = TargetOf(edits.at(at)))
            lastOfTarget.insert(target->rowUuid + target->columns.join(QLatin1Char(',')), at);
    }
    return Written([&]() {
        for (int at = 0; at < edits.size(); ++at) {
            const TeamSyncLedger::Edit &edit = edits.at(at);
            const std::optional<EditTarget> target = TargetOf(edit);
            if (!target)
                continue; // nothing the team store keeps
            const bool superseded =
                lastOfTarget.value(target->rowUuid + target->columns.join(QLatin1Char(','))) != at;
            const TeamError error = Guarded({edit.kind, edit.uuid, edit.what, {}, target},
                                            [&]() { return SendEdit(edit, *target, superseded); });
            if (error.IsError())
                return error;
        }
        return TeamError();
    });
}

TeamError SyncPass::SendEdit(const TeamSyncLedger::Edit &edit, const EditTarget &target,
                             bool superseded)
{
    const QVariantMap local = target.readingIndex >= 0
                                  ? m_ledger.MarkRow(edit.uuid, target.readingIndex)
                                  : m_ledger.Row(edit.kind, edit.uuid);
    if (local.isEmpty())
        return TeamError();
    const QString historyUuid =
        QUuid::createUuidV5(kEditNamespace,
                            m_ledger.Machine() + QLatin1Char('/') + QString::number(edit.id))
            .toString(QUuid::WithoutBraces);
    QSqlQuery query(m_connection.Database());
    TeamError error = m_connection.Run(
        query, QStringLiteral("SELECT outcome FROM history WHERE uuid = ?"), {historyUuid});
    if (error.IsError())
        return error;
    const QVariantMap mine = Only(local, target.columns);
    if (query.next()) {
        // Sent before, by a sync cut before this file knew it.
        if (query.value(0).toString() == QLatin1String("lost") && !superseded)
            m_lost.append({edit, target, mine});
        return TeamError();
    }
    error = m_connection.Run(query,
                             QStringLiteral("SELECT %1, version FROM %2 WHERE uuid = ? FOR UPDATE")
                                 .arg(target.columns.join(QLatin1Char(',')), target.table),
                             {target.rowUuid});
    if (error.IsError())
        return error;
    QVariantMap theirs;
    int version = 0;
    if (query.next()) {
        theirs = Only(TeamSyncLedger::RowOf(query), target.columns);
        version = query.value(target.columns.size()).toInt();
    } else if (target.readingIndex >= 0) {
        error = InsertRows(target.table, {local});
    } else {
        return TeamError(); // an item the server never got: it goes up with its own change
    }
    bool lost = false;
    if (!error.IsError() && version > 0) {
        error = m_connection.Run(
            query,
            QStringLiteral("SELECT coalesce(bool_or(edited_at > CAST(? AS timestamptz)), false) "
                           "FROM history WHERE row_uuid = ? AND edited_at IS NOT NULL AND "
                           "outcome = 'kept' AND jsonb_exists_any(new_values, CAST(? AS text[]))"),
            {edit.time.toUTC().toString(Qt::ISODateWithMs), target.rowUuid,
             QLatin1Char('{') + target.columns.join(QLatin1Char(',')) + QLatin1Char('}')});
        lost = !error.IsError() && query.next() && query.value(0).toBool();
    }
    if (!error.IsError() && !lost && !superseded && version > 0) {
        QStringList assignments;
        QVariantList values;
        for (const QString &column : target.columns) {
            assignments.append(column + QStringLiteral(" = ?"));
            values.append(mine.value(column));
        }
        values << target.rowUuid << version << values.mid(0, target.columns.size());
        // A value the row holds already changes nothing, and takes no new version.
        error = m_connection.Run(
            QStringLiteral("UPDATE %1 SET %2 WHERE uuid = ? AND version = ? AND ROW(%3) IS "
                           "DISTINCT FROM ROW(%4)")
                .arg(target.table, assignments.join(QLatin1Char(',')),
                     target.columns.join(QLatin1Char(',')),
                     QString(QStringLiteral(",?")).repeated(target.columns.size()).mid(1)),
            values);
    }
    if (error.IsError())
        return error;
    error = m_connection.Run(
        QStringLiteral("INSERT INTO history (uuid, table_name, row_uuid, old_values, new_values, "
                       "edited_at, machine, outcome) VALUES (?, ?, ?, CAST(? AS jsonb), "
                       "CAST(? AS jsonb), CAST(? AS timestamptz), CAST(? AS uuid), ?)"),
        {historyUuid, target.table, target.rowUuid, JsonOf(theirs), JsonOf(mine),
         edit.time.toUTC().toString(Qt::ISODateWithMs), m_ledger.Machine(),
         lost ? QStringLiteral("lost") : QStringLiteral("kept")});
    if (!error.IsError() && lost && !superseded)
        m_lost.append({edit, target, mine});
    return error;
}

// What the server refused and the edits that lost are told on their items, the lost ones take
// the server's values, and the changes are marked sent: all in one transaction of the file.
TeamError SyncPass::TellLocally(qint64 sequence, qint64 historyId)
{
    QVector<QVariantMap> kept;
    for (const LostEdit &lost : qAsConst(m_lost)) {
        kept.append(QVariantMap());
        const TeamError error = ServerRow(lost.target, &kept.last());
        if (error.IsError())
            return error;
    }
    QVector<QVariantMap> unchanged;
    for (const RefusedChange &refused : qAsConst(m_refused)) {
        unchanged.append(QVariantMap());
        const TeamError error =
            refused.target ? ServerRow(*refused.target, &unchanged.last()) : TeamError();
        if (error.IsError())
            return error;
    }
    if (!m_ledger.Begin())
        return LocalFailure();
    bool stored = true;
    for (int at = 0; at < m_lost.size() && stored; ++at) {
        const LostEdit &lost = m_lost.at(at);
        const QVariantMap theirs = Only(kept.at(at), lost.target.columns);
        const QString told =
            TeamSync::tr("%1: this edit lost to a newer one made elsewhere").arg(lost.edit.what);
        stored =
            (kept.at(at).isEmpty() || m_ledger.StoreRow(lost.target.table, kept.at(at), true)) &&
            m_ledger.StoreHistory(lost.edit.kind, lost.edit.uuid, told, ValuesText(lost.mine),
                                  ValuesText(theirs), QDateTime::currentDateTime(), m_user);
        m_outcome.lost.append(told);
    }
    for (int at = 0; at < m_refused.size() && stored; ++at) {
        const RefusedChange &refused = m_refused.at(at);
        const QString told = TeamSync::tr("%1: refused by the team server")
                                 .arg(refused.what.isEmpty() ? refused.kind : refused.what);
        stored =
            (unchanged.at(at).isEmpty() ||
             m_ledger.StoreRow(refused.target->table, unchanged.at(at), true)) &&
            m_ledger.StoreHistory(refused.kind, refused.uuid, told, QString(),
                                  refused.error.Detail(), QDateTime::currentDateTime(), m_user);
        m_outcome.refused.append(told + QStringLiteral(": ") + refused.error.Detail());
    }
    m_lost.clear();
    m_refused.clear();
    if (!stored || !m_ledger.MarkSent(sequence, historyId) || !m_ledger.Commit()) {
        m_ledger.Rollback();
        return LocalFailure();
    }
    return TeamError();
}

TeamError SyncPass::ServerRow(const EditTarget &target, QVariantMap *row)
{
    const auto table =
        std::find_if(PulledTables().cbegin(), PulledTables().cend(),
                     [&](const PulledTable &pulled) { return pulled.name == target.table; });
    QSqlQuery query(m_connection.Database());
    const TeamError error = m_connection.Run(
        query, QStringLiteral("SELECT %1 FROM %2 WHERE uuid = ?").arg(table->columns, table->name),
        {target.rowUuid});
    if (!error.IsError() && query.next())
        *row = TeamSyncLedger::RowOf(query);
    return error;
}

TeamError SyncPass::CommittedChange(qint64 *upTo)
{
    return m_connection.InTransaction([&]() {
        TeamError error =
            m_connection.Run(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kLockKey));
        QStringList highest;
        for (const PulledTable &table : PulledTables())
            highest.append(QStringLiteral("(SELECT max(change) FROM %1)").arg(table.name));
        highest.append(QStringLiteral("(SELECT max(change) FROM history)"));
        highest.append(QStringLiteral("(SELECT max(change) FROM signoffs)"));
        QSqlQuery query(m_connection.Database());
        if (!error.IsError())
            error = m_connection.Run(
                query, QStringLiteral("SELECT coalesce(greatest(%1), 0)").arg(highest.join(',')));
        *upTo = !error.IsError() && query.next() ? query.value(0).toLongLong() : 0;
        return error;
    });
}

TeamError SyncPass::Down()
{
    TeamError error = CommittedChange(&m_upTo);
    for (const PulledTable &table : PulledTables()) {
        if (!error.IsError())
            error = PullTable(table);
    }
    if (!error.IsError())
        error = PullHistory();
    return error.IsError() ? error : PullSignOffs();
}

TeamError SyncPass::PullPages(const QString &table, const QString &select,
                              const QVariantList &values,
                              const std::function<bool(const QSqlQuery &)> &store)
{
    for (;;) {
        QSqlQuery query(m_connection.Database());
        const TeamError error = m_connection.Run(
            query, select.arg(kRowsPerPage), QVariantList{m_ledger.Pulled(table), m_upTo} + values);
        if (error.IsError())
            return error;
        if (!m_ledger.Begin())
            return LocalFailure();
        qint64 last = -1;
        bool stored = true;
        while (stored && query.next()) {
            stored = store(query);
            last = query.value(QStringLiteral("change")).toLongLong();
            ++m_outcome.pulled;
        }
        if (last < 0) {
            m_ledger.Rollback();
            return TeamError();
        }
        if (!stored || !m_ledger.MarkPulled(table, last) || !m_ledger.Commit()) {
            m_ledger.Rollback();
            return LocalFailure();
        }
    }
}

TeamError SyncPass::PullTable(const PulledTable &table)
{
    return PullPages(table.name,
                     QStringLiteral("SELECT %1, change FROM %2 WHERE change > ? AND change <= ? "
                                    "ORDER BY change LIMIT %3")
                         .arg(table.columns, table.name),
                     {}, [&](const QSqlQuery &query) {
                         return m_ledger.StoreRow(table.name, TeamSyncLedger::RowOf(query));
                     });
}

// The edits other machines sent, onto the items' history here.
TeamError SyncPass::PullHistory()
{
    static const QHash<QString, QString> kinds{
        {QStringLiteral("jobs"), QStringLiteral("job")},
        {QStringLiteral("areas"), QStringLiteral("area")},
        {QStringLiteral("batches"), QStringLiteral("batch")},
        {QStringLiteral("exclusions"), QStringLiteral("reading")}};
    const QString select =
        QStringLiteral("SELECT h.table_name, h.row_uuid::text, h.old_values::text, "
                       "h.new_values::text, h.created_by, h.outcome, e.batch_uuid::text, "
                       "e.reading_index, h.change, ") +
        Utc(QStringLiteral("h.edited_at"), QStringLiteral("edited_at")) +
        QStringLiteral(" FROM history h LEFT JOIN exclusions e ON e.uuid = h.row_uuid "
                       "WHERE h.change > ? AND h.change <= ? AND h.edited_at IS NOT NULL AND "
                       "h.machine <> CAST(? AS uuid) ORDER BY h.change LIMIT %1");
    return PullPages(
        QStringLiteral("history"), select, {m_ledger.Machine()}, [&](const QSqlQuery &query) {
            const QString kind = kinds.value(query.value(0).toString());
            if (kind.isEmpty())
                return true;
            const QVariantMap before =
                QJsonDocument::fromJson(query.value(2).toByteArray()).object().toVariantMap();
            const QVariantMap after =
                QJsonDocument::fromJson(query.value(3).toByteArray()).object().toVariantMap();
            const bool isMark = kind == QLatin1String("reading");
            QString what = after.keys().join(QStringLiteral(", "));
            if (isMark)
                what += QLatin1Char(' ') + query.value(7).toString();
            if (query.value(5).toString() == QLatin1String("lost"))
                what = TeamSync::tr("%1 (lost to a newer edit)").arg(what);
            return m_ledger.StoreHistory(
                kind, isMark ? query.value(6).toString() : query.value(1).toString(), what,
                ValuesText(before), ValuesText(after), RecordStore::TimeOf(query.value(9)),
                query.value(4).toString());
        });
}

// The reviewers' sign-offs as the server keeps them, for the reports, and each new one, each
// withdrawal and each change onto the history of the batch or area.
TeamError SyncPass::PullSignOffs()
{
    const QString select =
        QStringLiteral("SELECT uuid::text, coalesce(batch_uuid, area_uuid)::text AS owner_uuid, "
                       "CASE WHEN batch_uuid IS NULL THEN 'area' ELSE 'batch' END AS owner_kind, "
                       "note, deleted, created_by, change, ") +
        Utc(QStringLiteral("created_at")) +
        QStringLiteral(" FROM signoffs WHERE change > ? AND change <= ? ORDER BY change LIMIT %1");
    return PullPages(QStringLiteral("signoffs"), select, {}, [&](const QSqlQuery &query) {
        const QVariantMap row = TeamSyncLedger::RowOf(query);
        const TeamSyncLedger::SignOffStored stored = m_ledger.StoreSignOff(row);
        if (stored == TeamSyncLedger::SignOffStored::Failed)
            return false;
        if (stored == TeamSyncLedger::SignOffStored::Unchanged)
            return true;
        const QString owner = row.value(QStringLiteral("owner_uuid")).toString();
        const QString reviewer = row.value(QStringLiteral("created_by")).toString();
        const QDateTime signedAt = RecordStore::TimeOf(row.value(QStringLiteral("created_at")));
        const bool withdrawn = row.value(QStringLiteral("deleted")).toBool();
        const bool isNew = stored == TeamSyncLedger::SignOffStored::New;
        // Told already by a sync of a program that did not keep the sign-offs themselves.
        if (isNew && !withdrawn && m_ledger.HasTeamHistory(owner, reviewer, signedAt))
            return true;
        return m_ledger.StoreHistory(
            row.value(QStringLiteral("owner_kind")).toString(), owner,
            withdrawn ? TeamSync::tr("sign-off withdrawn") : TeamSync::tr("signed off"), QString(),
            row.value(QStringLiteral("note")).toString(),
            isNew && !withdrawn ? signedAt : QDateTime::currentDateTime(), reviewer);
    });
}
} // namespace

TeamSync::Outcome TeamSync::Run(const TeamServerAddress &address, const QString &storePath,
                                const Observer &observer)
{
    Outcome outcome;
    TeamSyncLedger ledger;
    if (!ledger.Open(storePath)) {
        outcome.error = TeamError(TeamError::RecordsFile, ledger.Problem());
        return outcome;
    }
    outcome.waiting = ledger.Waiting();
    // Says in plain words what keeps the sync from starting: no server, a wrong password,
    // no role in the team, a store of another version.
    outcome.error = TeamCheck::Diagnose(address).error;
    if (outcome.error.IsError())
        return outcome;
    TeamConnection connection;
    outcome.error = connection.Open(address);
    if (outcome.error.IsError())
        return outcome;
    return Run(connection, ledger, observer);
}

TeamSync::Outcome TeamSync::Run(const TeamConnection &connection, TeamSyncLedger &ledger,
                                const Observer &observer)
{
    return SyncPass(connection, ledger, observer).Run();
}
