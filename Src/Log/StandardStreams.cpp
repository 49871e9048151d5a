#include "StandardStreams.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

void StandardStreams::Prepare()
{
#ifndef Q_OS_WIN
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number: this one, as those below it are open by now.
        const int opened = open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
        if (opened > descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
#endif
}
