#pragma once

#include "InspectionCriteria.h"

#include <QCoreApplication>
#include <QStringList>

class MemoryDownload;
class RecordStore;

// A download of the gauge's memory kept as batches, one per group that holds readings, in the
// area given (empty: Unfiled, judged by the criteria given), each exactly once: a group is
// known by the download's time and its readings.
class DownloadIntake
{
    Q_DECLARE_TR_FUNCTIONS(DownloadIntake)

public:
    // The uuids of the groups' batches, in group order, those kept before included (not those
    // deleted and emptied away since); empty when the store failed (its Problem() says why).
    static QStringList TakeIn(RecordStore &store, const MemoryDownload &download,
                              const QString &areaUuid, const QString &gaugeUuid,
                              const InspectionCriteria &unfiledCriteria);
};
