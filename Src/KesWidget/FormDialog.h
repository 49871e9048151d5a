#pragma once

#include <QDialog>

class QFormLayout;

// A small modal form: rows of a label and a field, then OK and Cancel.
class FormDialog : public QDialog
{
    Q_OBJECT
public:
    FormDialog(const QString &title, QWidget *parent);

    // The field belongs to the dialog from now on.
    void AddRow(const QString &label, QWidget *field);
    // Shows the form until the user answers; whether the answer was OK.
    bool Ask();

private:
    QFormLayout *m_form;
};
