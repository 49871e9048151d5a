#include "CompanySettingsWidget.h"

#include "RecordStore.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Larger files are not logos; they would swell every report.
constexpr qint64 LargestLogoBytes = 4 * 1024 * 1024;
constexpr int PreviewHeight = 40;
} // namespace

CompanySettingsWidget::CompanySettingsWidget(RecordStore *store, QWidget *parent)
    : QWidget(parent), m_store(store)
{
    // The frame the settings page's style sheet draws, as around its other groups.
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("CompanySettingWidget"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    m_title = new QLabel(frame);
    m_title->setObjectName(QStringLiteral("CompanySettingLabel"));
    m_nameLabel = new QLabel(frame);
    m_name = new QLineEdit(frame);
    m_name->setObjectName(QStringLiteral("CompanyNameEdit"));
    m_logoLabel = new QLabel(frame);
    m_preview = new QLabel(frame);
    m_preview->setObjectName(QStringLiteral("CompanyLogo"));
    m_preview->setFixedHeight(PreviewHeight);
    m_choose = new QPushButton(frame);
    m_choose->setObjectName(QStringLiteral("CompanyLogoButton"));
    m_remove = new QPushButton(frame);
    m_remove->setObjectName(QStringLiteral("CompanyLogoRemove"));
    m_result = new QLabel(frame);
    m_result->setObjectName(QStringLiteral("CompanyResultLabel"));
    m_result->setWordWrap(true);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(20, 10, 20, 10);
    grid->addWidget(m_title, 0, 0, 1, 4);
    grid->addWidget(m_nameLabel, 1, 0);
    grid->addWidget(m_name, 1, 1, 1, 3);
    grid->addWidget(m_logoLabel, 2, 0);
    grid->addWidget(m_preview, 2, 1);
    grid->addWidget(m_choose, 2, 2);
    grid->addWidget(m_remove, 2, 3);
    grid->addWidget(m_result, 3, 0, 1, 4);
    const RecordCompany company = m_store->Company();
    m_name->setText(company.name);
    m_logo = company.logo;
    ShowLogo();
    Retranslate();
    connect(m_name, &QLineEdit::editingFinished, this, &CompanySettingsWidget::On_NameEdited);
    connect(m_choose, &QPushButton::clicked, this, &CompanySettingsWidget::On_ChooseLogo);
    connect(m_remove, &QPushButton::clicked, this, &CompanySettingsWidget::On_RemoveLogo);
}

void CompanySettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void CompanySettingsWidget::Retranslate()
{
    m_title->setText(tr("Company on reports"));
    m_nameLabel->setText(tr("Name"));
    m_logoLabel->setText(tr("Logo"));
    m_choose->setText(tr("Choose image..."));
    m_remove->setText(tr("Remove"));
    if (m_logo.isEmpty())
        m_preview->setText(tr("none"));
}

void CompanySettingsWidget::ShowLogo()
{
    const QImage logo = QImage::fromData(m_logo);
    m_remove->setEnabled(!logo.isNull());
    if (logo.isNull()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(tr("none"));
        return;
    }
    m_preview->setPixmap(
        QPixmap::fromImage(logo.scaledToHeight(PreviewHeight, Qt::SmoothTransformation)));
}

bool CompanySettingsWidget::Store(const QByteArray &logo)
{
    if (!m_store->SetCompany({m_name->text().trimmed(), logo})) {
        m_result->setText(tr("The company could not be kept: %1").arg(m_store->Problem()));
        return false;
    }
    m_logo = logo;
    m_result->clear();
    ShowLogo();
    return true;
}

void CompanySettingsWidget::On_NameEdited()
{
    if (m_name->text().trimmed() != m_store->Company().name)
        Store(m_logo);
}

bool CompanySettingsWidget::SetLogoFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (file.size() > LargestLogoBytes) {
        m_result->setText(tr("%1 is larger than %2 MB; choose a smaller image.")
                              .arg(shown)
                              .arg(LargestLogoBytes / (1024 * 1024)));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_result->setText(tr("%1 cannot be read: %2").arg(shown, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (QImage::fromData(bytes).isNull()) {
        m_result->setText(
            tr("%1 is not an image the program can read (PNG, JPEG, BMP).").arg(shown));
        return false;
    }
    return Store(bytes);
}

void CompanySettingsWidget::On_ChooseLogo()
{
    const QString path =
        QFileDialog::getOpenFileName(window(), tr("Choose the company's logo"), QString(),
                                     tr("Images (*.png *.jpg *.jpeg *.bmp)"));
    if (!path.isEmpty())
        SetLogoFile(path);
}

void CompanySettingsWidget::On_RemoveLogo()
{
    Store(QByteArray());
}
