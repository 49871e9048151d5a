#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "SettingWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(InspectionCriteria)

namespace {

QByteArray ConfigBytes()
{
    QFile file(KesConfig::Instance()->ConfigFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Types text into a field as the user does, replacing what it held, and leaves it with Enter.
void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

// The inspection group of the settings page as the user fills it in.
class TstInspectionSettingsWidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<SettingWidget> m_page;

    template <typename T> T *Child(const char *name) const
    {
        T *child = m_page->findChild<T *>(QLatin1String(name));
        [&] { QVERIFY2(child, name); }();
        return child;
    }
    void ShowPage()
    {
        m_page.reset(new SettingWidget);
        m_page->resize(900, 700);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.data()));
    }
    QString Hint() const
    {
        auto *hint = Child<QLabel>("InspectionHint");
        return hint->isVisible() ? hint->text() : QString();
    }

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        KesConfig::Instance()->InitTranslator(qApp);
        qRegisterMetaType<InspectionCriteria>();
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        KesConfig::Instance()->SetConfigFile(m_dir->filePath(QStringLiteral("config.ini")));
        KesConfig::Instance()->InitConfig(QLocale::English);
    }

    void cleanup()
    {
        m_page.reset();
        KesConfig::Instance()->SetLanguage(QStringLiteral("English"));
    }

    void untouchedFileIsNotWritten()
    {
        const QByteArray before = ConfigBytes();
        QVERIFY(!before.isEmpty());
        ShowPage();
        m_page->hide();
        m_page->show();
        QCOMPARE(ConfigBytes(), before);
        QVERIFY(!before.contains("[Inspection]"));
    }

    void changeIsStored()
    {
        ShowPage();
        QSignalSpy changed(m_page.data(), &SettingWidget::CriteriaChanged);
        auto *rule = Child<QComboBox>("InspectionRuleBox");
        rule->setFocus();
        QTest::keyClick(rule, Qt::Key_Down); // None -> ISO 19840
        // ISO 19840 without a nominal thickness judges nothing: refused, nothing stored, the
        // field at fault marked, and the hint says what stays in force.
        QCOMPARE(Hint(), QStringLiteral("The rule needs a nominal thickness. Not taken; still in "
                                        "force: None."));
        auto *nominal = Child<QLineEdit>("NominalEdit");
        QCOMPARE(nominal->property("State").toString(), QStringLiteral("Invalid"));
        QCOMPARE(rule->property("State").toString(), QString());
        QVERIFY(!ConfigBytes().contains("[Inspection]"));
        // Leaving the page and coming back keeps the refused choice with its hint.
        m_page->hide();
        m_page->show();
        QCOMPARE(rule->currentIndex(), int(InspectionCriteria::Rule::Iso19840));
        QVERIFY(Hint().startsWith(QStringLiteral("The rule needs a nominal thickness.")));
        Type(nominal, QStringLiteral("100"));
        QCOMPARE(Hint(), QString());

        const InspectionCriteria stored = InspectionSettings::Load();
        QCOMPARE(stored.rule, InspectionCriteria::Rule::Iso19840);
        QCOMPARE(stored.nominal, 100.0);
        QVERIFY(ConfigBytes().contains("[Inspection]"));
        QVERIFY(!changed.isEmpty());
        const auto last = changed.last().at(0).value<InspectionCriteria>();
        QCOMPARE(last.rule, InspectionCriteria::Rule::Iso19840);
        QCOMPARE(last.nominal, 100.0);
        // The spot settings are only for SSPC-PA 2.
        QVERIFY(!Child<QLineEdit>("SpotSizeEdit")->isEnabled());
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        const QString english = QStringLiteral("English");
        const QString inForce = QStringLiteral(" Not taken; still in force: ISO 19840 (Nominal "
                                               "100 µm; 80 % of nominal: 80.0 µm; Maximum 150 µm).");
        QTest::newRow("text") << english << "NominalEdit"
                              << "abc"
                              << "Enter a number, such as 120 or 4.5." + inForce;
        QTest::newRow("negative") << english << "MinimumEdit"
                                  << "-5"
                                  << "A thickness cannot be negative." + inForce;
        QTest::newRow("minimum above maximum") << english << "MinimumEdit"
                                               << "200"
                                               << "The minimum is above the maximum." + inForce;
        QTest::newRow("maximum below minimum") << english << "MaximumEdit"
                                               << "50"
                                               << "The minimum is above the maximum." + inForce;
        QTest::newRow("chinese") << QStringLiteral("Chinese(china)") << "MaximumEdit"
                                 << "50"
                                 << "最小值大于最大值。未采用;仍在使用:ISO 19840(名义厚度 100 µm; "
                                    "名义厚度的 80 %:80.0 µm; 最大值 150 µm)。";
    }
    void badInputIsRefused()
    {
        QFETCH(QString, language);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        KesConfig::Instance()->SetLanguage(language);
        InspectionSettings::Save(
            {InspectionCriteria::Rule::Iso19840, GaugeUnit::Micrometres, 100, 80, 150});
        const QByteArray before = ConfigBytes();
        ShowPage();
        QSignalSpy changed(m_page.data(), &SettingWidget::CriteriaChanged);

        auto *edit = Child<QLineEdit>(qPrintable(field));
        Type(edit, text);
        QCOMPARE(Hint(), hint);
        QCOMPARE(edit->property("State").toString(), QStringLiteral("Invalid"));
        QCOMPARE(ConfigBytes(), before);
        QVERIFY(changed.isEmpty());

        // Put right, the value is taken and the mark goes.
        Type(edit, QStringLiteral("90"));
        QCOMPARE(Hint(), QString());
        QCOMPARE(edit->property("State").toString(), QString());
        QCOMPARE(changed.count(), 1);
        QVERIFY(ConfigBytes() != before);
    }
};

QTEST_MAIN(TstInspectionSettingsWidget)
#include "TstInspectionSettingsWidget.moc"
