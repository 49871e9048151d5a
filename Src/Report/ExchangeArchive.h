#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <optional>

// A zip archive of named files, written and read whole with libzip. Reading trusts nothing:
// every name and every size the archive declares is checked before anything is inflated, and
// an archive that is cut short, damaged, names a file outside its folder or would take more
// room than the limits allow is refused with a sentence naming what is wrong.
class ExchangeArchive
{
    Q_DECLARE_TR_FUNCTIONS(ExchangeArchive)

public:
    struct Entry
    {
        QString name; // a relative path with '/' between folders
        QByteArray bytes;
    };
    struct Limits
    {
        qint64 entryBytes;
        qint64 totalBytes;
        qint64 entries;
    };

    // Writes the archive in place of any file there; libzip writes it beside and renames it
    // when complete, so a failed write leaves what was there.
    static bool Write(const QString &path, const QVector<Entry> &entries, QString *problem);
    static std::optional<QVector<Entry>> Read(const QString &path, const Limits &limits,
                                              QString *problem);
    // Whether the file begins as a zip archive does.
    static bool IsArchive(const QString &path);
    // Whether a name stays inside the archive's folder when unpacked: relative, without "..",
    // a drive or a backslash.
    static bool IsSafeName(const QString &name);
};
