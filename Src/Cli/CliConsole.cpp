#include "CliConsole.h"

#include "CliApplication.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {
const int StandardOutput = 1;
const int StandardError = 2;
} // namespace

CliConsole::CliConsole()
{
#ifdef Q_OS_WIN
    // The C runtime's own text mode would turn CR LF into CR CR LF: line ends are ours to make.
    _setmode(StandardOutput, _O_BINARY);
#endif
    // Written straight to the descriptors, so that a failed write shows at once.
    m_out.open(StandardOutput, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_err.open(StandardError, QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool CliConsole::WriteOut(const QByteArray &bytes, bool platformLineEnds, QString *errorText)
{
    m_out.setTextModeEnabled(platformLineEnds);
    const bool written = m_out.write(bytes) == bytes.size() && m_out.flush();
    if (!written && errorText)
        *errorText = m_out.errorString();
    return written;
}

void CliConsole::Error(const QString &message)
{
    m_err.write((QLatin1String(CliApplication::ProgramName) + QStringLiteral(": ") + message +
                 QLatin1Char('\n'))
                    .toUtf8());
    m_err.flush();
}
