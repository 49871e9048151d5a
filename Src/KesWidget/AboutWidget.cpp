#include "AboutWidget.h"
#include "ui_AboutWidget.h"

#include "KesStyle.h"
#include "Version.h"

namespace {
// Product name, edition and version are names, shown alike in every language.
const QString productName = QStringLiteral("Varnolithic");
const QString productEdition = QStringLiteral("Tolvane");
const QString productVersion = QStringLiteral(VARNOLITHIC_VERSION);
const QString copyrightLine = QString::fromUtf8("Copyright © 2026 Varnolithic");
} // namespace

AboutWidget::AboutWidget(QWidget *parent) : QWidget(parent), ui(new Ui::AboutWidget)
{
    ui->setupUi(this);
    ui->AppName->setText(productName + ' ' + productEdition + ' ' + productVersion);
    ui->Time->setText(copyrightLine);

    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("AboutWidget")));
}

AboutWidget::~AboutWidget()
{
    delete ui;
}

void AboutWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    else
        QWidget::changeEvent(event);
}
