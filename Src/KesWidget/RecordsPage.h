#pragma once

#include "InspectionCriteria.h"

#include <QVector>
#include <QWidget>

class BatchReadingsModel;
class LineChartWidget;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;
class QTextBrowser;
class QTreeView;
class RecordStore;
class RecordsReader;
class RecordsTreeModel;
class SeriesInspection;

// The records page: the tree Job -> Area -> Batch with its search and filters, the fields and
// history of the job, area or batch chosen, an area's figures (over its ticked batches, or all),
// the batch's readings (exclusions struck through) and its chart with the limits of its own
// criteria, and the edits a user makes (new job and area, edit, move, exclude, note, delete and
// restore, conditions, judging again by the Settings page's criteria, verifying a gauge)
// forwarded to the store. What can take long is read by a RecordsReader.
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
    void ShowJob(const QString &jobUuid);
    void ShowBatch(const QString &batchUuid);
    void On_AreaInspected(const QString &areaUuid, const SeriesInspection &inspection);
    void On_SeriesRead(const QString &batchUuid, const QVector<float> &values);
    // The gauges and inspectors offered by the filters, the choice kept.
    void FillChoices();
    QString Chosen(int kind) const;
    void Done(bool succeeded);

    void On_NewJob();
    void On_NewArea();
    void On_Edit();
    void On_Deleted();
    void On_Verify();
    void On_MoveBatch();
    void On_DeleteBatch();
    void On_ExcludeReading();
    void On_AddNote();
    void On_JudgeAgain();
    void On_Conditions();

    RecordStore *m_store;
    RecordsTreeModel *m_tree;
    BatchReadingsModel *m_readings;
    RecordsReader *m_reader;
    QLineEdit *m_search;
    QComboBox *m_verdict;
    QDateEdit *m_since;
    QDateEdit *m_until;
    QComboBox *m_inspector;
    QComboBox *m_gauge;
    QTreeView *m_treeView;
    QTextBrowser *m_details;
    QTableView *m_readingsView;
    LineChartWidget *m_chart;
    QPushButton *m_newJob;
    QPushButton *m_newArea;
    QPushButton *m_move;
    QPushButton *m_exclude;
    QPushButton *m_note;
    QPushButton *m_delete;
    QPushButton *m_judge;
    QPushButton *m_conditions;
    QPushButton *m_edit;
    QPushButton *m_deleted;
    QPushButton *m_verify;
    QString m_shownArea;  // whose figures are shown or awaited
    QString m_shownBatch; // whose chart is shown or awaited
    InspectionCriteria m_chartCriteria;
    int m_chartUnit = -1;
    bool m_read = false;
};
