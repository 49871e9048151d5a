#include "KesGraph.h"

#include "KesColumnBand.h"
#include "KesSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

KesGraph::KesGraph(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPGraph(keyAxis, valueAxis) {}

void KesGraph::draw(QCPPainter *painter)
{
    const bool plainLine = mKeyAxis && mValueAxis && mLineStyle == lsLine &&
                           mBrush.style() == Qt::NoBrush && mPen.style() == Qt::SolidLine &&
                           selection().isEmpty() && mKeyAxis->orientation() == Qt::Horizontal &&
                           !mKeyAxis->rangeReversed();
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
    PaintAsOneShape(painter, int(begin - mDataContainer->constBegin()),
                    int(end - mDataContainer->constBegin()));
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

namespace {

// Readings closer together than this part of a pixel are covered as one slice.
constexpr int kSlicesPerPixel = 4;

} // namespace

double KesGraph::KeyPixel(int index) const
{
    return mKeyAxis->coordToPixel((mDataContainer->constBegin() + index)->key);
}

QPointF KesGraph::PointAt(int index) const
{
    const QCPGraphData &data = *(mDataContainer->constBegin() + index);
    return QPointF(mKeyAxis->coordToPixel(data.key), mValueAxis->coordToPixel(data.value));
}

// A thick line through diamond markers, column by column. The readings are taken in slices of
// a quarter pixel: each slice covers what its lowest and highest reading would at its nearest
// and farthest position, and the segments between slices are covered exactly. A slice of one
// reading is covered exactly, so only readings denser than four a pixel are widened, by at
// most a quarter pixel; the cost follows the pixels, not the readings.
void KesGraph::PaintAsOneShape(QCPPainter *painter, int begin, int end)
{
    m_extremes.Follow(mDataContainer.data());
    const double lineHalf = mPen.widthF() / 2;
    const bool markers = !mScatterStyle.isNone();
    // A stroked diamond reaches further along its sides than at its cut tips.
    const Reach reach{lineHalf, markers ? mScatterStyle.size() / 2 + lineHalf * std::sqrt(2.0) : 0,
                      markers ? mScatterStyle.size() / 2 + lineHalf / std::sqrt(2.0) : 0};
    const double margin = std::max(reach.side, lineHalf) + 1;
    const double left = PointAt(begin).x();
    KesColumnBand band(left - margin, PointAt(end - 1).x() + margin);

    const double origin = std::floor(left);
    for (int first = begin; first < end;) {
        const double slice = std::floor((KeyPixel(first) - origin) * kSlicesPerPixel);
        const double sliceEnd = origin + (slice + 1) / kSlicesPerPixel;
        const int next =
            KesSearch::FirstPassed(first + 1, end, [&](int i) { return KeyPixel(i) >= sliceEnd; });
        CoverSlice(band, first, next - 1, reach);
        if (next < end)
            CoverSegment(band, PointAt(next - 1), PointAt(next), lineHalf);
        first = next;
    }
    applyDefaultAntialiasingHint(painter);
    painter->setBrush(mPen.color());
    band.Paint(painter);
}

// The markers of the readings first to last, and the segments between them.
void KesGraph::CoverSlice(KesColumnBand &band, int first, int last, const Reach &reach) const
{
    const double from = KeyPixel(first);
    const double to = KeyPixel(last);
    const KesValueExtremes::Extremes extremes = m_extremes.Of(first, last);
    const double a = mValueAxis->coordToPixel(extremes.min);
    const double b = mValueAxis->coordToPixel(extremes.max);
    const double top = std::min(a, b);
    const double bottom = std::max(a, b);
    const double widest = std::max(reach.side, reach.lineHalf);
    for (int column = int(std::floor(from - widest)); column <= int(std::floor(to + widest));
         ++column) {
        const double centre = column + 0.5;
        const double distance = std::max({from - centre, centre - to, 0.0});
        const double markerReach = std::min(reach.tip, reach.side - distance);
        if (markerReach > 0)
            band.Cover(column, column, top - markerReach, bottom + markerReach);
        if (last > first && distance <= reach.lineHalf)
            band.Cover(column, column, top - reach.lineHalf, bottom + reach.lineHalf);
    }
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
