#pragma once

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>

// A drop shadow that looks exactly as QGraphicsDropShadowEffect draws it, but keeps its blurred
// shadow while the outline of what it shadows (the alpha channel) stays the same. The library
// renders and blurs the whole panel again on every repaint of anything in it, such as one row
// of a list taking a new reading; the shadow itself changes only with the panel's shape.
//
// A repaint that lies wholly where the panel was opaque when last drawn whole (a row of the
// list) cannot change its outline: only that part of the panel is painted again, over the
// kept shadow, as it would be without an effect.
class KesShadowEffect : public QGraphicsDropShadowEffect
{
    Q_OBJECT
public:
    using QGraphicsDropShadowEffect::QGraphicsDropShadowEffect;

    // The shadow of an image: its alpha channel moved by offset, blurred by radius and filled
    // with color, in the image's size.
    static QImage Shadow(const QImage &source, const QPointF &offset, qreal radius,
                         const QColor &color);

protected:
    void draw(QPainter *painter) override;

private:
    bool ShadowIsCurrent(const QImage &alpha) const;
    bool IsWithinOutline(const QRegion &repainted) const;
    void DrawWhole(QPainter *painter);
    static QRegion OpaqueRegion(const QImage &alpha);

    QImage m_alpha;          // what the kept shadow was made from
    QPoint m_at;             // where the kept shadow is drawn, as the library places the panel
    QRect m_device;          // the panel's rectangle on the device when the shadow was made
    QRegion m_opaqueInImage; // the pixels of the kept shadow's source the panel covers wholly
    QRegion m_opaque;        // the same on the device, where the panel was last drawn whole
    QPointF m_offset;
    qreal m_radius = 0;
    QColor m_color;
    QImage m_shadow;
};
