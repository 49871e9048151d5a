#include "SessionJournal.h"

#include "KesLog.h"
#include "SessionCsv.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/stat.h>
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

// Writes every byte; 0, or the system's error number of the write that failed.
int WriteAll(int handle, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
#ifdef Q_OS_WIN
        const int written = _write(handle, data, unsigned(std::min<qint64>(left, 1 << 30)));
#else
        const ssize_t written = ::write(handle, data, size_t(left));
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
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

bool SessionJournal::Begin(const QString &saveFolder, const QDateTime &start,
                           const QVector<LiveRecord> *run)
{
    End();
    m_saveFolder = saveFolder;
    m_start = start;
    m_run = run;
    m_path = NewFilePath(saveFolder, start);
    if (!Create())
        return false;
    m_sinceSync.start();
    return WriteWhole(SessionCsv::Header());
}

bool SessionJournal::Create()
{
    if (!QDir().mkpath(SessionsFolder(m_saveFolder))) {
        const int error = errno;
        Fail(tr("the folder could not be created: %1").arg(ReasonText(error)));
        return false;
    }
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        Fail(ReasonText(error));
        return false;
    }
    return true;
}

QString SessionJournal::ReasonText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("no space is left on the disk");
    case EROFS:
        return tr("the disk is read-only");
    case EACCES:
    case EPERM:
        return tr("permission is denied");
    case EEXIST:
    case ENOTDIR:
        return tr("a file of that name is in the way");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
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

// A write that fails is taken back whole: the file ends with the last line written in full.
bool SessionJournal::WriteWhole(const QByteArray &bytes)
{
    const qint64 sizeBefore = m_file.size();
    const int error = WriteAll(m_file.handle(), bytes);
    if (error == 0)
        return true;
    m_file.resize(sizeBefore);
    Fail(ReasonText(error));
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
    if (!m_file.isOpen())
        return;
    if (!FileIsAtPath()) {
        Remake();
        if (!m_file.isOpen())
            return;
    }
    if (!m_unsynced)
        return;
    m_unsynced = false;
    if (!SyncToDisk(m_file.handle())) {
        const int error = errno;
        Fail(tr("the file could not be written to the disk: %1").arg(ReasonText(error)));
    }
}

// Whether the open file is still the one its path names (not deleted, not replaced).
bool SessionJournal::FileIsAtPath() const
{
#ifdef Q_OS_WIN
    // An open file cannot be deleted or replaced there; its folder cannot be removed.
    return QFileInfo::exists(m_path);
#else
    struct stat open = {};
    struct stat named = {};
    if (fstat(m_file.handle(), &open) != 0 ||
        stat(QFile::encodeName(m_path).constData(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
#endif
}

// The file is made again (under a new name if another file took its place) with every reading
// of the run so far.
void SessionJournal::Remake()
{
    const QString lost = m_path;
    m_file.close();
    m_path = NewFilePath(m_saveFolder, m_start);
    if (!Create())
        return;
    QByteArray whole = SessionCsv::Header();
    for (const LiveRecord &record : *m_run)
        whole += SessionCsv::Line(record);
    if (!WriteWhole(whole))
        return;
    m_unsynced = true;
    KesLog::ErrorToFile(
        QStringLiteral("Session file %1 had gone; made again as %2 with %3 readings")
            .arg(lost, m_path)
            .arg(m_run->size()));
    emit FileRemade(m_path);
}
