#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QVector>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class RecordStore;

// The photos of a report, two to a page, each scaled to fit its half of the page with its
// caption under it; the PDF documents attached beside them listed by caption and file name on
// a page after the photos. The number of pages is known before the first stroke, for a report
// that numbers its pages.
//
//     PhotoPages photos(PhotoPages::ItemsOf(store, {batchUuid}), bodyFont);
//     for (int page = 0; page < photos.PageCount(); ++page) {
//         writer->newPage();
//         photos.PaintPage(painter, page, contentRect);
//     }
class PhotoPages
{
    Q_DECLARE_TR_FUNCTIONS(PhotoPages)

public:
    struct Item
    {
        QString path;
        QString caption;
        QString fileName;
        bool photo = true;
    };

    static constexpr int PhotosPerPage = 2;

    PhotoPages(const QVector<Item> &items, const QFont &font);

    // The photos and documents of the items (batches, areas) in their order.
    static QVector<Item> ItemsOf(const RecordStore &store, const QStringList &ownerUuids);

    int PageCount() const;
    // Paints page `page` (from 0) into the area, in the painter's coordinates.
    void PaintPage(QPainter &painter, int page, const QRectF &area) const;
    // Every page on the device, each after the first on a page of its own; the first on a new
    // page when newPageFirst. False when a page cannot be begun.
    bool PaintAll(QPainter &painter, QPagedPaintDevice &device, const QRectF &area,
                  bool newPageFirst) const;

private:
    void PaintPhoto(QPainter &painter, const Item &item, const QRectF &cell) const;
    void PaintDocuments(QPainter &painter, const QRectF &area) const;

    QVector<Item> m_photos;
    QVector<Item> m_documents;
    QFont m_font;
    QFont m_heading;
};
