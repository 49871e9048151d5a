#pragma once

#include "KesSettingBase.h"

#include <QLocale>

class QCoreApplication;

// The application's settings in "config.ini" (beside the executable, or in the user's
// configuration folder when installed, see AppPaths), and the one translator through which the
// whole user interface is translated.
class KesConfig : public KesSettingBase
{
    Q_OBJECT
public:
    static KesConfig *Instance();

    QVariant ReadValue(const QString &key, const QString &group = QString()) const;
    void WriteValue(const QString &key, const QVariant &value, const QString &group = QString());
    QMultiMap<QString, QVariant> ReadArray(const QString &arrayName, const QStringList &keys) const;

    void InitTranslator(QCoreApplication *app);
    // Reads the settings file or creates it with its defaults, then installs the translation.
    void InitConfig();
    void InitConfig(QLocale::Language systemLanguage);
    void SetLanguage(const QVariant &name);

    // What InitConfig found: a damaged file is set aside as "config.ini.bad" and replaced with
    // the defaults; a file that cannot be set aside (a folder, for one) leaves the program on
    // its defaults without keeping any change.
    enum FileDamage
    {
        Intact,
        Replaced,
        Unusable
    };
    FileDamage Damage() const;
    // What the user is told about the damage; empty when the file was intact.
    QString DamageNotice() const;
    static FileDamage Inspect(const QString &file);

    // The folder exports are proposed in and sessions kept below: the setting, or the default
    // folder when the setting is missing, not an absolute path, or names no folder that is
    // there or can be made (a file, say). The folder is made when it is missing.
    QString SaveFolder() const;
    // What the user is told when the setting names a folder that cannot be used; empty when it
    // can, or when there is no setting.
    QString SaveFolderNotice() const;
    // The languages of the program, as the settings name them, for a settings file whose list
    // of them is missing or damaged.
    static QStringList Languages();
    static QString DefaultSaveFolder();

    QString ConfigFile() const;
    // Points the settings at another file; lets tests work on a scratch copy.
    void SetConfigFile(const QString &file);

signals:
    void UpdateStyleSheets();

private:
    KesConfig();

    void CreateDefaultFile(QLocale::Language systemLanguage);
    bool SetAside();
    void LoadLanguage(const QString &name);
    void LoadSystemLanguage(QLocale::Language language);
    void InstallTranslation(const QString &catalogue);
    void InstallQtTranslation(bool chinese);
};
