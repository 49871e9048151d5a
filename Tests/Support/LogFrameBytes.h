#pragma once

#include "LogRecord.h"

#include <QByteArray>
#include <QTest>
#include <QVector>
#include <QtEndian>

// Log frames of the gauge's memory download as they arrive on the line, for the tests.
namespace LogFrameBytes {

inline QByteArray Header(quint8 unitCode, quint16 count)
{
    QByteArray header(12, '\0');
    header[0] = static_cast<char>(unitCode);
    header[1] = '\x5A';
    qToLittleEndian(count, header.data() + 2);
    header.replace(4, 8, QByteArray("\x11\x22\x33\x44\x55\x66\x77\x88", 8));
    return header;
}

inline QByteArray Frame(quint8 unitCode, const QVector<float> &micrometres)
{
    QByteArray frame = Header(unitCode, static_cast<quint16>(micrometres.size()));
    for (const float value : micrometres) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        frame.append(bytes, 4);
    }
    return frame;
}

} // namespace LogFrameBytes

// Lets QCOMPARE show the records that differ.
inline char *toString(const LogRecord &record)
{
    return QTest::toString(QStringLiteral("{%1, %2}").arg(record.unit).arg(double(record.value)));
}
