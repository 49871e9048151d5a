#pragma once

#include <QPointer>
#include <QWidget>

class LiveInspection;
class QLabel;

namespace Ui {
class StatisticsWidget;
}

// A strip of the live series' figures (count, overflows, mean, standard deviation, minimum,
// maximum, range, coefficient of variation) in the series' unit, and beside them the verdict
// of the chosen rule with its reasons. It follows a live inspection after every reading.
class StatisticsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsWidget(QWidget *parent = nullptr);
    ~StatisticsWidget() override;

    void SetSource(const LiveInspection *inspection);

signals:
    // The user asked for the report of the run's readings.
    void ReportRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void Refresh();
    void ShowFigures();
    void ShowVerdict();

    Ui::StatisticsWidget *ui;
    QPointer<const LiveInspection> m_inspection;
};
