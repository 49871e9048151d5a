#include "InterfaceFont.h"
#include "SecondStart.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
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

    // The style sheets' font, where it is missing, is drawn with the CJK sans-serif family:
    // the font folder's first, else an installed one.
    void standInForTheSpecifiedFont_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("folderFamily");
        QTest::addColumn<QString>("standIn");
        const QStringList debian{"DejaVu Serif", "DejaVu Sans", "Noto Sans CJK SC",
                                 "WenQuanYi Micro Hei"};
        QTest::newRow("specified installed")
            << QStringList{"simsun", "Arial"} << "WenQuanYi Micro Hei" << QString();
        QTest::newRow("folder family first") << debian << "Source Han Sans SC"
                                             << "Source Han Sans SC";
        QTest::newRow("best installed") << debian << QString() << "WenQuanYi Micro Hei";
        QTest::newRow("another installed") << QStringList{"DejaVu Sans", "Droid Sans Fallback"}
                                           << QString() << "Droid Sans Fallback";
        QTest::newRow("none fits") << QStringList{"DejaVu Serif"} << QString() << QString();
    }
    void standInForTheSpecifiedFont()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, folderFamily);
        QFETCH(QString, standIn);
        QCOMPARE(InterfaceFont::StandIn(installed, folderFamily), standIn);
    }

    // On this machine the style sheets' texts come out in the CJK sans-serif font.
    void styledTextsUseTheStandIn()
    {
        if (!QFile::exists(kCjkFile))
            QSKIP("the CJK font is not installed");
        Place(kCjkFile, "wqy.ttc");
        StartupSteps::LoadFonts({FontDir()});
        QLabel label(QStringLiteral("Open 打开"));
        label.setStyleSheet(QStringLiteral("font-family: \"SimSun\"; font-size: 16px;"));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QCOMPARE(QFontInfo(label.font()).family(), kCjkFamily);
        QCOMPARE(QApplication::font().family(), kCjkFamily);
    }

    void secondStartMessage_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("ports");
        const QStringList arguments{"varnolithic", "--port", "ttyUSB3", "--port=/tmp/gauge 1"};
        QTest::newRow("ports") << SecondStart::Message(arguments) << true
                               << QStringList{"ttyUSB3", "/tmp/gauge 1"};
        QTest::newRow("no ports") << SecondStart::Message({"varnolithic"}) << true << QStringList();
        QTest::newRow("cut short")
            << SecondStart::Message(arguments).chopped(3) << false << QStringList();
        QTest::newRow("other bytes") << QByteArray("hello primary") << false << QStringList();
        QTest::newRow("trailing bytes")
            << SecondStart::Message(arguments) + "x" << false << QStringList();
    }
    void secondStartMessage()
    {
        QFETCH(QByteArray, message);
        QFETCH(bool, valid);
        QFETCH(QStringList, ports);
        const std::optional<QStringList> arguments = SecondStart::Arguments(message);
        QCOMPARE(arguments.has_value(), valid);
        if (valid)
            QCOMPARE(StartupSteps::UserPortsFromArguments(*arguments), ports);
    }

    void bringToFrontRestoresAndActivates()
    {
        QWidget window;
        QWidget other;
        window.show();
        other.show();
        window.showMinimized();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        StartupSteps::BringToFront(&window);
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(window.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &window);
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
