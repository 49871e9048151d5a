#include "FormDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>

FormDialog::FormDialog(const QString &title, QWidget *parent)
    : QDialog(parent), m_form(new QFormLayout(this))
{
    setWindowTitle(title);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FormDialog::AddRow(const QString &label, QWidget *field)
{
    field->setParent(this);
    m_form->insertRow(m_form->rowCount() - 1, label, field);
}

bool FormDialog::Ask()
{
    return exec() == QDialog::Accepted;
}
