#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>

// The single-instance guard's shared-memory block, 152 bytes in native byte order. Every access
// happens while the shared memory's own lock is held.
struct GuardBlock
{
    quint8 primary;
    quint8 padding1[3];
    quint32 secondary;
    qint64 primaryPid;
    char primaryUser[128];
    quint16 checksum;
    quint8 padding2[6];

    // ISO 3309 CRC-16 over every byte before the checksum field.
    quint16 Sum() const;
    bool IsConsistent() const { return checksum == Sum(); }
    void Seal() { checksum = Sum(); }

    void Reset();
    void SetPrimary(qint64 pid, const QString &userName);
    void ClearPrimary();
};

static_assert(sizeof(GuardBlock) == 152, "the guard block is shared between processes");
static_assert(offsetof(GuardBlock, primaryPid) == 8, "the guard block is shared between processes");
static_assert(offsetof(GuardBlock, checksum) == 144, "the guard block is shared between processes");
