#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

// A real file system that fails as disks do, mounted by root at an existing empty folder for
// one test: a small tmpfs that fills up, or a read-only view of another folder. Unmounted when
// it goes; IsMounted() is false where mounting is not allowed, and the test then skips.
class ScratchMount
{
public:
    // A tmpfs of `kilobytes`, or with a source folder, that folder seen read-only.
    ScratchMount(const QString &path, int kilobytes, const QString &readOnlySource = QString())
        : m_path(path)
    {
#ifdef Q_OS_LINUX
        const QByteArray target = QFile::encodeName(path);
        if (readOnlySource.isEmpty()) {
            const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
            m_mounted = mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) == 0;
            return;
        }
        m_mounted = mount(QFile::encodeName(readOnlySource).constData(), target.constData(),
                          nullptr, MS_BIND, nullptr) == 0;
        if (m_mounted && mount(nullptr, target.constData(), nullptr,
                               MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            umount2(target.constData(), MNT_DETACH);
            m_mounted = false;
        }
#else
        Q_UNUSED(kilobytes)
        Q_UNUSED(readOnlySource)
#endif
    }
    ~ScratchMount()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
#endif
    }
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool IsMounted() const
    {
        return m_mounted;
    }

    // Fills the file system with a file of zeros up to `leftBytes` free.
    bool FillLeaving(qint64 leftBytes) const
    {
        QFile filler(QDir(m_path).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(1024, '\0');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        return filler.resize(std::max<qint64>(0, filler.size() - leftBytes));
    }

private:
    QString m_path;
    bool m_mounted = false;
};
