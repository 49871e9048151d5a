#include "RecordReportButton.h"

#include "FormDialog.h"
#include "KesConfig.h"
#include "RecordReportTask.h"
#include "RecordStore.h"
#include "RecordsTreeModel.h"
#include "ReportWriter.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

namespace {
using Kind = RecordsTreeModel::Kind;

Kind KindOf(const QModelIndex &index)
{
    return static_cast<Kind>(index.data(RecordsTreeModel::KindRole).toInt());
}
} // namespace

RecordReportButton::RecordReportButton(RecordStore *store, QTreeView *tree, QWidget *parent)
    : QWidget(parent), m_store(store), m_tree(tree), m_button(new QPushButton(this)),
      m_progress(new QProgressBar(this)), m_task(new RecordReportTask(this))
{
    setObjectName(QStringLiteral("RecordReport"));
    m_button->setObjectName(QStringLiteral("RecordReportButton"));
    m_progress->setObjectName(QStringLiteral("RecordReportProgress"));
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    // Several batches of one area can be chosen for one report.
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    layout->addWidget(m_progress);
    RetranslateUi();
    connect(m_button, &QPushButton::clicked, this, &RecordReportButton::On_Clicked);
    connect(m_task, &RecordReportTask::Progress, this, &RecordReportButton::On_Progress);
    connect(m_task, &RecordReportTask::Finished, this, &RecordReportButton::On_Finished);
}

void RecordReportButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void RecordReportButton::RetranslateUi()
{
    m_button->setText(tr("Report"));
    m_button->setToolTip(tr("Write the report of the selected batch, batches of one area, area "
                            "(its ticked batches, or all) or job as a PDF"));
}

std::optional<RecordReport::Request> RecordReportButton::Selected() const
{
    const QModelIndexList rows = m_tree->selectionModel()->selectedRows();
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid() || KindOf(current) == Kind::Unfiled)
        return std::nullopt;
    RecordReport::Request request;
    request.uuid = current.data(RecordsTreeModel::UuidRole).toString();
    switch (KindOf(current)) {
    case Kind::Job:
        request.scope = RecordReport::Scope::Job;
        return request;
    case Kind::Area:
        // An area's ticked batches, as its figures on the page show them; all when none is.
        request.scope = RecordReport::Scope::Area;
        if (const auto *model = qobject_cast<const RecordsTreeModel *>(m_tree->model()))
            request.batchUuids = model->Ticked(request.uuid);
        return request;
    case Kind::Batch:
    case Kind::Unfiled:
        break;
    }
    // Batches of one area together make a report of the area with those batches.
    QStringList batches;
    for (const QModelIndex &row : rows) {
        if (KindOf(row) == Kind::Batch && row.parent() == current.parent())
            batches << row.data(RecordsTreeModel::UuidRole).toString();
    }
    const QModelIndex area = current.parent();
    if (batches.size() > 1 && KindOf(area) == Kind::Area) {
        request.scope = RecordReport::Scope::Area;
        request.uuid = area.data(RecordsTreeModel::UuidRole).toString();
        request.batchUuids = batches;
    }
    return request;
}

QString RecordReportButton::JobOf(const RecordReport::Request &request) const
{
    if (request.scope == RecordReport::Scope::Job)
        return request.uuid;
    QString area = request.uuid;
    if (request.scope == RecordReport::Scope::Batch) {
        const std::optional<RecordBatch> batch = m_store->Batch(request.uuid);
        area = batch ? batch->areaUuid : QString();
    }
    const std::optional<RecordArea> found = m_store->Area(area);
    return found ? found->jobUuid : QString();
}

void RecordReportButton::On_Clicked()
{
    std::optional<RecordReport::Request> request = Selected();
    if (!request) {
        emit MessageRequested(tr("Choose a batch, an area or a job to report on."));
        return;
    }
    const ReportNumber next = m_store->NextReportNumber(JobOf(*request));
    FormDialog form(tr("Report"), window());
    auto *number = new QSpinBox;
    number->setObjectName(QStringLiteral("ReportNumber"));
    number->setRange(1, 999999);
    number->setValue(next.number);
    auto *revision = new QSpinBox;
    revision->setObjectName(QStringLiteral("ReportRevision"));
    revision->setRange(0, 999);
    form.AddRow(tr("Report number"), number);
    form.AddRow(tr("Revision"), revision);
    if (!form.Ask())
        return;
    request->number = ReportNumber{number->value(), revision->value()};
    const QString proposed =
        QDir(KesConfig::Instance()->SaveFolder())
            .filePath(ReportWriter::ProposedFileName(QDateTime::currentDateTime()));
    const QString path = QFileDialog::getSaveFileName(window(), tr("Save the report"), proposed,
                                                      tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        Write(*request, path);
}

bool RecordReportButton::Write(const RecordReport::Request &request, const QString &path)
{
    if (!m_task->Start(m_store->Path(), request, path)) {
        emit MessageRequested(tr("A report is being written; please wait until it is done."));
        return false;
    }
    m_button->setEnabled(false);
    m_progress->setRange(0, 0);
    m_progress->setFormat(tr("Gathering the records"));
    m_progress->show();
    return true;
}

void RecordReportButton::On_Progress(int page, int pages)
{
    if (pages == 0)
        return;
    m_progress->setRange(0, pages);
    m_progress->setValue(page);
    m_progress->setFormat(tr("Page %1 of %2").arg(page).arg(pages));
}

void RecordReportButton::On_Finished(bool written, const QString &message)
{
    m_progress->hide();
    m_button->setEnabled(true);
    if (written) {
        emit MessageRequested(
            tr("The report was saved to %1.").arg(QDir::toNativeSeparators(message)));
        emit Written(message);
    } else {
        emit MessageRequested(tr("The report could not be written: %1").arg(message));
    }
}
