#include "LineChartWidget.h"
#include "ui_LineChartWidget.h"

#include "ChartLimits.h"
#include "KesCustomChart.h"
#include "KesGraph.h"

namespace {
const QColor kLineColor(QStringLiteral("#3C4046"));
}

LineChartWidget::LineChartWidget(QWidget *parent) : QWidget(parent), ui(new Ui::LineChartWidget)
{
    ui->setupUi(this);
    KesCustomChart *chart = ui->LineChart;
    chart->SetUpReadingLegend();
    chart->xAxis->setTickLabels(false);
    chart->SetTracerEnabled(true);
    chart->SetToolTipEnabled(true);
    chart->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables |
                           QCP::iSelectAxes | QCP::iSelectLegend);
    SetShowState(false);
}

LineChartWidget::~LineChartWidget()
{
    delete ui;
}

void LineChartWidget::SetUnit(const QString &unit)
{
    m_unit = unit;
}

void LineChartWidget::SetShowState(bool show)
{
    ui->Stacked->setCurrentIndex(show ? 0 : 1);
}

void LineChartWidget::SetData(QVector<float> values)
{
    if (!m_graph || m_graphUnit != m_unit || !m_shown.IsExtendedBy(values))
        NewGraph();
    KesCustomChart *chart = ui->LineChart;
    // A new reading drops a selection, as a new graph would.
    m_graph->setSelection(QCPDataSelection());
    chart->xAxis->setRange(1, 10);
    chart->axisRect()->setupFullAxesBox(false);
    chart->yAxis->setRange(0, 100);
    chart->SetUnit(m_unit);

    if (m_wholeRun)
        FitMarks(values.size());
    chart->ShowReadings(*m_graph->data(), values, m_shown.Count(), m_extremes);
    m_shown.Mark(values);
}

void LineChartWidget::SetWholeRun(bool whole)
{
    m_wholeRun = whole;
    ui->LineChart->SetWholeRun(whole);
}

// Markers while each reading has room for one, and a line thin enough to tell readings apart
// past that.
void LineChartWidget::FitMarks(int count)
{
    const double room =
        double(qMax(ui->LineChart->axisRect()->width(), width() - 60)) / qMax(count, 1);
    m_graph->setScatterStyle(room >= 8 ? QCPScatterStyle(QCPScatterStyle::ssDiamond, 5)
                                       : QCPScatterStyle(QCPScatterStyle::ssNone));
    m_graph->setPen(QPen(kLineColor, room >= 4 ? 3 : 1));
}

void LineChartWidget::SetLimits(const InspectionCriteria &criteria)
{
    m_criteria = criteria;
    KesCustomChart *chart = ui->LineChart;
    chart->LimitLines().Set(ChartLimits::Of(criteria));
    if (m_graph)
        chart->ShowReadingRanges(m_extremes, m_shown.Count());
    chart->ReplotWhenShown();
}

void LineChartWidget::NewGraph()
{
    KesCustomChart *chart = ui->LineChart;
    chart->clearGraphs();
    m_graph = new KesGraph(chart->xAxis, chart->yAxis);
    m_graph->setPen(QPen(kLineColor, 3));
    m_graph->setLineStyle(QCPGraph::lsLine);
    m_graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, 5));
    chart->SetTracerGraph(m_graph);
    m_graphUnit = m_unit;
    m_shown.Reset();
    m_extremes = KesCustomChart::ReadingExtremes();
}

void LineChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        SetLimits(m_criteria);
    } else {
        QWidget::changeEvent(event);
    }
}
