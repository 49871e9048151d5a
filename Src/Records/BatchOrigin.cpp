#include "BatchOrigin.h"

#include <QCryptographicHash>
#include <QDataStream>

namespace {
QString Digest(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}
} // namespace

QString BatchOrigin::OfRun(const LiveRecord &first)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << first.index << first.arrival.toMSecsSinceEpoch() << first.micrometres;
    return QStringLiteral("run:") + Digest(bytes);
}

QString BatchOrigin::OfDownload(const QDateTime &time, int group,
                                const QVector<LiveRecord> &records)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << time.toMSecsSinceEpoch() << group;
    for (const LiveRecord &record : records)
        stream << record.unitCode << record.micrometres;
    return QStringLiteral("download:") + Digest(bytes);
}
