#pragma once

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QPointF>

// A drop shadow that looks exactly as QGraphicsDropShadowEffect draws it, but keeps its blurred
// shadow while the outline of what it shadows (the alpha channel) stays the same. The library
// blurs the whole panel again on every repaint of anything in it, such as one row of a list
// taking a new reading; the shadow itself changes only with the panel's shape.
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

    QImage m_alpha; // what the kept shadow was made from
    QPointF m_offset;
    qreal m_radius = 0;
    QColor m_color;
    QImage m_shadow;
};
