#pragma once

#include <QRectF>
#include <QVector>
#include <qcustomplot.h>

// Bars that remember where each bar was painted, so that a page can find the bar under the
// mouse.
class KesBars : public QCPBars
{
    Q_OBJECT
public:
    struct BarRecord
    {
        QRectF rect; // widget pixels
        double key;
        double value;
    };

    KesBars(QCPAxis *keyAxis, QCPAxis *valueAxis);

    // The bars painted by the last draw, in painting order.
    QVector<BarRecord> GetBarRecords() const { return m_barRecords; }

protected:
    void draw(QCPPainter *painter) override;

private:
    // Where bars are denser than the pixel columns, their union is painted as one shape.
    static bool CanPaintAsOneShape(const QCPPainter *painter, const QVector<QRectF> &rects);
    static void PaintAsOneShape(QCPPainter *painter, const QVector<QRectF> &rects);

    QVector<BarRecord> m_barRecords;
};

Q_DECLARE_TYPEINFO(KesBars::BarRecord, Q_PRIMITIVE_TYPE);
