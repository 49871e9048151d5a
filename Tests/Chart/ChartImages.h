#pragma once

#include <QImage>
#include <QVector>

#include <algorithm>

// Top and bottom row of the dark pixels of each column of a chart image (-1 where none).
struct ColumnExtent
{
    int top = -1;
    int bottom = -1;
};

inline QVector<ColumnExtent> DarkColumnExtents(const QImage &image)
{
    QVector<ColumnExtent> extents(image.width());
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (extents[x].top < 0)
                    extents[x].top = y;
                extents[x].bottom = y;
            }
        }
    }
    return extents;
}

// How far the dark pixels of expected reach beyond those of actual, column by column: 0 when
// actual covers at least the extent of expected in every column, allowing actual to be off
// by slack columns sideways.
inline int LargestUncoveredExtent(const QImage &expected, const QImage &actual, int slack = 0)
{
    const QVector<ColumnExtent> a = DarkColumnExtents(expected);
    const QVector<ColumnExtent> b = DarkColumnExtents(actual);
    int largest = 0;
    for (int x = 0; x < a.size(); ++x) {
        if (a[x].top < 0)
            continue;
        int top = -1;
        int bottom = -1;
        for (int near = std::max(0, x - slack); near <= std::min(x + slack, b.size() - 1); ++near) {
            if (b[near].top < 0)
                continue;
            top = top < 0 ? b[near].top : std::min(top, b[near].top);
            bottom = std::max(bottom, b[near].bottom);
        }
        if (top < 0)
            return a[x].bottom - a[x].top + 1;
        largest = std::max({largest, top - a[x].top, a[x].bottom - bottom});
    }
    return largest;
}

inline int DarkPixelCount(const QImage &image)
{
    int count = 0;
    for (const ColumnExtent &extent : DarkColumnExtents(image)) {
        if (extent.top >= 0)
            count += extent.bottom - extent.top + 1;
    }
    return count;
}
