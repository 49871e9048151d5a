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

    // Creates the run's file (and its folder) with the header line.
    bool Begin(const QString &saveFolder, const QDateTime &start);
    // The lines of several readings go to the operating system in one write.
    void Append(const QVector<LiveRecord> &records);
    // Syncs and closes the file.
    void End();

    bool IsWriting() const { return m_file.isOpen(); }
    QString FilePath() const { return m_path; }

signals:
    void WriteFailed(const QString &path, const QString &reason);

private:
    bool WriteWhole(const QByteArray &bytes);
    void Fail(const QString &reason);
    void Sync();

    QFile m_file;
    QString m_path;
    QTimer m_syncTimer;
    QElapsedTimer m_sinceSync;
    bool m_unsynced = false;
};
