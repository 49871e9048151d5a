#include "SessionJournal.h"

#include "KesLog.h"
#include "SessionCsv.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
const int SyncIntervalMs = 1000;

bool SyncToDisk(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return fsync(handle) == 0;
#endif
}
} // namespace

SessionJournal::SessionJournal(QObject *parent) : QObject(parent)
{
    m_syncTimer.setSingleShot(true);
    connect(&m_syncTimer, &QTimer::timeout, this, &SessionJournal::Sync);
}

SessionJournal::~SessionJournal()
{
    End();
}

QString SessionJournal::SessionsFolder(const QString &saveFolder)
{
    return QDir(saveFolder).filePath(QStringLiteral("Sessions"));
}

QString SessionJournal::NewFilePath(const QString &saveFolder, const QDateTime &start)
{
    const QDir folder(SessionsFolder(saveFolder));
    const QString stem =
        QStringLiteral("Session_") + start.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = folder.filePath(stem + QStringLiteral(".csv"));
    for (int suffix = 2; QFileInfo::exists(path); ++suffix)
        path = folder.filePath(QStringLiteral("%1_%2.csv").arg(stem).arg(suffix));
    return path;
}

bool SessionJournal::Begin(const QString &saveFolder, const QDateTime &start)
{
    End();
    m_path = NewFilePath(saveFolder, start);
    if (!QDir().mkpath(SessionsFolder(saveFolder))) {
        Fail(tr("the folder could not be created"));
        return false;
    }
    m_file.setFileName(m_path);
    // Unbuffered: every line goes to the operating system as it is written.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        Fail(m_file.errorString());
        return false;
    }
    m_sinceSync.start();
    return WriteWhole(SessionCsv::Header());
}

void SessionJournal::Append(const QVector<LiveRecord> &records)
{
    if (!m_file.isOpen() || records.isEmpty())
        return;
    QByteArray lines;
    for (const LiveRecord &record : records)
        lines += SessionCsv::Line(record);
    if (!WriteWhole(lines))
        return;
    m_unsynced = true;
    if (m_sinceSync.elapsed() >= SyncIntervalMs)
        Sync();
    else if (!m_syncTimer.isActive())
        m_syncTimer.start(SyncIntervalMs - static_cast<int>(m_sinceSync.elapsed()));
}

void SessionJournal::End()
{
    m_syncTimer.stop();
    if (!m_file.isOpen())
        return;
    Sync();
    m_file.close();
}

bool SessionJournal::WriteWhole(const QByteArray &bytes)
{
    if (m_file.write(bytes) == bytes.size())
        return true;
    Fail(m_file.errorString());
    return false;
}

void SessionJournal::Fail(const QString &reason)
{
    KesLog::Error(QStringLiteral("Session file %1: %2").arg(m_path, reason));
    m_syncTimer.stop();
    m_file.close();
    emit WriteFailed(m_path, reason);
}

void SessionJournal::Sync()
{
    m_sinceSync.restart();
    if (!m_unsynced || !m_file.isOpen())
        return;
    m_unsynced = false;
    if (!SyncToDisk(m_file.handle()))
        Fail(tr("the file could not be written to the disk"));
}
