#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files. Run from a folder it may write to (a build folder, an
// unpacked archive), it keeps them beside its executable. Installed, it keeps them in the
// user's folders: the settings in the configuration folder, the log in the data folder and the
// exports in a "Varnolithic" folder of the documents. The font folder is looked up beside the
// executable and in the installed data folder, <prefix>/share/varnolithic.
class AppPaths
{
public:
    struct Folders
    {
        QString application;
        QString userConfig;
        QString userData;
        QString documents;
        // The data folder of the program whichever of its executables runs.
        QString programData;
    };

    // The layout for these folders; portable when the application folder is the program's own.
    AppPaths(const Folders &folders, bool portable);
    // The layout of the running program; needs the application object.
    static AppPaths Current();

    // An application folder this process may create files in, not one of an installation.
    static bool IsPortableFolder(const QString &applicationDir);
    static QString InstalledDataFolder(const QString &applicationDir);

    bool IsPortable() const { return m_portable; }
    QString ConfigFile() const;
    QString DefaultSaveFolder() const;
    // Without the ".log" that the logger adds.
    QString LogBasePath() const;
    QStringList FontFolders() const;
    // The inspection records: beside the settings file when portable, else in the program's
    // data folder (~/.local/share/varnolithic), shared by the window and the command line.
    QString RecordsFile(const QString &configFile) const;

private:
    Folders m_folders;
    bool m_portable;
};
