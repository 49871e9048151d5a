#pragma once

#include "RecordItems.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A verification of a gauge on a reference standard: the gauge, the standard's nominal
// thickness and tolerance, and the readings taken on it, typed; the mean and whether it passes
// are shown as they are typed. OK is offered once the readings can be read.
class VerificationDialog : public QDialog
{
    Q_OBJECT
public:
    VerificationDialog(const QVector<RecordGauge> &gauges, const QString &gaugeUuid,
                       QWidget *parent = nullptr);

    // What was entered, at the time of asking.
    RecordVerification Verification() const;
    // Numbers separated by spaces, commas or semicolons; nothing when one is no number.
    static QVector<double> ReadingsOf(const QString &text);

private:
    void ShowResult();

    QComboBox *m_gauge;
    QComboBox *m_unit;
    QDoubleSpinBox *m_nominal;
    QDoubleSpinBox *m_tolerance;
    QLineEdit *m_readings;
    QLabel *m_result;
    QPushButton *m_ok;
};
