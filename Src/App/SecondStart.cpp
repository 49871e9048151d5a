#include "SecondStart.h"

#include <QDataStream>

namespace {
const QByteArray kTag = QByteArrayLiteral("varnolithic-start");
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;
} // namespace

QByteArray SecondStart::Message(const QStringList &arguments)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kTag << arguments;
    return message;
}

std::optional<QStringList> SecondStart::Arguments(const QByteArray &message)
{
    QDataStream in(message);
    in.setVersion(kStreamVersion);
    QByteArray tag;
    QStringList arguments;
    in >> tag >> arguments;
    if (in.status() != QDataStream::Ok || tag != kTag || !in.atEnd())
        return std::nullopt;
    return arguments;
}
