#include "PhotoPages.h"

#include "RecordAttachments.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// Photos are drawn at this many dots per inch of the page: sharp in print, and a 20 MB
// photo does not make the report 20 MB larger.
const double PhotoDpi = 200;
// Lines of caption under a photo, at most.
const int CaptionLines = 3;
} // namespace

PhotoPages::PhotoPages(const QVector<Item> &items, const QFont &font)
    : m_font(font), m_heading(font)
{
    m_heading.setBold(true);
    m_heading.setPointSizeF(font.pointSizeF() * 1.25);
    for (const Item &item : items)
        (item.photo ? m_photos : m_documents).append(item);
}

QVector<PhotoPages::Item> PhotoPages::ItemsOf(const RecordStore &store,
                                              const QStringList &ownerUuids)
{
    QVector<Item> items;
    for (const QString &owner : ownerUuids) {
        for (const RecordAttachment &attachment : RecordAttachments::Of(store, owner))
            items.append({RecordAttachments::FilePath(store, attachment), attachment.caption,
                          attachment.fileName, attachment.IsPhoto()});
    }
    return items;
}

int PhotoPages::PageCount() const
{
    return (m_photos.size() + PhotosPerPage - 1) / PhotosPerPage + (m_documents.isEmpty() ? 0 : 1);
}

void PhotoPages::PaintPage(QPainter &painter, int page, const QRectF &area) const
{
    const int photoPages = (m_photos.size() + PhotosPerPage - 1) / PhotosPerPage;
    if (page >= photoPages) {
        PaintDocuments(painter, area);
        return;
    }
    painter.setFont(m_heading);
    const double headingHeight = QFontMetricsF(m_heading, painter.device()).height() * 1.6;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), headingHeight),
                     Qt::AlignLeft | Qt::AlignTop, tr("Photos"));
    const double cellHeight = (area.height() - headingHeight) / PhotosPerPage;
    for (int i = 0; i < PhotosPerPage; ++i) {
        const int index = page * PhotosPerPage + i;
        if (index >= m_photos.size())
            break;
        PaintPhoto(painter, m_photos.at(index),
                   QRectF(area.left(), area.top() + headingHeight + i * cellHeight, area.width(),
                          cellHeight));
    }
}

void PhotoPages::PaintPhoto(QPainter &painter, const Item &item, const QRectF &cell) const
{
    const QFontMetricsF metrics(m_font, painter.device());
    const double gap = metrics.height() * 0.5;
    const double captionHeight = metrics.height() * CaptionLines;
    const QRectF frame(cell.left(), cell.top(), cell.width(),
                       cell.height() - captionHeight - 2 * gap);
    QImageReader reader(item.path);
    reader.setAutoTransform(true);
    QSizeF shown = QSizeF(reader.size()).scaled(frame.size(), Qt::KeepAspectRatio);
    const double dpi = painter.device()->logicalDpiX();
    const QSize pixels = (shown * (PhotoDpi / dpi)).toSize();
    // The photo is decoded at the size it is printed (JPEG decodes scaled, fast).
    if (pixels.isValid() && pixels.width() < reader.size().width())
        reader.setScaledSize(pixels);
    const QImage image = reader.read();
    painter.setFont(m_font);
    if (image.isNull()) {
        painter.setPen(Qt::darkRed);
        painter.drawText(frame, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("The photo %1 cannot be read.").arg(item.fileName));
        shown = QSizeF(frame.width(), metrics.height() * 2);
    } else {
        const QRectF target(frame.left() + (frame.width() - shown.width()) / 2, frame.top(),
                            shown.width(), shown.height());
        painter.drawImage(target, image);
    }
    painter.setPen(Qt::black);
    const QString caption = item.caption.isEmpty() ? item.fileName : item.caption;
    painter.drawText(
        QRectF(cell.left(), frame.top() + shown.height() + gap, cell.width(), captionHeight),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
}

void PhotoPages::PaintDocuments(QPainter &painter, const QRectF &area) const
{
    painter.setPen(Qt::black);
    painter.setFont(m_heading);
    const double headingHeight = QFontMetricsF(m_heading, painter.device()).height() * 1.6;
    painter.drawText(QRectF(area.left(), area.top(), area.width(), headingHeight),
                     Qt::AlignLeft | Qt::AlignTop, tr("Attached documents"));
    painter.setFont(m_font);
    const double line = QFontMetricsF(m_font, painter.device()).height() * 1.4;
    double top = area.top() + headingHeight;
    for (const Item &item : m_documents) {
        if (top + line > area.bottom())
            break;
        const QString text =
            item.caption.isEmpty() ? item.fileName : tr("%1 (%2)").arg(item.caption, item.fileName);
        painter.drawText(
            QRectF(area.left(), top, area.width(), line),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(text, Qt::ElideMiddle, int(area.width())));
        top += line;
    }
}

bool PhotoPages::PaintAll(QPainter &painter, QPagedPaintDevice &device, const QRectF &area,
                          bool newPageFirst) const
{
    for (int page = 0; page < PageCount(); ++page) {
        if ((page > 0 || newPageFirst) && !device.newPage())
            return false;
        PaintPage(painter, page, area);
    }
    return true;
}
