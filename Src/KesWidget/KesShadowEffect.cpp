#include "KesShadowEffect.h"

#include <QPaintEngine>
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
    // The part of the device being painted; Qt sets it around the effect's drawing.
    const QRegion repainted =
        painter->paintEngine() ? painter->paintEngine()->systemClip() : QRegion();
    if (!IsWithinOutline(repainted)) {
        DrawWhole(painter);
        return;
    }
    const QTransform kept = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(m_at, m_shadow);
    painter->setWorldTransform(kept);
    drawSource(painter);
}

bool KesShadowEffect::IsWithinOutline(const QRegion &repainted) const
{
    return !repainted.isEmpty() && !m_shadow.isNull() && m_offset == offset() &&
           qFuzzyCompare(m_radius, blurRadius()) && m_color == color() &&
           m_device == sourceBoundingRect(Qt::DeviceCoordinates).toAlignedRect() &&
           repainted.subtracted(m_opaque).isEmpty();
}

void KesShadowEffect::DrawWhole(QPainter *painter)
{
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
        m_opaqueInImage = OpaqueRegion(alpha);
    }
    m_at = at;
    m_device = sourceBoundingRect(Qt::DeviceCoordinates).toAlignedRect();
    // The pixmap's pixels are the device's, from where it is drawn.
    const qreal ratio = pixmap.devicePixelRatioF();
    m_opaque = m_opaqueInImage.translated(qRound(at.x() * ratio), qRound(at.y() * ratio));
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

// The fully opaque pixels of an alpha image, as bands of rows that share their runs.
QRegion KesShadowEffect::OpaqueRegion(const QImage &alpha)
{
    QRegion opaque;
    QVector<QRect> band;
    int bandTop = 0;
    const auto flush = [&](int bottom) {
        for (const QRect &run : qAsConst(band))
            opaque += QRect(run.left(), bandTop, run.width(), bottom - bandTop);
    };
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar *line = alpha.constScanLine(y);
        QVector<QRect> runs;
        for (int x = 0; x < alpha.width();) {
            if (line[x] != 0xFF) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < alpha.width() && line[x] == 0xFF)
                ++x;
            runs.append(QRect(start, 0, x - start, 1));
        }
        if (runs != band) {
            flush(y);
            band = runs;
            bandTop = y;
        }
    }
    flush(alpha.height());
    return opaque;
}
