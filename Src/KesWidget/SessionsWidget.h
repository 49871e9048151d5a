#pragma once

#include "SessionFile.h"

#include <QHash>
#include <QVector>
#include <QWidget>

class GaugeSession;
class LineChartWidget;
class SessionRecordsModel;

namespace Ui {
class SessionsWidget;
}

// The sessions page: the session files of the save folder, newest first, with their figures;
// the readings and the line chart of the one chosen; saving it elsewhere and deleting it.
// A live run whose file could not be written is listed first, from memory, so that it can be
// saved all the same.
class SessionsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SessionsWidget(const GaugeSession *session, QWidget *parent = nullptr);
    ~SessionsWidget() override;

    // Lists the sessions again.
    void Refresh();

signals:
    // A message for the user, shown by the window.
    void MessageRequested(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_RefreshSessionsButton_clicked();
    void on_SaveSessionButton_clicked();
    void on_DeleteSessionButton_clicked();

private:
    struct Row
    {
        QString path; // empty for the unsaved run
        QDateTime start;
        qint64 readings = 0;
        qint8 unitCode = -1;
        ReadingStatistics statistics;
    };

    // A file's row as listed before, kept while the file keeps its size and time.
    struct Listed
    {
        qint64 size = -1;
        QDateTime modified;
        Row row;
    };

    Row ListedRow(const QString &path);
    void FillHeader();
    void FillTable();
    void On_RowChosen();
    SessionFile Load(const Row &row) const;
    void Show(const SessionFile &session);
    bool ConfirmDelete(const QString &path);

    Ui::SessionsWidget *ui;
    const GaugeSession *m_session;
    LineChartWidget *m_chart = nullptr;
    SessionRecordsModel *m_model = nullptr;
    QVector<Row> m_rows;
    QHash<QString, Listed> m_listed;
    QVector<LiveRecord> m_shown;
};
