#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeView;
class RecordStore;
class RecordsPage;

// Under the records: the photos and PDF documents of the batch or area chosen in the tree, as
// thumbnails with their captions. Files are added from a file dialog or dropped on the panel;
// a double click edits a caption. What the store refuses is told as the page's message.
class AttachmentsPanel : public QWidget
{
    Q_OBJECT
public:
    AttachmentsPanel(RecordStore *store, QTreeView *tree, QWidget *parent = nullptr);

    // Puts a panel at the foot of the page, following its tree.
    static AttachmentsPanel *AddTo(RecordsPage *page, RecordStore *store);

    // The batch or area whose attachments are shown; empty for none.
    QString Owner() const { return m_owner; }
    // Attaches the files, each with its name as the caption unless asked for one.
    void AddFiles(const QStringList &paths, bool askCaption);

signals:
    void MessageRequested(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void RetranslateUi();
    void ShowOwner(const QString &owner);
    void On_Add();
    void On_EditCaption(QListWidgetItem *item);

    RecordStore *m_store;
    QString m_owner;
    QLabel *m_title;
    QListWidget *m_list;
    QPushButton *m_add;
};
