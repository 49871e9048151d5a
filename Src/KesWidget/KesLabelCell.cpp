#include "KesLabelCell.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <QPainter>

KesLabelCell::KesLabelCell(QLabel *label, QWidget *parent, Backdrop backdrop, Width width)
    : QWidget(parent), m_label(label), m_backdrop(backdrop), m_width(width),
      m_setting(LabelSetting())
{
    setAttribute(Qt::WA_OpaquePaintEvent, backdrop == Backdrop::ParentColour);
    setObjectName(label->objectName() + QStringLiteral("Cell"));
    setSizePolicy(label->sizePolicy());
    setMinimumSize(label->minimumSize());
    setMaximumSize(label->maximumSize());
}

KesLabelCell *KesLabelCell::Wrap(QLabel *label, Backdrop backdrop, Width width)
{
    QWidget *parent = label->parentWidget();
    auto *cell = new KesLabelCell(label, parent, backdrop, width);
    delete parent->layout()->replaceWidget(label, cell);
    const bool hidden = label->isHidden();
    label->setParent(cell);
    label->setHidden(hidden);
    return cell;
}

QSize KesLabelCell::sizeHint() const
{
    return Widened(m_label->sizeHint(), m_widestHint);
}

QSize KesLabelCell::minimumSizeHint() const
{
    return Widened(m_label->minimumSizeHint(), m_widestMinimumHint);
}

QSize KesLabelCell::Widened(QSize labelHint, int widest) const
{
    if (m_width == Width::Widest)
        labelHint.setWidth(qMax(labelHint.width(), widest));
    return labelHint;
}

bool KesLabelCell::Setting::operator==(const Setting &other) const
{
    return font == other.font && margins == other.margins && margin == other.margin &&
           indent == other.indent && alignment == other.alignment && wordWrap == other.wordWrap &&
           minimum == other.minimum && maximum == other.maximum;
}

KesLabelCell::Setting KesLabelCell::LabelSetting() const
{
    return {m_label->font(),        m_label->contentsMargins(), m_label->margin(),
            m_label->indent(),      int(m_label->alignment()),  m_label->wordWrap(),
            m_label->minimumSize(), m_label->maximumSize()};
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
    if (m_width == Width::Widest) {
        // The widest under another font says nothing of the texts to come.
        const Setting setting = LabelSetting();
        if (!(setting == m_setting)) {
            m_setting = setting;
            m_widestHint = m_widestMinimumHint = 0;
        }
    }
    const QSize hint = sizeHint();
    const QSize minimumHint = minimumSizeHint();
    m_widestHint = hint.width();
    m_widestMinimumHint = minimumHint.width();
    if (hint == m_hint && minimumHint == m_minimumHint)
        return;
    m_hint = hint;
    m_minimumHint = minimumHint;
    updateGeometry();
    // At once, as for a bare label: the label is not painted again at its old size first.
    if (QLayout *layout = parentWidget()->layout())
        layout->activate();
}
