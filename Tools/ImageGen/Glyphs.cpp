#include "Glyphs.h"

#include <QPainterPath>
#include <QtMath>

namespace Glyphs {
namespace {

QPen RoundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF Forward(Direction direction)
{
    switch (direction) {
    case Direction::Left:
        return {-1, 0};
    case Direction::Right:
        return {1, 0};
    case Direction::Up:
        return {0, -1};
    case Direction::Down:
        return {0, 1};
    }
    return {};
}

// An open arrow head pointing in `direction`, `depth` long and `2 * half` wide.
void Chevron(QPainter &p, QPointF centre, qreal half, qreal depth, Direction direction)
{
    const QPointF f = Forward(direction);
    const QPointF side(-f.y(), f.x());
    const QPointF back = centre - f * (depth / 2);
    const QPointF points[] = {back + side * half, centre + f * (depth / 2), back - side * half};
    p.drawPolyline(points, 3);
}

// The two chart axes shared by the line and the bar view glyphs.
void ChartAxes(QPainter &p, const QColor &color)
{
    p.setPen(RoundPen(color, 1.4));
    const QPointF axes[] = {{2.5, 2.5}, {2.5, 17.5}, {17.5, 17.5}};
    p.drawPolyline(axes, 3);
}

QPointF OnCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

// An arc running counter-clockwise from `startDegrees` over `spanDegrees`, ending in a solid head.
void ArrowArc(QPainter &p, QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees,
              const QColor &color)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDegrees);
    arc.arcTo(box, startDegrees, spanDegrees);
    p.setPen(RoundPen(color, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    const qreal endDegrees = startDegrees + spanDegrees;
    const qreal a = qDegreesToRadians(endDegrees);
    const QPointF end = OnCircle(centre, radius, endDegrees);
    const QPointF tangent(-qSin(a), -qCos(a));
    const QPointF radial(qCos(a), -qSin(a));
    const QPointF head[] = {end + tangent * 4.0, end - tangent * 1.0 + radial * 4.0,
                            end - tangent * 1.0 - radial * 4.0};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head, 3);
}

} // namespace

void ProductMark(QPainter &p, int size)
{
    p.save();
    p.scale(size / 80.0, size / 80.0);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 78, 78), 16, 16);
    p.fillPath(tile, kActiveGreen);
    p.setClipPath(tile);

    // Coating layers over the substrate: top coat, primer, metal.
    p.fillRect(QRectF(0, 42, 80, 6), Qt::white);
    p.fillRect(QRectF(0, 48, 80, 8), kOrange);
    p.fillRect(QRectF(0, 56, 80, 24), kSubstrate);

    // The probe touches the top coat with its tip.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(30, 6, 20, 24), 5, 5);
    p.setBrush(kSubstrate);
    p.drawRect(QRectF(33, 30, 14, 5));
    const QPointF tip[] = {{33, 35}, {47, 35}, {40, 42}};
    p.drawPolygon(tip, 3);

    if (size >= 40) {
        p.setPen(RoundPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        for (qreal radius : {14.0, 21.0}) {
            const QRectF box(40 - radius, 42 - radius, 2 * radius, 2 * radius);
            p.drawArc(box, 10 * 16, 40 * 16);
            p.drawArc(box, 130 * 16, 40 * 16);
        }
    }
    p.restore();
}

void MinimiseGlyph(QPainter &p, const QColor &color)
{
    p.setPen(QPen(color, 1));
    p.drawLine(QPointF(1, 6.5), QPointF(11, 6.5));
}

void MaximiseGlyph(QPainter &p, const QColor &color)
{
    p.setPen(QPen(color, 1));
    p.drawRect(QRectF(1.5, 1.5, 9, 9));
}

void RestoreGlyph(QPainter &p, const QColor &color)
{
    p.setPen(QPen(color, 1));
    p.drawRect(QRectF(1.5, 3.5, 7, 7));
    const QPointF back[] = {{3.5, 3.5}, {3.5, 1.5}, {10.5, 1.5}, {10.5, 8.5}, {8.5, 8.5}};
    p.drawPolyline(back, 5);
}

void CrossGlyph(QPainter &p, int size, const QColor &color)
{
    const qreal near = 1.5;
    const qreal far = size - 1.5;
    p.setPen(QPen(color, 1.2));
    p.drawLine(QPointF(near, near), QPointF(far, far));
    p.drawLine(QPointF(far, near), QPointF(near, far));
}

void ComboArrow(QPainter &p, Direction direction)
{
    p.setPen(RoundPen(kMuted, 1.5));
    Chevron(p, QPointF(6, 6), 3.5, 3.5, direction);
}

void ListViewGlyph(QPainter &p, const QColor &color)
{
    for (qreal y : {4.5, 10.0, 15.5}) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(3.5, y), 1.6, 1.6);
        p.setPen(RoundPen(color, 1.8));
        p.drawLine(QPointF(7.5, y), QPointF(17.5, y));
    }
}

void LineChartGlyph(QPainter &p, const QColor &color)
{
    ChartAxes(p, color);
    p.setPen(RoundPen(color, 1.8));
    const QPointF trace[] = {{5, 14}, {8.5, 9}, {12, 12}, {17, 4.5}};
    p.drawPolyline(trace, 4);
}

void BarChartGlyph(QPainter &p, const QColor &color)
{
    ChartAxes(p, color);
    p.fillRect(QRectF(5, 11, 3, 5.5), color);
    p.fillRect(QRectF(9.5, 5, 3, 11.5), color);
    p.fillRect(QRectF(14, 8.5, 3, 8), color);
}

void PagingButton(QPainter &p, Direction direction, PagingLook look)
{
    QColor ring = QColor("#CCCCCC");
    QColor fill = Qt::white;
    QColor arrow = kMuted;
    switch (look) {
    case PagingLook::Normal:
        break;
    case PagingLook::Hover:
        ring = kActiveGreen;
        arrow = kActiveGreen;
        break;
    case PagingLook::Click:
        ring = kActiveGreen;
        fill = kActiveGreen;
        arrow = Qt::white;
        break;
    case PagingLook::Disabled:
        ring = QColor("#E6E6E6");
        fill = QColor("#FAFAFA");
        arrow = QColor("#D2D2D2");
        break;
    }
    p.setPen(QPen(ring, 1.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(15, 15), 13.6, 13.6);
    p.setPen(RoundPen(arrow, 2));
    p.setBrush(Qt::NoBrush);
    Chevron(p, QPointF(15, 15), 5.5, 5.5, direction);
}

void SyncGlyph(QPainter &p, const QColor &color)
{
    const QPointF centre(15, 15);
    ArrowArc(p, centre, 9.5, 30, 125, color);
    ArrowArc(p, centre, 9.5, 210, 125, color);
}

void DownloadGlyph(QPainter &p, const QColor &color)
{
    p.setPen(RoundPen(color, 2.4));
    p.drawLine(QPointF(15, 4), QPointF(15, 18));
    Chevron(p, QPointF(15, 15.25), 5.5, 5.5, Direction::Down);
    const QPointF tray[] = {{5, 17}, {5, 25}, {25, 25}, {25, 17}};
    p.drawPolyline(tray, 4);
}

void UnpluggedGlyph(QPainter &p)
{
    // Plug on the left, socket on the right, cables leaving at the sides.
    p.setPen(RoundPen(kSubstrate, 4));
    p.drawLine(QPointF(2, 25), QPointF(5, 25));
    p.drawLine(QPointF(45, 25), QPointF(48, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(kSubstrate);
    p.drawRoundedRect(QRectF(4, 14, 13, 22), 2.5, 2.5);
    p.drawRect(QRectF(17, 18.5, 6, 3.5));
    p.drawRect(QRectF(17, 28, 6, 3.5));
    p.drawRoundedRect(QRectF(33, 14, 13, 22), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(33, 18.5, 5, 3.5));
    p.drawRect(QRectF(33, 28, 5, 3.5));

    // Break marks in the gap, above and below.
    p.setPen(RoundPen(kAlertRed, 2.2));
    for (qreal sign : {-1.0, 1.0}) {
        const qreal near = 25 + sign * 11;
        const qreal far = 25 + sign * 17;
        p.drawLine(QPointF(28, near), QPointF(28, far));
        p.drawLine(QPointF(24, near - sign * 1.5), QPointF(21, far - sign * 1));
        p.drawLine(QPointF(32, near - sign * 1.5), QPointF(35, far - sign * 1));
    }
}

void ClockGlyph(QPainter &p, const QColor &color)
{
    const QPointF centre(25, 25);
    p.setPen(RoundPen(color, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 19.5, 19.5);
    p.setPen(RoundPen(color, 2));
    for (int hour = 0; hour < 12; hour += 3) {
        const qreal degrees = 90 - hour * 30;
        p.drawLine(OnCircle(centre, 14.5, degrees), OnCircle(centre, 16.5, degrees));
    }
    p.setPen(RoundPen(color, 3));
    p.drawLine(centre, QPointF(25, 13));
    p.drawLine(centre, QPointF(33, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, 2.4, 2.4);
}

void WarningGlyph(QPainter &p)
{
    const QPointF triangle[] = {{25, 6}, {46, 42}, {4, 42}};
    p.setPen(RoundPen(kOrange, 4));
    p.setBrush(kOrange);
    p.drawPolygon(triangle, 3);
    p.setPen(RoundPen(Qt::white, 4.2));
    p.drawLine(QPointF(25, 18), QPointF(25, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25, 36.5), 2.5, 2.5);
}

void InformationGlyph(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kProgressGreen);
    p.drawEllipse(QPointF(25, 25), 21, 21);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25, 14.5), 3, 3);
    p.setPen(RoundPen(Qt::white, 5));
    p.drawLine(QPointF(25, 22.5), QPointF(25, 36));
}

} // namespace Glyphs
