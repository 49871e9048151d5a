#include "RimlessWindowBase.h"

#include "WindowCompositing.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QtMath>

namespace {

// Which corner of the tracked rectangle stays fixed while dragging.
enum class Fixed
{
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

constexpr QSize kTrackedMinimumSize(400, 400);

} // namespace

struct RimlessWindowBase::HitRule
{
    QRect RimlessWindowBase::*region;
    ProcessObject::DragMode mode;
    Fixed anchor;
    Qt::CursorShape cursor;
    int corner; // NoCorner leaves the resize corner as it was
};

// Tested in this order, so a corner wins over the two edges it lies on.
const RimlessWindowBase::HitRule RimlessWindowBase::kHitRules[] = {
    {&RimlessWindowBase::m_topLeftRect, ProcessObject::Corner, Fixed::BottomRight,
     Qt::SizeFDiagCursor, TopLeftCorner},
    {&RimlessWindowBase::m_topRightRect, ProcessObject::Corner, Fixed::BottomLeft,
     Qt::SizeBDiagCursor, TopRightCorner},
    {&RimlessWindowBase::m_bottomLeftRect, ProcessObject::Corner, Fixed::TopRight,
     Qt::SizeBDiagCursor, BottomLeftCorner},
    {&RimlessWindowBase::m_bottomRightRect, ProcessObject::Corner, Fixed::TopLeft,
     Qt::SizeFDiagCursor, BottomRightCorner},
    {&RimlessWindowBase::m_topRect, ProcessObject::TopEdge, Fixed::BottomRight, Qt::SizeVerCursor,
     NoCorner},
    {&RimlessWindowBase::m_bottomRect, ProcessObject::BottomEdge, Fixed::TopLeft, Qt::SizeVerCursor,
     NoCorner},
    {&RimlessWindowBase::m_leftRect, ProcessObject::LeftEdge, Fixed::BottomRight, Qt::SizeHorCursor,
     NoCorner},
    {&RimlessWindowBase::m_rightRect, ProcessObject::RightEdge, Fixed::TopLeft, Qt::SizeHorCursor,
     NoCorner},
};

RimlessWindowBase::RimlessWindowBase(QWidget *parent)
    : QWidget(parent), m_tracker(new ProcessObject)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_MouseTracking);
    // Without a compositor the shadow's margin is painted over the window colour instead.
    setAttribute(Qt::WA_TranslucentBackground, WindowCompositing::Available());
    setAttribute(Qt::WA_StyledBackground);
}

RimlessWindowBase::~RimlessWindowBase()
{
    m_tracker->deleteLater();
}

void RimlessWindowBase::SetDragArea(int x, int y, int w, int h)
{
    m_dragArea = QRect(x, y, w, h);
}

void RimlessWindowBase::SetTrackedGeometry(int x, int y, int w, int h)
{
    m_tracker->SetRect(x, y, w, h);
}

void RimlessWindowBase::SetShadowColor(QColor color)
{
    m_shadowColor = color;
    update();
}

void RimlessWindowBase::SetShadowWeight(int weight)
{
    m_shadowWeight = weight;
    update();
}

void RimlessWindowBase::UpdateHitRegions(int x, int y, int w, int h)
{
    m_topLeftRect = QRect(x, y, kCornerSize, kCornerSize);
    m_topRightRect = QRect(x + w - kCornerSize, y, kCornerSize, kCornerSize);
    m_bottomLeftRect = QRect(x, y + h - kCornerSize, kCornerSize, kCornerSize);
    m_bottomRightRect = QRect(x + w - kCornerSize, y + h - kCornerSize, kCornerSize, kCornerSize);
    m_topRect = QRect(x, y, w, kEdgeThickness);
    m_leftRect = QRect(x, y, kEdgeThickness, h);
    m_rightRect = QRect(x + w - kEdgeThickness, y, kEdgeThickness, h);
    m_bottomRect = QRect(x, y + h - kEdgeThickness, w, kEdgeThickness);
}

const RimlessWindowBase::HitRule *RimlessWindowBase::RuleAt(const QPoint &pos) const
{
    for (const HitRule &rule : kHitRules) {
        if ((this->*rule.region).contains(pos))
            return &rule;
    }
    return nullptr;
}

QPoint RimlessWindowBase::AnchorFor(const HitRule &rule) const
{
    const QPoint topLeft = m_tracker->TopLeft();
    const QPoint bottomRight = m_tracker->BottomRight();
    switch (rule.anchor) {
    case Fixed::TopLeft:
        return topLeft;
    case Fixed::TopRight:
        return {bottomRight.x(), topLeft.y()};
    case Fixed::BottomLeft:
        return {topLeft.x(), bottomRight.y()};
    case Fixed::BottomRight:
        return bottomRight;
    }
    return topLeft;
}

// Events forwarded from child widgets carry child coordinates; the global position does not
// depend on who received the event.
QPoint RimlessWindowBase::WindowPos(const QMouseEvent *event) const
{
    return mapFromGlobal(event->globalPos());
}

void RimlessWindowBase::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    const QPoint pos = WindowPos(event);
    if (const HitRule *rule = RuleAt(pos)) {
        m_tracker->SetMode(rule->mode);
        const QPoint anchor = AnchorFor(*rule);
        m_tracker->SetAnchor(anchor.x(), anchor.y());
        setCursor(rule->cursor);
        if (rule->corner != NoCorner)
            m_resizeCorner = rule->corner;
    } else if (m_dragArea.contains(pos)) {
        m_tracker->SetMode(ProcessObject::Move);
    }
    m_lastX = event->globalX();
    m_lastY = event->globalY();
}

void RimlessWindowBase::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
    m_tracker->SetMode(ProcessObject::None);
    setCursor(Qt::ArrowCursor);
}

void RimlessWindowBase::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = WindowPos(event);
    if (m_tracker->Mode() != ProcessObject::Move && !m_pressed)
        UpdateHoverCursor(pos);

    Drag(event->globalPos());
    m_lastX = event->globalX();
    m_lastY = event->globalY();

    if (m_tracker->Mode() != ProcessObject::None) {
        setGeometry(QRect(m_tracker->TopLeft(), QSize(m_tracker->Width(), m_tracker->Height())));
        move(m_tracker->TopLeft());
    }
    emit mouseMoveed(pos);
}

void RimlessWindowBase::UpdateHoverCursor(const QPoint &pos)
{
    if (const HitRule *rule = RuleAt(pos))
        setCursor(rule->cursor);
    else if (m_tracker->Mode() == ProcessObject::None)
        setCursor(Qt::ArrowCursor);
}

void RimlessWindowBase::Drag(const QPoint &global)
{
    switch (m_tracker->Mode()) {
    case ProcessObject::None:
        break;
    case ProcessObject::Move:
        m_tracker->MoveBy(global.x() - m_lastX, global.y() - m_lastY);
        break;
    case ProcessObject::Corner:
        DragCorner(global);
        break;
    case ProcessObject::TopEdge:
    case ProcessObject::BottomEdge:
    case ProcessObject::LeftEdge:
    case ProcessObject::RightEdge:
        DragEdge(global);
        break;
    }
}

// The dragged corner follows the pointer on each axis only while the window stays wider and
// taller than its minimum size; otherwise that coordinate stays where it is.
void RimlessWindowBase::DragCorner(const QPoint &global)
{
    const QSize min = minimumSize();
    const QPoint topLeft = m_tracker->TopLeft();
    const QPoint bottomRight = m_tracker->BottomRight();
    const bool leftSide = m_resizeCorner == TopLeftCorner || m_resizeCorner == BottomLeftCorner;
    const bool topSide = m_resizeCorner == TopLeftCorner || m_resizeCorner == TopRightCorner;
    const int gx = global.x();
    const int gy = global.y();

    int x;
    if (leftSide)
        x = gx < bottomRight.x() - min.width() ? gx : topLeft.x();
    else
        x = topLeft.x() + min.width() < gx ? gx : bottomRight.x();
    int y;
    if (topSide)
        y = gy < bottomRight.y() - min.height() ? gy : topLeft.y();
    else
        y = topLeft.y() + min.height() < gy ? gy : bottomRight.y();
    m_tracker->DragTo(x, y);
}

void RimlessWindowBase::DragEdge(const QPoint &global)
{
    const QSize min = minimumSize();
    const QRect window = geometry();
    const int gx = global.x();
    const int gy = global.y();
    switch (m_tracker->Mode()) {
    case ProcessObject::TopEdge:
        if (gy < window.y() + window.height() - min.height())
            m_tracker->DragTo(m_tracker->X(), gy);
        break;
    case ProcessObject::BottomEdge:
        if (window.y() + min.height() < gy)
            m_tracker->DragTo(m_tracker->BottomRight().x(), gy);
        break;
    case ProcessObject::LeftEdge:
        if (gx < window.x() + window.width() - min.width())
            m_tracker->DragTo(gx, m_tracker->Y());
        break;
    case ProcessObject::RightEdge:
        if (window.x() + min.width() < gx)
            m_tracker->DragTo(gx, m_tracker->BottomRight().y());
        break;
    default:
        break;
    }
}

void RimlessWindowBase::leaveEvent(QEvent *event)
{
    if (!m_pressed) {
        m_resizeCorner = NoCorner;
        setCursor(Qt::ArrowCursor);
    }
    QWidget::leaveEvent(event);
}

// White body, then one outline per pixel of shadow weight, fading outwards. The outlines run
// through pixel centres so that each covers exactly one ring of pixels around the body.
void RimlessWindowBase::paintEvent(QPaintEvent *event)
{
    const int w = m_shadowWeight;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Opaque, without a compositor, the margin has no desktop below it: the shadow shades white.
    if (!testAttribute(Qt::WA_TranslucentBackground))
        painter.fillRect(rect(), Qt::white);

    // A whole-pixel rectangle: every pixel of it is covered wholly, anti-aliased or not, and the
    // plain fill is far cheaper under the small repaints of a live window.
    const QRect body(w, w, width() - 2 * w, height() - 2 * w);
    painter.fillRect(body, Qt::white);
    // The outlines lie in the margin, one pixel ring each: a repaint within the body misses them.
    if (body.contains(event->rect()))
        return;

    QColor color = m_shadowColor;
    for (int i = 0; i < w; ++i) {
        color.setAlpha(int(150 - 50 * qSqrt(i)));
        painter.setPen(QPen(color, 1));
        const qreal inset = w - i - 0.5;
        painter.drawRect(QRectF(inset, inset, width() - 2 * inset, height() - 2 * inset));
    }
}

void RimlessWindowBase::moveEvent(QMoveEvent *event)
{
    if (m_tracker->Mode() == ProcessObject::None) {
        const QRect window = geometry();
        m_tracker->SetRect(window.x(), window.y(), window.width(), window.height());
        UpdateHitRegions(0, 0, width(), height());
    }
    emit moveEvented();
    QWidget::moveEvent(event);
}

void RimlessWindowBase::resizeEvent(QResizeEvent *event)
{
    UpdateHitRegions(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

void RimlessWindowBase::showEvent(QShowEvent *event)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    m_tracker->SetMinimumSize(kTrackedMinimumSize);
    m_tracker->SetMaximumWidth(screen.width());
    m_tracker->SetMaximumHeight(screen.height());
    UpdateHitRegions(0, 0, width(), height());
    QWidget::showEvent(event);
}
