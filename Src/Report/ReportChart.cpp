#include "ReportChart.h"

#include "CriterionLines.h"
#include "FigureText.h"
#include "ReportFigures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {
constexpr int YTicks = 6;
constexpr int XTicks = 8;
constexpr double ColumnMm = 0.25;

// A step of 1, 2 or 5 times a power of ten that cuts the span into about that many parts.
double NiceStep(double span, int parts)
{
    const double raw = span / parts;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * magnitude;
}

int StepDecimals(double step)
{
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

QVector<double> Ticks(double low, double high, double step)
{
    QVector<double> ticks;
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        ticks.append(tick);
    return ticks;
}
} // namespace

ReportChart::ReportChart(const InspectionReport &report, const InspectionCriteria &criteria)
    : m_unitCode(report.unitCode)
{
    int group = -1;
    for (const InspectionReport::Reading &reading : report.readings) {
        if (!ReportFigures::IsJudged(reading))
            continue;
        if (reading.group >= 0 && reading.group != group) {
            group = reading.group;
            m_groupStarts.append({m_values.size(), tr("Group %1").arg(group)});
        }
        m_values.append(reading.value);
    }
    Scale(criteria);
}

ReportChart::ReportChart(const QVector<double> &values, const Starts &starts,
                         const InspectionCriteria &criteria)
    : m_unitCode(criteria.unitCode), m_values(values), m_groupStarts(starts)
{
    Scale(criteria);
}

// The limit lines of the criteria, and the span of the axis that holds them and every value.
void ReportChart::Scale(const InspectionCriteria &criteria)
{
    for (const CriterionLine &line : CriterionLines::Of(criteria)) {
        const QColor color = line.kind == CriterionLine::Kind::Target  ? QColor(0x1f, 0x6f, 0x3f)
                             : line.kind == CriterionLine::Kind::Lower ? QColor(0xc0, 0x6a, 0x00)
                                                                       : QColor(0xb0, 0x20, 0x20);
        m_limits.append({line.value, line.label, color, line.kind == CriterionLine::Kind::Lower});
    }

    QVector<double> extremes;
    if (!m_values.isEmpty()) {
        const auto [lowest, highest] = std::minmax_element(m_values.cbegin(), m_values.cend());
        extremes << *lowest << *highest;
    }
    for (const LimitLine &limit : m_limits)
        extremes << limit.value;
    if (extremes.isEmpty())
        return;
    const auto [lowest, highest] = std::minmax_element(extremes.cbegin(), extremes.cend());
    const double margin =
        *highest > *lowest ? (*highest - *lowest) * 0.08 : std::max(std::abs(*lowest) * 0.1, 1.0);
    m_low = *lowest - margin;
    m_high = *highest + margin;
}

void ReportChart::Draw(QPainter &painter, const QRectF &area, double millimetre) const
{
    const QFontMetricsF metrics(painter.font());
    const QRectF plot =
        area.adjusted(metrics.horizontalAdvance(QStringLiteral("00000.000")) + 2 * millimetre,
                      metrics.height(), -2 * millimetre, -2.6 * metrics.height());
    painter.save();
    DrawAxes(painter, plot, millimetre);
    painter.setClipRect(plot);
    DrawGroups(painter, plot);
    DrawLimits(painter, plot, millimetre);
    DrawReadings(painter, plot, millimetre);
    DrawLimitLabels(painter, plot, millimetre);
    painter.restore();
    if (m_values.isEmpty())
        painter.drawText(plot, Qt::AlignCenter, tr("No readings to chart"));
}

double ReportChart::X(const QRectF &plot, double position) const
{
    if (m_values.size() < 2)
        return plot.center().x();
    return plot.left() + plot.width() * position / (m_values.size() - 1);
}

double ReportChart::Y(const QRectF &plot, double value) const
{
    return plot.bottom() - plot.height() * (value - m_low) / (m_high - m_low);
}

void ReportChart::DrawAxes(QPainter &painter, const QRectF &plot, double millimetre) const
{
    const QFontMetricsF metrics(painter.font());
    const double tick = 1.2 * millimetre;
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.15 * millimetre));
    painter.drawRect(plot);
    painter.setPen(QPen(Qt::black, 0.2 * millimetre));

    const double yStep = NiceStep(m_high - m_low, YTicks);
    for (double value : Ticks(m_low, m_high, yStep)) {
        const double y = Y(plot, value);
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        const QString label = QString::number(value, 'f', StepDecimals(yStep));
        const QRectF box(plot.left() - tick - 40 * millimetre, y - metrics.height() / 2,
                         40 * millimetre - millimetre, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.drawText(
        QRectF(plot.left(), plot.top() - metrics.height(), plot.width(), metrics.height()),
        Qt::AlignLeft | Qt::AlignBottom, tr("Thickness (%1)").arg(FigureText::Unit(m_unitCode)));

    const int count = static_cast<int>(m_values.size());
    const double xStep = count > 1 ? std::max(1.0, NiceStep(count - 1, XTicks)) : 1;
    for (double number : Ticks(1, std::max(count, 1), xStep)) {
        const double x = X(plot, number - 1);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        const QRectF box(x - 15 * millimetre, plot.bottom() + tick, 30 * millimetre,
                         metrics.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(number, 'f', 0));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + tick + metrics.height(), plot.width(),
                            metrics.height() * 1.5),
                     Qt::AlignHCenter | Qt::AlignBottom, tr("Reading"));
}

void ReportChart::DrawGroups(QPainter &painter, const QRectF &plot) const
{
    if (m_groupStarts.size() < 2)
        return;
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0, Qt::DotLine));
    double labelsEnd = plot.left();
    for (const auto &[position, name] : m_groupStarts) {
        const double x = X(plot, position);
        if (position > 0)
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        // Beside its line, on the left of it where it would run past the plot; a name that
        // would run into the one before is left out.
        const double gap = metrics.averageCharWidth() / 2;
        const double width = metrics.horizontalAdvance(name) + gap;
        const double left = x + width > plot.right() ? x - width : x + gap;
        if (left < labelsEnd)
            continue;
        painter.drawText(QPointF(left, plot.top() + metrics.ascent()), name);
        labelsEnd = left + width;
    }
}

void ReportChart::DrawLimits(QPainter &painter, const QRectF &plot, double millimetre) const
{
    for (const LimitLine &limit : m_limits) {
        const double y = Y(plot, limit.value);
        painter.setPen(QPen(limit.color, 0.3 * millimetre, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

// Above its line, the minimum's below, on white over the readings.
void ReportChart::DrawLimitLabels(QPainter &painter, const QRectF &plot, double millimetre) const
{
    const QFontMetricsF metrics(painter.font());
    for (const LimitLine &limit : m_limits) {
        const double y = Y(plot, limit.value);
        const double width = metrics.horizontalAdvance(limit.label) + millimetre;
        const double top =
            limit.below ? y + 0.4 * millimetre : y - 0.4 * millimetre - metrics.height();
        const QRectF box(plot.right() - millimetre - width, top, width, metrics.height());
        painter.fillRect(box, Qt::white);
        painter.setPen(limit.color);
        painter.drawText(box, Qt::AlignCenter, limit.label);
    }
}

void ReportChart::DrawReadings(QPainter &painter, const QRectF &plot, double millimetre) const
{
    const int count = static_cast<int>(m_values.size());
    if (count == 0)
        return;
    painter.setPen(QPen(QColor(0x1a, 0x4f, 0x9c), 0.25 * millimetre));
    const int columns = std::max(1, static_cast<int>(plot.width() / (ColumnMm * millimetre)));
    QPolygonF line;
    if (count <= 2 * columns) {
        line.reserve(count);
        for (int i = 0; i < count; ++i)
            line.append(QPointF(X(plot, i), Y(plot, m_values.at(i))));
    } else {
        // Each column as its lowest and highest reading, in the order they came.
        line.reserve(2 * columns);
        for (int column = 0; column < columns; ++column) {
            const int first = static_cast<int>(qint64(count) * column / columns);
            const int end = static_cast<int>(qint64(count) * (column + 1) / columns);
            const auto begin = m_values.cbegin() + first;
            const auto [lowest, highest] = std::minmax_element(begin, m_values.cbegin() + end);
            const double x = plot.left() + plot.width() * (column + 0.5) / columns;
            const bool lowFirst = lowest < highest;
            line.append(QPointF(x, Y(plot, lowFirst ? *lowest : *highest)));
            line.append(QPointF(x, Y(plot, lowFirst ? *highest : *lowest)));
        }
    }
    if (count == 1)
        painter.drawEllipse(line.first(), 0.6 * millimetre, 0.6 * millimetre);
    else
        painter.drawPolyline(line);
}
