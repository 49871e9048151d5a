#pragma once

#include <QWidget>

class LiveRecorder;
class QComboBox;
class QLabel;
class RecordStore;

// On the real-time page before Start: the job and area the next batch goes into and the gauge
// it is measured with, the last ones used by default ([Records] Area and Gauge of the
// settings). A gauge past its calibration's due date is said so in the warning colour.
class RecordsChooser : public QWidget
{
    Q_OBJECT
public:
    RecordsChooser(RecordStore *store, LiveRecorder *recorder, QWidget *parent = nullptr);

    // Lists the areas and gauges again, keeping the choice.
    void Refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void RetranslateUi();
    void On_AreaChosen();
    void On_GaugeChosen();
    void AddGauge();
    void ShowGaugeDue();

    RecordStore *m_store;
    LiveRecorder *m_recorder;
    QLabel *m_areaLabel;
    QComboBox *m_area;
    QLabel *m_gaugeLabel;
    QComboBox *m_gauge;
    QLabel *m_due;
};
