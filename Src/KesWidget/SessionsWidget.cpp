#include "SessionsWidget.h"
#include "ui_SessionsWidget.h"

#include "DialogWindow.h"
#include "ExportFileWriter.h"
#include "FigureText.h"
#include "FiguresPanel.h"
#include "GaugeSession.h"
#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "KesConfig.h"
#include "KesStyle.h"
#include "LineChartWidget.h"
#include "MemoryCsvExport.h"
#include "MemoryDownload.h"
#include "SessionCsv.h"
#include "SessionRecordsModel.h"
#include "SessionSummary.h"

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
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
    DeviationColumn,
    RangeColumn,
    VariationColumn,
    VerdictColumn,
    ColumnCount
};

QString SaveFolder()
{
    return KesConfig::Instance()->SaveFolder();
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
    ui->SessionTable->setColumnCount(ColumnCount);
    ui->SessionTable->verticalHeader()->hide();
    QHeaderView *header = ui->SessionTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The run's name takes what the figures leave, so the list fills the page at any width.
    header->setSectionResizeMode(StartColumn, QHeaderView::Stretch);
    FillHeader();
    // The verdict is read first, beside the run's name.
    header->moveSection(VerdictColumn, StartColumn + 1);
    m_figures = new FiguresPanel(ui->SessionDetailWidget);
    m_chart = new LineChartWidget(ui->SessionChartWidget);
    m_chart->SetWholeRun(true);
    ui->SessionChartLayout->addWidget(m_chart);
    ArrangeDetail();
    connect(ui->SessionTable, &QTableWidget::itemSelectionChanged, this,
            &SessionsWidget::On_RowChosen);
}

SessionsWidget::~SessionsWidget()
{
    delete ui;
}

// The list across the whole page, every figure of every run in view; under it the chosen
// run's readings, figures and chart side by side.
void SessionsWidget::ArrangeDetail()
{
    ui->SessionsLayout->setDirection(QBoxLayout::TopToBottom);
    ui->SessionsLayout->setStretch(0, 2);
    ui->SessionsLayout->setStretch(1, 3);
    ui->SessionDetailLayout->removeWidget(ui->ReadingTable);
    ui->SessionDetailLayout->removeWidget(ui->SessionChartWidget);
    // The readings keep the width of their columns; the figures and the chart share the rest.
    ui->ReadingTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto *row = new QHBoxLayout;
    row->addWidget(ui->ReadingTable, 0);
    row->addWidget(m_figures, 3);
    row->addWidget(ui->SessionChartWidget, 4);
    ui->SessionDetailLayout->addLayout(row, 1);
}

void SessionsWidget::Refresh()
{
    m_rows.clear();
    m_criteria = InspectionSettings::Load();
    AddDownloadRows();
    if (m_session->RunUnsaved() && !m_session->Records().isEmpty()) {
        SessionFile unsaved;
        unsaved.records = m_session->Records();
        m_rows.append(MakeRow(QString(), unsaved));
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
    if (listed.size == file.size() && listed.modified == file.lastModified() &&
        listed.criteria == m_criteria)
        return listed.row;
    const SessionSummary session = SessionSummary::Read(path, m_criteria);
    listed = {file.size(),
              file.lastModified(),
              m_criteria,
              {path, session.start, session.unitCode, session.statistics, session.verdict}};
    return listed.row;
}

SessionsWidget::Row SessionsWidget::MakeRow(const QString &path, const SessionFile &session) const
{
    const SeriesInspection inspection = session.Inspect(m_criteria);
    return {path, session.StartTime(), session.UnitCode(), inspection.Statistics(),
            inspection.Verdict()};
}

// All groups together first, then each group that holds readings.
void SessionsWidget::AddDownloadRows()
{
    if (!m_download || m_download->IsEmpty())
        return;
    QList<int> groups = m_download->Groups();
    groups.prepend(MemoryDownload::AllGroups);
    for (int group : groups) {
        SessionFile download;
        download.records = m_download->Records(group);
        Row row = MakeRow(QString(), download);
        row.start = m_download->Time();
        row.unitCode = static_cast<qint8>(m_download->UnitCode(group));
        row.group = group;
        m_rows.append(row);
    }
}

QString SessionsWidget::RunName(const Row &row) const
{
    if (row.group == MemoryDownload::AllGroups) {
        const QString time = row.start.toString(QStringLiteral("HH:mm:ss"));
        QStringList names;
        for (const QString &path : m_download->SavedFiles())
            names << QFileInfo(path).fileName();
        // Kept in the records as batches; a file is made only when asked for.
        return names.isEmpty() ? tr("Memory download %1").arg(time)
                               : tr("Memory download %1 (saved as %2)")
                                     .arg(time, names.join(QStringLiteral(", ")));
    }
    // Indented under the download they belong to.
    if (row.group != NotDownloaded)
        return QStringLiteral("    ") + tr("Group %1").arg(row.group);
    const QString start = row.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return row.path.isEmpty() ? tr("%1 (not saved)").arg(start) : start;
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
                                                 tr("Unit"), tr("Mean"), tr("Min"), tr("Max"),
                                                 tr("SD"), tr("Range"), tr("CoV"), tr("Verdict")});
}

void SessionsWidget::FillTable()
{
    QTableWidget *table = ui->SessionTable;
    const QSignalBlocker blocker(table);
    table->setRowCount(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row &session = m_rows.at(row);
        const FigureText::Figures figures =
            FigureText::Of(session.statistics, session.unitCode, FigureText::UnitShown::No);
        const QStringList cells{RunName(session),
                                QString::number(session.statistics.Count()),
                                QString::number(session.statistics.Overflows()),
                                FigureText::Unit(session.unitCode),
                                figures.mean,
                                figures.minimum,
                                figures.maximum,
                                figures.deviation,
                                figures.range,
                                figures.variation,
                                session.verdict.Name()};
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        QTableWidgetItem *verdict = table->item(row, VerdictColumn);
        verdict->setForeground(FiguresPanel::OutcomeColor(session.verdict.outcome));
        const QString verdictText = FiguresPanel::VerdictText(session.verdict, m_criteria.rule);
        verdict->setToolTip((QStringList{verdictText} + session.verdict.reasons).join('\n'));
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
    unsaved.records =
        row.group == NotDownloaded ? m_session->Records() : m_download->Records(row.group);
    return unsaved;
}

void SessionsWidget::Show(const SessionFile &session)
{
    m_shown = session.records;
    std::optional<SeriesInspection> inspection;
    if (!session.records.isEmpty())
        inspection = session.Inspect(m_criteria);
    m_model->SetRecords(session.records, inspection);
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
    if (!inspection) {
        m_figures->Clear();
        return;
    }
    m_chart->SetLimits(inspection->Criteria());
    m_figures->Show(*inspection);
}

const SessionsWidget::Row *SessionsWidget::ChosenRow()
{
    const QModelIndexList chosen = ui->SessionTable->selectionModel()->selectedRows();
    if (chosen.isEmpty()) {
        emit MessageRequested(tr("Please choose a session first."));
        return nullptr;
    }
    return &m_rows.at(chosen.first().row());
}

void SessionsWidget::on_RefreshSessionsButton_clicked()
{
    Refresh();
}

void SessionsWidget::on_SaveSessionButton_clicked()
{
    const Row *chosen = ChosenRow();
    if (!chosen)
        return;
    const Row &row = *chosen;
    if (row.group != NotDownloaded) {
        SaveDownload();
        return;
    }
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
    else
        emit DoneReported(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
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

// A download is saved whole, as the device page's CSV: the session form needs arrival times
// the gauge's memory does not keep.
void SessionsWidget::SaveDownload()
{
    const QString name = QStringLiteral("Download_%1.csv")
                             .arg(m_download->Time().toString(QStringLiteral("yyyyMMdd_HHmmss")));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the download as CSV"),
                                                      QDir(SaveFolder()).filePath(name),
                                                      QStringLiteral("csv(*.csv)"));
    if (path.isEmpty())
        return;
    if (!ExportFileWriter::WriteBytes(path, MemoryCsvExport::Csv(m_download->Frames()),
                                      ExportFileWriter::KeepLineEnds)) {
        emit MessageRequested(tr("The file could not be saved! Please choose another place."));
        return;
    }
    m_download->AddSavedFile(path);
    emit DoneReported(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).group == MemoryDownload::AllGroups)
            ui->SessionTable->item(row, StartColumn)->setText(RunName(m_rows.at(row)));
    }
}

void SessionsWidget::on_SessionReportButton_clicked()
{
    const Row *chosen = ChosenRow();
    if (!chosen)
        return;
    const Row &row = *chosen;
    if (row.group != NotDownloaded) {
        emit ReportRequested(InspectionReport::FromMemory(*m_download, m_criteria));
        return;
    }
    InspectionReport report = InspectionReport::FromRecords(m_shown);
    report.title = tr("Session %1").arg(row.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    report.source = QDir::toNativeSeparators(row.path);
    report.criteria = m_criteria;
    emit ReportRequested(report);
}

bool SessionsWidget::ConfirmDelete(const QString &path)
{
    DialogWindow dialog;
    dialog.SetCoverWidget(window());
    dialog.setModal(true);
    dialog.SetState(DialogWindow::SaveFile);
    dialog.SetSaveFileMessage(tr("Delete the session %1?").arg(QFileInfo(path).fileName()));
    dialog.SetQuestion(tr("Delete session"), tr("Delete"), tr("Cancel"));
    connect(&dialog, &DialogWindow::SaveFileYes, &dialog, &QDialog::accept);
    connect(&dialog, &DialogWindow::SaveFileNo, &dialog, &QDialog::reject);
    connect(&dialog, &DialogWindow::Closeed, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}
