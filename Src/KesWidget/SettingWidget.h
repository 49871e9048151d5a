#pragma once

#include <QWidget>

namespace Ui {
class SettingWidget;
}

// The settings page: the interface language and the folder exported readings are saved in.
class SettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget *parent = nullptr);
    ~SettingWidget() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_ChangeButton_clicked();
    void On_LanguageChanged(const QString &language);

private:
    void FillLanguageList();
    void ShowSavePath();

    Ui::SettingWidget *ui;
};
