#pragma once

#include <QWidget>

class BatchReadingsModel;
class QComboBox;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;
class QTextBrowser;
class QTreeView;
class RecordStore;
class RecordsTreeModel;

// The records page: the tree Job -> Area -> Batch with its search, the figures of the area or
// the batch chosen, the batch's readings (exclusions struck through), and the edits a user
// makes (new job and area, rename, move, exclude, note, delete, conditions, judging again by
// the Settings page's criteria) forwarded to the store.
class RecordsPage : public QWidget
{
    Q_OBJECT
public:
    explicit RecordsPage(RecordStore *store, QWidget *parent = nullptr);

    // Reads the tree again (a batch was recorded or taken in); the tree is first read when the
    // page is first shown, not at the program's start.
    void Refresh();

signals:
    void MessageRequested(const QString &text);
    // The user changed the records (a job, an area, a batch).
    void Changed();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildLayout();
    void RetranslateUi();
    void ApplyFilter();
    void Show(const QModelIndex &index);
    void ShowArea(const QString &areaUuid);
    void ShowBatch(const QString &batchUuid);
    QString Chosen(int kind) const;
    void Done(bool succeeded);

    void On_NewJob();
    void On_NewArea();
    void On_Rename();
    void On_MoveBatch();
    void On_DeleteBatch();
    void On_ExcludeReading();
    void On_AddNote();
    void On_JudgeAgain();
    void On_Conditions();

    RecordStore *m_store;
    RecordsTreeModel *m_tree;
    BatchReadingsModel *m_readings;
    QLineEdit *m_search;
    QComboBox *m_verdict;
    QTreeView *m_treeView;
    QTextBrowser *m_details;
    QTableView *m_readingsView;
    QPushButton *m_newJob;
    QPushButton *m_newArea;
    QPushButton *m_move;
    QPushButton *m_exclude;
    QPushButton *m_note;
    QPushButton *m_delete;
    QPushButton *m_judge;
    QPushButton *m_conditions;
    bool m_read = false;
};
