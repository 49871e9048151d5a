#pragma once

#include <QCoreApplication>

class QCustomPlot;
class QCPItemStraightLine;
class QCPItemText;

// The minimum, maximum and nominal thickness as dashed horizontal lines across a reading
// chart, each labelled at its right end. A value of 0 or less is not drawn. The items are
// made at the first value set and reused; setting values costs nothing per reading.
class KesLimitLines
{
    Q_DECLARE_TR_FUNCTIONS(KesLimitLines)

public:
    explicit KesLimitLines(QCustomPlot *plot) : m_plot(plot) {}

    void Set(double minimum, double maximum, double nominal);
    // Widens a value range so that it holds every drawn line with the charts' margin of 20.
    void Widen(double *lower, double *upper) const;
    // Writes the labels again in the current language.
    void Retranslate();

private:
    enum Kind
    {
        Minimum,
        Maximum,
        Nominal,
        KindCount
    };
    struct Line
    {
        double value = 0;
        QCPItemStraightLine *line = nullptr;
        QCPItemText *label = nullptr;
    };

    void Place(Line &line, Kind kind);
    static QString Name(Kind kind);

    QCustomPlot *m_plot;
    Line m_lines[KindCount];
};
