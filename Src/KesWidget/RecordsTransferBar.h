#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QProgressDialog;
class QPushButton;
class QThread;
class QTreeView;
class RecordStore;
class RecordsPage;

// Under the records: the job, area or batch chosen in the tree written out as an XLSX
// workbook or as an exchange file for another machine, and exchange files (or session files)
// taken in. The work runs on a thread of its own with its own connection to the records file,
// the window showing its progress meanwhile; the outcome is told as the page's message.
class RecordsTransferBar : public QWidget
{
    Q_OBJECT
public:
    RecordsTransferBar(RecordStore *store, QTreeView *tree, QWidget *parent = nullptr);
    ~RecordsTransferBar() override;

    // Puts a bar at the foot of the page, following its tree; the page is read again after an
    // import.
    static RecordsTransferBar *AddTo(RecordsPage *page, RecordStore *store);

    enum class Format
    {
        Xlsx,
        Exchange
    };
    // Writes what the tree has chosen to path; Imports takes path in. Both return at once and
    // tell their end by Finished.
    void Export(Format format, const QString &path);
    void Import(const QString &path);
    bool IsBusy() const { return m_work != nullptr; }

signals:
    void MessageRequested(const QString &text);
    // The work is done: succeeded or not, and the sentence told.
    void Finished(bool succeeded, const QString &text);
    void Imported();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Outcome
    {
        bool succeeded = false;
        QString text;
    };
    // The job, area and batch of the tree's current row (empty where it names none).
    struct Choice
    {
        QString job;
        QString area;
        QString batch;
    };

    void RetranslateUi();
    Choice Chosen() const;
    void On_Export(Format format);
    void On_Import();
    // Runs the work on its own thread with a store of its own on the same file.
    void Run(const QString &label, const std::function<Outcome(RecordStore &)> &work,
             bool changesRecords);

    RecordStore *m_store;
    QTreeView *m_tree;
    QPushButton *m_xlsx;
    QPushButton *m_exchange;
    QPushButton *m_import;
    QThread *m_work = nullptr;
    QProgressDialog *m_progress = nullptr;
};
