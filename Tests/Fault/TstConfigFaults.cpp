#include "DialogWindow.h"
#include "InspectionSettings.h"
#include "InspectionSettingsWidget.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "ProcessUser.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// A damaged or unwritable config.ini: the program still starts, in English, and keeps working.
// "Unwritable" is a folder named config.ini, which fails for root too.
namespace {
enum Damage
{
    Garbage,
    WrongTypes,
    EmptyLanguages,
    Folder
};

void WriteDamaged(const QString &file, int damage)
{
    if (damage == Folder) {
        QDir().mkpath(file);
        return;
    }
    QByteArray text;
    if (damage == Garbage) {
        for (int i = 0; i < 4096; ++i)
            text.append(char((i * 7919 + 13) % 256));
    } else if (damage == WrongTypes) {
        text = "[General]\nAppName=@Variant(\\0\\0\\0\\x7f\\xff)\nSaveFilePath=@ByteArray(\\xff)\n"
               "[Defaule]\nLanguage=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nstyle=3.5\n"
               "[Langs]\nsize=many\n1\\lang=@Rect(1 2 3 4)\n";
    } else {
        text = "[General]\nAppName=Varnolithic\n[Defaule]\nLanguage=English\n[Langs]\nsize=0\n";
    }
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(text);
}

void AddDamageRows()
{
    QTest::addColumn<int>("damage");
    QTest::newRow("binary garbage") << int(Garbage);
    QTest::newRow("wrong types") << int(WrongTypes);
    QTest::newRow("empty Langs") << int(EmptyLanguages);
    QTest::newRow("config.ini is a folder") << int(Folder);
}

QByteArray Contents(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool WaitForOutput(QProcess &process, const QByteArray &needle, QByteArray &output)
{
    QElapsedTimer timer;
    timer.start();
    while (!output.contains(needle) && timer.elapsed() < 15000 &&
           process.state() == QProcess::Running) {
        if (process.waitForReadyRead(100))
            output += process.readAll();
    }
    return output.contains(needle);
}
} // namespace

class TstConfigFaults : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<QTemporaryDir> m_dir;

    QString File() const { return m_dir->filePath(QStringLiteral("config.ini")); }

    void StartProgram(QProcess &process, const QString &program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir->path());
        process.start(program, QStringList());
        QVERIFY(process.waitForStarted(5000));
    }

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        StartupSteps::RegisterSerialMetaTypes();
        KesConfig::Instance()->InitTranslator(qApp);
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void windowWorksOnADamagedFile_data() { AddDamageRows(); }
    void windowWorksOnADamagedFile()
    {
        QFETCH(int, damage);
        WriteDamaged(File(), damage);
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        config->InitConfig(QLocale::English);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Data overflow"),
                 QStringLiteral("Data overflow"));

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The language box never holds a broken entry, and choosing a language still works.
        for (QComboBox *box : window.findChildren<QComboBox *>(QStringLiteral("LangBox"))) {
            for (int index = 0; index < box->count(); ++index)
                QVERIFY(!box->itemText(index).isEmpty());
        }
        config->SetLanguage(QStringLiteral("Chinese(china)"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Data overflow"),
                 QStringLiteral("数据溢出"));
        config->SetLanguage(QStringLiteral("English"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Data overflow"),
                 QStringLiteral("Data overflow"));

        // A writable file takes new settings; a folder takes none, and nothing breaks.
        config->WriteValue(QStringLiteral("SaveFilePath"), m_dir->path());
        const QVariant saved = config->ReadValue(QStringLiteral("SaveFilePath"));
        QCOMPARE(saved.isValid(), damage != Folder);
        if (damage != Folder)
            QCOMPARE(saved.toString(), m_dir->path());
        QCOMPARE(QFileInfo(File()).isDir(), damage == Folder);
    }

    // A damaged file is set aside and replaced with the defaults; a folder cannot be, and the
    // program runs on its defaults. A sound file, even an empty one, stays as it is.
    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("damage");
        QTest::newRow("binary garbage") << QByteArray("\x01\xfe\0[Defaule\nLanguage\xff", 18)
                                        << false << false << int(KesConfig::Replaced);
        QTest::newRow("control characters") << QByteArray("[Defaule]\nLanguage=\x1b[2J\x07\n")
                                            << false << false << int(KesConfig::Replaced);
        // A local encoding (GBK) in a file edited by hand is no damage.
        QTest::newRow("edited in GBK")
            << QByteArray("[General]\nSaveFilePath=D:/\xb2\xe2\xc1\xbf\n") << false << false
            << int(KesConfig::Intact);
        QTest::newRow("unreadable") << QByteArray("[Defaule]\nLanguage=English\n") << true << false
                                    << int(KesConfig::Replaced);
        QTest::newRow("a folder") << QByteArray() << false << true << int(KesConfig::Unusable);
        QTest::newRow("sound") << QByteArray("[Defaule]\nLanguage=English\n") << false << false
                               << int(KesConfig::Intact);
        QTest::newRow("empty") << QByteArray() << false << false << int(KesConfig::Intact);
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, unreadable);
        QFETCH(bool, folder);
        QFETCH(int, damage);
        if (unreadable && RunsAsRoot())
            QSKIP("root reads every file");
        if (folder) {
            QVERIFY(QDir().mkpath(File()));
        } else {
            QFile out(File());
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        if (unreadable)
            QVERIFY(QFile::setPermissions(File(), QFileDevice::WriteOwner));
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        config->InitConfig(QLocale::English);

        QCOMPARE(int(config->Damage()), damage);
        QCOMPARE(config->DamageNotice().isEmpty(), damage == KesConfig::Intact);
        const QString bad = File() + QStringLiteral(".bad");
        QCOMPARE(QFile::exists(bad), damage == KesConfig::Replaced);
        if (damage == KesConfig::Replaced) {
            QFile::setPermissions(bad, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(Contents(bad), content);
            QCOMPARE(config->ReadValue(QStringLiteral("AppName")).toString(),
                     QStringLiteral("Varnolithic"));
            QCOMPARE(KesConfig::Inspect(File()), KesConfig::Intact);
        }
        if (damage == KesConfig::Intact)
            QCOMPARE(Contents(File()), content);
        // Replaced, the defaults are in place; unusable, nothing can be read.
        if (damage != KesConfig::Intact)
            QCOMPARE(
                config->ReadValue(QStringLiteral("Language"), QStringLiteral("Defaule")).isValid(),
                damage == KesConfig::Replaced);
    }

    // Told once: the next start finds the replaced file sound and says nothing.
    void userIsToldOnceAboutADamagedFile()
    {
        WriteDamaged(File(), Garbage);
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        config->InitConfig(QLocale::English);
        QWidget window;
        window.resize(800, 600);
        window.show();
        StartupSteps::TellAboutDamagedSettings(&window);
        const auto shown = [] {
            QStringList texts;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<DialogWindow *>(widget) && widget->isVisible())
                    texts << widget->findChild<QLabel *>(QStringLiteral("DeviceNotLabel"))->text();
            }
            return texts;
        };
        QCOMPARE(shown(), QStringList{config->DamageNotice()});
        QVERIFY(config->DamageNotice().contains(QStringLiteral("config.ini.bad")));
        // It goes away by itself once it could be read.
        QTRY_VERIFY_WITH_TIMEOUT(shown().isEmpty(),
                                 DialogWindow::ReadingMsecs(config->DamageNotice()) + 2000);

        config->InitConfig(QLocale::English);
        QCOMPARE(config->Damage(), KesConfig::Intact);
        StartupSteps::TellAboutDamagedSettings(&window);
        QVERIFY(shown().isEmpty());
    }

    // Exports and sessions never go to the filesystem root nor to nowhere: a missing, empty or
    // relative setting, a file, or a folder that cannot be made means the default folder, and
    // a setting that is not used is told.
    void saveFolderFallsBackToTheDefault_data()
    {
        QTest::addColumn<QVariant>("setting"); // "<scratch>" stands for the scratch folder
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("told");
        QTest::newRow("missing") << QVariant() << false << false;
        QTest::newRow("empty") << QVariant(QString()) << false << true;
        QTest::newRow("relative") << QVariant(QStringLiteral("exports")) << false << true;
        QTest::newRow("absolute") << QVariant(QStringLiteral("<scratch>/exports")) << true << false;
        QTest::newRow("a file") << QVariant(QStringLiteral("<scratch>/config.ini")) << false
                                << true;
        QTest::newRow("cannot be made")
            << QVariant(QStringLiteral("<scratch>/config.ini/exports")) << false << true;
    }
    void saveFolderFallsBackToTheDefault()
    {
        QFETCH(QVariant, setting);
        QFETCH(bool, kept);
        QFETCH(bool, told);
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        if (setting.isValid()) {
            setting = setting.toString().replace(QStringLiteral("<scratch>"), m_dir->path());
            config->WriteValue(QStringLiteral("SaveFilePath"), setting);
        }
        const QString folder = config->SaveFolder();
        QCOMPARE(folder, kept ? setting.toString() : KesConfig::DefaultSaveFolder());
        QVERIFY(QDir::isAbsolutePath(folder));
        QVERIFY(QDir(folder) != QDir::root());
        QVERIFY(QFileInfo(folder).isDir());
        const QString notice = config->SaveFolderNotice();
        QCOMPARE(!notice.isEmpty(), told);
        if (told)
            QVERIFY2(notice.contains(QDir::toNativeSeparators(KesConfig::DefaultSaveFolder())),
                     qPrintable(notice));
    }

    // A value of the inspection group that is no value of its key is refused alone: the others
    // are kept, the user is told which one, and the settings page shows it in its field.
    void inspectionValuesAreRefusedOneByOne_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("field");
        // The rule then lacks a value it needs, and judges nothing: it is refused too.
        QTest::addColumn<bool>("ruleRefused");
        QTest::newRow("negative nominal") << "Nominal"
                                          << "-5"
                                          << "NominalEdit" << false;
        QTest::newRow("nominal not a number") << "Nominal"
                                              << "nan"
                                              << "NominalEdit" << false;
        QTest::newRow("huge maximum") << "Maximum"
                                      << "1e308"
                                      << "MaximumEdit" << true;
        QTest::newRow("minimum as text") << "Minimum"
                                         << "thick"
                                         << "MinimumEdit" << true;
        QTest::newRow("huge spot size") << "SpotSize"
                                        << "1e308"
                                        << "SpotSizeEdit" << false;
        QTest::newRow("spot size past int") << "SpotSize"
                                            << "2147483648"
                                            << "SpotSizeEdit" << false;
        QTest::newRow("spot size not whole") << "SpotSize"
                                             << "2.5"
                                             << "SpotSizeEdit" << false;
        QTest::newRow("low percent negative") << "SpotLowPercent"
                                              << "-80"
                                              << "SpotLowEdit" << false;
        QTest::newRow("unknown unit") << "Unit"
                                      << "7"
                                      << "InspectionUnitBox" << false;
        QTest::newRow("unknown rule") << "Rule"
                                      << "iso9999"
                                      << "InspectionRuleBox" << false;
    }
    void inspectionValuesAreRefusedOneByOne()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, field);
        QFETCH(bool, ruleRefused);
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        const InspectionCriteria sound{InspectionCriteria::Rule::SspcPa2, 1, 0, 3, 6, 5, 70, 130};
        InspectionSettings::Save(sound);
        config->WriteValue(key, stored, QStringLiteral("Inspection"));

        QVector<InspectionSettings::Refusal> refused;
        const InspectionCriteria loaded = InspectionSettings::Load(&refused);
        QCOMPARE(refused.size(), ruleRefused ? 2 : 1);
        QCOMPARE(refused.first().key, key);
        QCOMPARE(refused.first().stored, stored);
        // The value refused has its default, every other one is as stored: written back by
        // hand, the refused key alone takes the default's text.
        InspectionSettings::Save(InspectionCriteria());
        const QString defaultText = config->ReadValue(key, QStringLiteral("Inspection")).toString();
        InspectionSettings::Save(sound);
        config->WriteValue(key, defaultText, QStringLiteral("Inspection"));
        InspectionCriteria expected = InspectionSettings::Load();
        if (ruleRefused)
            expected.rule = InspectionCriteria::Rule::None;
        QVERIFY(loaded == expected);
        config->WriteValue(key, stored, QStringLiteral("Inspection"));
        const QString notice = InspectionSettings::RefusalNotice();
        QVERIFY2(notice.contains(QStringLiteral("%1 = \"%2\"").arg(key, stored)),
                 qPrintable(notice));

        InspectionSettingsWidget page;
        page.ShowStored();
        auto *shown = page.findChild<QWidget *>(field);
        QCOMPARE(shown->property("State").toString(), QStringLiteral("Invalid"));
        if (auto *edit = qobject_cast<QLineEdit *>(shown))
            QCOMPARE(edit->text(), stored);
        QVERIFY(
            page.findChild<QLabel *>(QStringLiteral("InspectionHint"))->text().contains(stored));
    }

    // The real program, copied into a scratch folder beside the damaged file: it comes up,
    // stays up, and still sends a second start away.
    void programStartsOnADamagedFile_data() { AddDamageRows(); }
    void programStartsOnADamagedFile()
    {
        QFETCH(int, damage);
        const QString binDir = qEnvironmentVariable("VARNOLITHIC_BIN_DIR");
        if (binDir.isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        const QString program = m_dir->filePath(QStringLiteral("varnolithic"));
        QVERIFY(QFile::copy(binDir + QStringLiteral("/varnolithic"), program));
        WriteDamaged(File(), damage);

        QProcess first;
        StartProgram(first, program);
        QByteArray output;
        QVERIFY2(WaitForOutput(first, m_dir->filePath(QStringLiteral("font")).toUtf8(), output),
                 output.constData());
        QTest::qWait(1000);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        StartProgram(second, program);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished(5000);
        QVERIFY2(!output.contains("ASSERT"), output.constData());
        // Garbage is set aside whole, and the program wrote its defaults in its place.
        const QString bad = File() + QStringLiteral(".bad");
        QCOMPARE(QFile::exists(bad), damage == Garbage);
        if (damage == Garbage)
            QCOMPARE(QSettings(File(), QSettings::IniFormat).value("Langs/size").toInt(), 2);
    }
};

QTEST_MAIN(TstConfigFaults)
#include "TstConfigFaults.moc"
