#include "SessionFile.h"

#include "SessionCsv.h"
#include "SessionJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SessionFile SessionFile::Read(const QString &path)
{
    SessionFile session;
    session.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        session.error = file.errorString();
        return session;
    }
    const QByteArray header = SessionCsv::Header().trimmed();
    bool first = true;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (first && line == header) {
            first = false;
            continue;
        }
        first = false;
        if (line.isEmpty())
            continue;
        if (const std::optional<LiveRecord> record = SessionCsv::ParseLine(line))
            session.records.append(*record);
        else
            ++session.skippedLines;
    }
    return session;
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
    if (!records.isEmpty())
        return records.first().arrival;
    const QString stamp = QFileInfo(path).completeBaseName().mid(8, 15);
    return QDateTime::fromString(stamp, QStringLiteral("yyyyMMdd_HHmmss"));
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
