#include "RecordEditor.h"

#include "FormDialog.h"
#include "GaugeUnit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

#include <initializer_list>
#include <utility>

namespace {
QLineEdit *Text(const QString &value)
{
    auto *edit = new QLineEdit;
    edit->setText(value);
    return edit;
}

// A number of up to three decimals; its lowest value, when a special text is given, stands for
// "not set".
QDoubleSpinBox *Number(double value, double maximum, const QString &suffix,
                       const QString &notSet = QString())
{
    auto *box = new QDoubleSpinBox;
    box->setRange(0, maximum);
    box->setDecimals(3);
    box->setSuffix(suffix);
    box->setSpecialValueText(notSet);
    box->setValue(value);
    return box;
}

void AddRows(FormDialog &dialog, std::initializer_list<std::pair<QString, QWidget *>> rows)
{
    for (const auto &[label, field] : rows)
        dialog.AddRow(label, field);
}
} // namespace

bool RecordEditor::EditJob(RecordJob *job, QWidget *parent)
{
    FormDialog dialog(tr("Edit job"), parent);
    QLineEdit *name = Text(job->name);
    QLineEdit *client = Text(job->client);
    QLineEdit *structure = Text(job->structure);
    QLineEdit *location = Text(job->location);
    QLineEdit *standard = Text(job->coatingStandard);
    QLineEdit *notes = Text(job->notes);
    AddRows(dialog, {{tr("Name"), name},
                     {tr("Client"), client},
                     {tr("Structure"), structure},
                     {tr("Location"), location},
                     {tr("Coating standard"), standard},
                     {tr("Notes"), notes}});
    if (!dialog.Ask() || name->text().trimmed().isEmpty())
        return false;
    *job = {job->uuid,
            name->text().trimmed(),
            client->text().trimmed(),
            structure->text().trimmed(),
            location->text().trimmed(),
            standard->text().trimmed(),
            notes->text().trimmed()};
    return true;
}

bool RecordEditor::EditArea(RecordArea *area, QString *problem, QWidget *parent)
{
    FormDialog dialog(tr("Edit area"), parent);
    const InspectionCriteria &old = area->criteria;
    QLineEdit *name = Text(area->name);
    QDoubleSpinBox *size =
        Number(area->surfaceSquareMetres.value_or(0), 1e7, QStringLiteral(" m²"), tr("not given"));
    auto *coat = new QSpinBox;
    coat->setRange(0, 99);
    coat->setSpecialValueText(tr("not given"));
    coat->setValue(area->coat.value_or(0));
    QLineEdit *product = Text(area->product);
    auto *rule = new QComboBox;
    for (auto each : {InspectionCriteria::Rule::None, InspectionCriteria::Rule::Iso19840,
                      InspectionCriteria::Rule::ImoPspc, InspectionCriteria::Rule::SspcPa2})
        rule->addItem(InspectionCriteria::RuleName(each), int(each));
    rule->setCurrentIndex(rule->findData(int(old.rule)));
    auto *unit = new QComboBox;
    for (int code : {GaugeUnit::Micrometres, GaugeUnit::Mils, GaugeUnit::Millimetres})
        unit->addItem(GaugeUnit::Text(code), code);
    unit->setCurrentIndex(qMax(0, unit->findData(old.unitCode)));
    QDoubleSpinBox *nominal = Number(old.nominal, 1e5, QString(), tr("not set"));
    QDoubleSpinBox *minimum = Number(old.minimum, 1e5, QString(), tr("not set"));
    QDoubleSpinBox *maximum = Number(old.maximum, 1e5, QString(), tr("not set"));
    auto *spotSize = new QSpinBox;
    spotSize->setRange(1, 99);
    spotSize->setValue(old.spotSize);
    QDoubleSpinBox *spotLow = Number(old.spotLowPercent, 1000, QStringLiteral(" %"));
    QDoubleSpinBox *spotHigh = Number(old.spotHighPercent, 1000, QStringLiteral(" %"));
    AddRows(dialog, {{tr("Name"), name},
                     {tr("Surface"), size},
                     {tr("Coat"), coat},
                     {tr("Product"), product},
                     {tr("Rule"), rule},
                     {tr("Unit of the limits"), unit},
                     {tr("Nominal (NDFT)"), nominal},
                     {tr("Minimum"), minimum},
                     {tr("Maximum"), maximum},
                     {tr("Readings per spot"), spotSize},
                     {tr("Spot low limit"), spotLow},
                     {tr("Spot high limit"), spotHigh}});
    if (!dialog.Ask() || name->text().trimmed().isEmpty())
        return false;
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule(rule->currentData().toInt());
    criteria.unitCode = unit->currentData().toInt();
    criteria.nominal = nominal->value();
    criteria.minimum = minimum->value();
    criteria.maximum = maximum->value();
    criteria.spotSize = spotSize->value();
    criteria.spotLowPercent = spotLow->value();
    criteria.spotHighPercent = spotHigh->value();
    *problem = criteria.Problem();
    if (!problem->isEmpty())
        return false;
    area->name = name->text().trimmed();
    area->surfaceSquareMetres =
        size->value() > 0 ? std::optional<double>(size->value()) : std::nullopt;
    area->coat = coat->value() > 0 ? std::optional<int>(coat->value()) : std::nullopt;
    area->product = product->text().trimmed();
    area->criteria = criteria;
    return true;
}
