#pragma once

#include "InspectionCriteria.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class RecordStore;

// Takes session files into the store, each exactly once: a file is known by its first
// reading, so a run the store recorded live only gets the readings it missed (a crash between
// the file's write and the store's), a copy of a file taken in before adds nothing, and a
// file of a run the store never saw becomes a batch of its own, in Unfiled, judged by the
// criteria given. A file unchanged since it was last taken in is not read again.
class JournalIntake
{
    Q_DECLARE_TR_FUNCTIONS(JournalIntake)

public:
    struct Result
    {
        int batchesMade = 0;
        qint64 readingsAdded = 0;
        // One sentence per file that could not be taken in; the store's problem when it
        // failed.
        QStringList problems;
    };

    // proceed, when given, is told how many files are done before each file and at the end;
    // when it answers false, the intake stops there.
    static Result TakeIn(RecordStore &store, const QStringList &paths,
                         const InspectionCriteria &unfiledCriteria,
                         const std::function<bool(int done)> &proceed = nullptr);
};
