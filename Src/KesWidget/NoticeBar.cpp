#include "NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

NoticeBar::NoticeBar(QWidget *parent)
    : QFrame(parent), m_text(new QLabel(this)), m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("NoticeBar"));
    m_text->setObjectName(QStringLiteral("NoticeText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_close->setObjectName(QStringLiteral("NoticeCloseButton"));
    m_close->setText(QStringLiteral("\u2715"));
    m_close->setFlat(true);
    m_close->setCursor(Qt::PointingHandCursor);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 6, 6);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);
    setStyleSheet(QStringLiteral("#NoticeBar { background: #fff4d6; border: 1px solid #e0b040; "
                                 "border-radius: 4px; } #NoticeText { color: #5a4000; }"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void NoticeBar::Show(const QString &text)
{
    m_text->setText(text);
    show();
}

QString NoticeBar::Text() const
{
    return isVisible() ? m_text->text() : QString();
}
