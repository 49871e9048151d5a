#include "ExchangeArchive.h"

#include <QFile>
#include <QSet>

#include <zip.h>

#include <memory>

namespace {
struct ArchiveCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};
using FileHandle = std::unique_ptr<zip_file_t, FileCloser>;

QString ErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// The bytes of one entry, exactly as many as it declares; nothing when it holds more or fewer
// or fails its checksum.
std::optional<QByteArray> Inflate(zip_t *archive, zip_uint64_t index, qint64 size, QString *problem)
{
    FileHandle file(zip_fopen_index(archive, index, 0));
    if (!file) {
        *problem = QString::fromUtf8(zip_strerror(archive));
        return std::nullopt;
    }
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const zip_int64_t read =
            zip_fread(file.get(), bytes.data() + done, zip_uint64_t(size - done));
        if (read <= 0)
            break;
        done += read;
    }
    char beyond = 0;
    const zip_int64_t more = done == size ? zip_fread(file.get(), &beyond, 1) : 0;
    if (done != size || more != 0) {
        *problem = more < 0 || done != size
                       ? QString::fromUtf8(zip_error_strerror(zip_file_get_error(file.get())))
                       : QString();
        return std::nullopt;
    }
    return bytes;
}
} // namespace

bool ExchangeArchive::IsSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral("."));
}

bool ExchangeArchive::IsArchive(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArrayLiteral("PK\x03\x04");
}

bool ExchangeArchive::Write(const QString &path, const QVector<Entry> &entries, QString *problem)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        *problem = tr("%1 cannot be written: %2").arg(path, ErrorText(code));
        return false;
    }
    ArchiveHandle handle(archive);
    for (const Entry &entry : entries) {
        // The bytes stay where they are until the archive is closed.
        zip_source_t *source = zip_source_buffer(archive, entry.bytes.constData(),
                                                 zip_uint64_t(entry.bytes.size()), 0);
        if (!source || zip_file_add(archive, entry.name.toUtf8().constData(), source,
                                    ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            *problem =
                tr("%1 cannot be written: %2").arg(path, QString::fromUtf8(zip_strerror(archive)));
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        *problem =
            tr("%1 cannot be written: %2").arg(path, QString::fromUtf8(zip_strerror(archive)));
        return false;
    }
    handle.release();
    return true;
}

std::optional<QVector<ExchangeArchive::Entry>>
ExchangeArchive::Read(const QString &path, const Limits &limits, QString *problem)
{
    if (!IsArchive(path)) {
        *problem = tr("%1 is not a zip archive.").arg(path);
        return std::nullopt;
    }
    int code = 0;
    ArchiveHandle archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) {
        *problem = tr("%1 is not a complete zip archive (%2): it may have been cut short.")
                       .arg(path, ErrorText(code));
        return std::nullopt;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > limits.entries) {
        *problem = tr("%1 holds %2 files, more than the %3 an exchange file may hold.")
                       .arg(path)
                       .arg(count)
                       .arg(limits.entries);
        return std::nullopt;
    }
    // Every name and size first, so that nothing is inflated from an archive that is refused.
    QVector<QPair<zip_uint64_t, zip_stat_t>> files;
    QSet<QString> names;
    qint64 total = 0;
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), zip_uint64_t(index), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE)) {
            *problem =
                tr("%1 is damaged: %2").arg(path, QString::fromUtf8(zip_strerror(archive.get())));
            return std::nullopt;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (!IsSafeName(name)) {
            *problem = tr("%1 names a file outside its folder (\"%2\"): it is not unpacked.")
                           .arg(path, name);
            return std::nullopt;
        }
        if (names.contains(name)) {
            *problem = tr("%1 holds the file \"%2\" twice.").arg(path, name);
            return std::nullopt;
        }
        names.insert(name);
        total += qint64(qMin<zip_uint64_t>(stat.size, zip_uint64_t(limits.totalBytes) + 1));
        if (stat.size > zip_uint64_t(limits.entryBytes) || total > limits.totalBytes) {
            *problem =
                tr("%1 is too large: its file \"%2\" would take %3 bytes unpacked, more than "
                   "the %4 bytes an exchange file may take.")
                    .arg(path, name)
                    .arg(stat.size)
                    .arg(stat.size > zip_uint64_t(limits.entryBytes) ? limits.entryBytes
                                                                     : limits.totalBytes);
            return std::nullopt;
        }
        if (!name.endsWith(QLatin1Char('/')))
            files.append({zip_uint64_t(index), stat});
    }
    QVector<Entry> entries;
    for (const auto &[index, stat] : files) {
        QString reason;
        const std::optional<QByteArray> bytes =
            Inflate(archive.get(), index, qint64(stat.size), &reason);
        if (!bytes) {
            *problem = tr("%1 is damaged: the file \"%2\" cannot be read whole (%3).")
                           .arg(path, QString::fromUtf8(stat.name),
                                reason.isEmpty() ? tr("it holds more than it declares") : reason);
            return std::nullopt;
        }
        entries.append({QString::fromUtf8(stat.name), *bytes});
    }
    return entries;
}
