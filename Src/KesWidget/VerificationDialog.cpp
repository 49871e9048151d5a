#include "VerificationDialog.h"

#include "FiguresPanel.h"
#include "GaugeUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

VerificationDialog::VerificationDialog(const QVector<RecordGauge> &gauges, const QString &gaugeUuid,
                                       QWidget *parent)
    : QDialog(parent), m_gauge(new QComboBox(this)), m_unit(new QComboBox(this)),
      m_nominal(new QDoubleSpinBox(this)), m_tolerance(new QDoubleSpinBox(this)),
      m_readings(new QLineEdit(this)), m_result(new QLabel(this))
{
    setWindowTitle(tr("Verify gauge"));
    m_gauge->setObjectName(QStringLiteral("VerificationGauge"));
    m_nominal->setObjectName(QStringLiteral("VerificationNominal"));
    m_tolerance->setObjectName(QStringLiteral("VerificationTolerance"));
    m_readings->setObjectName(QStringLiteral("VerificationReadings"));
    m_result->setObjectName(QStringLiteral("VerificationResult"));
    for (const RecordGauge &gauge : gauges)
        m_gauge->addItem(gauge.model + QLatin1Char(' ') + gauge.serial, gauge.uuid);
    m_gauge->setCurrentIndex(qMax(0, m_gauge->findData(gaugeUuid)));
    for (int code : {GaugeUnit::Micrometres, GaugeUnit::Mils, GaugeUnit::Millimetres})
        m_unit->addItem(GaugeUnit::Text(code), code);
    m_nominal->setRange(0, 1e5);
    m_nominal->setDecimals(3);
    m_nominal->setValue(100);
    m_tolerance->setRange(0.1, 100);
    m_tolerance->setDecimals(1);
    m_tolerance->setValue(5);
    m_tolerance->setSuffix(QStringLiteral(" %"));
    m_readings->setPlaceholderText(tr("e.g. 101 99.5 100.4"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Gauge"), m_gauge);
    form->addRow(tr("Unit"), m_unit);
    form->addRow(tr("Nominal of the standard"), m_nominal);
    form->addRow(tr("Tolerance"), m_tolerance);
    form->addRow(tr("Readings on the standard"), m_readings);
    form->addRow(m_result);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_readings, &QLineEdit::textChanged, this, &VerificationDialog::ShowResult);
    connect(m_nominal, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &VerificationDialog::ShowResult);
    connect(m_tolerance, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &VerificationDialog::ShowResult);
    ShowResult();
}

QVector<double> VerificationDialog::ReadingsOf(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    QVector<double> readings;
    for (const QString &word : text.split(separators, Qt::SkipEmptyParts)) {
        bool number = false;
        const double reading = word.toDouble(&number);
        if (!number)
            return QVector<double>();
        readings.append(reading);
    }
    return readings;
}

RecordVerification VerificationDialog::Verification() const
{
    RecordVerification verification;
    verification.gaugeUuid = m_gauge->currentData().toString();
    verification.time = QDateTime::currentDateTime();
    verification.nominal = m_nominal->value();
    verification.tolerancePercent = m_tolerance->value();
    verification.unitCode = m_unit->currentData().toInt();
    verification.readings = ReadingsOf(m_readings->text());
    return verification;
}

void VerificationDialog::ShowResult()
{
    const RecordVerification verification = Verification();
    const bool usable = !verification.readings.isEmpty() && !verification.gaugeUuid.isEmpty();
    m_ok->setEnabled(usable);
    if (!usable) {
        m_result->setText(m_gauge->count() == 0 ? tr("Add a gauge on the real-time page first.")
                                                : tr("Type the readings taken on the standard."));
        return;
    }
    const bool passed = verification.Passed();
    m_result->setText(QStringLiteral("<b style=\"color:%1\">%2</b>")
                          .arg(FiguresPanel::OutcomeColor(passed ? InspectionVerdict::Outcome::Pass
                                                                 : InspectionVerdict::Outcome::Fail)
                                   .name(),
                               (passed ? tr("Mean %1 %2: within the tolerance, passed.")
                                       : tr("Mean %1 %2: outside the tolerance, failed."))
                                   .arg(verification.Mean(), 0, 'f', 2)
                                   .arg(GaugeUnit::Text(verification.unitCode))
                                   .toHtmlEscaped()));
}
