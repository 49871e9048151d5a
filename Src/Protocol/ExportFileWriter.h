#pragma once

#include <QByteArray>
#include <QString>

// Writes an export text to its file as a whole or not at all: the text goes to a temporary
// file beside the target, which replaces the target only once every byte is written, so a
// failed write never leaves a half-replaced file behind.
class ExportFileWriter
{
public:
    // UTF-8, through a text-mode device. On failure returns false and, when errorText is
    // given, says why.
    static bool Write(const QString &path, const QString &text, QString *errorText = nullptr);

    enum LineEnds
    {
        KeepLineEnds,
        // Through a text-mode device: "\n" becomes CR LF on Windows.
        PlatformLineEnds
    };
    static bool WriteBytes(const QString &path, const QByteArray &bytes, LineEnds lineEnds,
                           QString *errorText = nullptr);
};
