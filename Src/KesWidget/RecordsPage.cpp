#include "RecordsPage.h"

#include "BatchReadingsModel.h"
#include "CriteriaJson.h"
#include "CriteriaWords.h"
#include "DeletedBatchesDialog.h"
#include "FiguresPanel.h"
#include "FormDialog.h"
#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "LineChartWidget.h"
#include "RecordEditor.h"
#include "RecordReportButton.h"
#include "RecordStore.h"
#include "RecordsReader.h"
#include "RecordsTreeModel.h"
#include "VerificationDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
using Kind = RecordsTreeModel::Kind;

QString Row(const QString &label, const QString &value, const QColor &colour = QColor())
{
    const QString shown = value.toHtmlEscaped();
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
        .arg(label.toHtmlEscaped(),
             colour.isValid()
                 ? QStringLiteral("<b style=\"color:%1\">%2</b>").arg(colour.name(), shown)
                 : shown);
}

QString Numbers(const QVector<double> &values)
{
    QStringList texts;
    for (double value : values)
        texts << QString::number(value, 'f', 1);
    return texts.join(QStringLiteral(", "));
}

// What an edit changed, as the user names it; a reading's edit keeps its number.
QString EditName(const QString &what)
{
    static const QHash<QString, const char *> names = {
        {QStringLiteral("created"), QT_TRANSLATE_NOOP("RecordsPage", "made")},
        {QStringLiteral("name"), QT_TRANSLATE_NOOP("RecordsPage", "name")},
        {QStringLiteral("client"), QT_TRANSLATE_NOOP("RecordsPage", "client")},
        {QStringLiteral("structure"), QT_TRANSLATE_NOOP("RecordsPage", "structure")},
        {QStringLiteral("location"), QT_TRANSLATE_NOOP("RecordsPage", "location")},
        {QStringLiteral("coating_standard"), QT_TRANSLATE_NOOP("RecordsPage", "coating standard")},
        {QStringLiteral("notes"), QT_TRANSLATE_NOOP("RecordsPage", "notes")},
        {QStringLiteral("surface_m2"), QT_TRANSLATE_NOOP("RecordsPage", "surface")},
        {QStringLiteral("coat"), QT_TRANSLATE_NOOP("RecordsPage", "coat")},
        {QStringLiteral("product"), QT_TRANSLATE_NOOP("RecordsPage", "product")},
        {QStringLiteral("criteria"), QT_TRANSLATE_NOOP("RecordsPage", "criteria")},
        {QStringLiteral("area"), QT_TRANSLATE_NOOP("RecordsPage", "area")},
        {QStringLiteral("deleted"), QT_TRANSLATE_NOOP("RecordsPage", "deleted")},
        {QStringLiteral("gauge_id"), QT_TRANSLATE_NOOP("RecordsPage", "gauge")},
        {QStringLiteral("conditions"), QT_TRANSLATE_NOOP("RecordsPage", "conditions")},
        {QStringLiteral("excluded"), QT_TRANSLATE_NOOP("RecordsPage", "excluded")},
        {QStringLiteral("included"), QT_TRANSLATE_NOOP("RecordsPage", "included")},
        {QStringLiteral("note"), QT_TRANSLATE_NOOP("RecordsPage", "note")}};
    const QString key = what.section(QLatin1Char(' '), 0, 0);
    const auto name = names.constFind(key);
    if (name == names.cend())
        return what;
    return QString(what).replace(0, key.size(), RecordsPage::tr(name.value()));
}

QString HistoryHtml(const QVector<HistoryEntry> &history)
{
    QString html = QStringLiteral("<h4>%1</h4><ul>").arg(RecordsPage::tr("History"));
    for (const HistoryEntry &entry : history)
        html += QStringLiteral("<li>%1</li>")
                    .arg(RecordsPage::tr("%1, %2: %3 from \"%4\" to \"%5\"")
                             .arg(QLocale().toString(entry.time, QLocale::ShortFormat), entry.who,
                                  EditName(entry.what), entry.oldValue, entry.newValue)
                             .toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

// A date box whose earliest date stands for no bound.
QDateEdit *DateBound(const QString &name, QWidget *parent)
{
    auto *box = new QDateEdit(parent);
    box->setObjectName(name);
    box->setCalendarPopup(true);
    box->setMinimumDate(QDate(2000, 1, 1));
    box->setDate(box->minimumDate());
    return box;
}

QDateTime DayStart(const QDateEdit *box, int days)
{
    return box->date() > box->minimumDate() ? QDateTime(box->date().addDays(days), QTime(0, 0))
                                            : QDateTime();
}
} // namespace

RecordsPage::RecordsPage(RecordStore *store, QWidget *parent)
    : QWidget(parent), m_store(store), m_tree(new RecordsTreeModel(store, this)),
      m_readings(new BatchReadingsModel(store, this)),
      m_reader(new RecordsReader(store->Path(), this))
{
    setObjectName(QStringLiteral("RecordsPage"));
    BuildLayout();
    RetranslateUi();
    connect(m_search, &QLineEdit::textChanged, this, &RecordsPage::ApplyFilter);
    for (QComboBox *box : {m_verdict, m_inspector, m_gauge})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &RecordsPage::ApplyFilter);
    for (QDateEdit *box : {m_since, m_until})
        connect(box, &QDateEdit::dateChanged, this, &RecordsPage::ApplyFilter);
    connect(m_reader, &RecordsReader::AreaInspected, this, &RecordsPage::On_AreaInspected);
    connect(m_reader, &RecordsReader::SeriesRead, this, &RecordsPage::On_SeriesRead);
    connect(m_tree, &RecordsTreeModel::TicksChanged, this, [this](const QString &area) {
        if (area == m_shownArea && !area.isEmpty())
            ShowArea(area);
    });
    connect(m_treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { Show(current); });
    connect(m_newJob, &QPushButton::clicked, this, &RecordsPage::On_NewJob);
    connect(m_newArea, &QPushButton::clicked, this, &RecordsPage::On_NewArea);
    connect(m_move, &QPushButton::clicked, this, &RecordsPage::On_MoveBatch);
    connect(m_exclude, &QPushButton::clicked, this, &RecordsPage::On_ExcludeReading);
    connect(m_note, &QPushButton::clicked, this, &RecordsPage::On_AddNote);
    connect(m_delete, &QPushButton::clicked, this, &RecordsPage::On_DeleteBatch);
    connect(m_judge, &QPushButton::clicked, this, &RecordsPage::On_JudgeAgain);
    connect(m_conditions, &QPushButton::clicked, this, &RecordsPage::On_Conditions);
    connect(m_edit, &QPushButton::clicked, this, &RecordsPage::On_Edit);
    connect(m_deleted, &QPushButton::clicked, this, &RecordsPage::On_Deleted);
    connect(m_verify, &QPushButton::clicked, this, &RecordsPage::On_Verify);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    auto *edit = new QShortcut(QKeySequence(Qt::Key_F2), m_treeView);
    connect(edit, &QShortcut::activated, this, &RecordsPage::On_Edit);
    auto *remove = new QShortcut(QKeySequence::Delete, m_treeView);
    connect(remove, &QShortcut::activated, this, &RecordsPage::On_DeleteBatch);
}

void RecordsPage::BuildLayout()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("RecordsSearch"));
    m_search->setClearButtonEnabled(true);
    m_verdict = new QComboBox(this);
    m_verdict->setObjectName(QStringLiteral("RecordsVerdict"));
    m_verdict->addItems({QString(), QString(), QString(), QString(), QString()});
    m_since = DateBound(QStringLiteral("RecordsSince"), this);
    m_until = DateBound(QStringLiteral("RecordsUntil"), this);
    m_inspector = new QComboBox(this);
    m_inspector->setObjectName(QStringLiteral("RecordsInspector"));
    m_gauge = new QComboBox(this);
    m_gauge->setObjectName(QStringLiteral("RecordsGauge"));
    auto *search = new QHBoxLayout;
    search->addWidget(m_search, 1);
    for (QWidget *filter : {static_cast<QWidget *>(m_verdict), static_cast<QWidget *>(m_since),
                            static_cast<QWidget *>(m_until), static_cast<QWidget *>(m_inspector),
                            static_cast<QWidget *>(m_gauge)})
        search->addWidget(filter);
    // The edits of the tree above it; those of the batch shown above its readings.
    auto *bar = new QHBoxLayout;
    auto *batchBar = new QHBoxLayout;
    for (QPushButton **button : {&m_newJob, &m_newArea, &m_edit, &m_move, &m_delete, &m_deleted,
                                 &m_exclude, &m_note, &m_conditions, &m_judge, &m_verify}) {
        *button = new QPushButton(this);
        (button == &m_exclude || batchBar->count() > 0 ? batchBar : bar)->addWidget(*button);
    }
    bar->addStretch(1);
    batchBar->addStretch(1);
    m_treeView = new QTreeView(this);
    m_treeView->setObjectName(QStringLiteral("RecordsTree"));
    m_treeView->setModel(m_tree);
    m_treeView->setSortingEnabled(true);
    m_treeView->sortByColumn(RecordsTreeModel::NameColumn, Qt::AscendingOrder);
    m_treeView->setUniformRowHeights(true);
    m_treeView->header()->resizeSection(RecordsTreeModel::NameColumn, 230);
    m_treeView->header()->resizeSection(RecordsTreeModel::CountColumn, 70);
    m_details = new QTextBrowser(this);
    m_details->setObjectName(QStringLiteral("RecordsDetails"));
    m_readingsView = new QTableView(this);
    m_readingsView->setObjectName(QStringLiteral("RecordsReadings"));
    m_readingsView->setModel(m_readings);
    m_readingsView->verticalHeader()->hide();
    m_readingsView->horizontalHeader()->setStretchLastSection(true);
    m_readingsView->horizontalHeader()->resizeSection(BatchReadingsModel::TimeColumn, 210);
    m_readingsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_chart = new LineChartWidget(this);
    m_chart->setObjectName(QStringLiteral("RecordsChart"));
    m_chart->SetWholeRun(true);
    auto *readings = new QWidget(this);
    auto *readingsLayout = new QVBoxLayout(readings);
    readingsLayout->setContentsMargins(0, 0, 0, 0);
    readingsLayout->addLayout(batchBar);
    readingsLayout->addWidget(m_readingsView);
    auto *right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_details);
    right->addWidget(m_chart);
    right->addWidget(readings);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_treeView);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({420, 780});
    auto *report = new RecordReportButton(m_store, m_treeView, this);
    connect(report, &RecordReportButton::MessageRequested, this, &RecordsPage::MessageRequested);
    bar->addWidget(report);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
}

void RecordsPage::RetranslateUi()
{
    m_search->setPlaceholderText(tr("Search jobs, areas and notes (Ctrl+F)"));
    const QStringList verdicts{tr("Every verdict"), tr("Pass"), tr("Fail"), tr("Incomplete"),
                               tr("No rule")};
    for (int i = 0; i < verdicts.size(); ++i)
        m_verdict->setItemText(i, verdicts.at(i));
    m_newJob->setText(tr("New job"));
    m_newArea->setText(tr("New area"));
    m_move->setText(tr("Move batch"));
    m_exclude->setText(tr("Exclude reading"));
    m_note->setText(tr("Add note"));
    m_delete->setText(tr("Delete batch"));
    m_judge->setText(tr("Judge again"));
    m_judge->setToolTip(tr("Judge the batch again by the Settings page's criteria, beside its "
                           "own verdict."));
    m_conditions->setText(tr("Conditions"));
    m_edit->setText(tr("Edit"));
    m_edit->setToolTip(tr("Edit the job's or the area's fields (F2)."));
    m_deleted->setText(tr("Deleted batches"));
    m_verify->setText(tr("Verify gauge"));
    m_verify->setToolTip(tr("Readings on a reference standard of known thickness."));
    for (QDateEdit *box : {m_since, m_until})
        box->setSpecialValueText(tr("any day"));
    m_since->setToolTip(tr("Batches begun on or after this day"));
    m_until->setToolTip(tr("Batches begun on or before this day"));
    FillChoices();
}

void RecordsPage::FillChoices()
{
    const QString inspector = m_inspector->currentData().toString();
    const QString gauge = m_gauge->currentData().toString();
    const QSignalBlocker inspectorBlock(m_inspector);
    const QSignalBlocker gaugeBlock(m_gauge);
    m_inspector->clear();
    m_inspector->addItem(tr("Every inspector"), QString());
    m_gauge->clear();
    m_gauge->addItem(tr("Every gauge"), QString());
    if (m_read) {
        for (const QString &name : m_store->Inspectors())
            m_inspector->addItem(name, name);
        for (const RecordGauge &each : m_store->Gauges())
            m_gauge->addItem(each.model + QLatin1Char(' ') + each.serial, each.uuid);
    }
    m_inspector->setCurrentIndex(qMax(0, m_inspector->findData(inspector)));
    m_gauge->setCurrentIndex(qMax(0, m_gauge->findData(gauge)));
}

void RecordsPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void RecordsPage::showEvent(QShowEvent *event)
{
    if (!m_read)
        Refresh();
    QWidget::showEvent(event);
}

void RecordsPage::Refresh()
{
    // A page not shown reads the records when it is.
    m_read = isVisible();
    if (!m_read)
        return;
    FillChoices();
    ApplyFilter();
    m_readings->SetBatch(QString(), 0);
    m_details->clear();
    m_chart->SetShowState(false);
    m_shownArea.clear();
    m_shownBatch.clear();
}

void RecordsPage::ApplyFilter()
{
    static const InspectionVerdict::Outcome outcomes[] = {
        InspectionVerdict::Outcome::Pass, InspectionVerdict::Outcome::Fail,
        InspectionVerdict::Outcome::Incomplete, InspectionVerdict::Outcome::None};
    BatchFilter filter = m_tree->Filter();
    filter.text = m_search->text();
    filter.verdict.reset();
    if (m_verdict->currentIndex() > 0)
        filter.verdict = outcomes[m_verdict->currentIndex() - 1];
    filter.since = DayStart(m_since, 0);
    filter.until = DayStart(m_until, 1);
    filter.inspector = m_inspector->currentData().toString();
    filter.gaugeUuid = m_gauge->currentData().toString();
    m_tree->SetFilter(filter);
    m_treeView->expandToDepth(0);
}

QString RecordsPage::Chosen(int kind) const
{
    const QModelIndex current = m_treeView->currentIndex();
    if (!current.isValid() || current.data(RecordsTreeModel::KindRole).toInt() != kind)
        return QString();
    return current.data(RecordsTreeModel::UuidRole).toString();
}

void RecordsPage::Show(const QModelIndex &index)
{
    const Kind kind = Kind(index.data(RecordsTreeModel::KindRole).toInt());
    const QString uuid = index.data(RecordsTreeModel::UuidRole).toString();
    m_readings->SetBatch(QString(), 0);
    m_chart->SetShowState(false);
    m_shownArea.clear();
    m_shownBatch.clear();
    if (!index.isValid())
        m_details->clear();
    else if (kind == Kind::Area)
        ShowArea(uuid);
    else if (kind == Kind::Batch)
        ShowBatch(uuid);
    else if (kind == Kind::Job)
        ShowJob(uuid);
    else
        m_details->setHtml(QStringLiteral("<h3>%1</h3>")
                               .arg(index.data(Qt::DisplayRole).toString().toHtmlEscaped()));
}

void RecordsPage::ShowJob(const QString &jobUuid)
{
    const std::optional<RecordJob> job = m_store->Job(jobUuid);
    if (!job)
        return;
    QString html = QStringLiteral("<h3>%1</h3><table>").arg(job->name.toHtmlEscaped());
    html += Row(tr("Client"), job->client) + Row(tr("Structure"), job->structure) +
            Row(tr("Location"), job->location) + Row(tr("Coating standard"), job->coatingStandard) +
            Row(tr("Notes"), job->notes) + QStringLiteral("</table>");
    m_details->setHtml(html + HistoryHtml(m_store->History(jobUuid)));
}

void RecordsPage::ShowArea(const QString &areaUuid)
{
    // Ticking keeps the figures shown until the new ones are read.
    if (areaUuid != m_shownArea)
        m_details->setHtml(tr("Reading the area's figures..."));
    m_shownArea = areaUuid;
    m_reader->InspectArea(areaUuid, m_tree->Ticked(areaUuid));
}

void RecordsPage::On_AreaInspected(const QString &areaUuid, const SeriesInspection &inspection)
{
    const std::optional<RecordArea> area = m_store->Area(areaUuid);
    if (areaUuid != m_shownArea || !area)
        return;
    const InspectionVerdict verdict = inspection.Verdict();
    const ReadingStatistics &figures = inspection.Statistics();
    const QString unit = GaugeUnit::Text(inspection.UnitCode());
    const int ticked = m_tree->Ticked(areaUuid).size();
    QString html = QStringLiteral("<h3>%1</h3><table>").arg(area->name.toHtmlEscaped());
    html += Row(tr("Surface"), area->surfaceSquareMetres
                                   ? QStringLiteral("%1 m²").arg(*area->surfaceSquareMetres)
                                   : QString()) +
            Row(tr("Coat"), area->coat ? QString::number(*area->coat) : QString()) +
            Row(tr("Product"), area->product) +
            Row(tr("Criteria"), CriteriaWords::Of(area->criteria)) +
            Row(tr("Batches"), ticked > 0 ? tr("%n ticked", nullptr, ticked) : tr("all")) +
            Row(tr("Readings"), QString::number(figures.Count())) +
            Row(tr("Mean"), QStringLiteral("%1 %2").arg(figures.Mean(), 0, 'f', 1).arg(unit)) +
            Row(tr("Verdict"), InspectionVerdict::OutcomeName(verdict.outcome),
                FiguresPanel::OutcomeColor(verdict.outcome));
    if (area->criteria.rule == InspectionCriteria::Rule::SspcPa2)
        html += Row(tr("Spot means"), Numbers(verdict.spots)) +
                Row(tr("Area means"), Numbers(verdict.areas));
    html += QStringLiteral("</table>");
    for (const QString &reason : verdict.reasons)
        html += QStringLiteral("<p>%1</p>").arg(reason.toHtmlEscaped());
    m_details->setHtml(html + HistoryHtml(m_store->History(areaUuid)));
}

void RecordsPage::ShowBatch(const QString &batchUuid)
{
    const std::optional<RecordBatch> batch = m_store->Batch(batchUuid);
    if (!batch)
        return;
    // The verdict the store keeps, by the batch's own criteria: a large batch is not read
    // through to show it.
    const InspectionVerdict::Outcome verdict = batch->verdict;
    QString html = QStringLiteral("<h3>%1</h3><table>")
                       .arg(QLocale().toString(batch->started, QLocale::LongFormat));
    html += Row(tr("Ended"), QLocale().toString(batch->ended, QLocale::LongFormat)) +
            Row(tr("Port"), batch->port) + Row(tr("Inspector"), batch->inspector) +
            Row(tr("Notes"), batch->notes) +
            Row(tr("Criteria"), CriteriaWords::Of(batch->criteria)) +
            Row(tr("Readings"), QString::number(batch->count)) +
            Row(tr("Overflows"), QString::number(batch->overflows)) +
            Row(tr("Verdict"), InspectionVerdict::OutcomeName(verdict),
                FiguresPanel::OutcomeColor(verdict));
    if (const std::optional<RecordGauge> gauge = m_store->Gauge(batch->gaugeUuid)) {
        const bool overdue = gauge->IsOverdue(batch->started.date());
        html += Row(tr("Gauge"),
                    QStringLiteral("%1 %2, probe %3, certificate %4 due %5")
                        .arg(gauge->model, gauge->serial, gauge->probeSerial, gauge->certificate,
                             QLocale().toString(gauge->calibrationDue)),
                    overdue ? FiguresPanel::OutcomeColor(InspectionVerdict::Outcome::Incomplete)
                            : QColor());
    }
    const auto verifications = m_store->VerificationsAround(batchUuid);
    for (const auto &[label, verification] :
         {std::make_pair(tr("Verified before"), verifications.first),
          std::make_pair(tr("Verified after"), verifications.second)}) {
        if (verification)
            html += Row(label,
                        tr("%1: mean %2 on %3 (±%4 %)")
                            .arg(QLocale().toString(verification->time, QLocale::ShortFormat))
                            .arg(verification->Mean())
                            .arg(verification->nominal)
                            .arg(verification->tolerancePercent),
                        FiguresPanel::OutcomeColor(verification->Passed()
                                                       ? InspectionVerdict::Outcome::Pass
                                                       : InspectionVerdict::Outcome::Fail));
    }
    if (const std::optional<RecordConditions> conditions = m_store->Conditions(batchUuid))
        html += Row(tr("Conditions"),
                    tr("air %1 °C, %2 % RH, surface %3 °C, dew point %4 °C, margin %5 °C")
                        .arg(conditions->airCelsius)
                        .arg(conditions->humidityPercent)
                        .arg(conditions->surfaceCelsius)
                        .arg(conditions->DewPointCelsius(), 0, 'f', 1)
                        .arg(conditions->MarginCelsius(), 0, 'f', 1),
                    conditions->IsMarginLow()
                        ? FiguresPanel::OutcomeColor(InspectionVerdict::Outcome::Incomplete)
                        : QColor());
    for (const RecordEvaluation &evaluation : m_store->Evaluations(batchUuid))
        html += Row(tr("Judged again"),
                    QStringLiteral("%1, %2: %3 (%4)")
                        .arg(QLocale().toString(evaluation.time, QLocale::ShortFormat),
                             evaluation.inspector, CriteriaWords::Of(evaluation.criteria),
                             InspectionVerdict::OutcomeName(evaluation.verdict)));
    html += QStringLiteral("</table>");
    m_details->setHtml(html + HistoryHtml(m_store->History(batchUuid)));
    m_readings->SetBatch(batchUuid, m_store->LastIndex(batchUuid));
    m_shownBatch = batchUuid;
    m_chartUnit = batch->unitCode;
    m_chartCriteria = batch->criteria;
    if (batch->unitCode >= 0)
        m_reader->ReadSeries(batchUuid, batch->unitCode);
}

void RecordsPage::On_SeriesRead(const QString &batchUuid, const QVector<float> &values)
{
    if (batchUuid != m_shownBatch)
        return;
    m_chart->SetUnit(GaugeUnit::Text(m_chartUnit));
    m_chart->SetLimits(m_chartCriteria.InUnit(m_chartUnit));
    m_chart->SetData(values);
    m_chart->SetShowState(!values.isEmpty());
}

void RecordsPage::Done(bool succeeded)
{
    if (succeeded)
        emit Changed();
    else
        emit MessageRequested(m_store->Problem());
}

void RecordsPage::On_NewJob()
{
    const QString name = QInputDialog::getText(this, tr("New job"), tr("Name of the job:"));
    if (name.trimmed().isEmpty())
        return;
    RecordJob job;
    job.name = name.trimmed();
    Done(!m_store->AddJob(job).isEmpty());
    m_tree->Reload();
}

void RecordsPage::On_NewArea()
{
    QModelIndex job = m_treeView->currentIndex();
    while (job.parent().isValid())
        job = job.parent();
    if (Kind(job.data(RecordsTreeModel::KindRole).toInt()) != Kind::Job) {
        emit MessageRequested(tr("Choose the job the area belongs to."));
        return;
    }
    const QString name = QInputDialog::getText(this, tr("New area"), tr("Name of the area:"));
    if (name.trimmed().isEmpty())
        return;
    RecordArea area;
    area.jobUuid = job.data(RecordsTreeModel::UuidRole).toString();
    area.name = name.trimmed();
    area.criteria = InspectionSettings::Load();
    Done(!m_store->AddArea(area).isEmpty());
    m_tree->Reload();
}

void RecordsPage::On_Edit()
{
    const Kind kind = Kind(m_treeView->currentIndex().data(RecordsTreeModel::KindRole).toInt());
    const QString uuid = m_treeView->currentIndex().data(RecordsTreeModel::UuidRole).toString();
    if (kind == Kind::Job) {
        std::optional<RecordJob> job = m_store->Job(uuid);
        if (!job || !RecordEditor::EditJob(&*job, this))
            return;
        Done(m_store->UpdateJob(*job));
    } else if (kind == Kind::Area) {
        std::optional<RecordArea> area = m_store->Area(uuid);
        QString problem;
        if (!area)
            return;
        if (!RecordEditor::EditArea(&*area, &problem, this)) {
            if (!problem.isEmpty())
                emit MessageRequested(problem);
            return;
        }
        Done(m_store->UpdateArea(*area));
    } else {
        return;
    }
    m_tree->Reload();
}

void RecordsPage::On_Deleted()
{
    DeletedBatchesDialog dialog(m_store, this);
    connect(&dialog, &DeletedBatchesDialog::MessageRequested, this, &RecordsPage::MessageRequested);
    connect(&dialog, &DeletedBatchesDialog::Changed, this, &RecordsPage::Changed);
    dialog.exec();
    Refresh();
}

void RecordsPage::On_Verify()
{
    const std::optional<RecordBatch> batch = m_store->Batch(Chosen(int(Kind::Batch)));
    VerificationDialog dialog(m_store->Gauges(), batch ? batch->gaugeUuid : QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Done(!m_store->AddVerification(dialog.Verification()).isEmpty());
    if (batch)
        ShowBatch(batch->uuid);
}

void RecordsPage::On_MoveBatch()
{
    const QString batch = Chosen(int(Kind::Batch));
    if (batch.isEmpty())
        return;
    QStringList places{tr("Unfiled")};
    QStringList areaUuids{QString()};
    const QHash<QString, QVector<RecordArea>> areasOfJob = m_store->AreasByJob();
    for (const RecordJob &job : m_store->Jobs()) {
        for (const RecordArea &area : areasOfJob.value(job.uuid)) {
            places << job.name + QStringLiteral(" / ") + area.name;
            areaUuids << area.uuid;
        }
    }
    bool chosen = false;
    const QString place = QInputDialog::getItem(this, tr("Move batch"), tr("Move the batch to:"),
                                                places, 0, false, &chosen);
    if (!chosen)
        return;
    Done(m_store->MoveBatch(batch, areaUuids.value(places.indexOf(place))));
    m_tree->Untick(batch);
    m_tree->Reload();
}

void RecordsPage::On_DeleteBatch()
{
    const QString batch = Chosen(int(Kind::Batch));
    if (batch.isEmpty())
        return;
    if (QMessageBox::question(this, tr("Delete batch"),
                              tr("Delete this batch? It stays in the history until the deleted "
                                 "batches are emptied.")) != QMessageBox::Yes)
        return;
    Done(m_store->DeleteBatch(batch));
    m_tree->Untick(batch);
    Refresh();
}

void RecordsPage::On_ExcludeReading()
{
    const int row = m_readingsView->currentIndex().row();
    const qint64 index = m_readings->IndexAt(row);
    if (index == 0)
        return;
    const QString reason = QInputDialog::getText(this, tr("Exclude reading"),
                                                 tr("Why reading %1 is not counted:").arg(index));
    if (reason.trimmed().isEmpty())
        return;
    Done(m_store->ExcludeReading(m_readings->BatchUuid(), index, reason.trimmed()));
    ShowBatch(m_readings->BatchUuid());
}

void RecordsPage::On_AddNote()
{
    const QString batch = Chosen(int(Kind::Batch));
    if (batch.isEmpty())
        return;
    const qint64 index = m_readings->IndexAt(m_readingsView->currentIndex().row());
    const QString note = QInputDialog::getText(this, tr("Add note"),
                                               index ? tr("Note on reading %1:").arg(index)
                                                     : tr("Note on the batch:"));
    if (note.trimmed().isEmpty())
        return;
    Done(index ? m_store->SetReadingNote(batch, index, note.trimmed())
               : m_store->SetBatchNotes(batch, note.trimmed()));
    ShowBatch(batch);
}

void RecordsPage::On_JudgeAgain()
{
    const QString batch = Chosen(int(Kind::Batch));
    if (batch.isEmpty())
        return;
    Done(m_store->JudgeAgain(batch, InspectionSettings::Load()).has_value());
    ShowBatch(batch);
}

void RecordsPage::On_Conditions()
{
    const QString batch = Chosen(int(Kind::Batch));
    if (batch.isEmpty())
        return;
    const RecordConditions old = m_store->Conditions(batch).value_or(RecordConditions{20, 50, 20});
    FormDialog dialog(tr("Conditions"), this);
    auto spin = [](double value, double minimum, double maximum, const QString &suffix) {
        auto *box = new QDoubleSpinBox;
        box->setRange(minimum, maximum);
        box->setDecimals(1);
        box->setSuffix(suffix);
        box->setValue(value);
        return box;
    };
    QDoubleSpinBox *air = spin(old.airCelsius, -40, 60, QStringLiteral(" °C"));
    QDoubleSpinBox *humidity = spin(old.humidityPercent, 1, 100, QStringLiteral(" %"));
    QDoubleSpinBox *surface = spin(old.surfaceCelsius, -40, 100, QStringLiteral(" °C"));
    dialog.AddRow(tr("Air temperature"), air);
    dialog.AddRow(tr("Relative humidity"), humidity);
    dialog.AddRow(tr("Surface temperature"), surface);
    if (!dialog.Ask())
        return;
    Done(m_store->SetConditions(batch, {air->value(), humidity->value(), surface->value()}));
    ShowBatch(batch);
}
