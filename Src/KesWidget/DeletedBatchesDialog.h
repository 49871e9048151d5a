#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class RecordStore;

// The deleted batches, newest first: one restored, or all emptied away after asking.
class DeletedBatchesDialog : public QDialog
{
    Q_OBJECT
public:
    DeletedBatchesDialog(RecordStore *store, QWidget *parent = nullptr);

signals:
    void Changed();
    void MessageRequested(const QString &text);

private:
    void List();
    void Done(bool succeeded);
    void On_Restore();
    void On_Empty();

    RecordStore *m_store;
    QListWidget *m_list;
    QPushButton *m_restore;
    QPushButton *m_empty;
};
