#pragma once

#include "KesValueExtremes.h"

#include <QRectF>
#include <QVector>
#include <qcustomplot.h>

#include <optional>

// Bars that remember which bars they painted, so that a page can find the bar under the mouse.
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

    // The bars painted by the last draw, in painting order. Built when asked for (from the
    // data and axes as they are then), so a dense chart does not keep one record per bar.
    QVector<BarRecord> GetBarRecords() const;
    // The bar painted last (the one on top) of those painted by the last draw whose rectangle
    // holds pos (widget pixels); found by its key where the keys run left to right.
    std::optional<BarRecord> BarAt(const QPointF &pos) const;

protected:
    void draw(QCPPainter *painter) override;

private:
    BarRecord RecordAt(int index) const;
    bool KeysRunLeftToRight() const;
    // Where bars are denser than the pixel columns, their union is painted as one shape.
    bool CanPaintAsOneShape(const QCPPainter *painter, int begin, int end) const;
    void PaintAsOneShape(QCPPainter *painter, int begin, int end);

    // The data index ranges painted by the last draw, in painting order.
    QVector<QCPDataRange> m_paintedRanges;
    mutable QVector<BarRecord> m_barRecords;
    mutable bool m_barRecordsStale = false;
    KesValueExtremes m_extremes;
};

Q_DECLARE_TYPEINFO(KesBars::BarRecord, Q_PRIMITIVE_TYPE);
