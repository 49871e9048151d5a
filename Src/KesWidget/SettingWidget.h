#pragma once

#include "InspectionCriteria.h"

#include <QWidget>

class InspectionSettingsWidget;
class TeamSettingsWidget;

namespace Ui {
class SettingWidget;
}

// The settings page: the interface language, the folder exported readings are saved in, the
// live sessions, the inspection criteria and the team server.
class SettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget *parent = nullptr);
    ~SettingWidget() override;

signals:
    // The user changed the inspection criteria, and they were stored.
    void CriteriaChanged(const InspectionCriteria &criteria);

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
    InspectionSettingsWidget *m_inspection = nullptr;
    TeamSettingsWidget *m_team = nullptr;
};
