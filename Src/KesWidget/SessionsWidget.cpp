#include "SessionsWidget.h"
#include "ui_SessionsWidget.h"

#include "DialogWindow.h"
#include "GaugeSession.h"
#include "GaugeUnit.h"
#include "KesConfig.h"
#include "KesStyle.h"
#include "LineChartWidget.h"
#include "SessionCsv.h"
#include "SessionRecordsModel.h"
#include "SessionSummary.h"

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSaveFile>

namespace {

enum Column
{
    StartColumn,
    ReadingsColumn,
    OverflowsColumn,
    UnitColumn,
    MeanColumn,
    MinimumColumn,
    MaximumColumn,
    ColumnCount
};

QString SaveFolder()
{
    return KesConfig::Instance()->SaveFolder();
}

// A figure in the unit's own decimals, with `extra` more (the mean gets one).
QString Figure(qint8 unitCode, double value, int extra = 0)
{
    const int decimals = GaugeUnit::Decimals(unitCode, static_cast<float>(value)) + extra;
    return QString::number(value, 'f', decimals);
}

bool WriteRecords(const QString &path, const QVector<LiveRecord> &records, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool written = file.write(SessionCsv::Header()) >= 0;
    for (int i = 0; written && i < records.size(); ++i)
        written = file.write(SessionCsv::Line(records.at(i))) >= 0;
    if (!written || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

SessionsWidget::SessionsWidget(const GaugeSession *session, QWidget *parent)
    : QWidget(parent), ui(new Ui::SessionsWidget), m_session(session)
{
    ui->setupUi(this);
    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("SessionsWidget")));
    m_model = new SessionRecordsModel(this);
    ui->ReadingTable->setModel(m_model);
    ui->ReadingTable->verticalHeader()->hide();
    ui->ReadingTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->ReadingTable->horizontalHeader()->setStretchLastSection(true);
    // The list of runs as wide as the readings: its figures are read side by side.
    ui->SessionsLayout->setStretch(0, 1);
    ui->SessionsLayout->setStretch(1, 1);
    ui->SessionTable->setColumnCount(ColumnCount);
    ui->SessionTable->verticalHeader()->hide();
    ui->SessionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FillHeader();
    m_chart = new LineChartWidget(ui->SessionChartWidget);
    ui->SessionChartLayout->addWidget(m_chart);
    connect(ui->SessionTable, &QTableWidget::itemSelectionChanged, this,
            &SessionsWidget::On_RowChosen);
}

SessionsWidget::~SessionsWidget()
{
    delete ui;
}

void SessionsWidget::Refresh()
{
    m_rows.clear();
    if (m_session->RunUnsaved() && !m_session->Records().isEmpty()) {
        SessionFile unsaved;
        unsaved.records = m_session->Records();
        m_rows.append({QString(), unsaved.StartTime(), unsaved.records.size(), unsaved.UnitCode(),
                       unsaved.Statistics()});
    }
    const QStringList paths = SessionFile::List(SaveFolder());
    QHash<QString, Listed> listed;
    for (const QString &path : paths) {
        m_rows.append(ListedRow(path));
        listed.insert(path, m_listed.value(path));
    }
    // Files gone from the folder are forgotten.
    m_listed.swap(listed);
    FillTable();
}

SessionsWidget::Row SessionsWidget::ListedRow(const QString &path)
{
    const QFileInfo file(path);
    Listed &listed = m_listed[path];
    if (listed.size == file.size() && listed.modified == file.lastModified())
        return listed.row;
    const SessionSummary session = SessionSummary::Read(path);
    listed = {file.size(),
              file.lastModified(),
              {path, session.start, session.readings, session.unitCode, session.statistics}};
    return listed.row;
}

void SessionsWidget::showEvent(QShowEvent *event)
{
    Refresh();
    QWidget::showEvent(event);
}

void SessionsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        FillHeader();
        FillTable();
    }
    QWidget::changeEvent(event);
}

void SessionsWidget::FillHeader()
{
    ui->SessionTable->setHorizontalHeaderLabels({tr("Start"), tr("Readings"), tr("Overflows"),
                                                 tr("Unit"), tr("Mean"), tr("Min"), tr("Max")});
}

void SessionsWidget::FillTable()
{
    QTableWidget *table = ui->SessionTable;
    const QSignalBlocker blocker(table);
    table->setRowCount(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row &session = m_rows.at(row);
        const ReadingStatistics &figures = session.statistics;
        const bool hasFigures = figures.Count() > 0;
        const QString start = session.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QStringList cells{
            session.path.isEmpty() ? tr("%1 (not saved)").arg(start) : start,
            QString::number(session.readings),
            QString::number(figures.Overflows()),
            GaugeUnit::Text(session.unitCode),
            hasFigures ? Figure(session.unitCode, figures.Mean(), 1) : QString(),
            hasFigures ? Figure(session.unitCode, figures.Minimum()) : QString(),
            hasFigures ? Figure(session.unitCode, figures.Maximum()) : QString()};
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    table->clearSelection();
    Show(SessionFile());
}

void SessionsWidget::On_RowChosen()
{
    const QModelIndexList chosen = ui->SessionTable->selectionModel()->selectedRows();
    if (chosen.isEmpty()) {
        Show(SessionFile());
        return;
    }
    Show(Load(m_rows.at(chosen.first().row())));
}

SessionFile SessionsWidget::Load(const Row &row) const
{
    if (!row.path.isEmpty())
        return SessionFile::Read(row.path);
    SessionFile unsaved;
    unsaved.records = m_session->Records();
    return unsaved;
}

void SessionsWidget::Show(const SessionFile &session)
{
    m_shown = session.records;
    m_model->SetRecords(session.records);
    if (!session.error.isEmpty())
        ui->SessionNoteLabel->setText(tr("The file could not be read: %1").arg(session.error));
    else if (session.skippedLines > 0)
        ui->SessionNoteLabel->setText(
            tr("%n line(s) could not be read and were skipped.", nullptr, session.skippedLines));
    else
        ui->SessionNoteLabel->clear();
    const qint8 unit = session.UnitCode();
    QVector<float> values;
    for (const LiveRecord &record : session.records) {
        if (record.HasValue() && record.unitCode == unit)
            values.append(static_cast<float>(record.Value()));
    }
    m_chart->SetUnit(GaugeUnit::Text(unit));
    m_chart->SetShowState(!values.isEmpty());
    m_chart->SetData(values);
}

void SessionsWidget::on_RefreshSessionsButton_clicked()
{
    Refresh();
}

void SessionsWidget::on_SaveSessionButton_clicked()
{
    const QModelIndexList chosen = ui->SessionTable->selectionModel()->selectedRows();
    if (chosen.isEmpty()) {
        emit MessageRequested(tr("Please choose a session first."));
        return;
    }
    const Row &row = m_rows.at(chosen.first().row());
    const QString name = row.path.isEmpty()
                             ? QStringLiteral("Session_%1.csv")
                                   .arg(row.start.toString(QStringLiteral("yyyyMMdd_HHmmss")))
                             : QFileInfo(row.path).fileName();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save session"), QDir(SaveFolder()).filePath(name), QStringLiteral("csv(*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteRecords(path, m_shown, &error))
        emit MessageRequested(tr("The file could not be saved! Please choose another place."));
}

void SessionsWidget::on_DeleteSessionButton_clicked()
{
    const QModelIndexList chosen = ui->SessionTable->selectionModel()->selectedRows();
    if (chosen.isEmpty() || m_rows.at(chosen.first().row()).path.isEmpty()) {
        emit MessageRequested(tr("Please choose a session file first."));
        return;
    }
    const QString path = m_rows.at(chosen.first().row()).path;
    if (!ConfirmDelete(path))
        return;
    if (!QFile::remove(path))
        emit MessageRequested(tr("The session could not be deleted."));
    Refresh();
}

bool SessionsWidget::ConfirmDelete(const QString &path)
{
    DialogWindow dialog;
    dialog.SetCoverWidget(window());
    dialog.setModal(true);
    dialog.SetState(DialogWindow::SaveFile);
    dialog.SetSaveFileMessage(tr("Delete the session %1?").arg(QFileInfo(path).fileName()));
    connect(&dialog, &DialogWindow::SaveFileYes, &dialog, &QDialog::accept);
    connect(&dialog, &DialogWindow::SaveFileNo, &dialog, &QDialog::reject);
    connect(&dialog, &DialogWindow::Closeed, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}
