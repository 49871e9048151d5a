#include "ReportAsker.h"

#include "DialogWindow.h"
#include "MessageCover.h"
#include "ReportWriter.h"
#include "SaveFileAsker.h"

#include <QDateTime>
#include <QDir>

void ReportAsker::Ask(QWidget *window, MessageCover *messages, const InspectionReport &report)
{
    const QString written =
        SaveFileAsker::AskAs(window, messages, tr("Save the report"), QStringLiteral("pdf(*.pdf)"),
                             ReportWriter::ProposedFileName(QDateTime::currentDateTime()),
                             [&report](const QString &path, QString *errorText) {
                                 return ReportWriter::Write(report, path, errorText);
                             });
    if (!written.isEmpty())
        messages->ShowDone(
            tr("The report was saved as %1.").arg(QDir::toNativeSeparators(written)));
}
