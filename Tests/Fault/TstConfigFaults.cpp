#include "DialogWindow.h"
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

    // Exports never go to the filesystem root: a missing, empty or relative setting means the
    // default folder.
    void saveFolderFallsBackToTheDefault_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("kept");
        QTest::newRow("missing") << QVariant() << false;
        QTest::newRow("empty") << QVariant(QString()) << false;
        QTest::newRow("relative") << QVariant(QStringLiteral("exports")) << false;
        QTest::newRow("absolute") << QVariant(QStringLiteral("/srv/coating/exports")) << true;
    }
    void saveFolderFallsBackToTheDefault()
    {
        QFETCH(QVariant, setting);
        QFETCH(bool, kept);
        KesConfig *config = KesConfig::Instance();
        config->SetConfigFile(File());
        if (setting.isValid())
            config->WriteValue(QStringLiteral("SaveFilePath"), setting);
        const QString folder = config->SaveFolder();
        QCOMPARE(folder, kept ? setting.toString() : KesConfig::DefaultSaveFolder());
        QVERIFY(QDir::isAbsolutePath(folder));
        QVERIFY(QDir(folder) != QDir::root());
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
