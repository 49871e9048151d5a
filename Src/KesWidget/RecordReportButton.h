#pragma once

#include "RecordReport.h"

#include <QWidget>

#include <optional>

class QProgressBar;
class QPushButton;
class QTreeView;
class RecordReportTask;
class RecordStore;

// The Records page's Report button: the report of what is selected in the tree (a batch,
// several batches of one area, an area or a job), numbered as the user confirms, saved where
// the user says, written off the window's thread with the progress beside the button.
class RecordReportButton : public QWidget
{
    Q_OBJECT
public:
    RecordReportButton(RecordStore *store, QTreeView *tree, QWidget *parent);

    // The report the selection asks for; nothing when it makes none.
    std::optional<RecordReport::Request> Selected() const;
    // The job whose numbers the request's report counts on (empty: Unfiled).
    QString JobOf(const RecordReport::Request &request) const;
    // Starts writing; false (and told) when a report is being written already.
    bool Write(const RecordReport::Request &request, const QString &path);

signals:
    void MessageRequested(const QString &text);
    void Written(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void RetranslateUi();
    void On_Clicked();
    void On_Progress(int page, int pages);
    void On_Finished(bool written, const QString &message);

    RecordStore *m_store;
    QTreeView *m_tree;
    QPushButton *m_button;
    QProgressBar *m_progress;
    RecordReportTask *m_task;
};
