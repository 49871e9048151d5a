#include "RecordReport.h"

#include "RecordStore.h"

namespace {
// The unit the readings are judged in: that of the last reading with a value, as the store
// judges a batch.
int UnitOf(const QVector<const LiveRecord *> &records)
{
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if ((*it)->HasValue())
            return (*it)->unitCode;
    }
    return -1;
}

SeriesInspection Inspect(const QVector<const LiveRecord *> &records,
                         const InspectionCriteria &criteria, QVector<double> *values = nullptr)
{
    const int unit = UnitOf(records);
    SeriesInspection inspection(criteria, unit);
    for (const LiveRecord *record : records) {
        if (record->status == LiveRecord::Status::Overflow) {
            inspection.AddOverflow();
        } else if (record->HasValue() && record->unitCode == unit) {
            inspection.Add(record->Value());
            if (values)
                values->append(record->Value());
        }
    }
    return inspection;
}

QVector<const LiveRecord *> Counted(const RecordReport::BatchPart &part)
{
    QVector<const LiveRecord *> counted;
    counted.reserve(part.readings.size());
    for (const LiveRecord &record : part.readings) {
        if (!part.excluded.contains(record.index))
            counted.append(&record);
    }
    return counted;
}

int Severity(InspectionVerdict::Outcome outcome)
{
    switch (outcome) {
    case InspectionVerdict::Outcome::Fail:
        return 3;
    case InspectionVerdict::Outcome::Incomplete:
        return 2;
    case InspectionVerdict::Outcome::Pass:
        return 1;
    case InspectionVerdict::Outcome::None:
        break;
    }
    return 0;
}
} // namespace

QString RecordReport::BatchPart::StartText() const
{
    return batch.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString RecordReport::BatchPart::Source() const
{
    if (batch.areaUuid.isEmpty())
        return tr("Unfiled / %1").arg(StartText());
    return QStringLiteral("%1 / %2 / %3").arg(batch.jobName, batch.areaName, StartText());
}

QString RecordReport::AreaPart::Name() const
{
    return area.uuid.isEmpty() ? tr("Unfiled") : area.name;
}

RecordReport::BatchPart RecordReport::GatherBatch(const RecordStore &store,
                                                  const RecordBatch &batch)
{
    BatchPart part;
    part.batch = batch;
    part.readings = store.Readings(batch.uuid);
    part.marks = store.Marks(batch.uuid);
    for (const ReadingAnnotation &mark : part.marks) {
        if (mark.excluded)
            part.excluded.insert(mark.index);
    }
    if (!batch.gaugeUuid.isEmpty())
        part.gauge = store.Gauge(batch.gaugeUuid);
    const auto [before, after] = store.VerificationsAround(batch.uuid);
    part.before = before;
    part.after = after;
    part.conditions = store.Conditions(batch.uuid);
    part.inspection = Inspect(Counted(part), batch.criteria);
    return part;
}

RecordReport::AreaPart RecordReport::GatherArea(const RecordStore &store, const RecordArea &area,
                                                const QVector<RecordBatch> &batches)
{
    AreaPart part;
    part.area = area;
    QVector<const LiveRecord *> together;
    for (const RecordBatch &batch : batches) {
        part.batches.append(GatherBatch(store, batch));
    }
    // Pointers into the parts once they no longer move.
    for (const BatchPart &batch : part.batches)
        together += Counted(batch);
    part.inspection = Inspect(together, area.criteria, &part.values);
    return part;
}

std::optional<RecordReport> RecordReport::Gather(const RecordStore &store, const Request &request,
                                                 QString *errorText)
{
    const auto refuse = [errorText](const QString &text) {
        if (errorText)
            *errorText = text;
        return std::nullopt;
    };
    RecordReport report;
    report.scope = request.scope;
    report.created = QDateTime::currentDateTime();
    report.company = store.Company();
    BatchFilter filter;
    switch (request.scope) {
    case Scope::Batch: {
        const std::optional<RecordBatch> batch = store.Batch(request.uuid);
        if (!batch)
            return refuse(tr("There is no batch %1.").arg(request.uuid));
        RecordArea area;
        area.criteria = batch->criteria;
        if (const std::optional<RecordArea> found = store.Area(batch->areaUuid))
            area = *found;
        // A batch is judged by its own copy of the criteria, whatever its area says now.
        area.criteria = batch->criteria;
        if (const std::optional<RecordJob> job = store.Job(area.jobUuid))
            report.job = *job;
        report.areas.append(GatherArea(store, area, {*batch}));
        break;
    }
    case Scope::Area: {
        const std::optional<RecordArea> area = store.Area(request.uuid);
        if (!area)
            return refuse(tr("There is no area %1.").arg(request.uuid));
        report.job = store.Job(area->jobUuid).value_or(RecordJob());
        filter.areaUuid = area->uuid;
        QVector<RecordBatch> batches;
        for (const RecordBatch &batch : store.Batches(filter)) {
            if (request.batchUuids.isEmpty() || request.batchUuids.contains(batch.uuid))
                batches.append(batch);
        }
        report.areas.append(GatherArea(store, *area, batches));
        break;
    }
    case Scope::Job: {
        const std::optional<RecordJob> job = store.Job(request.uuid);
        if (!job)
            return refuse(tr("There is no job %1.").arg(request.uuid));
        report.job = *job;
        for (const RecordArea &area : store.Areas(job->uuid)) {
            filter.areaUuid = area.uuid;
            report.areas.append(GatherArea(store, area, store.Batches(filter)));
        }
        QVector<const LiveRecord *> all;
        for (const AreaPart &area : report.areas) {
            for (const BatchPart &batch : area.batches)
                all += Counted(batch);
        }
        report.jobFigures = Inspect(all, InspectionCriteria());
        break;
    }
    }
    report.number = request.number.value_or(store.NextReportNumber(report.job.uuid));
    // The inspector who measured; the first batch names them.
    for (const AreaPart &area : report.areas) {
        for (const BatchPart &batch : area.batches) {
            if (report.inspector.isEmpty() && !batch.batch.inspector.isEmpty()) {
                report.inspector = batch.batch.inspector;
                report.inspectorCertificate = batch.batch.inspectorCertificate;
            }
        }
    }
    QStringList owners;
    for (const AreaPart &area : report.areas) {
        // A batch's report shows the batch's own photos, not those of its whole area.
        if (report.scope != Scope::Batch && !area.area.uuid.isEmpty())
            owners << area.area.uuid;
        for (const BatchPart &batch : area.batches)
            owners << batch.batch.uuid;
    }
    report.photos = PhotoPages::ItemsOf(store, owners);
    for (const QString &owner : qAsConst(owners))
        report.signOffs += store.SignOffs(owner);
    return report;
}

qint64 RecordReport::BatchCount() const
{
    qint64 count = 0;
    for (const AreaPart &area : areas)
        count += area.batches.size();
    return count;
}

InspectionVerdict::Outcome RecordReport::Outcome() const
{
    InspectionVerdict::Outcome worst = InspectionVerdict::Outcome::None;
    for (const AreaPart &area : areas) {
        const InspectionVerdict::Outcome outcome = area.inspection.Verdict().outcome;
        if (Severity(outcome) > Severity(worst))
            worst = outcome;
    }
    return worst;
}

QString RecordReport::Title() const
{
    QString subject = job.uuid.isEmpty() ? tr("Unfiled") : job.name;
    if (scope != Scope::Job && !areas.isEmpty() && !areas.first().area.uuid.isEmpty())
        subject += QStringLiteral(": ") + areas.first().area.name;
    return tr("Report %1, revision %2 \u2014 %3")
        .arg(number.number)
        .arg(number.revision)
        .arg(subject);
}

QString RecordReport::SignedOff(const RecordSignOff &signOff) const
{
    for (const AreaPart &area : areas) {
        if (area.area.uuid == signOff.ownerUuid)
            return tr("area %1").arg(area.Name());
        for (const BatchPart &batch : area.batches) {
            if (batch.batch.uuid == signOff.ownerUuid)
                return tr("batch %1").arg(batch.Source());
        }
    }
    return QString();
}
