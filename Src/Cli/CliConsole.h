#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The command line's standard output, for results and help, and its error output, for
// messages. Nothing else of the command line program writes to either.
class CliConsole
{
public:
    CliConsole();

    // Writes the bytes to the standard output and flushes them. With platformLineEnds "\n"
    // becomes the platform's line end (CR LF on Windows), as in a text-mode file.
    bool WriteOut(const QByteArray &bytes, bool platformLineEnds, QString *errorText = nullptr);
    // "varnolithic-cli: " and the message, on a line of its own on the error output.
    void Error(const QString &message);

private:
    QFile m_out;
    QFile m_err;
};
