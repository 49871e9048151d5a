#pragma once

#include <QObject>

// What happens on a channel's line, for a reader of the port that does not go through the
// channel's collection window (a memory download).
class SerialLineEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Bytes have arrived, whether the read path is hooked or not.
    void BytesArrived();
    // The port closed, or failed so that it delivers nothing more.
    void LineEnded();
};
