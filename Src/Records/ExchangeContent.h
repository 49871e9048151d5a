#pragma once

#include "LiveRecord.h"
#include "RecordItems.h"

#include <QString>
#include <QVector>

#include <optional>

// Everything the records hold of one job, as plain values, the way it travels between
// machines: its areas, their batches with their readings and what was marked on them, the
// gauges the batches were measured with and their verifications, and the history of every
// item. Every item keeps its UUID.
struct ExchangeBatch
{
    RecordBatch batch;
    // Where the batch came from (a run's first reading, a download's group), so that the
    // session file of the same run is not taken in again on the receiving machine.
    QString origin;
    QVector<LiveRecord> readings;
    QVector<ReadingAnnotation> marks;
    std::optional<RecordConditions> conditions;
    QVector<RecordEvaluation> evaluations;
};

struct ExchangeContent
{
    RecordJob job;
    QVector<RecordArea> areas;
    QVector<ExchangeBatch> batches;
    QVector<RecordGauge> gauges;
    QVector<RecordVerification> verifications;
    QVector<HistoryEntry> history;
};
