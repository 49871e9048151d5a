#include "RecordScopeInput.h"

#include "RecordStore.h"

#include <QStringList>

QString RecordScopeInput::Read(const RecordStore &store, const QString &jobText,
                               const QString &areaName)
{
    QVector<RecordJob> jobs;
    if (const std::optional<RecordJob> byUuid = store.Job(jobText.toLower()))
        jobs.append(*byUuid);
    else
        jobs = store.JobsNamed(jobText);
    if (jobs.isEmpty())
        return QStringLiteral("no job '%1' in %2").arg(jobText, store.Path());
    if (jobs.size() > 1) {
        QStringList uuids;
        for (const RecordJob &job : jobs)
            uuids.append(job.uuid);
        return QStringLiteral("%1 jobs are named '%2' in %3; give --job one of their UUIDs: %4")
            .arg(jobs.size())
            .arg(jobText, store.Path(), uuids.join(QStringLiteral(", ")));
    }
    jobUuid = jobs.first().uuid;
    jobName = jobs.first().name;
    if (areaName.isEmpty())
        return QString();
    const std::optional<RecordArea> area = store.AreaNamed(jobUuid, areaName);
    if (!area)
        return QStringLiteral("no area '%1' in the job '%2'").arg(areaName, jobName);
    areaUuid = area->uuid;
    return QString();
}
