#include "KesConfig.h"
#include "KesLog.h"
#include "SettingWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

const QString english = QStringLiteral("English");
const QString chinese = QStringLiteral("Chinese(china)");
const QString caption = QStringLiteral("Select the road strength to be saved");

// Counts the language changes that reach a window from its construction on.
// Counts the language changes that reach one widget from the moment it is watched.
class LanguageChangeCounter : public QObject
{
public:
    explicit LanguageChangeCounter(QWidget *watched)
    {
        // A change still queued from an earlier switch reaches the application first, which
        // then queues it for every window: deliver both rounds before counting.
        for (int round = 0; round < 2; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        watched->installEventFilter(this);
    }
    int changes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        changes += event->type() == QEvent::LanguageChange ? 1 : 0;
        return false;
    }
};

QString StoredLanguage()
{
    return KesConfig::Instance()
        ->ReadValue(QStringLiteral("Language"), QStringLiteral("Defaule"))
        .toString();
}

QVariant StoredSavePath()
{
    return KesConfig::Instance()->ReadValue(QStringLiteral("SaveFilePath"));
}

QComboBox *LangBox(const SettingWidget &page)
{
    return page.findChild<QComboBox *>(QStringLiteral("LangBox"));
}

QLineEdit *SavePathEdit(const SettingWidget &page)
{
    return page.findChild<QLineEdit *>(QStringLiteral("SavePathEdit"));
}

QStringList Items(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void ShowAndWait(SettingWidget &page, const QSize &size)
{
    page.resize(size);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
}

// Answers the folder chooser once it is up: cancels it, or picks `folder`.
void AnswerFolderChooser(const QString &folder, QString *seenCaption, QString *seenStart)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        *seenCaption = dialog->windowTitle();
        *seenStart = dialog->directory().absolutePath();
        if (folder.isEmpty()) {
            dialog->reject();
        } else {
            dialog->setDirectory(folder);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides it
        }
    });
    poll->start(20);
}

bool ChineseCatalogueHasPageTexts()
{
    QTranslator catalogue;
    return catalogue.load(QStringLiteral(":/lang/language_zh_CN.qm")) &&
           !catalogue.translate("SettingWidget", "Setting").isEmpty();
}

} // namespace

class TstSettingWidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        KesConfig::Instance()->InitTranslator(qApp);
    }

    // Every test works on a fresh default settings file of its own, never on a real one.
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        KesConfig::Instance()->SetConfigFile(m_dir->filePath(QStringLiteral("config.ini")));
        KesConfig::Instance()->InitConfig(QLocale::English);
        QCOMPARE(StoredLanguage(), english);
    }

    void cleanup() { KesConfig::Instance()->SetLanguage(english); }

    void fillingTheListDoesNotSwitchLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("stored English") << english;
        QTest::newRow("stored Chinese") << chinese;
    }
    void fillingTheListDoesNotSwitchLanguage()
    {
        QFETCH(QString, stored);
        KesConfig::Instance()->WriteValue(QStringLiteral("Language"), stored,
                                          QStringLiteral("Defaule"));
        SettingWidget page(nullptr);
        LanguageChangeCounter counter(&page);
        QCoreApplication::processEvents();
        QCOMPARE(Items(LangBox(page)), QStringList({english, chinese}));
        QCOMPARE(LangBox(page)->view()->objectName(), QStringLiteral("StyleComboBoxView"));
        QCOMPARE(StoredLanguage(), stored);
        QCOMPARE(counter.changes, 0);

        ShowAndWait(page, QSize(720, 494));
        QCOMPARE(LangBox(page)->currentText(), stored);
        QCOMPARE(StoredLanguage(), stored);
    }

    void openingOnStoredEnglishSwitchesNothing()
    {
        SettingWidget page(nullptr);
        LanguageChangeCounter counter(&page);
        ShowAndWait(page, QSize(720, 494));
        QCoreApplication::processEvents();
        QCOMPARE(LangBox(page)->currentText(), english);
        QCOMPARE(counter.changes, 0);
    }

    void missingLanguageArrayListsBoth()
    {
        QSettings(KesConfig::Instance()->ConfigFile(), QSettings::IniFormat).remove("Langs");
        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        QCOMPARE(LangBox(page)->count(), 2);
        QCOMPARE(LangBox(page)->itemText(0), english);
        QCOMPARE(LangBox(page)->itemText(1), QStringLiteral("Chinese(china)"));
        QCOMPARE(LangBox(page)->currentText(), english);
    }

    void brokenLanguageArrayLeavesListEmpty()
    {
        KesConfig::Instance()->WriteValue(QStringLiteral("Langs/size"), 3);
        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        QCOMPARE(LangBox(page)->count(), 0);
        QCOMPARE(StoredLanguage(), english);
    }

    void choosingChineseStoresItAtOnce()
    {
        SettingWidget page(nullptr);
        LanguageChangeCounter counter(&page);
        ShowAndWait(page, QSize(720, 494));

        LangBox(page)->setCurrentText(chinese);
        QCOMPARE(StoredLanguage(), chinese);
        QTRY_VERIFY(counter.changes > 0);

        LangBox(page)->setCurrentText(english);
        QCOMPARE(StoredLanguage(), english);
        QTRY_COMPARE(page.findChild<QLabel *>("SettingLabel")->text(), QStringLiteral("Setting"));
    }

    void pageTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("englishText");
        QTest::addColumn<QString>("chineseText");
        QTest::newRow("SettingLabel") << "SettingLabel"
                                      << "Setting" << QString::fromUtf8("设置");
        QTest::newRow("LangLabel") << "LangLabel"
                                   << "Language:" << QString::fromUtf8("语言:");
        QTest::newRow("FileLabel") << "FileLabel"
                                   << "File" << QString::fromUtf8("文件");
        QTest::newRow("SavePath") << "SavePath"
                                  << "User Default Location:" << QString::fromUtf8("存储路径:");
        QTest::newRow("ChangeButton") << "ChangeButton"
                                      << "Change" << QString::fromUtf8("更改");
    }
    void pageTextsFollowTheLanguage()
    {
        QFETCH(QString, name);
        QFETCH(QString, englishText);
        QFETCH(QString, chineseText);
        if (!ChineseCatalogueHasPageTexts())
            QSKIP("the Chinese catalogue has no SettingWidget texts yet");

        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        const auto text = [&] { return page.findChild<QWidget *>(name)->property("text"); };
        QCOMPARE(text().toString(), englishText);
        LangBox(page)->setCurrentText(chinese);
        QTRY_COMPARE(text().toString(), chineseText);
        LangBox(page)->setCurrentText(english);
        QTRY_COMPARE(text().toString(), englishText);
    }

    void longSavePathIsElided()
    {
        const QString path = QStringLiteral("/srv/coating/") +
                             QStringLiteral("inspection-reports/").repeated(12) +
                             QStringLiteral("end");
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), path);
        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        QLineEdit *edit = SavePathEdit(page);
        const auto fits = [edit](const QString &text) {
            return QFontMetrics(edit->font()).horizontalAdvance(text) <= edit->width() - 5;
        };

        const QString narrow = edit->text();
        QVERIFY(narrow.endsWith(QChar(0x2026)));
        QVERIFY(path.startsWith(narrow.chopped(1)));
        QVERIFY(fits(narrow));

        page.resize(1400, 494);
        QTRY_VERIFY(edit->text().size() > narrow.size());
        QVERIFY(path.startsWith(edit->text().chopped(1)));
        QVERIFY(fits(edit->text()));
        QCOMPARE(StoredSavePath().toString(), path);
    }

    void shortSavePathIsShownWhole()
    {
        // Short by construction: the default folder lies below the checkout, at any depth.
        const QString path = QStringLiteral("/srv/coating/reports");
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), path);
        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        QCOMPARE(SavePathEdit(page)->text(), path);
    }

    void folderChooserWritesOnlyAChoice_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::newRow("cancel") << false;
        QTest::newRow("choose") << true;
    }
    void folderChooserWritesOnlyAChoice()
    {
        QFETCH(bool, choose);
        const QString start = m_dir->path();
        const QString chosen = m_dir->filePath(QStringLiteral("exports"));
        QVERIFY(QDir().mkpath(chosen));
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), start);
        QFile file(KesConfig::Instance()->ConfigFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        SettingWidget page(nullptr);
        ShowAndWait(page, QSize(720, 494));
        QString seenCaption;
        QString seenStart;
        AnswerFolderChooser(choose ? chosen : QString(), &seenCaption, &seenStart);
        QTest::mouseClick(page.findChild<QPushButton *>("ChangeButton"), Qt::LeftButton);

        QCOMPARE(seenCaption, caption);
        QCOMPARE(seenStart, start);
        QCOMPARE(StoredSavePath().toString(), choose ? chosen : start);
        QCOMPARE(SavePathEdit(page)->text(), choose ? chosen : start);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == before, !choose);
    }
};

QTEST_MAIN(TstSettingWidget)
#include "TstSettingWidget.moc"
