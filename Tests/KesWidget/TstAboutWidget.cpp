#include "AboutWidget.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>

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
};

QTEST_MAIN(TstAboutWidget)
#include "TstAboutWidget.moc"
