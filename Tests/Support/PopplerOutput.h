#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a tool of poppler-utils (pdftotext, pdfimages) prints for a PDF, or an empty text when
// it fails or takes longer than a minute.
inline QString PopplerOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, its pages apart by "\f".
inline QString PdfText(const QString &path)
{
    return PopplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-enc"),
                          QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}
