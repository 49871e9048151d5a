#include "SettingWidget.h"
#include "ui_SettingWidget.h"

#include "InspectionSettingsWidget.h"
#include "KesStyle.h"
#include "TeamSettingsWidget.h"

#include "GaugeSession.h"
#include "KesConfig.h"

#include <QFileDialog>
#include <QListView>

namespace {
const QString saveFilePathKey = QStringLiteral("SaveFilePath");
} // namespace

SettingWidget::SettingWidget(QWidget *parent) : QWidget(parent), ui(new Ui::SettingWidget)
{
    ui->setupUi(this);
    FillLanguageList();
    m_inspection = new InspectionSettingsWidget(ui->SaveWidget);
    QBoxLayout *groups = ui->verticalLayout_16;
    groups->insertWidget(groups->indexOf(ui->SessionSettingWidget) + 1, m_inspection);
    connect(m_inspection, &InspectionSettingsWidget::CriteriaChanged, this,
            &SettingWidget::CriteriaChanged);
    m_team = new TeamSettingsWidget(ui->SaveWidget);
    groups->insertWidget(groups->indexOf(m_inspection) + 1, m_team);

    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("SettingWidget")));

    // Connected only after the list is filled, so that filling it never switches the language.
    connect(ui->LangBox, &QComboBox::currentTextChanged, this, &SettingWidget::On_LanguageChanged);
    // Written only when the user changes it: an untouched settings file stays as it is.
    connect(ui->ReconnectCheckBox, &QCheckBox::clicked, this, &GaugeSession::SetReconnectEnabled);
}

SettingWidget::~SettingWidget()
{
    delete ui;
}

void SettingWidget::FillLanguageList()
{
    auto *view = new QListView(ui->LangBox);
    view->setObjectName(QStringLiteral("StyleComboBoxView"));
    ui->LangBox->setView(view);

    const QMultiMap<QString, QVariant> languages = KesConfig::Instance()->ReadArray(
        QStringLiteral("Langs"), {QStringLiteral("lang"), QStringLiteral("lang")});
    for (const QVariant &language : languages)
        ui->LangBox->addItem(language.toString());
    // A settings file without its list of languages still offers both; a list edited to
    // another size offers none.
    if (!KesConfig::Instance()
             ->ReadValue(QStringLiteral("size"), QStringLiteral("Langs"))
             .isValid())
        ui->LangBox->addItems(KesConfig::Languages());
}

void SettingWidget::On_LanguageChanged(const QString &language)
{
    if (!language.isEmpty())
        KesConfig::Instance()->SetLanguage(language);
}

void SettingWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->LangBox->setCurrentText(
        KesConfig::Instance()
            ->ReadValue(QStringLiteral("Language"), QStringLiteral("Defaule"))
            .toString());
    ShowSavePath();
    ui->ReconnectCheckBox->setChecked(GaugeSession::ReconnectEnabled());
    m_inspection->ShowStored();
    m_team->ShowStored();
}

void SettingWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ShowSavePath();
}

// A folder too long for the edit shows its beginning and an ellipsis.
void SettingWidget::ShowSavePath()
{
    const QString path = KesConfig::Instance()->SaveFolder();
    const int room = ui->SavePathEdit->width() - 5;
    const QFontMetrics metrics(ui->SavePathEdit->font());
    ui->SavePathEdit->setText(metrics.horizontalAdvance(path) > room
                                  ? metrics.elidedText(path, Qt::ElideRight, room)
                                  : path);
}

void SettingWidget::on_ChangeButton_clicked()
{
    const QString current = KesConfig::Instance()->SaveFolder();
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Select the road strength to be saved"), current, QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        KesConfig::Instance()->WriteValue(saveFilePathKey, chosen);
    ShowSavePath();
}

void SettingWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    else
        QWidget::changeEvent(event);
}
