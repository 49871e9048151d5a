#pragma once

#include "RecordItems.h"

#include <QCoreApplication>

class QWidget;

// The forms that edit a job's or an area's fields, filled with what the item holds. Each
// returns whether the user accepted; the item then holds the fields as entered. An area whose
// criteria cannot judge anything is refused, and problem says why.
class RecordEditor
{
    Q_DECLARE_TR_FUNCTIONS(RecordEditor)

public:
    static bool EditJob(RecordJob *job, QWidget *parent);
    static bool EditArea(RecordArea *area, QString *problem, QWidget *parent);
};
