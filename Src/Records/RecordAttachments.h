#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

class RecordStore;

// A photo or a document attached to a batch or an area.
struct RecordAttachment
{
    enum class Type
    {
        Jpeg,
        Png,
        Pdf
    };

    QString uuid;
    QString ownerUuid;
    QString sha256;
    Type type = Type::Jpeg;
    qint64 size = 0;
    QString fileName; // the name the file had where it was added from
    QString caption;
    QDateTime added;
    QString who;

    bool IsPhoto() const { return type != Type::Pdf; }
};

// The photos (JPEG, PNG) and PDF documents of batches and areas. A file is copied into a
// folder beside the records file under its SHA-256, so one file added twice is kept once
// (and attached once to the same item); the store keeps which item it belongs to, its caption,
// who added it and when, and records the addition in the item's history. What a file is, is
// told by its content, never by its name; anything else, and anything over 20 MB, is refused.
class RecordAttachments
{
    Q_DECLARE_TR_FUNCTIONS(RecordAttachments)

public:
    static constexpr qint64 MaxBytes = 20LL * 1024 * 1024;

    explicit RecordAttachments(RecordStore &store);

    // Attaches the file at path to the batch or the area of that uuid; the attachment's uuid
    // (that of the one there when the item holds the file already), or empty when refused or
    // failed, Problem() saying why.
    QString Add(const QString &ownerUuid, const QString &path, const QString &caption);
    bool SetCaption(const QString &uuid, const QString &caption);
    // The item's attachments, in the order they were added.
    QVector<RecordAttachment> Of(const QString &ownerUuid) const { return Of(m_store, ownerUuid); }
    // Where the attachment's file lies.
    QString FilePath(const RecordAttachment &attachment) const
    {
        return FilePath(m_store, attachment);
    }
    QString Folder() const { return FolderOf(m_store); }
    // The same, for a reader of a store that it does not change (a report).
    static QVector<RecordAttachment> Of(const RecordStore &store, const QString &ownerUuid);
    static QString FilePath(const RecordStore &store, const RecordAttachment &attachment);
    static QString FolderOf(const RecordStore &store);
    QString Problem() const { return m_problem; }

    // What the bytes a file begins with make it; false for anything but JPEG, PNG and PDF.
    static bool TypeOf(const QByteArray &head, RecordAttachment::Type *type);

private:
    bool Refuse(const QString &problem);
    // Copies the bytes under their digest into the folder, unless they are there already.
    bool Keep(const QByteArray &bytes, const QString &sha256, RecordAttachment::Type type);

    RecordStore &m_store;
    QString m_problem;
};
