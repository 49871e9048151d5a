#include "AboutWidget.h"
#include "ui_AboutWidget.h"

#include "KesStyle.h"
#include "Version.h"

#include <QLabel>
#include <qcustomplot.h>

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
    AddCredits();

    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("AboutWidget")));
}

AboutWidget::~AboutWidget()
{
    delete ui;
}

void AboutWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RetranslateCredits();
    } else {
        QWidget::changeEvent(event);
    }
}

void AboutWidget::AddCredits()
{
    m_credits = new QLabel(ui->RootWidget);
    m_credits->setObjectName(QStringLiteral("Credits"));
    m_credits->setAlignment(Qt::AlignCenter);
    ui->verticalLayout_3->addWidget(m_credits);
    RetranslateCredits();
}

void AboutWidget::RetranslateCredits()
{
    m_credits->setText(
        tr("Built with Qt %1 (GNU LGPL 3.0) and QCustomPlot %2 (GNU GPL 3.0).\n"
           "Free software under the GNU GPL, version 3 or later.")
            .arg(QString::fromLatin1(qVersion()), QStringLiteral(QCUSTOMPLOT_VERSION_STR)));
}
