#include "TerminationSignals.h"

#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
namespace {
const int Handled[] = {SIGTERM, SIGINT, SIGHUP};
int s_pair[2] = {-1, -1};

void WriteNumber(int signalNumber)
{
    const int savedErrno = errno;
    const char number = char(signalNumber);
    (void)!write(s_pair[0], &number, 1);
    errno = savedErrno;
}
} // namespace
#endif

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
#ifndef Q_OS_WIN
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pair) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::On_Readable);
    struct sigaction action = {};
    action.sa_handler = WriteNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : Handled)
        sigaction(signalNumber, &action, nullptr);
#endif
}

TerminationSignals::~TerminationSignals()
{
#ifndef Q_OS_WIN
    if (!m_notifier)
        return;
    for (int signalNumber : Handled)
        std::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    close(s_pair[0]);
    close(s_pair[1]);
    s_pair[0] = s_pair[1] = -1;
#endif
}

void TerminationSignals::On_Readable()
{
#ifndef Q_OS_WIN
    char number = 0;
    if (read(s_pair[1], &number, 1) == 1)
        emit Received(number);
#endif
}
