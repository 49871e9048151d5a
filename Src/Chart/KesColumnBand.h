#pragma once

#include <QVector>

class QPainter;

// A shape given column by column of pixels: what a dense chart covers in each column, from
// the top to the bottom of everything drawn there. Painting it as one polygon costs about as
// much as one large bar, however many readings lie under it.
class KesColumnBand
{
public:
    // Columns from the one holding left to the one holding right (pixels).
    KesColumnBand(double left, double right);

    // Extends the columns from..to (column x spans pixels x to x + 1) to cover top..bottom.
    void Cover(int from, int to, double top, double bottom);
    int FirstColumn() const { return m_firstColumn; }
    int LastColumn() const { return m_firstColumn + m_tops.size() - 1; }

    // Fills the covered columns with the painter's brush, without outline.
    void Paint(QPainter *painter) const;

private:
    int m_firstColumn;
    QVector<double> m_tops;
    QVector<double> m_bottoms;
};
