#include "KesConfig.h"
#include "KesLog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>


namespace {
const QString kChinese = QStringLiteral("Chinese(china)");

class LanguageWatcher : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

QString Overflow()
{
    return QCoreApplication::translate("MainWindow", "Data overflow");
}

QByteArray FileDigest(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(in.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TstKesConfig : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<QTemporaryDir> m_dir;
    KesConfig *m_config = nullptr;

    QString File() const { return m_dir->filePath(QStringLiteral("config.ini")); }
    void WriteFile(const QByteArray &text)
    {
        QFile out(File());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
    }

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        m_config = KesConfig::Instance();
        QCOMPARE(KesConfig::Instance(), m_config);
        QCOMPARE(m_config->ConfigFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
        m_config->InitTranslator(qApp);
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_config->SetConfigFile(File());
    }

    void firstStartWritesTheWholeTable_data()
    {
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("overflow");
        QTest::newRow("chinese") << QLocale::Chinese << kChinese << QStringLiteral("数据溢出");
        QTest::newRow("english") << QLocale::English << "English"
                                 << "Data overflow";
        QTest::newRow("german") << QLocale::German << "English"
                                << "Data overflow";
    }
    void firstStartWritesTheWholeTable()
    {
        QFETCH(QLocale::Language, system);
        QFETCH(QString, language);
        QFETCH(QString, overflow);
        QVERIFY(!KesSettingBase::FileExists(File()));
        m_config->InitConfig(system);
        QVERIFY(KesSettingBase::FileExists(File()));

        QSettings ini(File(), QSettings::IniFormat);
        const QStringList keys = {"AppName",
                                  "AppVersion",
                                  "SaveFilePath",
                                  "StyleSheets/1/style",
                                  "StyleSheets/2/style",
                                  "StyleSheets/size",
                                  "Defaule/style",
                                  "Defaule/Language",
                                  "Langs/1/lang",
                                  "Langs/2/lang",
                                  "Langs/size"};
        QStringList stored = ini.allKeys();
        stored.sort();
        QStringList expected = keys;
        expected.sort();
        QCOMPARE(stored, expected);
        QCOMPARE(ini.value("AppName").toString(), QStringLiteral("Varnolithic"));
        QCOMPARE(ini.value("AppVersion").toString(), QStringLiteral("2.1"));
        QCOMPARE(ini.value("SaveFilePath").toString(),
                 QCoreApplication::applicationDirPath() + "/SaveFile");
        QCOMPARE(ini.value("StyleSheets/1/style").toString(), QStringLiteral("KesGray"));
        QCOMPARE(ini.value("StyleSheets/2/style").toString(), QStringLiteral("KesWhite"));
        QCOMPARE(ini.value("StyleSheets/size").toInt(), 2);
        QCOMPARE(ini.value("Defaule/style").toString(), QStringLiteral("KesGray"));
        QCOMPARE(ini.value("Defaule/Language").toString(), language);
        QCOMPARE(ini.value("Langs/1/lang").toString(), QStringLiteral("English"));
        QCOMPARE(ini.value("Langs/2/lang").toString(), kChinese);
        QCOMPARE(ini.value("Langs/size").toInt(), 2);
        QCOMPARE(Overflow(), overflow);
    }

    void existingFileIsReadAndNeverRewritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<QString>("overflow");
        QTest::newRow("chinese stored, english system")
            << QByteArray("[Defaule]\nLanguage=Chinese(china)\n") << QLocale::English
            << QStringLiteral("数据溢出");
        QTest::newRow("no language key, chinese system")
            << QByteArray("[General]\nAppName=Varnolithic\n") << QLocale::Chinese
            << "Data overflow";
        QTest::newRow("unknown language")
            << QByteArray("[Defaule]\nLanguage=Klingon\n") << QLocale::Chinese << "Data overflow";
        QTest::newRow("empty file") << QByteArray() << QLocale::Chinese << "Data overflow";
    }
    void existingFileIsReadAndNeverRewritten()
    {
        QFETCH(QByteArray, content);
        QFETCH(QLocale::Language, system);
        QFETCH(QString, overflow);
        WriteFile(content);
        const QByteArray before = FileDigest(File());
        m_config->InitConfig(system);
        QCOMPARE(FileDigest(File()), before);
        QCOMPARE(Overflow(), overflow);
    }

    void readArrayKeepsArrayOrder()
    {
        m_config->InitConfig(QLocale::English);
        const QStringList langKeys = {"lang", "lang"};
        const QMultiMap<QString, QVariant> langs = m_config->ReadArray("Langs", langKeys);
        QCOMPARE(langs.size(), 2);
        QCOMPARE(langs.keys(), langKeys);
        QCOMPARE((QStringList{langs.first().toString(), langs.last().toString()}),
                 (QStringList{"English", kChinese}));
        QVERIFY(m_config->ReadArray("Langs", {"lang"}).isEmpty());
        QVERIFY(m_config->ReadArray("Langs", {"lang", "lang", "lang"}).isEmpty());
        QVERIFY(m_config->ReadArray("Missing", {}).isEmpty());
    }

    void readArrayWithDistinctKeys()
    {
        KesSettingBase::WriteArray(File(), "Pairs", {"a", "b", "a"}, {1, 2, 3});
        const auto pairs = KesSettingBase::ReadArray(File(), "Pairs", {"a", "b", "a"});
        QCOMPARE(pairs.values("b"), QVariantList{2});
        QList<int> inOrder;
        for (auto it = pairs.constBegin(); it != pairs.constEnd(); ++it)
            inOrder << it.value().toInt();
        QCOMPARE(inOrder, (QList<int>{1, 3, 2}));
    }

    void writersStopAtTheShorterList()
    {
        KesSettingBase::WriteGroup(File(), "G", {"x", "y", "z"}, {1, 2});
        KesSettingBase::WriteArray(File(), "A", {"k"}, {7, 8, 9});
        QSettings ini(File(), QSettings::IniFormat);
        QStringList stored = ini.allKeys();
        stored.sort();
        QCOMPARE(stored, (QStringList{"A/1/k", "A/size", "G/x", "G/y"}));
        QCOMPARE(ini.value("A/size").toInt(), 1);
    }

    void readValueTellsAbsentFromEmpty_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::newRow("absent, no group") << "Nothing" << QString() << false << QString();
        QTest::newRow("absent, in group") << "Nothing"
                                          << "Defaule" << false << QString();
        QTest::newRow("empty, no group") << "Empty" << QString() << true << QString();
        QTest::newRow("present, no group") << "AppName" << QString() << true << "Varnolithic";
        QTest::newRow("present, in group") << "style"
                                           << "Defaule" << true << "KesGray";
    }
    void readValueTellsAbsentFromEmpty()
    {
        QFETCH(QString, key);
        QFETCH(QString, group);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        m_config->InitConfig(QLocale::English);
        m_config->WriteValue("Empty", QString());
        const QVariant value = m_config->ReadValue(key, group);
        QCOMPARE(value.isValid(), valid);
        QCOMPARE(value.toString(), text);
    }

    void fileExistsOnlyForRegularFiles()
    {
        QVERIFY(!KesSettingBase::FileExists(File()));
        QVERIFY(!KesSettingBase::FileExists(m_dir->path()));
        WriteFile("");
        QVERIFY(KesSettingBase::FileExists(File()));
    }

    void catalogueFollowsTheLanguage_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("overflow") << QByteArray("MainWindow") << QByteArray("Data overflow")
                                  << QStringLiteral("数据溢出");
        QTest::newRow("download") << QByteArray("MainWindow")
                                  << QByteArray("DownLoad Device Datas......")
                                  << QStringLiteral("下载设备数据!");
        QTest::newRow("save") << QByteArray("MainWindow") << QByteArray("Save file")
                              << QStringLiteral("保存文件");
        QTest::newRow("disconnected")
            << QByteArray("DialogWindow") << QByteArray("Device disconnected!")
            << QStringLiteral("设备断开连接!");
        QTest::newRow("language") << QByteArray("SettingWidget") << QByteArray("Language:")
                                  << QStringLiteral("语言:");
        QTest::newRow("column title stays")
            << QByteArray("MainWindow") << QByteArray("Number") << QStringLiteral("Number");
        QTest::newRow("other context") << QByteArray("AboutWidget") << QByteArray("Data overflow")
                                       << QStringLiteral("Data overflow");
    }
    void catalogueFollowsTheLanguage()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, chinese);
        m_config->InitConfig(QLocale::English);
        m_config->SetLanguage(kChinese);
        QCOMPARE(QCoreApplication::translate(context, source), chinese);
        m_config->SetLanguage(QStringLiteral("English"));
        QCOMPARE(QCoreApplication::translate(context, source), QString::fromLatin1(source));
    }

    void setLanguageWritesAtOnceAndRetranslates()
    {
        m_config->InitConfig(QLocale::English);
        LanguageWatcher watcher;
        watcher.show();
        QCoreApplication::processEvents();
        watcher.changes = 0;

        m_config->SetLanguage(kChinese);
        QCOMPARE(KesSettingBase::ReadValue(File(), "Language", "Defaule").toString(), kChinese);
        QCOMPARE(Overflow(), QStringLiteral("数据溢出"));
        QTRY_VERIFY_WITH_TIMEOUT(watcher.changes >= 1, 2000);

        const int afterChinese = watcher.changes;
        m_config->SetLanguage(QStringLiteral("English"));
        QCOMPARE(m_config->ReadValue("Language", "Defaule").toString(), QStringLiteral("English"));
        QCOMPARE(Overflow(), QStringLiteral("Data overflow"));
        QTRY_VERIFY_WITH_TIMEOUT(watcher.changes > afterChinese, 2000);
    }
};

QTEST_MAIN(TstKesConfig)
#include "TstKesConfig.moc"
