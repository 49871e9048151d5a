#pragma once

#include "InspectionCriteria.h"
#include "KesCustomChart.h"
#include "KesSeriesMark.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

class KesBars;

class QMouseEvent;

namespace Ui {
class BarChartWidget;
}

// One bar per reading of the current series, in reading order, on one page of a stack whose
// other page says that there is no data. The first update replaces the form's chart by the
// page's own, which every later update reuses.
class BarChartWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BarChartWidget(QWidget *parent = nullptr);
    ~BarChartWidget() override;

    void SetUnit(const QString &unit);
    void SetShowState(bool show);
    // Shows the whole series: appends the readings added since the last call, or starts the
    // bars again when the series is not the last one extended (a new series, another unit).
    void SetData(QVector<float> values);
    // The limits of the criteria in force as lines, the criteria in the unit of the values.
    void SetLimits(const InspectionCriteria &criteria);

    KesCustomChart *CurrentChart() const { return m_chart; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void On_BarChartMouseMove(QMouseEvent *event);

private:
    void BuildChart(const QColor &barColor);
    void NewBars();
    void ApplyLimits();

    Ui::BarChartWidget *ui;
    QString m_unit;
    QPointer<KesCustomChart> m_chart;
    KesBars *m_bars = nullptr;
    QString m_barsUnit;
    KesSeriesMark<float> m_shown;
    KesCustomChart::ReadingExtremes m_extremes;
    InspectionCriteria m_criteria; // whose limits are drawn
};
