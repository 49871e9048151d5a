#include "AboutWidget.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>
#include <qcustomplot.h>

#include "MarkingTranslator.h"

namespace {

QString LabelText(const AboutWidget &page, const char *name)
{
    return page.findChild<QLabel *>(name)->text();
}

} // namespace

class TstAboutWidget : public QObject
{
    Q_OBJECT

private slots:
    void showsProductNameEditionAndVersion()
    {
        AboutWidget page(nullptr);
        QCOMPARE(LabelText(page, "AppName"), QStringLiteral("Varnolithic Tolvane 2.1"));
        QCOMPARE(LabelText(page, "Time"), QString::fromUtf8("Copyright © 2026 Varnolithic"));
        QCOMPARE(LabelText(page, "AppImage"), QString());
        QCOMPARE(page.windowTitle(), QStringLiteral("Form"));
    }

    void nameAndCopyrightStayOnLanguageChange()
    {
        AboutWidget page(nullptr);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(page.windowTitle(), MarkingTranslator::Marked("AboutWidget", "Form"));
        QCOMPARE(LabelText(page, "AppName"), QStringLiteral("Varnolithic Tolvane 2.1"));
        QCOMPARE(LabelText(page, "Time"), QString::fromUtf8("Copyright © 2026 Varnolithic"));
        QCOMPARE(LabelText(page, "AppImage"), QString());
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(page.windowTitle(), QStringLiteral("Form"));
    }

    void creditsNameTheLibrariesAndTheLicence_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("licence");
        QTest::newRow("source texts") << QString() << "GNU GPL, version 3 or later";
        QTest::newRow("English") << ":/lang/language_en.qm"
                                 << "GNU GPL, version 3 or later";
        QTest::newRow("Chinese") << ":/lang/language_zh_CN.qm"
                                 << QString::fromUtf8("GNU GPL 第 3 版或更新版本");
    }

    void creditsNameTheLibrariesAndTheLicence()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, licence);
        AboutWidget page(nullptr);
        QTranslator translator;
        if (!catalogue.isEmpty()) {
            QVERIFY(translator.load(catalogue));
            QCoreApplication::installTranslator(&translator);
        }
        QTRY_VERIFY2(LabelText(page, "Credits").contains(licence),
                     qPrintable(LabelText(page, "Credits")));
        const QString credits = LabelText(page, "Credits");
        QVERIFY(credits.contains(QStringLiteral("Qt ") + QLatin1String(qVersion())));
        QVERIFY(credits.contains(QStringLiteral("QCustomPlot " QCUSTOMPLOT_VERSION_STR)));
        QVERIFY(credits.contains(QStringLiteral("GNU LGPL 3.0")));
        QVERIFY(!credits.contains(QLatin1Char('%')));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TstAboutWidget)
#include "TstAboutWidget.moc"
