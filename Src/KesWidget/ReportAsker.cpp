#include "ReportAsker.h"

#include "DialogWindow.h"
#include "MessageCover.h"
#include "ReportWriter.h"
#include "SaveFileAsker.h"

#include <QDateTime>
#include <QDir>

void ReportAsker::Ask(QWidget *window, MessageCover *messages, const InspectionReport &report)
{
    QString written;
    const bool saved =
        SaveFileAsker::AskAs(window, messages, tr("Save the report"), QStringLiteral("pdf(*.pdf)"),
                             ReportWriter::ProposedFileName(QDateTime::currentDateTime()),
                             [&report, &written](const QString &path, QString *errorText) {
                                 written = path;
                                 return ReportWriter::Write(report, path, errorText);
                             });
    if (!saved)
        return;
    const QString text = tr("The report was saved as %1.").arg(QDir::toNativeSeparators(written));
    messages->Show(DialogWindow::Warning, text, DialogWindow::ReadingMsecs(text));
}
