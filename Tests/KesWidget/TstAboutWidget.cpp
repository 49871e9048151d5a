#include "AboutWidget.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text it is asked for, so that any text passed through a catalogue shows it.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("#") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

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
        QTRY_COMPARE(page.windowTitle(), QStringLiteral("#Form"));
        QCOMPARE(LabelText(page, "AppName"), QStringLiteral("Varnolithic Tolvane 2.1"));
        QCOMPARE(LabelText(page, "Time"), QString::fromUtf8("Copyright © 2026 Varnolithic"));
        QCOMPARE(LabelText(page, "AppImage"), QString());
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(page.windowTitle(), QStringLiteral("Form"));
    }
};

QTEST_MAIN(TstAboutWidget)
#include "TstAboutWidget.moc"
