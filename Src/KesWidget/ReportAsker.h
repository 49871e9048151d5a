#pragma once

#include <QCoreApplication>

struct InspectionReport;
class MessageCover;
class QWidget;

// Asks where an inspection report goes, proposed as "Report_yyyyMMdd_HHmmss.pdf" in the save
// folder, writes it there and tells the user it was saved. A file that cannot be written is
// told and asked for again; only a cancel gives up.
class ReportAsker
{
    Q_DECLARE_TR_FUNCTIONS(ReportAsker)

public:
    static void Ask(QWidget *window, MessageCover *messages, const InspectionReport &report);
};
