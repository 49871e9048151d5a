#pragma once

#include <QPointer>
#include <QVector>
#include <QWidget>

class KesBars;
class KesCustomChart;
class QMouseEvent;

namespace Ui {
class BarChartWidget;
}

// One bar per reading of the current series, in reading order, on one page of a stack whose
// other page says that there is no data. Every update builds a new chart.
class BarChartWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BarChartWidget(QWidget *parent = nullptr);
    ~BarChartWidget() override;

    void SetUnit(const QString &unit);
    void SetShowState(bool show);
    // Replaces the chart by a new one showing the whole series.
    void SetData(QVector<float> values);

    KesCustomChart *CurrentChart() const { return m_chart; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void On_BarChartMouseMove(QMouseEvent *event);

private:
    void BuildChart(const QColor &barColor);

    Ui::BarChartWidget *ui;
    QString m_unit;
    QPointer<KesCustomChart> m_chart;
    KesBars *m_bars = nullptr;
};
