#pragma once

#include "RecordStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

#include <memory>

// The records file as the team sync sees it, on a connection of its own for the thread that
// opened it: what has not gone up yet (the outbox since the last change sent, with the edits it
// follows), local rows in the team store's shape, and rows from the team store written in.
// Rows written here never enter the outbox, so that nothing pulled down goes up again. Where
// the sync has got to is kept in the file's sync_state, each mark written in the same
// transaction as what it covers.
class TeamSyncLedger
{
    Q_DECLARE_TR_FUNCTIONS(TeamSyncLedger)
public:
    // One change of the outbox: an item to bring to the server, or readings of a batch.
    struct Change
    {
        qint64 sequence = 0;
        QString kind; // "job", "area", "batch", "readings", "verification", "reading", ...
        QString uuid;
        qint64 firstIndex = 0;
        qint64 lastIndex = 0;
        qint64 historyId = 0;
    };
    // One edit of this machine's history.
    struct Edit
    {
        qint64 id = 0;
        QString kind;
        QString uuid;
        QString what;
        QDateTime time;
    };

    TeamSyncLedger();
    ~TeamSyncLedger();
    TeamSyncLedger(const TeamSyncLedger &) = delete;
    TeamSyncLedger &operator=(const TeamSyncLedger &) = delete;

    bool Open(const QString &path);
    QString Problem() const { return m_problem; }

    // This file's own uuid, made when first asked for: the machine its edits come from.
    QString Machine() const { return m_machine; }
    // The changes not sent yet.
    qint64 Waiting() const;
    // The next changes not sent, at most `count` of them, and the edits they follow.
    QVector<Change> NextChanges(int count) const;
    QVector<Edit> EditsUpTo(qint64 historyId) const;

    // The local item in the team store's columns; empty when it is not (or no longer) there.
    QVariantMap Row(const QString &kind, const QString &uuid) const;
    QVariantMap MarkRow(const QString &batchUuid, qint64 index) const;
    // Readings of the batch from index `from` on, at most `count`, as rows of the team store.
    QVector<QVariantMap> ReadingRows(const QString &batchUuid, qint64 from, qint64 to,
                                     int count) const;
    // The uuid of the mark of one reading, the same on every machine.
    static QString MarkUuid(const QString &batchUuid, qint64 index);
    // The row a query is on, by its column names.
    static QVariantMap RowOf(const QSqlQuery &query);

    // Writing: between Begin and Commit (Commit also sums up the batches whose readings or
    // marks came in). A row of an item with changes still to go up is left as it is, unless
    // `overwrite`.
    bool Begin();
    bool Commit();
    void Rollback();
    bool StoreRow(const QString &table, const QVariantMap &row, bool overwrite = false);
    // A reviewer's sign-off as the server keeps it: new here, changed (withdrawn, restored or
    // its note), or as it was.
    enum class SignOffStored
    {
        Failed,
        Unchanged,
        New,
        Changed
    };
    SignOffStored StoreSignOff(const QVariantMap &row);
    // Whether the item's history holds an entry from the team by `who` at that time.
    bool HasTeamHistory(const QString &uuid, const QString &who, const QDateTime &time) const;
    // History of another machine, or what the sync tells on an item.
    bool StoreHistory(const QString &kind, const QString &uuid, const QString &what,
                      const QString &oldValue, const QString &newValue, const QDateTime &time,
                      const QString &who);
    // Marks everything up to the outbox change and the edit as sent.
    bool MarkSent(qint64 sequence, qint64 historyId);
    qint64 Pulled(const QString &table) const;
    bool MarkPulled(const QString &table, qint64 change);

private:
    QString State(const QString &key) const;
    bool SetState(const QString &key, const QString &value);
    bool Exec(QSqlQuery &query);
    QSqlQuery Prepared(const QString &sql) const;
    bool HasWaiting(const QString &uuid) const;
    QVariant IdOf(const char *table, const QVariant &uuid) const;
    QVariant GaugeId(const QVariantMap &row);
    bool StoreJob(const QVariantMap &row);
    bool StoreArea(const QVariantMap &row);
    bool StoreBatch(const QVariantMap &row);
    bool StoreReading(const QVariantMap &row);
    bool StoreMark(const QVariantMap &row);
    bool StoreVerification(const QVariantMap &row);
    bool StoreEvaluation(const QVariantMap &row);

    RecordStore m_store; // made current and sums batches up
    QString m_connection;
    QString m_problem;
    QString m_machine;
    QSet<QString> m_touchedBatches;
    // For the length of one transaction: the batches' local keys, and the statement that adds
    // a reading, prepared once.
    QHash<QString, QVariant> m_batchIds;
    std::unique_ptr<QSqlQuery> m_insertReading;
};
