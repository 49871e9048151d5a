#pragma once

#include <QWidget>

namespace Ui {
class AboutWidget;
}

// The About page: product logo, product name with edition and version, copyright line.
class AboutWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWidget(QWidget *parent = nullptr);
    ~AboutWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::AboutWidget *ui;
};
