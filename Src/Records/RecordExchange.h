#pragma once

#include "ExchangeContent.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class RecordStore;

// A job of the records taken out as plain values, and such values merged into a store.
//
// Merging is by UUID: what the store lacks is added with the UUID it came with, what it holds
// already is left as it is when equal, and a field that differs takes the incoming value with
// the edit recorded in the item's history (who: the store's inspector). Readings never change:
// a reading the store holds with other values refuses the whole merge, as does a batch whose
// frozen criteria differ. The merge is one transaction: refused or failed, nothing of it is
// kept, and the store's Problem() says why.
class RecordExchange
{
    Q_DECLARE_TR_FUNCTIONS(RecordExchange)

public:
    // What a merge did.
    struct Tally
    {
        int itemsAdded = 0;    // jobs, areas, batches, gauges, verifications, evaluations
        int fieldsChanged = 0; // each one recorded in the history
        qint64 readingsAdded = 0;
    };

    // The job with all its areas and their batches (deleted ones left out); with areaUuid only
    // that area's batches, with batchUuid only that batch. Nothing when the job is unknown.
    static std::optional<ExchangeContent> Collect(const RecordStore &store, const QString &jobUuid,
                                                  const QString &areaUuid = QString(),
                                                  const QString &batchUuid = QString());
    static bool Merge(RecordStore &store, const ExchangeContent &content, Tally *tally = nullptr);

private:
    using Fields = QVector<QPair<const char *, QVariant>>;

    static bool MergeAll(RecordStore &store, const ExchangeContent &content, Tally &tally);
    // Adds the row of that uuid with the fixed and the editable fields when the table lacks
    // it, or sets each editable field that differs, the edit recorded in the history as one
    // of `kind`. Returns the row's id, 0 when the store failed.
    static qint64 Upsert(RecordStore &store, const char *table, const QString &kind,
                         const QString &uuid, const Fields &fixed, const Fields &editable,
                         Tally &tally);
    static bool MergeBatch(RecordStore &store, const ExchangeBatch &item, Tally &tally);
    static bool MergeReadings(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                              Tally &tally);
    // A batch new to the store takes its marks and conditions as they are (its history comes
    // with it); in a batch the store holds, each one that differs is an edit.
    static bool MergeMarks(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                           bool fresh, bool *counted);
    static bool MergeConditions(RecordStore &store, qint64 batchId, const ExchangeBatch &item,
                                bool fresh);
    static bool MergeHistory(RecordStore &store, const QVector<HistoryEntry> &history);
    static QVector<ReadingAnnotation> AllMarks(const RecordStore &store, qint64 batchId);
    static QVector<RecordVerification> VerificationsOf(const RecordStore &store,
                                                       const QString &gaugeUuid);
};
