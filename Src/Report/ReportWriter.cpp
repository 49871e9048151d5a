#include "ReportWriter.h"

#include "InterfaceFont.h"
#include "RecordReportDocument.h"
#include "ReportDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
void SetError(QString *errorText, const QString &text)
{
    if (errorText)
        *errorText = text;
}
} // namespace

bool ReportWriter::Write(const InspectionReport &report, const QString &path, QString *errorText)
{
    return WritePdf(path, report.title, errorText, [&report](QPdfWriter *writer) {
        return ReportDocument(report, writer).Paint();
    });
}

bool ReportWriter::Write(const RecordReport &report, const QString &path, QString *errorText,
                         const std::function<void(int, int)> &progress)
{
    return WritePdf(path, report.Title(), errorText, [&](QPdfWriter *writer) {
        return RecordReportDocument(report, writer).Paint(progress);
    });
}

bool ReportWriter::WritePdf(const QString &path, const QString &title, QString *errorText,
                            const std::function<bool(QPdfWriter *)> &paint)
{
    const QFileInfo target(path);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    if (!target.absoluteDir().exists()) {
        SetError(errorText, tr("The folder %1 does not exist.").arg(folder));
        return false;
    }
    if (target.isDir()) {
        SetError(errorText, tr("%1 is a folder.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(errorText, tr("The report cannot be written in the folder %1: %2")
                                .arg(folder, file.errorString()));
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 10), QPageLayout::Millimeter);
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        if (!paint(&writer)) {
            file.cancelWriting();
            SetError(errorText, tr("The report could not be drawn."));
            return false;
        }
    }
    if (!file.commit()) {
        SetError(errorText, tr("The report cannot be written to %1: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

QString ReportWriter::ProposedFileName(const QDateTime &when)
{
    return QStringLiteral("Report_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           QStringLiteral(".pdf");
}

QString ReportWriter::ProposedPath(const QString &folder, const QDateTime &when)
{
    return folder + QLatin1Char('/') + ProposedFileName(when);
}

QString ReportWriter::FontFamily()
{
    const QString interfaceFamily = QGuiApplication::font().family();
    const QStringList chinese = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
    const QStringList preferred =
        QStringList{interfaceFamily, InterfaceFont::Specified} + InterfaceFont::Candidates;
    for (const QString &family : preferred) {
        if (chinese.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return chinese.isEmpty() ? interfaceFamily : chinese.first();
}

QString ReportWriter::MarkText(ReportFigures::Mark mark, const InspectionCriteria &criteria)
{
    switch (mark) {
    case ReportFigures::Mark::Overflow:
        return tr("overflow");
    case ReportFigures::Mark::BelowMinimum:
        return InspectionRule::MarkText(ReadingMark::BelowMinimum, criteria);
    case ReportFigures::Mark::AboveMaximum:
        return InspectionRule::MarkText(ReadingMark::AboveMaximum, criteria);
    case ReportFigures::Mark::UnknownUnit:
        return tr("unknown unit");
    case ReportFigures::Mark::BelowRuleFloor:
        return InspectionRule::MarkText(ReadingMark::BelowRuleFloor, criteria);
    case ReportFigures::Mark::Ok:
        break;
    }
    return tr("ok");
}
