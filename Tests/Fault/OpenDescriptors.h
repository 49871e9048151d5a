#pragma once

#include <QDir>

// How many file descriptors this process has open (Linux), to show that something leaks none.
inline int OpenDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}
