#include "KesGraph.h"

#include "KesColumnBand.h"

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

// A thick line through diamond markers, column by column: the stretch of each segment within
// half a pen of the column's centre, and each marker within its reach.
void KesGraph::PaintAsOneShape(QCPPainter *painter, QCPGraphDataContainer::const_iterator begin,
                               QCPGraphDataContainer::const_iterator end) const
{
    const double lineHalf = mPen.widthF() / 2;
    const bool markers = !mScatterStyle.isNone();
    // A stroked diamond reaches further along its sides than at its cut tips.
    const double sideReach = markers ? mScatterStyle.size() / 2 + lineHalf * std::sqrt(2.0) : 0;
    const double tipReach = markers ? mScatterStyle.size() / 2 + lineHalf / std::sqrt(2.0) : 0;
    const double margin = std::max(sideReach, lineHalf) + 1;
    KesColumnBand band(mKeyAxis->coordToPixel(begin->key) - margin,
                       mKeyAxis->coordToPixel((end - 1)->key) + margin);

    QPointF previous;
    for (auto it = begin; it != end; ++it) {
        const QPointF point(mKeyAxis->coordToPixel(it->key), mValueAxis->coordToPixel(it->value));
        for (int column = int(std::floor(point.x() - sideReach));
             column <= int(std::floor(point.x() + sideReach)); ++column) {
            const double reach =
                std::min(tipReach, sideReach - std::fabs(column + 0.5 - point.x()));
            if (reach > 0)
                band.Cover(column, column, point.y() - reach, point.y() + reach);
        }
        if (it != begin)
            CoverSegment(band, previous, point, lineHalf);
        previous = point;
    }
    applyDefaultAntialiasingHint(painter);
    painter->setBrush(mPen.color());
    band.Paint(painter);
}

void KesGraph::CoverSegment(KesColumnBand &band, QPointF from, QPointF to, double lineHalf)
{
    if (from.x() > to.x())
        std::swap(from, to);
    const double slope = to.x() > from.x() ? (to.y() - from.y()) / (to.x() - from.x()) : 0;
    auto yAt = [&](double x) { return from.y() + slope * (x - from.x()); };
    for (int column = int(std::floor(from.x() - lineHalf));
         column <= int(std::floor(to.x() + lineHalf)); ++column) {
        const double centre = column + 0.5;
        const double left = std::max(from.x(), centre - lineHalf);
        const double right = std::min(to.x(), centre + lineHalf);
        if (left > right)
            continue;
        const double a = yAt(left);
        const double b = to.x() > from.x() ? yAt(right) : to.y();
        band.Cover(column, column, std::min(a, b) - lineHalf, std::max(a, b) + lineHalf);
    }
}
