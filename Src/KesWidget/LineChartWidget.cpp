#include "LineChartWidget.h"
#include "ui_LineChartWidget.h"

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
    KesCustomChart *chart = ui->LineChart;
    chart->clearGraphs();
    m_graph = new KesGraph(chart->xAxis, chart->yAxis);
    m_graph->setPen(QPen(kLineColor, 3));
    m_graph->setLineStyle(QCPGraph::lsLine);
    m_graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, 5));

    chart->xAxis->setRange(1, 10);
    chart->axisRect()->setupFullAxesBox(false);
    chart->yAxis->setRange(0, 100);
    chart->SetTracerGraph(m_graph);
    chart->SetUnit(m_unit);

    KesCustomChart::ReadingExtremes extremes;
    m_graph->data()->set(KesCustomChart::ReadingData<QCPGraphData>(values, extremes), true);
    chart->ShowReadingRanges(extremes, values.size());
    // Queued: several updates before the next paint cost one replot.
    chart->replot(QCustomPlot::rpQueuedReplot);
}

void LineChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    else
        QWidget::changeEvent(event);
}
