#include "ExportFileWriter.h"

#include <QSaveFile>

namespace {
bool Fail(const QSaveFile &file, QString *errorText)
{
    if (errorText)
        *errorText = file.errorString();
    return false;
}
} // namespace

bool ExportFileWriter::Write(const QString &path, const QString &text, QString *errorText)
{
    return WriteBytes(path, text.toUtf8(), PlatformLineEnds, errorText);
}

bool ExportFileWriter::WriteBytes(const QString &path, const QByteArray &bytes, LineEnds lineEnds,
                                  QString *errorText)
{
    QSaveFile file(path);
    const QIODevice::OpenMode mode =
        lineEnds == PlatformLineEnds ? QIODevice::Text : QIODevice::NotOpen;
    if (!file.open(QIODevice::WriteOnly | mode))
        return Fail(file, errorText);
    // The explicit flush matters: commit() does not notice a failure to write out the last
    // buffered bytes. An uncommitted save file removes its temporary file and leaves the
    // target untouched.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return Fail(file, errorText);
    return true;
}
