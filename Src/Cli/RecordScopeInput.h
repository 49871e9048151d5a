#pragma once

#include <QString>

class RecordStore;

// The job (and, optionally, one of its areas) a command's --job and --area name. --job takes a
// job's name or its UUID; a name that several jobs share (two laptops that each made the job
// before they synced, or an imported job) is refused with their UUIDs, so that a report or an
// export never goes out for a job picked at random.
struct RecordScopeInput
{
    QString jobUuid;
    QString jobName;
    QString areaUuid; // empty without --area

    // Returns what is wrong, or an empty text when the job and the area are found.
    QString Read(const RecordStore &store, const QString &jobText, const QString &areaName);
};
