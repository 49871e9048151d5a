#pragma once

#include "InspectionCriteria.h"
#include "KesCustomChart.h"
#include "KesSeriesMark.h"

#include <QVector>
#include <QWidget>

class QCPGraph;

namespace Ui {
class LineChartWidget;
}

// The live readings of the current series as a line through diamond markers, on one page of
// a stack whose other page says that there is no data.
class LineChartWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LineChartWidget(QWidget *parent = nullptr);
    ~LineChartWidget() override;

    void SetUnit(const QString &unit);
    void SetShowState(bool show);
    // Shows the whole series: appends the readings added since the last call, or builds a new
    // graph when the series is not the last one extended (a new series, another unit).
    void SetData(QVector<float> values);
    // The limits of the criteria in force as lines, the criteria in the unit of the values.
    void SetLimits(const InspectionCriteria &criteria);
    // The whole run from its first reading, reading numbers on the key axis and markers only
    // while they fit, in place of the live range rule.
    void SetWholeRun(bool whole);

protected:
    void changeEvent(QEvent *event) override;

private:
    void FitMarks(int count);
    void NewGraph();

    Ui::LineChartWidget *ui;
    QString m_unit;
    QCPGraph *m_graph = nullptr;
    QString m_graphUnit;
    KesSeriesMark<float> m_shown;
    KesCustomChart::ReadingExtremes m_extremes;
    InspectionCriteria m_criteria; // whose limits are drawn
    bool m_wholeRun = false;
};
