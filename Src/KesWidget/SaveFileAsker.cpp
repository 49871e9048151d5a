#include "SaveFileAsker.h"

#include "KesConfig.h"
#include "KesLog.h"
#include "MemoryTextExport.h"
#include "MessageCover.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString SaveFileAsker::Ask(QWidget *window, MessageCover *messages, const QString &caption,
                           const QString &filter, const QString &suffix, const Writer &write)
{
    const QString exportName = MemoryTextExport::ProposedFileName(QDateTime::currentDateTime());
    const QString written = AskAs(window, messages, caption, filter,
                                  QFileInfo(exportName).completeBaseName() + suffix, write);
    if (!written.isEmpty())
        messages->ShowDone(QCoreApplication::translate("SaveFileAsker", "Saved as %1.")
                               .arg(QDir::toNativeSeparators(written)));
    return written;
}

QString SaveFileAsker::AskAs(QWidget *window, MessageCover *messages, const QString &caption,
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
            return QString();
        QString errorText;
        if (write(path, &errorText))
            return path;
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
