#pragma once

#include "InspectionCriteria.h"
#include "InspectionReport.h"
#include "SessionFile.h"

#include <QHash>
#include <QVector>
#include <QWidget>

class FiguresPanel;
class GaugeSession;
class MemoryDownload;
class LineChartWidget;
class SessionRecordsModel;

namespace Ui {
class SessionsWidget;
}

// The sessions page: the session files of the save folder, newest first, with their figures;
// the readings and the line chart of the one chosen; saving it elsewhere and deleting it.
// A live run whose file could not be written is listed first, from memory, so that it can be
// saved all the same. The last memory download is listed at the top, all its groups together
// and each group on its own. Every run is judged against the inspection criteria as they are
// when the page is shown; the chosen one's figures and verdict are shown with its readings.
class SessionsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SessionsWidget(const GaugeSession *session, QWidget *parent = nullptr);
    ~SessionsWidget() override;

    // The memory download listed with the sessions, kept by the window.
    void SetDownload(MemoryDownload *download) { m_download = download; }
    // Lists the sessions again.
    void Refresh();

signals:
    // A message for the user, shown by the window.
    void MessageRequested(const QString &text);
    // A confirmation of what was done, shown by the window.
    void DoneReported(const QString &text);
    // The chosen run's report, to be asked for a file and written by the window.
    void ReportRequested(const InspectionReport &report);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_RefreshSessionsButton_clicked();
    void on_SaveSessionButton_clicked();
    void on_DeleteSessionButton_clicked();
    void on_SessionReportButton_clicked();

private:
    struct Row
    {
        QString path; // empty for the unsaved run
        QDateTime start;
        qint8 unitCode = -1;
        ReadingStatistics statistics;
        InspectionVerdict verdict;
        int group = NotDownloaded; // the memory download's group, or all of them
    };
    static constexpr int NotDownloaded = -1;

    void ArrangeDetail();
    Row MakeRow(const QString &path, const SessionFile &session) const;
    void AddDownloadRows();
    QString RunName(const Row &row) const;
    // A file's row as listed before, kept while the file keeps its size and time.
    struct Listed
    {
        qint64 size = -1;
        QDateTime modified;
        InspectionCriteria criteria; // the row's verdict is judged against
        Row row;
    };

    Row ListedRow(const QString &path);
    void FillHeader();
    void FillTable();
    void On_RowChosen();
    SessionFile Load(const Row &row) const;
    void Show(const SessionFile &session);
    // The chosen run; nothing, with a word to the user, when none is chosen.
    const Row *ChosenRow();
    void SaveDownload();
    bool ConfirmDelete(const QString &path);

    Ui::SessionsWidget *ui;
    const GaugeSession *m_session;
    MemoryDownload *m_download = nullptr;
    InspectionCriteria m_criteria;
    FiguresPanel *m_figures = nullptr;
    LineChartWidget *m_chart = nullptr;
    SessionRecordsModel *m_model = nullptr;
    QVector<Row> m_rows;
    QHash<QString, Listed> m_listed;
    QVector<LiveRecord> m_shown;
};
