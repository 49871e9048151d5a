#include "InspectionSettingsWidget.h"
#include "ui_InspectionSettingsWidget.h"

#include "CriterionLines.h"
#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "KesStyle.h"

#include <QHash>
#include <QListView>

namespace {
using Rule = InspectionCriteria::Rule;
const Rule Rules[] = {Rule::None, Rule::Iso19840, Rule::ImoPspc, Rule::SspcPa2};
const int Units[] = {GaugeUnit::Micrometres, GaugeUnit::Mils, GaugeUnit::Millimetres};

// An empty field is a value that is not set.
bool ParseNumber(const QString &text, double *value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        *value = 0;
        return true;
    }
    bool ok = false;
    *value = trimmed.toDouble(&ok);
    return ok;
}

QString NumberText(double value)
{
    return value > 0 ? QString::number(value) : QString();
}

void SetMarked(QWidget *field, bool marked)
{
    const QString state = marked ? QStringLiteral("Invalid") : QString();
    if (field->property("State").toString() != state)
        KesStyle::SetState(field, state);
}
} // namespace

InspectionSettingsWidget::InspectionSettingsWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::InspectionSettingsWidget)
{
    ui->setupUi(this);
    for (QComboBox *box : {ui->InspectionRuleBox, ui->InspectionUnitBox}) {
        auto *view = new QListView(box);
        view->setObjectName(QStringLiteral("StyleComboBoxView"));
        box->setView(view);
    }
    FillBoxes();
    ShowStored();
    // Only what the user does: showing the stored values must not store them again. A choice
    // is taken at once; typing is checked as it goes and taken when the field is left (or
    // Enter pressed), so that half-typed numbers are never stored.
    for (QComboBox *box : {ui->InspectionRuleBox, ui->InspectionUnitBox}) {
        connect(box, QOverload<int>::of(&QComboBox::activated), this, [this, box] {
            m_edited = true;
            Commit(box);
        });
    }
    for (QLineEdit *edit : Edits()) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            m_edited = true;
            Check(edit);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (m_edited)
                Commit(edit);
        });
    }
}

InspectionSettingsWidget::~InspectionSettingsWidget()
{
    delete ui;
}

QList<QLineEdit *> InspectionSettingsWidget::Edits() const
{
    return {ui->NominalEdit,  ui->MinimumEdit, ui->MaximumEdit,
            ui->SpotSizeEdit, ui->SpotLowEdit, ui->SpotHighEdit};
}

void InspectionSettingsWidget::FillBoxes()
{
    const int rule = qMax(0, ui->InspectionRuleBox->currentIndex());
    ui->InspectionRuleBox->clear();
    for (Rule each : Rules)
        ui->InspectionRuleBox->addItem(InspectionCriteria::RuleName(each));
    ui->InspectionRuleBox->setCurrentIndex(rule);
    if (ui->InspectionUnitBox->count() == 0) {
        for (int unit : Units)
            ui->InspectionUnitBox->addItem(GaugeUnit::Text(unit));
    }
}

void InspectionSettingsWidget::ShowStored()
{
    // Refused input stays with its hint until the user mends it.
    if (m_refused)
        return;
    QVector<InspectionSettings::Refusal> refused;
    const InspectionCriteria criteria = InspectionSettings::Load(&refused);
    ui->InspectionRuleBox->setCurrentIndex(int(criteria.rule));
    ui->InspectionUnitBox->setCurrentIndex(GaugeUnit::IsKnown(criteria.unitCode) ? criteria.unitCode
                                                                                 : 0);
    ui->NominalEdit->setText(NumberText(criteria.nominal));
    ui->MinimumEdit->setText(NumberText(criteria.minimum));
    ui->MaximumEdit->setText(NumberText(criteria.maximum));
    ui->SpotSizeEdit->setText(QString::number(criteria.spotSize));
    ui->SpotLowEdit->setText(QString::number(criteria.spotLowPercent));
    ui->SpotHighEdit->setText(QString::number(criteria.spotHighPercent));
    ShowProblem(nullptr, QString());
    EnableRuleFields();
    if (!refused.isEmpty())
        ShowRefused(refused.first());
    m_edited = false;
}

// The refused value stays in its field for the user to mend, marked, with the hint.
void InspectionSettingsWidget::ShowRefused(const InspectionSettings::Refusal &refusal)
{
    const QHash<QString, QWidget *> fields{{QStringLiteral("Rule"), ui->InspectionRuleBox},
                                           {QStringLiteral("Unit"), ui->InspectionUnitBox},
                                           {QStringLiteral("Nominal"), ui->NominalEdit},
                                           {QStringLiteral("Minimum"), ui->MinimumEdit},
                                           {QStringLiteral("Maximum"), ui->MaximumEdit},
                                           {QStringLiteral("SpotSize"), ui->SpotSizeEdit},
                                           {QStringLiteral("SpotLowPercent"), ui->SpotLowEdit},
                                           {QStringLiteral("SpotHighPercent"), ui->SpotHighEdit}};
    QWidget *field = fields.value(refusal.key);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(refusal.stored);
    ShowProblem(field, tr("The stored value \"%1\" was refused; the default is used until "
                          "another is entered.")
                           .arg(refusal.stored));
}

bool InspectionSettingsWidget::Check(QWidget *field, InspectionCriteria *criteria)
{
    EnableRuleFields();
    QLineEdit *badField = nullptr;
    QString problem;
    if (!Read(criteria, &badField, &problem)) {
        ShowProblem(badField, problem);
        return false;
    }
    InspectionCriteria::Field where = InspectionCriteria::Field::None;
    problem = criteria->Problem(&where);
    ShowProblem(problem.isEmpty() ? nullptr : FieldEdit(where, field), problem);
    return problem.isEmpty();
}

// The edit a problem lies in; the field the user changed when it lies in none.
QWidget *InspectionSettingsWidget::FieldEdit(InspectionCriteria::Field where,
                                             QWidget *changed) const
{
    using Field = InspectionCriteria::Field;
    switch (where) {
    case Field::Nominal:
        return ui->NominalEdit;
    case Field::Minimum:
        return ui->MinimumEdit;
    case Field::Maximum:
        return ui->MaximumEdit;
    case Field::MinimumAndMaximum:
        return changed == ui->MaximumEdit ? ui->MaximumEdit : ui->MinimumEdit;
    case Field::SpotSize:
        return ui->SpotSizeEdit;
    case Field::SpotLow:
        return ui->SpotLowEdit;
    case Field::SpotHigh:
        return ui->SpotHighEdit;
    case Field::None:
        break;
    }
    return changed;
}

// The criteria the strip and the charts judge by: "ISO 19840 (Nominal 125 µm; ...)".
QString InspectionSettingsWidget::InForce()
{
    const InspectionCriteria stored = InspectionSettings::Load();
    QStringList limits;
    for (const CriterionLine &line : CriterionLines::Of(stored))
        limits << line.label;
    const QString rule = InspectionCriteria::RuleName(stored.rule);
    return limits.isEmpty() ? rule : tr("%1 (%2)").arg(rule, limits.join(QStringLiteral("; ")));
}

void InspectionSettingsWidget::Commit(QWidget *field)
{
    InspectionCriteria criteria;
    if (!Check(field, &criteria))
        return;
    m_edited = false;
    InspectionSettings::Save(criteria);
    emit CriteriaChanged(criteria);
}

bool InspectionSettingsWidget::Read(InspectionCriteria *criteria, QLineEdit **badField,
                                    QString *problem) const
{
    criteria->rule = Rules[qBound(0, ui->InspectionRuleBox->currentIndex(), 3)];
    criteria->unitCode = Units[qBound(0, ui->InspectionUnitBox->currentIndex(), 2)];
    const struct
    {
        QLineEdit *edit;
        double *value;
    } numbers[] = {{ui->NominalEdit, &criteria->nominal},
                   {ui->MinimumEdit, &criteria->minimum},
                   {ui->MaximumEdit, &criteria->maximum},
                   {ui->SpotLowEdit, &criteria->spotLowPercent},
                   {ui->SpotHighEdit, &criteria->spotHighPercent}};
    for (const auto &number : numbers) {
        if (!ParseNumber(number.edit->text(), number.value)) {
            *badField = number.edit;
            *problem = tr("Enter a number, such as 120 or 4.5.");
            return false;
        }
    }
    bool ok = false;
    criteria->spotSize = ui->SpotSizeEdit->text().trimmed().toInt(&ok);
    if (!ok) {
        *badField = ui->SpotSizeEdit;
        *problem = tr("Enter a whole number of readings.");
        return false;
    }
    return true;
}

// The refused field is outlined and the hint says why; with no field, every mark goes.
void InspectionSettingsWidget::ShowProblem(QWidget *field, const QString &problem)
{
    const QList<QWidget *> boxes{ui->InspectionRuleBox, ui->InspectionUnitBox};
    for (QWidget *box : boxes)
        SetMarked(box, box == field);
    for (QLineEdit *edit : Edits())
        SetMarked(edit, edit == field);
    m_refused = problem.isEmpty() ? nullptr : field;
    ui->InspectionHint->setText(
        problem.isEmpty() ? QString()
                          : tr("%1 Not taken; still in force: %2.").arg(problem, InForce()));
    ui->InspectionHint->setVisible(!problem.isEmpty());
}

// The spot settings matter to SSPC-PA 2 only.
void InspectionSettingsWidget::EnableRuleFields()
{
    const bool spots = ui->InspectionRuleBox->currentIndex() == int(Rule::SspcPa2);
    const QList<QWidget *> fields{ui->SpotSizeLabel, ui->SpotSizeEdit,  ui->SpotLowLabel,
                                  ui->SpotLowEdit,   ui->SpotHighLabel, ui->SpotHighEdit};
    for (QWidget *field : fields)
        field->setEnabled(spots);
}

void InspectionSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        FillBoxes();
        // The hint in the new language.
        if (m_refused)
            Check(m_refused);
    } else {
        QWidget::changeEvent(event);
    }
}
