#include "GuardBlock.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

quint16 GuardBlock::Sum() const
{
    return qChecksum(reinterpret_cast<const char *>(this), offsetof(GuardBlock, checksum));
}

void GuardBlock::Reset()
{
    primary = 0;
    secondary = 0;
    ClearPrimary();
}

void GuardBlock::SetPrimary(qint64 pid, const QString &userName)
{
    primary = 1;
    primaryPid = pid;
    const QByteArray user = userName.toUtf8();
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::size_t>(user.size()), sizeof primaryUser - 1);
    std::memcpy(primaryUser, user.constData(), length);
    primaryUser[length] = '\0';
    Seal();
}

void GuardBlock::ClearPrimary()
{
    primary = 0;
    primaryPid = -1;
    primaryUser[0] = '\0';
    Seal();
}
