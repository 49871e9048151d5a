#include "KesGraph.h"

#include <algorithm>
#include <cmath>
#include <limits>

KesGraph::KesGraph(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPGraph(keyAxis, valueAxis) {}

void KesGraph::draw(QCPPainter *painter)
{
    const bool plainLine = mKeyAxis && mValueAxis && mLineStyle == lsLine &&
                           mBrush.style() == Qt::NoBrush && mPen.style() == Qt::SolidLine &&
                           selection().isEmpty() && mKeyAxis->orientation() == Qt::Horizontal;
    if (!plainLine || mDataContainer->isEmpty()) {
        QCPGraph::draw(painter);
        return;
    }
    QCPGraphDataContainer::const_iterator begin, end;
    getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
    if (!IsDense(begin, end)) {
        QCPGraph::draw(painter);
        return;
    }
    PaintAsOneShape(painter, begin, end);
}

bool KesGraph::IsDense(QCPGraphDataContainer::const_iterator begin,
                       QCPGraphDataContainer::const_iterator end) const
{
    const int count = int(end - begin);
    if (count < 2)
        return false;
    const double span =
        std::fabs(mKeyAxis->coordToPixel((end - 1)->key) - mKeyAxis->coordToPixel(begin->key));
    return span < count - 1;
}

void KesGraph::PaintAsOneShape(QCPPainter *painter, QCPGraphDataContainer::const_iterator begin,
                               QCPGraphDataContainer::const_iterator end) const
{
    const double firstX = mKeyAxis->coordToPixel(begin->key);
    const int firstColumn = int(std::floor(firstX));
    const int columnCount =
        int(std::floor(mKeyAxis->coordToPixel((end - 1)->key))) - firstColumn + 1;
    const double infinity = std::numeric_limits<double>::infinity();
    // Per column: extent of the line itself, and of the reading points (marker centres).
    QVector<double> lineTop(columnCount, infinity), lineBottom(columnCount, -infinity);
    QVector<double> pointTop(columnCount, infinity), pointBottom(columnCount, -infinity);
    QPointF previous;
    for (auto it = begin; it != end; ++it) {
        const QPointF point(mKeyAxis->coordToPixel(it->key), mValueAxis->coordToPixel(it->value));
        const int column = int(std::floor(point.x())) - firstColumn;
        pointTop[column] = std::min(pointTop[column], point.y());
        pointBottom[column] = std::max(pointBottom[column], point.y());
        // A segment touches its two end columns with at least its end points, and passes
        // any column between them.
        const int from = it == begin ? column : int(std::floor(previous.x())) - firstColumn;
        for (int c = from; c <= column; ++c) {
            const double low = std::min(point.y(), it == begin ? point.y() : previous.y());
            const double high = std::max(point.y(), it == begin ? point.y() : previous.y());
            lineTop[c] = std::min(lineTop[c], low);
            lineBottom[c] = std::max(lineBottom[c], high);
        }
        previous = point;
    }

    const double lineHalf = mPen.widthF() / 2;
    const double markerReach =
        mScatterStyle.isNone() ? 0 : mScatterStyle.size() / 2 + lineHalf * std::sqrt(2.0);
    const int reachColumns = int(std::ceil(markerReach));
    QPolygonF upper, lower;
    for (int c = 0; c < columnCount; ++c) {
        double top = lineTop[c] - lineHalf;
        double bottom = lineBottom[c] + lineHalf;
        for (int k = std::max(0, c - reachColumns);
             k <= std::min(columnCount - 1, c + reachColumns); ++k) {
            const double reach = markerReach - std::abs(k - c);
            top = std::min(top, pointTop[k] - reach);
            bottom = std::max(bottom, pointBottom[k] + reach);
        }
        const double x = firstColumn + c;
        upper << QPointF(x, top) << QPointF(x + 1, top);
        lower << QPointF(x, bottom) << QPointF(x + 1, bottom);
    }
    std::reverse(lower.begin(), lower.end());
    applyDefaultAntialiasingHint(painter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(mPen.color());
    painter->drawPolygon(upper + lower);
}
