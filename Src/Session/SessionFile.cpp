#include "SessionFile.h"

#include "SessionCsv.h"
#include "SessionJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>

namespace {
// Bytes read from the file at a time; a line of the format takes about 55.
const qint64 ChunkBytes = 1 << 22;
const qint64 LineBytesAtLeast = 48;
} // namespace

SessionFile SessionFile::Read(const QString &path)
{
    SessionFile session;
    session.path = path;
    session.records.reserve(static_cast<int>(std::min<qint64>(
        QFileInfo(path).size() / LineBytesAtLeast, std::numeric_limits<int>::max())));
    session.error = ForEachLine(path, [&session](const char *begin, const char *end) {
        if (std::optional<LiveRecord> record = SessionCsv::ParseLine(begin, end))
            session.records.append(std::move(*record));
        else
            ++session.skippedLines;
    });
    return session;
}

QString SessionFile::ForEachLine(const QString &path,
                                 const std::function<void(const char *, const char *)> &take)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    static const QByteArray header = SessionCsv::Header().trimmed();
    QByteArray bytes;
    bool first = true;
    for (bool atEnd = false; !atEnd;) {
        const QByteArray chunk = file.read(ChunkBytes);
        atEnd = chunk.isEmpty();
        bytes += chunk;
        const char *begin = bytes.constData();
        const char *const end = begin + bytes.size();
        for (;;) {
            const char *newline = static_cast<const char *>(
                std::memchr(begin, '\n', static_cast<size_t>(end - begin)));
            // The last line may have no line end.
            if (!newline && !(atEnd && begin != end))
                break;
            const char *lineEnd = newline ? newline : end;
            while (lineEnd != begin && (lineEnd[-1] == '\n' || lineEnd[-1] == '\r'))
                --lineEnd;
            const bool isHeader = first && lineEnd - begin == header.size() &&
                                  std::memcmp(begin, header.constData(), header.size()) == 0;
            if (!isHeader && lineEnd != begin)
                take(begin, lineEnd);
            first = false;
            begin = newline ? newline + 1 : end;
        }
        bytes.remove(0, static_cast<int>(begin - bytes.constData()));
    }
    return QString();
}

QDateTime SessionFile::NameTime(const QString &path)
{
    const QString stamp = QFileInfo(path).completeBaseName().mid(8, 15);
    return QDateTime::fromString(stamp, QStringLiteral("yyyyMMdd_HHmmss"));
}

QStringList SessionFile::List(const QString &saveFolder)
{
    const QDir folder(SessionJournal::SessionsFolder(saveFolder));
    QStringList paths;
    // Names hold the start time, so the reverse name order is newest first.
    const QStringList names = folder.entryList({QStringLiteral("Session_*.csv")}, QDir::Files,
                                               QDir::Name | QDir::Reversed);
    for (const QString &name : names)
        paths.append(folder.filePath(name));
    return paths;
}

QDateTime SessionFile::StartTime() const
{
    return records.isEmpty() ? NameTime(path) : records.first().arrival;
}

qint8 SessionFile::UnitCode() const
{
    for (auto record = records.crbegin(); record != records.crend(); ++record) {
        if (record->HasValue())
            return record->unitCode;
    }
    return -1;
}

ReadingStatistics SessionFile::Statistics() const
{
    return Inspect(InspectionCriteria()).Statistics();
}

SeriesInspection SessionFile::Inspect(const InspectionCriteria &criteria) const
{
    return SeriesInspection::OfRecords(records, criteria, UnitCode());
}
