#pragma once

#include "LiveRecord.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

// The file of one live run: every reading appended as one line of the session format, handed
// to the operating system at once (a crash or a kill loses nothing that was shown) and synced
// to the disk at most once a second and when the run ends (a power cut loses at most the last
// second). A failure to write is told once through WriteFailed; later readings are not
// written, so the file never has a hole in it.
//
// At every sync the file is checked against its path: a file deleted or replaced behind the
// run's back (its folder removed, say) is made again, folder and all, from the whole run.
class SessionJournal : public QObject
{
    Q_OBJECT
public:
    explicit SessionJournal(QObject *parent = nullptr);
    ~SessionJournal() override;

    // "<folder>/Sessions/Session_yyyyMMdd_HHmmss.csv", with "_2", "_3" ... when a file of
    // that name exists already.
    static QString NewFilePath(const QString &saveFolder, const QDateTime &start);
    static QString SessionsFolder(const QString &saveFolder);

    // Creates the run's file (and its folder) with the header line. `run` holds every reading
    // appended so far, for as long as the run lasts: a lost file is written again from it.
    bool Begin(const QString &saveFolder, const QDateTime &start, const QVector<LiveRecord> *run);
    // The lines of several readings go to the operating system in one write.
    void Append(const QVector<LiveRecord> &records);
    // Syncs and closes the file.
    void End();

    // The user's words for why a file could not be made or written, from the system's error
    // number: no space left, a read-only disk, no permission, or the system's own text.
    static QString ReasonText(int errorNumber);

    bool IsWriting() const { return m_file.isOpen(); }
    QString FilePath() const { return m_path; }

signals:
    void WriteFailed(const QString &path, const QString &reason);
    // The file had gone and was made again with every reading of the run.
    void FileRemade(const QString &path);

private:
    bool Create();
    bool FileIsAtPath() const;
    void Remake();
    bool WriteWhole(const QByteArray &bytes);
    void Fail(const QString &reason);
    void Sync();

    QFile m_file;
    QString m_path;
    QString m_saveFolder;
    QDateTime m_start;
    const QVector<LiveRecord> *m_run = nullptr;
    QTimer m_syncTimer;
    QElapsedTimer m_sinceSync;
    bool m_unsynced = false;
};
