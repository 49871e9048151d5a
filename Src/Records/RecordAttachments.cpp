#include "RecordAttachments.h"

#include "RecordStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>

namespace {
const char *const TypeKeys[] = {"jpeg", "png", "pdf"};

QString TypeKey(RecordAttachment::Type type)
{
    return QLatin1String(TypeKeys[int(type)]);
}

RecordAttachment::Type TypeFromKey(const QString &key)
{
    for (int i = 0; i < int(std::size(TypeKeys)); ++i) {
        if (key == QLatin1String(TypeKeys[i]))
            return RecordAttachment::Type(i);
    }
    return RecordAttachment::Type::Pdf;
}

const QString Columns = QStringLiteral(
    "uuid, owner_uuid, sha256, type, size, file_name, caption, added, who FROM attachments");

RecordAttachment AttachmentOf(const QSqlQuery &query)
{
    return {query.value(0).toString(),   query.value(1).toString(),
            query.value(2).toString(),   TypeFromKey(query.value(3).toString()),
            query.value(4).toLongLong(), query.value(5).toString(),
            query.value(6).toString(),   RecordStore::TimeOf(query.value(7)),
            query.value(8).toString()};
}
} // namespace

RecordAttachments::RecordAttachments(RecordStore &store) : m_store(store) {}

QString RecordAttachments::FolderOf(const RecordStore &store)
{
    return QFileInfo(store.Path()).absolutePath() + QStringLiteral("/attachments");
}

QString RecordAttachments::FilePath(const RecordStore &store, const RecordAttachment &attachment)
{
    return QStringLiteral("%1/%2.%3")
        .arg(FolderOf(store), attachment.sha256, TypeKey(attachment.type));
}

bool RecordAttachments::TypeOf(const QByteArray &head, RecordAttachment::Type *type)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        *type = RecordAttachment::Type::Jpeg;
    else if (head.startsWith("\x89PNG\r\n\x1A\n"))
        *type = RecordAttachment::Type::Png;
    else if (head.startsWith("%PDF-"))
        *type = RecordAttachment::Type::Pdf;
    else
        return false;
    return true;
}

bool RecordAttachments::Refuse(const QString &problem)
{
    m_problem = problem;
    return false;
}

QString RecordAttachments::Add(const QString &ownerUuid, const QString &path,
                               const QString &caption)
{
    m_problem.clear();
    const QString kind = m_store.IdOf("batches", ownerUuid) != 0 ? QStringLiteral("batch")
                         : m_store.IdOf("areas", ownerUuid) != 0 ? QStringLiteral("area")
                                                                 : QString();
    const QFileInfo info(path);
    if (kind.isEmpty() || !m_store.IsWritable()) {
        Refuse(kind.isEmpty() ? tr("Photos and documents are attached to a batch or an area.")
                              : m_store.Problem());
        return QString();
    }
    // The size is known before anything is read.
    if (info.size() > MaxBytes) {
        Refuse(tr("%1 is not attached: it takes %2 MB, more than the 20 MB a photo or document "
                  "may take.")
                   .arg(info.fileName())
                   .arg(double(info.size()) / (1024 * 1024), 0, 'f', 1));
        return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Refuse(tr("%1 cannot be read: %2").arg(path, file.errorString()));
        return QString();
    }
    const QByteArray bytes = file.read(MaxBytes + 1);
    RecordAttachment::Type type;
    if (bytes.size() > MaxBytes || !TypeOf(bytes.left(16), &type)) {
        Refuse(bytes.size() > MaxBytes
                   ? tr("%1 is not attached: it is larger than 20 MB.").arg(info.fileName())
                   : tr("%1 is not attached: it is not a JPEG or PNG photo or a PDF document.")
                         .arg(info.fileName()));
        return QString();
    }
    const QString sha256 =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QSqlQuery held = m_store.Prepared(
        QStringLiteral("SELECT uuid FROM attachments WHERE owner_uuid = ? AND sha256 = ?"));
    held.addBindValue(ownerUuid);
    held.addBindValue(sha256);
    if (held.exec() && held.next())
        return held.value(0).toString();
    if (!Keep(bytes, sha256, type) || !m_store.Begin()) {
        if (m_problem.isEmpty())
            m_problem = m_store.Problem();
        return QString();
    }
    const QString uuid = RecordStore::NewUuid();
    QSqlQuery insert = m_store.Prepared(QStringLiteral(
        "INSERT INTO attachments (uuid, owner_kind, owner_uuid, sha256, type, size, file_name, "
        "caption, added, who) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &value :
         {QVariant(uuid), QVariant(kind), QVariant(ownerUuid), QVariant(sha256),
          QVariant(TypeKey(type)), QVariant(qint64(bytes.size())), QVariant(info.fileName()),
          QVariant(caption), QVariant(RecordStore::TimeText(QDateTime::currentDateTime())),
          QVariant(m_store.m_inspector)})
        insert.addBindValue(value);
    if (!m_store.Exec(insert) ||
        !m_store.AddHistory(kind, ownerUuid, QStringLiteral("attachment"), QString(),
                            info.fileName()) ||
        !m_store.Commit()) {
        m_store.Rollback();
        m_problem = m_store.Problem();
        return QString();
    }
    return uuid;
}

bool RecordAttachments::Keep(const QByteArray &bytes, const QString &sha256,
                             RecordAttachment::Type type)
{
    RecordAttachment kept;
    kept.sha256 = sha256;
    kept.type = type;
    const QString target = FilePath(kept);
    if (QFileInfo(target).size() == bytes.size())
        return true;
    QSaveFile file(target);
    if (!QDir().mkpath(Folder()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return Refuse(
            tr("The attachment cannot be kept in %1: %2").arg(Folder(), file.errorString()));
    return true;
}

bool RecordAttachments::SetCaption(const QString &uuid, const QString &caption)
{
    QSqlQuery owner =
        m_store.Prepared(QStringLiteral("SELECT owner_kind, owner_uuid, caption FROM attachments "
                                        "WHERE uuid = ?"));
    owner.addBindValue(uuid);
    if (!owner.exec() || !owner.next())
        return Refuse(tr("no such attachment"));
    if (owner.value(2).toString() == caption)
        return true;
    if (!m_store.Begin())
        return Refuse(m_store.Problem());
    QSqlQuery update =
        m_store.Prepared(QStringLiteral("UPDATE attachments SET caption = ? WHERE uuid = ?"));
    update.addBindValue(caption);
    update.addBindValue(uuid);
    if (m_store.Exec(update) &&
        m_store.AddHistory(owner.value(0).toString(), owner.value(1).toString(),
                           QStringLiteral("caption"), owner.value(2).toString(), caption) &&
        m_store.Commit())
        return true;
    m_store.Rollback();
    return Refuse(m_store.Problem());
}

QVector<RecordAttachment> RecordAttachments::Of(const RecordStore &store, const QString &ownerUuid)
{
    QSqlQuery query =
        store.Prepared(QStringLiteral("SELECT %1 WHERE owner_uuid = ? ORDER BY id").arg(Columns));
    query.addBindValue(ownerUuid);
    QVector<RecordAttachment> attachments;
    if (query.exec()) {
        while (query.next())
            attachments.append(AttachmentOf(query));
    }
    return attachments;
}
