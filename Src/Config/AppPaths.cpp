#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

AppPaths::AppPaths(const Folders &folders, bool portable) : m_folders(folders), m_portable(portable)
{}

AppPaths AppPaths::Current()
{
    const QString applicationDir = QCoreApplication::applicationDirPath();
    Folders folders;
    folders.application = applicationDir;
    folders.userConfig = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    folders.userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folders.programData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/varnolithic");
    return AppPaths(folders, IsPortableFolder(applicationDir));
}

bool AppPaths::IsPortableFolder(const QString &applicationDir)
{
    // An installation is recognised by its data folder too: root may write to /usr/bin, but a
    // program started from there must not leave its settings in it.
    if (QFileInfo(InstalledDataFolder(applicationDir)).isDir())
        return false;
#ifdef Q_OS_UNIX
    // The permission check of the system itself, which knows the owner, the groups, access
    // lists and read-only mounts.
    return ::access(QFile::encodeName(applicationDir).constData(), W_OK | X_OK) == 0;
#else
    // The folder's attributes do not tell (Program Files looks writable): try it.
    QTemporaryFile probe(applicationDir + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
#endif
}

QString AppPaths::InstalledDataFolder(const QString &applicationDir)
{
    return QDir::cleanPath(applicationDir + QStringLiteral("/../share/varnolithic"));
}

QString AppPaths::ConfigFile() const
{
    return (m_portable ? m_folders.application : m_folders.userConfig) +
           QStringLiteral("/config.ini");
}

QString AppPaths::DefaultSaveFolder() const
{
    if (m_portable)
        return m_folders.application + QStringLiteral("/SaveFile");
    return m_folders.documents + QStringLiteral("/Varnolithic");
}

QString AppPaths::LogBasePath() const
{
    return m_portable ? QStringLiteral("./log") : m_folders.userData + QStringLiteral("/log");
}

QString AppPaths::RecordsFile(const QString &configFile) const
{
    return (m_portable ? QFileInfo(configFile).absolutePath() : m_folders.programData) +
           QStringLiteral("/records.sqlite");
}

QStringList AppPaths::FontFolders() const
{
    return {m_folders.application + QStringLiteral("/font"),
            InstalledDataFolder(m_folders.application) + QStringLiteral("/font")};
}
