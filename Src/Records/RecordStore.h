#pragma once

#include "LiveRecord.h"
#include "RecordItems.h"
#include "SeriesInspection.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>
#include <utility>

// The inspector's records in one SQLite file: jobs, their areas, batches of readings with the
// copy of the criteria each began with, what the user marked on readings, gauges and their
// verifications, conditions, further evaluations, the history of every edit and the reviewers'
// sign-offs the team server sent.
//
// One store is one connection, used on the thread that opened it; another thread opens a store
// of its own on the same file (WAL journal mode lets it read while this one writes). A file of
// an earlier version is migrated when opened; a file of a later version is opened read-only
// and never changed. Failures are values: an operation that cannot be done returns false or
// nothing, and Problem() says why, naming the file.
class RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(RecordStore)

public:
    enum class Access
    {
        Closed,
        ReadOnly,
        Writable
    };

    static constexpr const char *FileName = "records.sqlite";

    RecordStore();
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens (or creates) the file; true when its records can at least be read.
    bool Open(const QString &path);
    Access GetAccess() const { return m_access; }
    bool IsWritable() const { return m_access == Access::Writable; }
    QString Path() const { return m_path; }
    // Why the file cannot be opened or written, or why it is read-only; empty when all is well.
    QString Problem() const { return m_problem; }

    // Who edits (for the history) and measures (for new batches).
    void SetInspector(const QString &name, const QString &certificate);
    QString Inspector() const { return m_inspector; }
    QString InspectorCertificate() const { return m_inspectorCertificate; }

    QString AddJob(const RecordJob &job);
    bool UpdateJob(const RecordJob &job);
    QVector<RecordJob> Jobs() const;
    std::optional<RecordJob> Job(const QString &uuid) const;
    // The first job made of that name; JobsNamed gives every job of it, in the order made.
    std::optional<RecordJob> JobNamed(const QString &name) const;
    QVector<RecordJob> JobsNamed(const QString &name) const;

    QString AddArea(const RecordArea &area);
    bool UpdateArea(const RecordArea &area);
    QVector<RecordArea> Areas(const QString &jobUuid) const;
    // The areas of every job (by the job's uuid), by name.
    QHash<QString, QVector<RecordArea>> AreasByJob() const;
    std::optional<RecordArea> Area(const QString &uuid) const;
    std::optional<RecordArea> AreaNamed(const QString &jobUuid, const QString &name) const;
    // The area of that name in the job of that name, both made when absent (a new area with
    // the criteria given); empty when the store cannot be written.
    QString EnsureArea(const QString &jobName, const QString &areaName,
                       const InspectionCriteria &criteria);

    // A new batch in batch.areaUuid (empty: Unfiled). It keeps a copy of its area's criteria,
    // or for Unfiled batch.criteria. origin, when given, names where the batch came from; a
    // second batch of the same origin is refused. Returns the new batch's uuid.
    QString BeginBatch(const RecordBatch &batch, const QString &origin = QString());
    // The batch of that origin (empty when none; also when it was emptied away), and whether
    // the origin was ever taken in.
    QString BatchOfOrigin(const QString &origin, bool *known = nullptr) const;
    // The readings in one transaction; those of an index the batch holds already are left out
    // (added, when given, is told how many were not).
    bool AppendReadings(const QString &batchUuid, const QVector<LiveRecord> &records,
                        qint64 *added = nullptr);
    bool EndBatch(const QString &batchUuid, const QDateTime &ended);
    std::optional<RecordBatch> Batch(const QString &uuid) const;
    QVector<RecordBatch> Batches(const BatchFilter &filter) const;
    // How many batches of the filter each area holds (Unfiled under an empty uuid); areas
    // without one are left out.
    QHash<QString, qint64> BatchCounts(const BatchFilter &filter) const;
    // The inspectors named on batches, by name.
    QStringList Inspectors() const;
    // The batch's readings in index order: all, or `limit` of them after the first `offset`.
    QVector<LiveRecord> Readings(const QString &batchUuid, qint64 offset = 0, int limit = -1) const;
    qint64 LastIndex(const QString &batchUuid) const;
    // The values of the batch's readings in that unit, in index order, as a chart shows them;
    // nothing when goOn, asked now and then, says to stop.
    QVector<float> Values(const QString &batchUuid, int unitCode,
                          const std::function<bool()> &goOn = {}) const;

    bool MoveBatch(const QString &batchUuid, const QString &areaUuid);
    bool SetBatchNotes(const QString &batchUuid, const QString &notes);
    bool SetBatchGauge(const QString &batchUuid, const QString &gaugeUuid);
    // Deleting keeps the batch in the history until the deleted batches are emptied away.
    bool DeleteBatch(const QString &batchUuid);
    bool RestoreBatch(const QString &batchUuid);
    bool EmptyDeleted();

    bool ExcludeReading(const QString &batchUuid, qint64 index, const QString &reason);
    bool IncludeReading(const QString &batchUuid, qint64 index);
    bool SetReadingNote(const QString &batchUuid, qint64 index, const QString &note);
    QVector<ReadingAnnotation> Marks(const QString &batchUuid) const;

    // The figures and the verdict of a batch's readings, exclusions left out, judged by its own
    // copy of the criteria, or by other criteria.
    SeriesInspection Inspect(const QString &batchUuid) const;
    SeriesInspection Inspect(const QString &batchUuid, const InspectionCriteria &criteria) const;
    // The readings of an area's batches (all, or those listed) together, by the area's criteria.
    SeriesInspection InspectArea(const QString &areaUuid,
                                 const QStringList &batchUuids = QStringList()) const;
    // Judges the batch again by other criteria; the evaluation is kept beside the first.
    std::optional<RecordEvaluation> JudgeAgain(const QString &batchUuid,
                                               const InspectionCriteria &criteria);
    QVector<RecordEvaluation> Evaluations(const QString &batchUuid) const;

    QString AddGauge(const RecordGauge &gauge);
    bool UpdateGauge(const RecordGauge &gauge);
    QVector<RecordGauge> Gauges() const;
    std::optional<RecordGauge> Gauge(const QString &uuid) const;
    QString AddVerification(const RecordVerification &verification);
    // The verifications of the batch's gauge nearest before its start and after its end.
    std::pair<std::optional<RecordVerification>, std::optional<RecordVerification>>
    VerificationsAround(const QString &batchUuid) const;

    bool SetConditions(const QString &batchUuid, const RecordConditions &conditions);
    std::optional<RecordConditions> Conditions(const QString &batchUuid) const;

    // Every edit of the item, oldest first.
    QVector<HistoryEntry> History(const QString &uuid) const;
    // The reviewers' sign-offs of the batch or area that stand (not withdrawn), oldest first.
    QVector<RecordSignOff> SignOffs(const QString &ownerUuid) const;
    // The kinds and uuids of what changed after the change `sequence`, with the last
    // sequence number; readings are told as their batch.
    struct Change
    {
        qint64 sequence;
        QString kind;
        QString uuid;
    };
    QVector<Change> ChangesSince(qint64 sequence) const;

    // Whether the session file at path was taken in as it is now; and that it was.
    bool HoldsJournalFile(const QString &path, qint64 size, qint64 modified) const;
    bool NoteJournalFile(const QString &path, qint64 size, qint64 modified);

    // The company named on reports, kept in the store.
    RecordCompany Company() const;
    bool SetCompany(const RecordCompany &company);
    // The number and revision of the last report of the job (an empty uuid: of Unfiled), and
    // the one the next report is proposed with: the number after it, revision 0.
    ReportNumber LastReportNumber(const QString &jobUuid) const;
    ReportNumber NextReportNumber(const QString &jobUuid) const;
    // That a report was issued with that number; later proposals count on from the highest.
    bool NoteReportNumber(const QString &jobUuid, const ReportNumber &number);
    // Sums the batch up again from its readings and marks, after another connection wrote them.
    bool SumUp(const QString &batchUuid);

    static QString NewUuid();
    static QString TimeText(const QDateTime &time);
    static QDateTime TimeOf(const QVariant &text);

private:
    // Take jobs out and merge them in, and keep the attachments, with the store's own
    // statements inside its transactions.
    friend class RecordExchange;
    friend class RecordAttachments;

    struct Running
    {
        SeriesInspection inspection;
    };

    bool OpenConnection(const QString &options);
    bool Fail(const QSqlQuery &query);
    // A failure of the file: it is not written again while this store is open.
    bool FailText(const QString &reason);
    // An operation on something that does not exist; the store stays as it is.
    bool Refuse(const QString &reason);
    bool Exec(QSqlQuery &query);
    QSqlQuery Prepared(const QString &sql) const;
    // The statement prepared once and kept while the store is open, for what runs often.
    QSqlQuery &Kept(const QString &sql);
    bool Begin();
    bool Commit();
    void Rollback();
    qint64 IdOf(const char *table, const QString &uuid) const;
    QString UuidOf(const char *table, qint64 id) const;
    bool AddHistory(const QString &kind, const QString &uuid, const QString &what,
                    const QString &oldValue, const QString &newValue);
    bool AddChange(const QString &kind, const QString &uuid);
    // Sets one field of a row and records the edit; nothing when the value is unchanged.
    bool Edit(const char *table, const QString &kind, const QString &uuid, const char *column,
              const QVariant &value);
    bool EditMark(const QString &batchUuid, qint64 index, const QString &what, const char *column,
                  const QVariant &value, const char *otherColumn = nullptr,
                  const QVariant &otherValue = QVariant());
    QVector<LiveRecord> CountedReadings(qint64 batchId) const;
    // Binds a reading to the statement that inserts it into the readings of the batch.
    static void BindReading(QSqlQuery &insert, qint64 batchId, const LiveRecord &record);
    // Tells the outbox that the batch gained the readings from first to last.
    bool AddReadingsChange(const QString &batchUuid, qint64 first, qint64 last);
    bool Summarise(qint64 batchId, const SeriesInspection &inspection);
    // Whether the batch's stored figures are still those this store summed up last.
    bool SummaryUnchanged(qint64 batchId, const SeriesInspection &inspection);
    bool Resummarise(qint64 batchId);
    std::optional<RecordVerification> Verification(QSqlQuery &query) const;
    // The marks a query of (idx, note, excluded, reason) finds.
    static QVector<ReadingAnnotation> MarksOf(QSqlQuery &query);
    RecordBatch BatchOf(const QSqlQuery &query) const;
    // The WHERE clause of a filter and the values it binds.
    static QString Where(const BatchFilter &filter, QVariantList *values);

    QString m_connection;
    QString m_path;
    QString m_problem;
    Access m_access = Access::Closed;
    QString m_inspector;
    QString m_inspectorCertificate;
    // The figures of batches being added to, so that each slice adds only its own readings.
    QHash<qint64, Running> m_running;
    QHash<QString, QSqlQuery> m_kept;
};
