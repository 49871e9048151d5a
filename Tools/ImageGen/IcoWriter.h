#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Writes a Windows icon file holding every image of `images`, one entry per size. Images up to
// 128 pixels are stored as 32-bit bitmaps, larger ones as PNG (as Windows expects).
bool WriteIcoFile(const QString &path, const QVector<QImage> &images);
