#include "RecordsChooser.h"

#include "FiguresPanel.h"
#include "FormDialog.h"
#include "KesConfig.h"
#include "LiveRecorder.h"
#include "RecordStore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QGridLayout>

namespace {
const QString Group = QStringLiteral("Records");
const QString AreaKey = QStringLiteral("Area");
const QString GaugeKey = QStringLiteral("Gauge");
// The item data of the gauge box's last entry, which adds a gauge.
const QString NewGauge = QStringLiteral("new");
} // namespace

RecordsChooser::RecordsChooser(RecordStore *store, LiveRecorder *recorder, QWidget *parent)
    : QWidget(parent), m_store(store), m_recorder(recorder), m_areaLabel(new QLabel(this)),
      m_area(new QComboBox(this)), m_gaugeLabel(new QLabel(this)), m_gauge(new QComboBox(this)),
      m_due(new QLabel(this))
{
    m_area->setObjectName(QStringLiteral("RecordsAreaBox"));
    m_gauge->setObjectName(QStringLiteral("RecordsGaugeBox"));
    m_due->setObjectName(QStringLiteral("RecordsGaugeDue"));
    m_areaLabel->setObjectName(QStringLiteral("RecordsAreaLabel"));
    m_gaugeLabel->setObjectName(QStringLiteral("RecordsGaugeLabel"));
    m_due->setWordWrap(true);
    // Each label beside its box, as the panel's other rows are, so that the reading list below
    // keeps its height.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_areaLabel, 0, 0);
    layout->addWidget(m_area, 0, 1);
    layout->addWidget(m_gaugeLabel, 1, 0);
    layout->addWidget(m_gauge, 1, 1);
    layout->addWidget(m_due, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    RetranslateUi();
    connect(m_area, QOverload<int>::of(&QComboBox::activated), this,
            &RecordsChooser::On_AreaChosen);
    connect(m_gauge, QOverload<int>::of(&QComboBox::activated), this,
            &RecordsChooser::On_GaugeChosen);
}

void RecordsChooser::RetranslateUi()
{
    m_areaLabel->setText(tr("Next batch into:"));
    m_gaugeLabel->setText(tr("Gauge:"));
    Refresh();
}

void RecordsChooser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void RecordsChooser::Refresh()
{
    const KesConfig *config = KesConfig::Instance();
    const QString area = config->ReadValue(AreaKey, Group).toString();
    const QString gauge = config->ReadValue(GaugeKey, Group).toString();
    const QSignalBlocker areaBlock(m_area);
    const QSignalBlocker gaugeBlock(m_gauge);
    m_area->clear();
    m_area->addItem(tr("Unfiled"), QString());
    const QHash<QString, QVector<RecordArea>> areasOfJob = m_store->AreasByJob();
    for (const RecordJob &job : m_store->Jobs()) {
        for (const RecordArea &each : areasOfJob.value(job.uuid))
            m_area->addItem(job.name + QStringLiteral(" / ") + each.name, each.uuid);
    }
    m_area->setCurrentIndex(qMax(0, m_area->findData(area)));
    m_gauge->clear();
    m_gauge->addItem(tr("No gauge"), QString());
    for (const RecordGauge &each : m_store->Gauges())
        m_gauge->addItem(each.model + QLatin1Char(' ') + each.serial, each.uuid);
    m_gauge->addItem(tr("New gauge..."), NewGauge);
    m_gauge->setCurrentIndex(qMax(0, m_gauge->findData(gauge)));
    m_recorder->SetArea(m_area->currentData().toString());
    m_recorder->SetGauge(m_gauge->currentData().toString());
    ShowGaugeDue();
}

void RecordsChooser::On_AreaChosen()
{
    KesConfig::Instance()->WriteValue(AreaKey, m_area->currentData(), Group);
    m_recorder->SetArea(m_area->currentData().toString());
}

void RecordsChooser::On_GaugeChosen()
{
    if (m_gauge->currentData().toString() == NewGauge)
        AddGauge();
    else
        KesConfig::Instance()->WriteValue(GaugeKey, m_gauge->currentData(), Group);
    Refresh();
}

void RecordsChooser::AddGauge()
{
    FormDialog dialog(tr("New gauge"), this);
    auto *model = new QLineEdit;
    auto *serial = new QLineEdit;
    auto *probe = new QLineEdit;
    auto *certificate = new QLineEdit;
    auto *due = new QDateEdit(QDate::currentDate().addYears(1));
    due->setCalendarPopup(true);
    dialog.AddRow(tr("Model"), model);
    dialog.AddRow(tr("Gauge serial"), serial);
    dialog.AddRow(tr("Probe serial"), probe);
    dialog.AddRow(tr("Calibration certificate"), certificate);
    dialog.AddRow(tr("Calibration due"), due);
    if (!dialog.Ask())
        return;
    const QString uuid = m_store->AddGauge({QString(), model->text(), serial->text(), probe->text(),
                                            certificate->text(), due->date()});
    if (!uuid.isEmpty())
        KesConfig::Instance()->WriteValue(GaugeKey, uuid, Group);
}

void RecordsChooser::ShowGaugeDue()
{
    const std::optional<RecordGauge> gauge = m_store->Gauge(m_gauge->currentData().toString());
    const bool overdue = gauge && gauge->IsOverdue(QDate::currentDate());
    m_due->setVisible(overdue);
    if (overdue)
        m_due->setText(
            QStringLiteral("<span style=\"color:%1\">%2</span>")
                .arg(FiguresPanel::OutcomeColor(InspectionVerdict::Outcome::Incomplete).name(),
                     tr("Calibration due on %1 has passed.")
                         .arg(QLocale().toString(gauge->calibrationDue))
                         .toHtmlEscaped()));
}
