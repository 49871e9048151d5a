#pragma once

#include <QWidget>

class QLabel;

namespace Ui {
class AboutWidget;
}

// The About page: product logo, product name with edition and version, copyright line, and the
// credits: the libraries the program is built with and the licences.
class AboutWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWidget(QWidget *parent = nullptr);
    ~AboutWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void AddCredits();
    void RetranslateCredits();

    Ui::AboutWidget *ui;
    QLabel *m_credits = nullptr;
};
