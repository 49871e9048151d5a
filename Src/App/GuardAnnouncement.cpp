#include "GuardAnnouncement.h"

#include <QDataStream>
#include <QIODevice>

namespace {
constexpr int kStreamVersion = QDataStream::Qt_5_9; // version 17 of the stream format

QDataStream &Prepared(QDataStream &stream)
{
    stream.setVersion(kStreamVersion);
    stream.setByteOrder(QDataStream::BigEndian);
    return stream;
}

quint16 BodySum(const QByteArray &body)
{
    return qChecksum(body.constData(), static_cast<uint>(body.size() - 2));
}
} // namespace

static_assert(QDataStream::Qt_5_9 == 17, "the announcement is written with stream version 17");

QByteArray GuardAnnouncement::BuildHeader(qint64 bodyLength)
{
    QByteArray header;
    QDataStream stream(&header, QIODevice::WriteOnly);
    Prepared(stream) << bodyLength;
    return header;
}

QByteArray GuardAnnouncement::BuildBody(const QString &guardName, ConnectKind kind,
                                        quint32 instanceId)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    Prepared(stream) << guardName.toLatin1() << static_cast<qint8>(kind) << instanceId;
    stream << qChecksum(body.constData(), static_cast<uint>(body.size()));
    return body;
}

bool GuardAnnouncement::ReadHeader(const QByteArray &bytes, qint64 *bodyLength)
{
    if (bytes.size() < HeaderSize)
        return false;
    QDataStream stream(bytes);
    qint64 length = 0;
    Prepared(stream) >> length;
    *bodyLength = length;
    return length >= 0 && length <= MaxBodySize;
}

bool GuardAnnouncement::ParseBody(const QByteArray &body, Fields *fields)
{
    if (body.size() > MaxBodySize)
        return false;
    QDataStream stream(body);
    Prepared(stream) >> fields->guardName >> fields->kind >> fields->instanceId >> fields->checksum;
    return stream.status() == QDataStream::Ok;
}

bool GuardAnnouncement::AcceptBody(const QByteArray &body, const QString &guardName, Fields *fields)
{
    if (!ParseBody(body, fields))
        return false;
    const int nul = fields->guardName.indexOf('\0');
    const QByteArray name = nul < 0 ? fields->guardName : fields->guardName.left(nul);
    return name == guardName.toLatin1() && fields->checksum == BodySum(body);
}
