#include "KesColumnBand.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>

KesColumnBand::KesColumnBand(double left, double right)
    : m_firstColumn(int(std::floor(left))),
      m_tops(std::max(1, int(std::floor(right)) - m_firstColumn + 1),
             std::numeric_limits<double>::infinity()),
      m_bottoms(m_tops.size(), -std::numeric_limits<double>::infinity())
{}

void KesColumnBand::Cover(int from, int to, double top, double bottom)
{
    const int first = std::max(from - m_firstColumn, 0);
    const int last = std::min(to - m_firstColumn, int(m_tops.size()) - 1);
    double *tops = m_tops.data();
    double *bottoms = m_bottoms.data();
    for (int index = first; index <= last; ++index) {
        tops[index] = std::min(tops[index], top);
        bottoms[index] = std::max(bottoms[index], bottom);
    }
}

void KesColumnBand::Paint(QPainter *painter) const
{
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
    for (int index = 0; index < m_tops.size(); ++index) {
        if (!(m_tops[index] <= m_bottoms[index])) {
            flush();
            continue;
        }
        const double x = m_firstColumn + index;
        upper << QPointF(x, m_tops[index]) << QPointF(x + 1, m_tops[index]);
        lower << QPointF(x, m_bottoms[index]) << QPointF(x + 1, m_bottoms[index]);
    }
    flush();
}
