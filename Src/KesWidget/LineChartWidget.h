#pragma once

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
    // Rebuilds the graph from the whole series.
    void SetData(QVector<float> values);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::LineChartWidget *ui;
    QString m_unit;
    QCPGraph *m_graph = nullptr;
};
