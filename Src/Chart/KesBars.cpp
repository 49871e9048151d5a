#include "KesBars.h"

#include "KesColumnBand.h"
#include "KesSearch.h"

#include <algorithm>
#include <cmath>

namespace {

double HalfPenWidth(const QPen &pen)
{
    return pen.style() == Qt::NoPen ? 0 : (pen.isCosmetic() ? 1.0 : pen.widthF()) / 2;
}

} // namespace

KesBars::KesBars(QCPAxis *keyAxis, QCPAxis *valueAxis) : QCPBars(keyAxis, valueAxis) {}

KesBars::BarRecord KesBars::RecordAt(int index) const
{
    const QCPBarsData &bar = *(mDataContainer->constBegin() + index);
    return {getBarRect(bar.key, bar.value), bar.key, bar.value};
}

bool KesBars::KeysRunLeftToRight() const
{
    return mKeyAxis->orientation() == Qt::Horizontal && !mKeyAxis->rangeReversed() && !mBarsGroup &&
           !mBarBelow;
}

QVector<KesBars::BarRecord> KesBars::GetBarRecords() const
{
    if (m_barRecordsStale && mKeyAxis && mValueAxis) {
        m_barRecords.clear();
        for (const QCPDataRange &range : m_paintedRanges) {
            for (int index = range.begin(); index < std::min(range.end(), dataCount()); ++index)
                m_barRecords.append(RecordAt(index));
        }
        m_barRecordsStale = false;
    }
    return m_barRecords;
}

std::optional<KesBars::BarRecord> KesBars::BarAt(const QPointF &pos) const
{
    if (!mKeyAxis || !mValueAxis)
        return std::nullopt;
    for (int r = m_paintedRanges.size() - 1; r >= 0; --r) {
        int begin = m_paintedRanges[r].begin();
        int end = std::min(m_paintedRanges[r].end(), dataCount());
        if (KeysRunLeftToRight()) {
            begin = KesSearch::FirstPassed(
                begin, end, [&](int i) { return RecordAt(i).rect.right() >= pos.x(); });
            end = KesSearch::FirstPassed(begin, end,
                                         [&](int i) { return RecordAt(i).rect.left() > pos.x(); });
        }
        for (int index = end - 1; index >= begin; --index) {
            const BarRecord record = RecordAt(index);
            if (record.rect.contains(pos))
                return record;
        }
    }
    return std::nullopt;
}

bool KesBars::CanPaintAsOneShape(const QCPPainter *painter, int begin, int end) const
{
    // Only where outline and fill are one colour does the union look like the bars.
    const QPen pen = painter->pen();
    const QBrush brush = painter->brush();
    if (end - begin < 2 || !KeysRunLeftToRight() || mKeyAxis->scaleType() != QCPAxis::stLinear ||
        brush.style() != Qt::SolidPattern ||
        (pen.style() != Qt::NoPen &&
         (pen.style() != Qt::SolidLine || pen.color() != brush.color())))
        return false;
    const double span =
        std::fabs(RecordAt(end - 1).rect.center().x() - RecordAt(begin).rect.center().x());
    return span < end - begin - 1;
}

// The union of the bars: each pixel column from the top of the highest to the bottom of the
// lowest bar (with its outline) that touches the column. The bars touching a column are a run
// of keys, found by search; their extremes come from the value index, so the cost follows
// the columns, not the bars.
void KesBars::PaintAsOneShape(QCPPainter *painter, int begin, int end)
{
    m_extremes.Follow(mDataContainer.data());
    const double half = HalfPenWidth(painter->pen());
    const QRectF first = RecordAt(begin).rect;
    const QRectF last = RecordAt(end - 1).rect;
    KesColumnBand band(first.left() - half, last.right() + half);
    // On a linear axis all bars are equally wide: each reaches as far either side of its key.
    auto keyPixel = [&](int i) {
        return mKeyAxis->coordToPixel((mDataContainer->constBegin() + i)->key);
    };
    const double leftReach = keyPixel(begin) - first.left() + half;
    const double rightReach = first.right() - keyPixel(begin) + half;
    const double basePixel = mValueAxis->coordToPixel(mBaseValue);
    int from = begin;
    for (int column = band.FirstColumn(); column <= band.LastColumn(); ++column) {
        // A bar covers the columns floor(left - half) to ceil(right + half) - 1.
        from = KesSearch::FirstPassed(from, end,
                                      [&](int i) { return keyPixel(i) + rightReach > column; });
        const int to = KesSearch::FirstPassed(
            from, end, [&](int i) { return keyPixel(i) - leftReach >= column + 1; });
        if (from == to)
            continue;
        const KesValueExtremes::Extremes extremes = m_extremes.Of(from, to - 1);
        const double a = mValueAxis->coordToPixel(mBaseValue + extremes.min);
        const double b = mValueAxis->coordToPixel(mBaseValue + extremes.max);
        band.Cover(column, column, std::min({a, b, basePixel}) - half,
                   std::max({a, b, basePixel}) + half);
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
    m_paintedRanges.clear();
    m_barRecords = QVector<BarRecord>();
    m_barRecordsStale = true;

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
        const QCPDataRange range(int(begin - mDataContainer->constBegin()),
                                 int(end - mDataContainer->constBegin()));
        m_paintedRanges.append(range);
        if (CanPaintAsOneShape(painter, range.begin(), range.end())) {
            PaintAsOneShape(painter, range.begin(), range.end());
        } else {
            for (auto it = begin; it != end; ++it)
                painter->drawPolygon(getBarRect(it->key, it->value));
        }
    }
    if (mSelectionDecorator)
        mSelectionDecorator->drawDecoration(painter, selection());
}
