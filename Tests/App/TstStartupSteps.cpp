#include "StartupSteps.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMetaType>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kSerifFile = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
const QString kCjkFile = QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc");
const QString kSerifFamily = QStringLiteral("DejaVu Serif");
const QString kCjkFamily = QStringLiteral("WenQuanYi Micro Hei");

QStringList s_debugLines;

void CollectDebugLines(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        s_debugLines << text;
}
} // namespace

class TstStartupSteps : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_defaultFamily;

    QString FontDir() const { return m_dir->filePath(QStringLiteral("font")); }

    void Place(const QString &source, const QString &name)
    {
        if (!QFile::exists(source))
            QSKIP("the system font used by this test is not installed");
        QVERIFY(QDir().mkpath(FontDir()));
        QVERIFY(QFile::copy(source, FontDir() + '/' + name));
    }

    void WriteJunk(const QString &name)
    {
        QVERIFY(QDir().mkpath(FontDir()));
        QFile junk(FontDir() + '/' + name);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a font");
    }

    int FailureLines() const { return s_debugLines.count(QStringLiteral("Failed to load font.")); }

private slots:
    void initTestCase()
    {
        m_defaultFamily = QApplication::font().family();
        qInstallMessageHandler(CollectDebugLines);
    }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        QApplication::setFont(QFont(m_defaultFamily));
        s_debugLines.clear();
    }

    void noFontsKeepTheDefault_data()
    {
        QTest::addColumn<QString>("otherFile");
        QTest::newRow("no folder") << QString();
        QTest::newRow("empty folder") << QStringLiteral("");
        QTest::newRow("only other files") << QStringLiteral("notes.ttf");
    }
    void noFontsKeepTheDefault()
    {
        QFETCH(QString, otherFile);
        if (!otherFile.isNull())
            QVERIFY(QDir().mkpath(FontDir()));
        if (!otherFile.isEmpty())
            Place(kSerifFile, otherFile);
        QCOMPARE(StartupSteps::LoadFontFolder(FontDir()), QString());
        QCOMPARE(QApplication::font().family(), m_defaultFamily);
        QCOMPARE(FailureLines(), 0);
        QVERIFY(s_debugLines.join('\n').contains(FontDir()));
    }

    void lastFontByNameWins_data()
    {
        QTest::addColumn<QString>("serifName");
        QTest::addColumn<QString>("cjkName");
        QTest::addColumn<QString>("family");
        QTest::newRow("cjk sorted last") << "a.ttc"
                                         << "b.ttc" << kCjkFamily;
        QTest::newRow("serif sorted last") << "z.ttc"
                                           << "m.ttc" << kSerifFamily;
    }
    void lastFontByNameWins()
    {
        QFETCH(QString, serifName);
        QFETCH(QString, cjkName);
        QFETCH(QString, family);
        Place(kSerifFile, serifName);
        Place(kCjkFile, cjkName);
        QCOMPARE(StartupSteps::LoadFontFolder(FontDir()), family);
        QCOMPARE(QApplication::font().family(), family);
        QCOMPARE(FailureLines(), 0);
    }

    void badFileIsReportedOnceAndSkipped()
    {
        Place(kSerifFile, "a.ttc");
        WriteJunk("b.ttc");
        QCOMPARE(StartupSteps::LoadFontFolder(FontDir()), kSerifFamily);
        QCOMPARE(QApplication::font().family(), kSerifFamily);
        QCOMPARE(FailureLines(), 1);
    }

    void serialMetaTypesAreKnownByName()
    {
        StartupSteps::RegisterSerialMetaTypes();
        QVERIFY(QMetaType::type("QSerialPortInfo") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("QList<QSerialPortInfo>") != QMetaType::UnknownType);
    }
};

QTEST_MAIN(TstStartupSteps)
#include "TstStartupSteps.moc"
