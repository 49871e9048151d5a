#pragma once

#include "KesSettingBase.h"

#include <QLocale>

class QCoreApplication;

// The application's settings in "config.ini" beside the executable, and the one translator
// through which the whole user interface is translated.
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

    QString ConfigFile() const;
    // Points the settings at another file; lets tests work on a scratch copy.
    void SetConfigFile(const QString &file);

signals:
    void UpdateStyleSheets();

private:
    KesConfig();

    void CreateDefaultFile(QLocale::Language systemLanguage);
    void LoadLanguage(const QString &name);
    void LoadSystemLanguage(QLocale::Language language);
    void InstallTranslation(const QString &catalogue);
};
