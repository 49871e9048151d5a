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

void KesColumnBand::Cover(int column, double top, double bottom)
{
    const int index = column - m_firstColumn;
    if (index < 0 || index >= m_tops.size())
        return;
    m_tops[index] = std::min(m_tops[index], top);
    m_bottoms[index] = std::max(m_bottoms[index], bottom);
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
