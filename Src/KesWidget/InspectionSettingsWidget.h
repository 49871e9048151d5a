#pragma once

#include "InspectionCriteria.h"
#include "InspectionSettings.h"

#include <QWidget>

class QLineEdit;

namespace Ui {
class InspectionSettingsWidget;
}

// The inspection group of the settings page: the rule, the unit of the limits, the nominal
// thickness, minimum and maximum, and the spot settings of SSPC-PA 2. A change by the user is
// stored when the whole is valid; otherwise the field is marked, a hint says why, and nothing
// is stored. Showing the stored values writes nothing.
class InspectionSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InspectionSettingsWidget(QWidget *parent = nullptr);
    ~InspectionSettingsWidget() override;

    // Shows the stored criteria, unless input was refused: that stays, marked, with the hint
    // saying why and which criteria are still in force. A stored value that was refused is
    // shown in its field, marked.
    void ShowStored();

signals:
    // The user changed the criteria, and they were stored.
    void CriteriaChanged(const InspectionCriteria &criteria);

protected:
    void changeEvent(QEvent *event) override;

private:
    void FillBoxes();
    // Whether the fields make valid criteria; if not, field (or the one that is no number) is
    // marked and the hint says why.
    bool Check(QWidget *field, InspectionCriteria *criteria);
    void Check(QWidget *field)
    {
        InspectionCriteria criteria;
        Check(field, &criteria);
    }
    // Stores what the fields hold, if it is valid.
    void Commit(QWidget *field);
    // The criteria the fields hold, or the first field that is not a number and why.
    bool Read(InspectionCriteria *criteria, QLineEdit **badField, QString *problem) const;
    QWidget *FieldEdit(InspectionCriteria::Field where, QWidget *changed) const;
    static QString InForce();
    void ShowProblem(QWidget *field, const QString &problem);
    void ShowRefused(const InspectionSettings::Refusal &refusal);
    void EnableRuleFields();
    QList<QLineEdit *> Edits() const;

    Ui::InspectionSettingsWidget *ui;
    bool m_edited = false;        // the user typed something not stored yet
    QWidget *m_refused = nullptr; // the field the hint is about
};
