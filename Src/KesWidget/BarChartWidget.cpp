#include "BarChartWidget.h"
#include "ui_BarChartWidget.h"

#include "ChartLimits.h"
#include "KesBars.h"
#include "KesCustomChart.h"

#include <QCursor>
#include <QTimer>
#include <QToolTip>

namespace {
const QColor kBarColor(QStringLiteral("#3C4046"));
}

BarChartWidget::BarChartWidget(QWidget *parent) : QWidget(parent), ui(new Ui::BarChartWidget)
{
    ui->setupUi(this);
    SetShowState(false);
    m_chart = ui->BarChart;
    m_chart->SetUpReadingLegend();
}

BarChartWidget::~BarChartWidget()
{
    delete ui;
}

void BarChartWidget::SetUnit(const QString &unit)
{
    m_unit = unit;
}

void BarChartWidget::SetShowState(bool show)
{
    ui->Stacked->setCurrentIndex(show ? 0 : 1);
}

void BarChartWidget::SetData(QVector<float> values)
{
    if (!m_bars) {
        // Out of the layout at once, so the new chart never shares the page with it.
        ui->verticalLayout_2->removeWidget(m_chart);
        m_chart->hide();
        m_chart->deleteLater();
        BuildChart(kBarColor);
        NewBars();
    } else if (m_barsUnit != m_unit || !m_shown.IsExtendedBy(values)) {
        NewBars();
    }
    // A new reading drops selections, as a new chart would; zoom and drag give way to the
    // computed ranges below.
    m_chart->deselectAll();
    m_chart->SetUnit(m_unit);

    m_chart->ShowReadings(*m_bars->data(), values, m_shown.Count(), m_extremes);
    m_shown.Mark(values);
}

void BarChartWidget::SetLimits(const InspectionCriteria &criteria)
{
    m_criteria = criteria;
    ApplyLimits();
    if (m_bars)
        m_chart->ShowReadingRanges(m_extremes, m_shown.Count());
    m_chart->ReplotWhenShown();
}

void BarChartWidget::ApplyLimits()
{
    m_chart->LimitLines().Set(ChartLimits::Of(m_criteria));
}

void BarChartWidget::NewBars()
{
    m_bars->setData(QSharedPointer<QCPBarsDataContainer>::create());
    m_barsUnit = m_unit;
    m_shown.Reset();
    m_extremes = KesCustomChart::ReadingExtremes();
}

void BarChartWidget::BuildChart(const QColor &barColor)
{
    m_chart = new KesCustomChart();
    m_chart->setObjectName(QStringLiteral("RealTimeHistogramFuncWidget"));
    m_chart->xAxis->ticker()->setTickStepStrategy(QCPAxisTicker::tssReadability);
    connect(m_chart, &QCustomPlot::mouseMove, this, &BarChartWidget::On_BarChartMouseMove);
    ui->verticalLayout_2->addWidget(m_chart);
    m_chart->xAxis->setTickLabels(false);
    m_bars = m_chart->AddBars(10, QPen(barColor, 3), QBrush(barColor, Qt::SolidPattern), QString(),
                              QCPBars::wtAbsolute);
    m_chart->xAxis->setRange(1, 10);
    m_chart->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables |
                             QCP::iSelectAxes | QCP::iSelectLegend);
    m_chart->axisRect()->setupFullAxesBox(false);
    m_chart->yAxis->setRange(0, 100);
    ApplyLimits();
}

void BarChartWidget::On_BarChartMouseMove(QMouseEvent *event)
{
    const QVector<KesBars *> bars = m_chart ? m_chart->GetBars() : QVector<KesBars *>();
    if (bars.isEmpty())
        return;
    QToolTip::hideText();
    // Bars overlap where they are dense; the bar painted last is the one on top, and its
    // tooltip is the one that would stay after all others.
    const std::optional<KesBars::BarRecord> bar = bars.first()->BarAt(event->pos());
    if (!bar)
        return;
    const QString text = KesCustomChart::FormatValue(float(bar->value), m_unit);
    QTimer::singleShot(200, this,
                       [this, text] { QToolTip::showText(QCursor::pos(), text, m_chart); });
}

void BarChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        SetLimits(m_criteria);
    } else {
        QWidget::changeEvent(event);
    }
}
