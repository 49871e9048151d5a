#pragma once

#include "InspectionReport.h"

#include <QColor>
#include <QCoreApplication>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

// The report's line chart, drawn with a painter alone (vectors on a PDF, no widget): the
// readings with a value as a line over their order, the limits of the criteria in force
// (CriterionLines) as labelled dashed lines, axes with ticks in the report's unit, and for a memory
// download where each group begins. Long series cost the same to draw as short ones: when the
// readings outnumber the columns of the plot, each column is drawn as its lowest and highest
// reading.
class ReportChart
{
    // The chart's texts are the report's.
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    // The criteria in the report's unit.
    ReportChart(const InspectionReport &report, const InspectionCriteria &criteria);
    // Where a part of the readings begins, and its name over the plot.
    using Starts = QVector<QPair<int, QString>>;
    // The values in their order, in the unit of the criteria; starts of parts to tell apart.
    ReportChart(const QVector<double> &values, const Starts &starts,
                const InspectionCriteria &criteria);

    // Draws into the area with the painter's font; millimetre says how many device units
    // make a millimetre.
    void Draw(QPainter &painter, const QRectF &area, double millimetre) const;

private:
    struct LimitLine
    {
        double value;
        QString label;
        QColor color;
        bool below; // the label under the line
    };

    void DrawAxes(QPainter &painter, const QRectF &plot, double millimetre) const;
    void DrawGroups(QPainter &painter, const QRectF &plot) const;
    void DrawReadings(QPainter &painter, const QRectF &plot, double millimetre) const;
    void DrawLimits(QPainter &painter, const QRectF &plot, double millimetre) const;
    void DrawLimitLabels(QPainter &painter, const QRectF &plot, double millimetre) const;
    double X(const QRectF &plot, double position) const;
    double Y(const QRectF &plot, double value) const;

    void Scale(const InspectionCriteria &criteria);

    int m_unitCode;
    QVector<double> m_values;
    Starts m_groupStarts; // position in m_values, its name
    QVector<LimitLine> m_limits;
    double m_low = 0;
    double m_high = 1;
};
