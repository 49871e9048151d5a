#include "IcoWriter.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

namespace {

constexpr int kDirHeaderBytes = 6;
constexpr int kDirEntryBytes = 16;
constexpr int kBitmapHeaderBytes = 40;
constexpr int kLargestBitmapEntry = 128;

// Bitmap entry: header with doubled height, BGRA rows bottom-up, then the 1-bit AND mask.
QByteArray BitmapEntry(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(kBitmapHeaderBytes) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32)
        << quint32(0) << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), mask.size());
    }
    return bytes;
}

QByteArray PngEntry(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

bool WriteIcoFile(const QString &path, const QVector<QImage> &images)
{
    QVector<QByteArray> entries;
    for (const QImage &image : images)
        entries << (image.width() <= kLargestBitmapEntry ? BitmapEntry(image) : PngEntry(image));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = kDirHeaderBytes + kDirEntryBytes * images.size();
    for (int i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0 in the one-byte fields.
        out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size()) << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.writeRawData(entry.constData(), entry.size());
    return out.status() == QDataStream::Ok;
}
