#include "KesLimitLines.h"

#include <qcustomplot.h>

namespace {
const double Margin = 20;
const QColor LimitColor(QStringLiteral("#D93025"));
const QColor TargetColor(QStringLiteral("#84C221"));
} // namespace

void KesLimitLines::Set(const QVector<Limit> &limits)
{
    m_limits = limits;
    while (m_lines.size() < m_limits.size()) {
        Line line;
        // Above the graphs (on the axes' layer), so that a dense series does not hide them.
        line.line = new QCPItemStraightLine(m_plot);
        line.line->setSelectable(false);
        line.line->setLayer(QStringLiteral("axes"));
        line.label = new QCPItemText(m_plot);
        line.label->setSelectable(false);
        line.label->setLayer(QStringLiteral("axes"));
        line.label->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line.label->position->setTypeY(QCPItemPosition::ptPlotCoords);
        line.label->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
        line.label->setClipToAxisRect(true);
        m_lines.append(line);
    }
    for (int i = 0; i < m_lines.size(); ++i) {
        const bool drawn = i < m_limits.size();
        m_lines[i].line->setVisible(drawn);
        m_lines[i].label->setVisible(drawn);
        if (drawn)
            Place(m_lines[i], m_limits.at(i));
    }
}

void KesLimitLines::Place(Line &line, const Limit &limit)
{
    const QColor color = limit.target ? TargetColor : LimitColor;
    line.line->setPen(QPen(color, 1, Qt::DashLine));
    line.label->setColor(color);
    line.line->point1->setCoords(0, limit.value);
    line.line->point2->setCoords(1, limit.value);
    line.label->position->setCoords(0.995, limit.value);
    line.label->setText(limit.label);
}

void KesLimitLines::Widen(double *lower, double *upper) const
{
    for (const Limit &limit : m_limits) {
        *lower = qMin(*lower, limit.value - Margin);
        *upper = qMax(*upper, limit.value + Margin);
    }
}
