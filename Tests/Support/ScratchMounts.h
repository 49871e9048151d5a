#pragma once

// Real file systems that fail as disks do, mounted for one test by root: a small tmpfs that
// fills up, and a read-only view of a folder. Each is unmounted when it goes out of scope;
// IsMounted() is false where mounting is not allowed, and the test then skips.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

class ScratchMount
{
public:
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;
    ~ScratchMount()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
#endif
    }

    // A tmpfs of `kilobytes` at path (an existing empty folder).
    static ScratchMount Tmpfs(const QString &path, int kilobytes)
    {
        ScratchMount mount(path);
#ifdef Q_OS_LINUX
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mount.m_mounted = ::mount("tmpfs", mount.Native(), "tmpfs", 0, options.constData()) == 0;
#else
        Q_UNUSED(kilobytes)
#endif
        return mount;
    }

    // The folder source seen read-only at path (an existing empty folder).
    static ScratchMount ReadOnlyView(const QString &source, const QString &path)
    {
        ScratchMount mount(path);
#ifdef Q_OS_LINUX
        const QByteArray from = QFile::encodeName(source);
        if (::mount(from.constData(), mount.Native(), nullptr, MS_BIND, nullptr) != 0)
            return mount;
        mount.m_mounted = true;
        if (::mount(nullptr, mount.Native(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
            0) {
            umount2(mount.Native(), MNT_DETACH);
            mount.m_mounted = false;
        }
#else
        Q_UNUSED(source)
#endif
        return mount;
    }

    ScratchMount(ScratchMount &&other) noexcept
        : m_path(other.m_path), m_native(other.m_native), m_mounted(other.m_mounted)
    {
        other.m_mounted = false;
    }

    bool IsMounted() const
    {
        return m_mounted;
    }

    // Fills the file system up to `leftBytes` free with a file of zeros.
    bool FillLeaving(qint64 leftBytes) const
    {
        QFile filler(QDir(m_path).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(1024, '\0');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        // Gives back whole pages until leftBytes are free.
        return filler.resize(std::max<qint64>(0, filler.size() - leftBytes));
    }

private:
    explicit ScratchMount(const QString &path) : m_path(path), m_native(QFile::encodeName(path)) {}
    const char *Native() const
    {
        return m_native.constData();
    }

    QString m_path;
    QByteArray m_native;
    bool m_mounted = false;
};
