#include "KesLabelCell.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <QPainter>

KesLabelCell::KesLabelCell(QLabel *label, QWidget *parent, Backdrop backdrop)
    : QWidget(parent), m_label(label), m_backdrop(backdrop)
{
    setAttribute(Qt::WA_OpaquePaintEvent, backdrop == Backdrop::ParentColour);
    setObjectName(label->objectName() + QStringLiteral("Cell"));
    setSizePolicy(label->sizePolicy());
    setMinimumSize(label->minimumSize());
    setMaximumSize(label->maximumSize());
}

KesLabelCell *KesLabelCell::Wrap(QLabel *label, Backdrop backdrop)
{
    QWidget *parent = label->parentWidget();
    auto *cell = new KesLabelCell(label, parent, backdrop);
    delete parent->layout()->replaceWidget(label, cell);
    const bool hidden = label->isHidden();
    label->setParent(cell);
    label->setHidden(hidden);
    return cell;
}

QSize KesLabelCell::sizeHint() const
{
    return m_label->sizeHint();
}

QSize KesLabelCell::minimumSizeHint() const
{
    return m_label->minimumSizeHint();
}

bool KesLabelCell::event(QEvent *event)
{
    // The label's own request, or hints that changed while nothing was shown.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
        Follow();
    return QWidget::event(event);
}

void KesLabelCell::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_label->setGeometry(rect());
}

void KesLabelCell::paintEvent(QPaintEvent *event)
{
    if (m_backdrop == Backdrop::Clear)
        return QWidget::paintEvent(event);
    const QWidget *parent = parentWidget();
    QPainter(this).fillRect(event->rect(), parent->palette().brush(parent->backgroundRole()));
}

void KesLabelCell::Follow()
{
    // Each does nothing, and asks nothing, when the limit is unchanged.
    setMinimumSize(m_label->minimumSize());
    setMaximumSize(m_label->maximumSize());
    const QSize hint = m_label->sizeHint();
    const QSize minimumHint = m_label->minimumSizeHint();
    if (hint == m_hint && minimumHint == m_minimumHint)
        return;
    m_hint = hint;
    m_minimumHint = minimumHint;
    updateGeometry();
    // At once, as for a bare label: the label is not painted again at its old size first.
    if (QLayout *layout = parentWidget()->layout())
        layout->activate();
}
