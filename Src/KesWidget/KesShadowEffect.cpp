#include "KesShadowEffect.h"

#include <QPainter>
#include <QPixmap>
#include <QTransform>

// The blur the library's own shadow uses (exported by Qt Widgets, declared in its private
// headers), so that the kept shadow is the one the library would draw.
Q_DECL_IMPORT void qt_blurImage(QPainter *painter, QImage &blurImage, qreal radius, bool quality,
                                bool alphaOnly, int transposed = 0);

QImage KesShadowEffect::Shadow(const QImage &source, const QPointF &offset, qreal radius,
                               const QColor &color)
{
    QImage moved(source.size(), QImage::Format_ARGB32_Premultiplied);
    moved.setDevicePixelRatio(source.devicePixelRatioF());
    moved.fill(0);
    QPainter mover(&moved);
    mover.setCompositionMode(QPainter::CompositionMode_Source);
    mover.drawImage(offset, source);
    mover.end();

    QImage shadow(moved.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(source.devicePixelRatioF());
    shadow.fill(0);
    QPainter blurrer(&shadow);
    qt_blurImage(&blurrer, moved, radius, false, true);
    blurrer.end();

    QPainter tinter(&shadow);
    tinter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tinter.fillRect(shadow.rect(), color);
    tinter.end();
    return shadow;
}

void KesShadowEffect::draw(QPainter *painter)
{
    if (blurRadius() <= 0 && offset().isNull()) {
        drawSource(painter);
        return;
    }
    // In device coordinates, as the library draws it, so that nothing is scaled.
    QPoint at;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &at, PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    const QImage image = pixmap.toImage();
    const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
    if (!ShadowIsCurrent(alpha)) {
        m_shadow = Shadow(image, offset(), blurRadius(), color());
        m_alpha = alpha;
        m_offset = offset();
        m_radius = blurRadius();
        m_color = color();
    }
    const QTransform kept = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(at, m_shadow);
    painter->drawPixmap(at, pixmap);
    painter->setWorldTransform(kept);
}

bool KesShadowEffect::ShadowIsCurrent(const QImage &alpha) const
{
    return !m_shadow.isNull() && m_offset == offset() && qFuzzyCompare(m_radius, blurRadius()) &&
           m_color == color() && m_alpha == alpha;
}
