#include "SaveFileAsker.h"

#include "KesConfig.h"
#include "KesLog.h"
#include "LogExport.h"
#include "MessageCover.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

void SaveFileAsker::Ask(QWidget *window, MessageCover *messages, const QString &caption,
                        const QString &filter, const QString &suffix, const Writer &write)
{
    const QString exportName = LogExport::ProposedFileName(QDateTime::currentDateTime());
    AskAs(window, messages, caption, filter, QFileInfo(exportName).completeBaseName() + suffix,
          write);
}

bool SaveFileAsker::AskAs(QWidget *window, MessageCover *messages, const QString &caption,
                          const QString &filter, const QString &fileName, const Writer &write)
{
    const QString folder = KesConfig::Instance()->SaveFolder();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    QString path = folder + QLatin1Char('/') + fileName;
    forever
    {
        path = QFileDialog::getSaveFileName(window, caption, path, filter);
        if (path.isEmpty())
            return false;
        QString errorText;
        if (write(path, &errorText))
            return true;
        KesLog::Error(QStringLiteral("Save %1 failed: %2").arg(path, errorText));
        // The window's own message, in its translation context.
        messages->Show(
            DialogWindow::Warning,
            QCoreApplication::translate(
                "MainWindow", "The file could not be saved! Please choose another place."),
            MessageCover::ShortMs);
        messages->WaitUntilClosed();
    }
}
