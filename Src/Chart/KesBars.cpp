#include "KesBars.h"

#include "KesColumnBand.h"

#include <cmath>
#include <limits>

namespace {

double HalfPenWidth(const QPen &pen)
{
    return pen.style() == Qt::NoPen ? 0 : (pen.isCosmetic() ? 1.0 : pen.widthF()) / 2;
}

} // namespace

KesBars::KesBars(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPBars(keyAxis, valueAxis) {}

bool KesBars::CanPaintAsOneShape(const QCPPainter *painter, const QVector<QRectF> &rects)
{
    // Only where outline and fill are one colour does the union look like the bars.
    const QPen pen = painter->pen();
    const QBrush brush = painter->brush();
    if (rects.size() < 2 || brush.style() != Qt::SolidPattern ||
        (pen.style() != Qt::NoPen &&
         (pen.style() != Qt::SolidLine || pen.color() != brush.color())))
        return false;
    const double span = std::fabs(rects.last().center().x() - rects.first().center().x());
    return span < rects.size() - 1;
}

// The union of the bars: each pixel column from the top of the highest to the bottom of the
// lowest bar (with its outline) that touches the column.
void KesBars::PaintAsOneShape(QCPPainter *painter, const QVector<QRectF> &rects)
{
    const double half = HalfPenWidth(painter->pen());
    KesColumnBand band(std::min(rects.first().left(), rects.last().left()) - half,
                       std::max(rects.first().right(), rects.last().right()) + half);
    for (const QRectF &rect : rects) {
        // Many overlapping edges blend into a dark column wherever any of them touches it.
        const int from = int(std::floor(rect.left() - half));
        const int to = int(std::ceil(rect.right() + half)) - 1;
        band.Cover(from, to, rect.top() - half, rect.bottom() + half);
    }
    band.Paint(painter);
}
void KesBars::draw(QCPPainter *painter)
{
    if (!mKeyAxis || !mValueAxis) {
        qDebug() << Q_FUNC_INFO << "invalid key or value axis";
        return;
    }
    if (mDataContainer->isEmpty())
        return;
    m_barRecords.clear();

    QCPBarsDataContainer::const_iterator visibleBegin, visibleEnd;
    getVisibleDataBounds(visibleBegin, visibleEnd);
    QList<QCPDataRange> selectedSegments, unselectedSegments;
    getDataSegments(selectedSegments, unselectedSegments);
    const QList<QCPDataRange> segments = unselectedSegments + selectedSegments;
    for (int i = 0; i < segments.size(); ++i) {
        const bool selected = i >= unselectedSegments.size();
        QCPBarsDataContainer::const_iterator begin = visibleBegin;
        QCPBarsDataContainer::const_iterator end = visibleEnd;
        mDataContainer->limitIteratorsToDataRange(begin, end, segments.at(i));
        if (begin == end)
            continue;
        if (selected && mSelectionDecorator) {
            mSelectionDecorator->applyBrush(painter);
            mSelectionDecorator->applyPen(painter);
        } else {
            painter->setBrush(mBrush);
            painter->setPen(mPen);
        }
        applyDefaultAntialiasingHint(painter);
        QVector<QRectF> rects;
        rects.reserve(int(end - begin));
        for (auto it = begin; it != end; ++it) {
            const QRectF rect = getBarRect(it->key, it->value);
            m_barRecords.append({rect, it->key, it->value});
            rects.append(rect);
        }
        if (CanPaintAsOneShape(painter, rects)) {
            PaintAsOneShape(painter, rects);
        } else {
            for (const QRectF &rect : rects)
                painter->drawPolygon(rect);
        }
    }
    if (mSelectionDecorator)
        mSelectionDecorator->drawDecoration(painter, selection());
}
