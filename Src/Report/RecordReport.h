#pragma once

#include "LiveRecord.h"
#include "PhotoPages.h"
#include "RecordItems.h"
#include "SeriesInspection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class RecordStore;

// What a report from the records holds: a batch, an area (all its batches or some) or a whole
// job, gathered from the store in one go with everything the cover names (company, report
// number, job, areas, inspector, gauges, verifications, conditions), the readings of each
// batch with their marks and the reviewers' sign-offs. The figures are worked out here once: each
// batch by its own copy of the criteria, each area's batches together by the area's criteria,
// exclusions left out.
struct RecordReport
{
    Q_DECLARE_TR_FUNCTIONS(RecordReport)

public:
    enum class Scope
    {
        Batch,
        Area,
        Job
    };

    // Which records a report is of: the uuid of the batch, area or job; for an area, the
    // batches to take (none listed: all of them).
    struct Request
    {
        Scope scope = Scope::Batch;
        QString uuid;
        QStringList batchUuids;
        // The number to issue the report with; the next one of the job when not given.
        std::optional<ReportNumber> number;
    };

    struct BatchPart
    {
        RecordBatch batch;
        QVector<LiveRecord> readings; // all of them, in index order
        QVector<ReadingAnnotation> marks;
        QSet<qint64> excluded; // the indexes excluded
        std::optional<RecordGauge> gauge;
        std::optional<RecordVerification> before;
        std::optional<RecordVerification> after;
        std::optional<RecordConditions> conditions;
        SeriesInspection inspection; // by the batch's own criteria

        // "Job / Area / 2026-12-09 10:04:00", "Unfiled / ..." for a batch in no area.
        QString Source() const;
        QString StartText() const;
    };

    struct AreaPart
    {
        RecordArea area; // no uuid: Unfiled
        QVector<BatchPart> batches;
        SeriesInspection inspection; // the batches together, by the area's criteria
        QVector<double> values;      // the readings judged together, in their order

        QString Name() const;
    };

    Scope scope = Scope::Batch;
    RecordJob job; // no uuid: Unfiled
    QVector<AreaPart> areas;
    // The figures of all the job's readings together (a job's report), judged by no rule: its
    // areas may hold different criteria.
    SeriesInspection jobFigures;
    RecordCompany company;
    ReportNumber number;
    QString inspector;
    QString inspectorCertificate;
    QDateTime created;
    // The photos and documents of the areas and batches reported, area by area.
    QVector<PhotoPages::Item> photos;
    // The reviewers' sign-offs that stand, of the areas (not for a batch's report) and the
    // batches reported.
    QVector<RecordSignOff> signOffs;

    // The report of the request; nothing, with the reason in errorText, for records that do
    // not exist or cannot be read.
    static std::optional<RecordReport> Gather(const RecordStore &store, const Request &request,
                                              QString *errorText);

    qint64 BatchCount() const;
    // The verdict of the whole report: the area's (a batch's) verdict, or for a job the worst
    // of its areas'.
    InspectionVerdict::Outcome Outcome() const;
    // "Report 3, revision 1 — Job: Area".
    QString Title() const;
    // What a sign-off is of: "area Main deck", "batch Job / Area / 2026-12-09 10:04:00".
    QString SignedOff(const RecordSignOff &signOff) const;

private:
    static BatchPart GatherBatch(const RecordStore &store, const RecordBatch &batch);
    static AreaPart GatherArea(const RecordStore &store, const RecordArea &area,
                               const QVector<RecordBatch> &batches);
};
