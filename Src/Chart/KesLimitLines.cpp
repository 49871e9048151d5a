#include "KesLimitLines.h"

#include <qcustomplot.h>

namespace {
const double Margin = 20;
const QColor LimitColor(QStringLiteral("#D93025"));
const QColor NominalColor(QStringLiteral("#84C221"));
} // namespace

void KesLimitLines::Set(double minimum, double maximum, double nominal)
{
    m_lines[Minimum].value = minimum;
    m_lines[Maximum].value = maximum;
    m_lines[Nominal].value = nominal;
    for (int kind = 0; kind < KindCount; ++kind)
        Place(m_lines[kind], Kind(kind));
}

void KesLimitLines::Place(Line &line, Kind kind)
{
    const bool drawn = line.value > 0;
    if (!line.line) {
        if (!drawn)
            return;
        const QColor color = kind == Nominal ? NominalColor : LimitColor;
        line.line = new QCPItemStraightLine(m_plot);
        line.line->setPen(QPen(color, 1, Qt::DashLine));
        line.line->setSelectable(false);
        line.label = new QCPItemText(m_plot);
        line.label->setColor(color);
        line.label->setSelectable(false);
        line.label->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line.label->position->setTypeY(QCPItemPosition::ptPlotCoords);
        line.label->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
        line.label->setClipToAxisRect(true);
    }
    line.line->setVisible(drawn);
    line.label->setVisible(drawn);
    line.line->point1->setCoords(0, line.value);
    line.line->point2->setCoords(1, line.value);
    line.label->position->setCoords(0.995, line.value);
    line.label->setText(QStringLiteral("%1 %2").arg(Name(kind)).arg(line.value));
}

void KesLimitLines::Widen(double *lower, double *upper) const
{
    for (const Line &line : m_lines) {
        if (line.value <= 0)
            continue;
        *lower = qMin(*lower, line.value - Margin);
        *upper = qMax(*upper, line.value + Margin);
    }
}

void KesLimitLines::Retranslate()
{
    for (int kind = 0; kind < KindCount; ++kind) {
        if (m_lines[kind].label)
            Place(m_lines[kind], Kind(kind));
    }
}

QString KesLimitLines::Name(Kind kind)
{
    switch (kind) {
    case Minimum:
        return tr("Min");
    case Maximum:
        return tr("Max");
    case Nominal:
    case KindCount:
        break;
    }
    return tr("Nominal");
}
