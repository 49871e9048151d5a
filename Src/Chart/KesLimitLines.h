#pragma once

#include <QColor>
#include <QString>
#include <QVector>

class QCustomPlot;
class QCPItemStraightLine;
class QCPItemText;

// The limits readings are judged against as dashed horizontal lines across a reading chart,
// each labelled at its right end. The items are made as lines are first needed and reused;
// setting limits costs nothing per reading.
class KesLimitLines
{
public:
    struct Limit
    {
        double value = 0;
        QString label; // as drawn: "Nominal 125 µm"
        bool target = false; // the thickness aimed at rather than a bound
    };

    explicit KesLimitLines(QCustomPlot *plot) : m_plot(plot) {}

    // Exactly these lines, replacing those drawn before.
    void Set(const QVector<Limit> &limits);
    // Widens a value range so that it holds every drawn line with the charts' margin of 20.
    void Widen(double *lower, double *upper) const;

private:
    struct Line
    {
        QCPItemStraightLine *line = nullptr;
        QCPItemText *label = nullptr;
    };

    void Place(Line &line, const Limit &limit);

    QCustomPlot *m_plot;
    QVector<Limit> m_limits;
    QVector<Line> m_lines; // as many as ever drawn; those past m_limits hidden
};
