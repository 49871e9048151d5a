#pragma once

#include "KesValueExtremes.h"

#include <qcustomplot.h>

class KesColumnBand;

// A line graph that stays cheap to draw when its readings are denser than the pixel columns:
// there, a thick line through markers covers, column by column, one band from the lowest to
// the highest reading (plus outline and marker reach), and the band is painted as one shape.
// Sparser graphs, selections and fills are drawn by the library.
class KesGraph : public QCPGraph
{
    Q_OBJECT
public:
    KesGraph(QCPAxis *keyAxis, QCPAxis *valueAxis);

protected:
    void draw(QCPPainter *painter) override;

private:
    struct Reach
    {
        double lineHalf; // half the pen
        double side;     // a stroked diamond's reach along its sides
        double tip;      // and at its cut tips
    };

    bool IsDense(QCPGraphDataContainer::const_iterator begin,
                 QCPGraphDataContainer::const_iterator end) const;
    void PaintAsOneShape(QCPPainter *painter, int begin, int end);
    double KeyPixel(int index) const;
    QPointF PointAt(int index) const;
    void CoverSlice(KesColumnBand &band, int first, int last, const Reach &reach) const;
    static void CoverSegment(KesColumnBand &band, QPointF from, QPointF to, double lineHalf);

    KesValueExtremes m_extremes;
};
