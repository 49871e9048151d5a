#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The message a starting instance sends to the primary: an 8-byte header holding the body
// length, then the body (guard name, kind, instance number, checksum), all big-endian.
class GuardAnnouncement
{
public:
    enum ConnectKind : qint8
    {
        Duplicate = 1,
        Secondary = 2
    };

    static constexpr int HeaderSize = 8;
    // Bodies are a few dozen bytes; a header announcing more than this is refused unread.
    static constexpr qint64 MaxBodySize = 4096;

    struct Fields
    {
        QByteArray guardName;
        qint8 kind = 0;
        quint32 instanceId = 0;
        quint16 checksum = 0;
    };

    static QByteArray BuildHeader(qint64 bodyLength);
    static QByteArray BuildBody(const QString &guardName, ConnectKind kind, quint32 instanceId);

    // Needs at least HeaderSize bytes; false for a length outside 0..MaxBodySize.
    static bool ReadHeader(const QByteArray &bytes, qint64 *bodyLength);
    // Reads the fields without judging them; false if the body is cut short.
    static bool ParseBody(const QByteArray &body, Fields *fields);
    // Parsed, addressed to guardName (up to the first NUL) and carrying a matching checksum.
    static bool AcceptBody(const QByteArray &body, const QString &guardName, Fields *fields);
};
