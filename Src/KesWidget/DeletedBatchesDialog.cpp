#include "DeletedBatchesDialog.h"

#include "RecordStore.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

DeletedBatchesDialog::DeletedBatchesDialog(RecordStore *store, QWidget *parent)
    : QDialog(parent), m_store(store), m_list(new QListWidget(this))
{
    setWindowTitle(tr("Deleted batches"));
    m_list->setObjectName(QStringLiteral("DeletedBatchesList"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore = buttons->addButton(tr("Restore"), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("RestoreBatchButton"));
    m_empty = buttons->addButton(tr("Empty"), QDialogButtonBox::DestructiveRole);
    m_empty->setObjectName(QStringLiteral("EmptyDeletedButton"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_restore, &QPushButton::clicked, this, &DeletedBatchesDialog::On_Restore);
    connect(m_empty, &QPushButton::clicked, this, &DeletedBatchesDialog::On_Empty);
    List();
}

void DeletedBatchesDialog::List()
{
    BatchFilter deleted;
    deleted.deleted = true;
    deleted.descending = true;
    m_list->clear();
    for (const RecordBatch &batch : m_store->Batches(deleted)) {
        const QString place = batch.areaUuid.isEmpty()
                                  ? tr("Unfiled")
                                  : batch.jobName + QStringLiteral(" / ") + batch.areaName;
        auto *item = new QListWidgetItem(
            tr("%1, %2: %n reading(s)", nullptr, int(batch.count))
                .arg(QLocale().toString(batch.started, QLocale::ShortFormat), place),
            m_list);
        item->setData(Qt::UserRole, batch.uuid);
    }
    m_list->setCurrentRow(0);
    m_restore->setEnabled(m_list->count() > 0);
    m_empty->setEnabled(m_list->count() > 0);
}

void DeletedBatchesDialog::Done(bool succeeded)
{
    if (succeeded)
        emit Changed();
    else
        emit MessageRequested(m_store->Problem());
    List();
}

void DeletedBatchesDialog::On_Restore()
{
    if (const QListWidgetItem *item = m_list->currentItem())
        Done(m_store->RestoreBatch(item->data(Qt::UserRole).toString()));
}

void DeletedBatchesDialog::On_Empty()
{
    if (QMessageBox::question(this, tr("Empty deleted batches"),
                              tr("Remove the %n deleted batch(es) and their readings for good?",
                                 nullptr, m_list->count())) != QMessageBox::Yes)
        return;
    Done(m_store->EmptyDeleted());
}
