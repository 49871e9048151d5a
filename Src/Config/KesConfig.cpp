#include "KesConfig.h"

#include "AppPaths.h"
#include "KesLog.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMutex>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace {
const QString kDefaultGroup = QStringLiteral("Defaule");
const QString kLanguageKey = QStringLiteral("Language");
const QString kChinese = QStringLiteral("Chinese(china)");
const QString kEnglish = QStringLiteral("English");
const QString kChineseCatalogue = QStringLiteral(":/lang/language_zh_CN.qm");
const QString kEnglishCatalogue = QStringLiteral(":/lang/language_en.qm");

KesConfig *s_instance = nullptr;
QMutex s_instanceMutex;
QString s_configFile;
QTranslator *s_translator = nullptr;
// Qt's own texts (file dialogs, standard buttons) in Chinese, from Qt's translations.
QTranslator *s_qtTranslator = nullptr;
QCoreApplication *s_application = nullptr;
KesConfig::FileDamage s_damage = KesConfig::Intact;

// Bytes a settings file never holds: NUL and other control characters. Bytes above 0x7f
// stay allowed, so a file edited by hand in a local encoding is no damage.
bool IsText(const QByteArray &bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
    });
}
} // namespace

KesConfig::KesConfig()
{
    s_configFile = AppPaths::Current().ConfigFile();
}

KesConfig *KesConfig::Instance()
{
    if (!s_instance) {
        QMutexLocker lock(&s_instanceMutex);
        if (!s_instance)
            s_instance = new KesConfig;
    }
    return s_instance;
}

QVariant KesConfig::ReadValue(const QString &key, const QString &group) const
{
    return KesSettingBase::ReadValue(s_configFile, key, group);
}

void KesConfig::WriteValue(const QString &key, const QVariant &value, const QString &group)
{
    KesSettingBase::WriteValue(s_configFile, key, value, group);
}

QMultiMap<QString, QVariant> KesConfig::ReadArray(const QString &arrayName,
                                                  const QStringList &keys) const
{
    return KesSettingBase::ReadArray(s_configFile, arrayName, keys);
}

QString KesConfig::ConfigFile() const
{
    return s_configFile;
}

void KesConfig::SetConfigFile(const QString &file)
{
    s_configFile = file;
}

void KesConfig::InitTranslator(QCoreApplication *app)
{
    if (s_translator || s_application)
        return;
    s_application = app;
    s_translator = new QTranslator;
    s_qtTranslator = new QTranslator;
}

void KesConfig::InitConfig()
{
    InitConfig(QLocale::system().language());
}

KesConfig::FileDamage KesConfig::Inspect(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return Intact;
    if (!info.isFile())
        return Unusable;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || !IsText(in.readAll()))
        return Replaced;
    return QSettings(file, QSettings::IniFormat).status() == QSettings::NoError ? Intact : Replaced;
}

KesConfig::FileDamage KesConfig::Damage() const
{
    return s_damage;
}

QString KesConfig::DamageNotice() const
{
    switch (s_damage) {
    case Intact:
        break;
    case Replaced:
        return tr("The settings file was damaged! The program starts on its defaults; the old "
                  "file is kept beside it as config.ini.bad.");
    case Unusable:
        return tr("The settings file cannot be used! The program runs on its defaults and keeps "
                  "no changes.");
    }
    return QString();
}

namespace {
bool IsUsableFolder(const QString &folder)
{
    return QDir::isAbsolutePath(folder) && QDir().mkpath(folder) && QFileInfo(folder).isDir();
}
} // namespace

QString KesConfig::SaveFolder() const
{
    const QString folder = ReadValue(QStringLiteral("SaveFilePath")).toString();
    return IsUsableFolder(folder) ? folder : DefaultSaveFolder();
}

QString KesConfig::SaveFolderNotice() const
{
    const QVariant folder = ReadValue(QStringLiteral("SaveFilePath"));
    if (!folder.isValid() || IsUsableFolder(folder.toString()))
        return QString();
    return tr("The save folder \"%1\" of the settings is not a folder that can be used. Files "
              "and sessions are saved in %2 instead.")
        .arg(QDir::toNativeSeparators(folder.toString()),
             QDir::toNativeSeparators(DefaultSaveFolder()));
}

QStringList KesConfig::Languages()
{
    return {kEnglish, kChinese};
}

QString KesConfig::DefaultSaveFolder()
{
    return AppPaths::Current().DefaultSaveFolder();
}

bool KesConfig::SetAside()
{
    const QString bad = s_configFile + QStringLiteral(".bad");
    QFile::remove(bad);
    return QFile::rename(s_configFile, bad);
}

void KesConfig::InitConfig(QLocale::Language systemLanguage)
{
    s_damage = Inspect(s_configFile);
    if (s_damage == Replaced && !SetAside())
        s_damage = Unusable;
    if (s_damage == Replaced)
        KesLog::ErrorToFile(
            QStringLiteral("Settings file %1 damaged, set aside as .bad").arg(s_configFile));
    else if (s_damage == Unusable)
        KesLog::ErrorToFile(
            QStringLiteral("Settings file %1 unusable, running on defaults").arg(s_configFile));
    if (FileExists(s_configFile))
        LoadLanguage(ReadValue(kLanguageKey, kDefaultGroup).toString());
    else
        CreateDefaultFile(systemLanguage);
}

void KesConfig::CreateDefaultFile(QLocale::Language systemLanguage)
{
    // One QSettings stays open over the whole creation; the helpers below share its file.
    QDir().mkpath(QFileInfo(s_configFile).absolutePath());
    QSettings settings(s_configFile, QSettings::IniFormat);
    settings.setValue(QStringLiteral("AppName"), QStringLiteral("Varnolithic"));
    settings.setValue(QStringLiteral("AppVersion"), QStringLiteral(VARNOLITHIC_VERSION));
    settings.setValue(QStringLiteral("SaveFilePath"), DefaultSaveFolder());
    WriteArray(s_configFile, QStringLiteral("StyleSheets"),
               {QStringLiteral("style"), QStringLiteral("style")},
               {QStringLiteral("KesGray"), QStringLiteral("KesWhite")});
    WriteGroup(s_configFile, kDefaultGroup, {QStringLiteral("style")}, {QStringLiteral("KesGray")});
    if (s_application) {
        WriteArray(s_configFile, QStringLiteral("Langs"),
                   {QStringLiteral("lang"), QStringLiteral("lang")}, {kEnglish, kChinese});
        LoadSystemLanguage(systemLanguage);
    }
}

void KesConfig::SetLanguage(const QVariant &name)
{
    WriteValue(kLanguageKey, name, kDefaultGroup);
    if (s_application && s_translator)
        s_application->removeTranslator(s_translator);
    LoadLanguage(name.toString());
}

void KesConfig::LoadLanguage(const QString &name)
{
    InstallTranslation(name == kChinese ? kChineseCatalogue : kEnglishCatalogue);
}

void KesConfig::LoadSystemLanguage(QLocale::Language language)
{
    const bool chinese = language == QLocale::Chinese;
    WriteValue(kLanguageKey, chinese ? kChinese : kEnglish, kDefaultGroup);
    InstallTranslation(chinese ? kChineseCatalogue : kEnglishCatalogue);
}

void KesConfig::InstallTranslation(const QString &catalogue)
{
    if (!s_translator || !s_application)
        return;
    InstallQtTranslation(catalogue == kChineseCatalogue);
    const bool loaded = s_translator->load(catalogue);
    // Installed even when empty: the interface then shows its English source texts.
    s_application->installTranslator(s_translator);
    if (!loaded)
        KesLog::Error(QStringLiteral("language init error!"));
}

// Where Qt is installed (Debian: qttranslations5-l10n), else beside the program.
void KesConfig::InstallQtTranslation(bool chinese)
{
    s_application->removeTranslator(s_qtTranslator);
    if (!chinese)
        return;
    const QString name = QStringLiteral("qtbase_zh_CN");
    for (const QString &folder :
         {QLibraryInfo::location(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (s_qtTranslator->load(name, folder)) {
            s_application->installTranslator(s_qtTranslator);
            return;
        }
    }
    KesLog::Error(QStringLiteral("Qt's translation %1.qm was not found").arg(name));
}
