#pragma once

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Root opens and reads every file whatever its permissions; tests of refused access know.
inline bool RunsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}
