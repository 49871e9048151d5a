#include "KesBars.h"

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

// The union of the bars, column by column of pixels: top of the highest and bottom of the
// lowest bar (with its outline) that covers the column's centre.
void KesBars::PaintAsOneShape(QCPPainter *painter, const QVector<QRectF> &rects)
{
    const double half = HalfPenWidth(painter->pen());
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    for (const QRectF &rect : rects) {
        left = std::min(left, rect.left() - half);
        right = std::max(right, rect.right() + half);
    }
    const int firstColumn = int(std::floor(left));
    const int columnCount = int(std::ceil(right)) - firstColumn + 1;
    QVector<double> tops(columnCount, std::numeric_limits<double>::max());
    QVector<double> bottoms(columnCount, std::numeric_limits<double>::lowest());
    for (const QRectF &rect : rects) {
        const int from = int(std::ceil(rect.left() - half - 0.5)) - firstColumn;
        const int to = int(std::floor(rect.right() + half - 0.5)) - firstColumn;
        for (int column = std::max(from, 0); column <= std::min(to, columnCount - 1); ++column) {
            tops[column] = std::min(tops[column], rect.top() - half);
            bottoms[column] = std::max(bottoms[column], rect.bottom() + half);
        }
    }

    painter->setPen(Qt::NoPen);
    QPolygonF upper, lower;
    auto flush = [&] {
        if (upper.isEmpty())
            return;
        std::reverse(lower.begin(), lower.end());
        painter->drawPolygon(upper + lower);
        upper.clear();
        lower.clear();
    };
    for (int column = 0; column < columnCount; ++column) {
        if (tops[column] > bottoms[column]) {
            flush();
            continue;
        }
        const double x = firstColumn + column;
        upper << QPointF(x, tops[column]) << QPointF(x + 1, tops[column]);
        lower << QPointF(x, bottoms[column]) << QPointF(x + 1, bottoms[column]);
    }
    flush();
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
