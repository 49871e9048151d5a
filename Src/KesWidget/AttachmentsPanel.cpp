#include "AttachmentsPanel.h"

#include "RecordAttachments.h"
#include "RecordStore.h"
#include "RecordsPage.h"
#include "RecordsTreeModel.h"

#include <QBoxLayout>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

namespace {
const int ThumbnailPixels = 96;
const int UuidRole = Qt::UserRole + 1;

QStringList LocalFiles(const QMimeData *mime)
{
    QStringList paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}
} // namespace

AttachmentsPanel::AttachmentsPanel(RecordStore *store, QTreeView *tree, QWidget *parent)
    : QWidget(parent), m_store(store), m_title(new QLabel(this)), m_list(new QListWidget(this)),
      m_add(new QPushButton(this))
{
    setObjectName(QStringLiteral("AttachmentsPanel"));
    setAcceptDrops(true);
    m_list->setObjectName(QStringLiteral("AttachmentsList"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(ThumbnailPixels, ThumbnailPixels));
    m_list->setGridSize(QSize(ThumbnailPixels + 48, ThumbnailPixels + 40));
    m_list->setWordWrap(true);
    m_list->setMovement(QListView::Static);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(false);
    m_list->setFixedHeight(ThumbnailPixels + 60);
    m_add->setObjectName(QStringLiteral("AttachmentsAdd"));
    auto *side = new QVBoxLayout;
    side->addWidget(m_title);
    side->addWidget(m_add);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(side);
    layout->addWidget(m_list, 1);
    RetranslateUi();
    ShowOwner(QString());
    connect(m_add, &QPushButton::clicked, this, &AttachmentsPanel::On_Add);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &AttachmentsPanel::On_EditCaption);
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                const auto kind =
                    RecordsTreeModel::Kind(current.data(RecordsTreeModel::KindRole).toInt());
                const bool owns = current.isValid() && (kind == RecordsTreeModel::Kind::Batch ||
                                                        kind == RecordsTreeModel::Kind::Area);
                ShowOwner(owns ? current.data(RecordsTreeModel::UuidRole).toString() : QString());
            });
}

AttachmentsPanel *AttachmentsPanel::AddTo(RecordsPage *page, RecordStore *store)
{
    auto *panel = new AttachmentsPanel(
        store, page->findChild<QTreeView *>(QStringLiteral("RecordsTree")), page);
    qobject_cast<QBoxLayout *>(page->layout())->addWidget(panel);
    connect(panel, &AttachmentsPanel::MessageRequested, page, &RecordsPage::MessageRequested);
    return panel;
}

void AttachmentsPanel::RetranslateUi()
{
    m_title->setText(tr("Photos and documents"));
    m_add->setText(tr("Add photo or PDF..."));
    m_add->setToolTip(tr("JPEG and PNG photos and PDF documents up to 20 MB; files may also be "
                         "dropped here. A double click edits a caption."));
}

void AttachmentsPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void AttachmentsPanel::ShowOwner(const QString &owner)
{
    m_owner = owner;
    m_list->clear();
    m_add->setEnabled(!owner.isEmpty());
    if (owner.isEmpty())
        return;
    RecordAttachments attachments(*m_store);
    for (const RecordAttachment &attachment : attachments.Of(owner)) {
        QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
        if (attachment.IsPhoto()) {
            QImageReader reader(attachments.FilePath(attachment));
            reader.setAutoTransform(true);
            // Decoded at the thumbnail's size: a large JPEG is read scaled, fast.
            reader.setScaledSize(
                reader.size().scaled(ThumbnailPixels, ThumbnailPixels, Qt::KeepAspectRatio));
            const QImage thumbnail = reader.read();
            if (!thumbnail.isNull())
                icon = QIcon(QPixmap::fromImage(thumbnail));
        }
        auto *item = new QListWidgetItem(
            icon, attachment.caption.isEmpty() ? attachment.fileName : attachment.caption, m_list);
        item->setData(UuidRole, attachment.uuid);
        item->setToolTip(attachment.fileName);
    }
}

void AttachmentsPanel::AddFiles(const QStringList &paths, bool askCaption)
{
    RecordAttachments attachments(*m_store);
    QStringList refused;
    for (const QString &path : paths) {
        QString caption = QFileInfo(path).completeBaseName();
        if (askCaption) {
            bool given = false;
            caption = QInputDialog::getText(this, tr("Caption"),
                                            tr("Caption of %1:").arg(QFileInfo(path).fileName()),
                                            QLineEdit::Normal, caption, &given);
            if (!given)
                continue;
        }
        if (attachments.Add(m_owner, path, caption.trimmed()).isEmpty())
            refused.append(attachments.Problem());
    }
    if (!refused.isEmpty())
        emit MessageRequested(refused.join(QLatin1Char('\n')));
    ShowOwner(m_owner);
}

void AttachmentsPanel::On_Add()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Add photo or PDF"), QString(),
        tr("Photos and PDF documents (*.jpg *.jpeg *.png *.pdf);;All files (*)"));
    AddFiles(paths, true);
}

void AttachmentsPanel::On_EditCaption(QListWidgetItem *item)
{
    bool given = false;
    const QString caption = QInputDialog::getText(this, tr("Caption"), tr("Caption:"),
                                                  QLineEdit::Normal, item->text(), &given);
    if (!given)
        return;
    RecordAttachments attachments(*m_store);
    if (!attachments.SetCaption(item->data(UuidRole).toString(), caption.trimmed()))
        emit MessageRequested(attachments.Problem());
    ShowOwner(m_owner);
}

void AttachmentsPanel::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_owner.isEmpty() && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void AttachmentsPanel::dropEvent(QDropEvent *event)
{
    const QStringList paths = LocalFiles(event->mimeData());
    if (m_owner.isEmpty() || paths.isEmpty())
        return;
    event->acceptProposedAction();
    AddFiles(paths, false);
}
