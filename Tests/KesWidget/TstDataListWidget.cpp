#include "DataListWidget.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

const QString overflowEnglish = QStringLiteral("Data overflow");
const QString overflowChinese = QString::fromUtf8("数据溢出");

// Stands in for the Chinese catalogue as long as that catalogue lacks the overflow text.
class OverflowOnlyTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DataListWidget") == 0 && overflowEnglish == sourceText)
            return overflowChinese;
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QString Reading(int number)
{
    return QStringLiteral("%1.0 um").arg(number);
}

QVector<QString> Readings(int count)
{
    QVector<QString> list;
    for (int number = 1; number <= count; ++number)
        list.append(Reading(number));
    return list;
}

QStringList RowTexts(const DataListWidget &widget)
{
    QStringList texts;
    for (int row = 1; row <= 10; ++row)
        texts << widget.findChild<QLabel *>(QStringLiteral("Data%1").arg(row))->text();
    return texts;
}

// Rows of a page whose first row shows reading `first` and which holds `shown` readings.
QStringList PageRows(int first, int shown)
{
    QStringList texts;
    for (int row = 0; row < 10; ++row)
        texts << (row < shown ? Reading(first + row) : QString());
    return texts;
}

QString ButtonState(const DataListWidget &widget, const char *name)
{
    return widget.findChild<QPushButton *>(name)->property("State").toString();
}

void Click(DataListWidget &widget, const char *name)
{
    QTest::mouseClick(widget.findChild<QPushButton *>(name), Qt::LeftButton);
}

bool CatalogueHasOverflowText(QTranslator &catalogue)
{
    return catalogue.load(QStringLiteral(":/lang/language_zh_CN.qm")) &&
           !catalogue.translate("DataListWidget", overflowEnglish.toUtf8()).isEmpty();
}

} // namespace

class TstDataListWidget : public QObject
{
    Q_OBJECT

private:
    QTranslator *m_chinese = nullptr;

private slots:
    void initTestCase()
    {
        auto *catalogue = new QTranslator(this);
        if (CatalogueHasOverflowText(*catalogue))
            m_chinese = catalogue;
        else
            m_chinese = new OverflowOnlyTranslator;
    }

    void chineseCatalogueTranslatesOverflow()
    {
        QTranslator catalogue;
        if (!CatalogueHasOverflowText(catalogue))
            QSKIP("the Chinese catalogue has no DataListWidget \"Data overflow\" yet");
        QCOMPARE(catalogue.translate("DataListWidget", "Data overflow"), overflowChinese);
    }

    void cleanup() { QCoreApplication::removeTranslator(m_chinese); }

    void startsEmptyWithBothButtonsVoid()
    {
        DataListWidget widget(nullptr);
        QCOMPARE(RowTexts(widget), PageRows(1, 0));
        QCOMPARE(ButtonState(widget, "PreButton"), QStringLiteral("Void"));
        QCOMPARE(ButtonState(widget, "NewButton"), QStringLiteral("Void"));
        QVERIFY(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(widget.testAttribute(Qt::WA_TranslucentBackground));
        auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(
            widget.findChild<QWidget *>(QStringLiteral("RootWidget"))->graphicsEffect());
        QVERIFY(shadow);
        QCOMPARE(shadow->color(), QColor(0xC2, 0xC2, 0xC3));
        QCOMPARE(shadow->blurRadius(), 15.0);
        QCOMPARE(shadow->offset(), QPointF(0, 0));
    }

    // "P" clicks PreButton, "N" clicks NewButton, in order, after the list was set.
    void pagesThroughTheList_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("pre");
        QTest::addColumn<QString>("next");

        QTest::newRow("empty") << 0 << "" << 1 << 0 << "Void"
                               << "Void";
        QTest::newRow("empty, clicks") << 0 << "PN" << 1 << 0 << "Void"
                                       << "Void";
        QTest::newRow("one") << 1 << "" << 1 << 1 << "Void"
                             << "Void";
        QTest::newRow("ten") << 10 << "" << 1 << 10 << "Void"
                             << "Void";
        QTest::newRow("ten, clicks") << 10 << "PN" << 1 << 10 << "Void"
                                     << "Void";
        QTest::newRow("eleven") << 11 << "" << 11 << 1 << "Valid"
                                << "Void";
        QTest::newRow("eleven, back") << 11 << "P" << 1 << 10 << "Void"
                                      << "Valid";
        QTest::newRow("twenty") << 20 << "" << 11 << 10 << "Valid"
                                << "Void";
        QTest::newRow("25") << 25 << "" << 21 << 5 << "Valid"
                            << "Void";
        QTest::newRow("25, one back") << 25 << "P" << 11 << 10 << "Valid"
                                      << "Valid";
        QTest::newRow("25, two back") << 25 << "PP" << 1 << 10 << "Void"
                                      << "Valid";
        QTest::newRow("25, three back") << 25 << "PPP" << 1 << 10 << "Void"
                                        << "Valid";
        QTest::newRow("25, forward at end") << 25 << "N" << 21 << 5 << "Valid"
                                            << "Void";
        QTest::newRow("25, back and forward") << 25 << "PPN" << 11 << 10 << "Valid"
                                              << "Valid";
        QTest::newRow("25, forward to end") << 25 << "PPNNN" << 21 << 5 << "Valid"
                                            << "Void";
    }
    void pagesThroughTheList()
    {
        QFETCH(int, count);
        QFETCH(QString, clicks);
        QFETCH(int, first);
        QFETCH(int, shown);
        QFETCH(QString, pre);
        QFETCH(QString, next);

        DataListWidget widget(nullptr);
        widget.SetDataList(Readings(count));
        for (const QChar click : clicks)
            Click(widget, click == 'P' ? "PreButton" : "NewButton");

        QCOMPARE(RowTexts(widget), PageRows(first, shown));
        QCOMPARE(ButtonState(widget, "PreButton"), pre);
        QCOMPARE(ButtonState(widget, "NewButton"), next);
    }

    void newListJumpsToItsLastPage()
    {
        DataListWidget widget(nullptr);
        widget.SetDataList(Readings(25));
        Click(widget, "PreButton");
        Click(widget, "PreButton");
        QCOMPARE(RowTexts(widget), PageRows(1, 10));

        widget.SetDataList(Readings(26));
        QCOMPARE(RowTexts(widget), PageRows(21, 6));
        QCOMPARE(ButtonState(widget, "PreButton"), QStringLiteral("Valid"));
        QCOMPARE(ButtonState(widget, "NewButton"), QStringLiteral("Void"));

        widget.SetDataList({});
        QCOMPARE(RowTexts(widget), PageRows(1, 0));
        QCOMPARE(ButtonState(widget, "PreButton"), QStringLiteral("Void"));
        QCOMPARE(ButtonState(widget, "NewButton"), QStringLiteral("Void"));
    }

    void keepsItsOwnCopyOfTheList()
    {
        DataListWidget widget(nullptr);
        QVector<QString> list = Readings(3);
        widget.SetDataList(list);
        list[0] = QStringLiteral("changed");
        QCOMPARE(RowTexts(widget), PageRows(1, 3));
    }

    void readingByReadingShowsWhatTheWholeListShows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("clicks");
        QTest::newRow("25") << 25 << "";
        QTest::newRow("25, two back") << 25 << "PP";
        QTest::newRow("31, back and forward") << 31 << "PPPN";
    }
    void readingByReadingShowsWhatTheWholeListShows()
    {
        QFETCH(int, count);
        QFETCH(QString, clicks);
        DataListWidget growing(nullptr), whole(nullptr);
        QVector<QString> list;
        for (int number = 1; number <= count; ++number) {
            list.append(Reading(number));
            growing.SetDataList(list);
        }
        whole.SetDataList(list);
        for (const QChar click : clicks) {
            for (DataListWidget *widget : {&growing, &whole})
                Click(*widget, click == 'P' ? "PreButton" : "NewButton");
            QCOMPARE(RowTexts(growing), RowTexts(whole));
            QCOMPARE(ButtonState(growing, "PreButton"), ButtonState(whole, "PreButton"));
            QCOMPARE(ButtonState(growing, "NewButton"), ButtonState(whole, "NewButton"));
        }
        QCOMPARE(RowTexts(growing), RowTexts(whole));
    }

    void listThatDoesNotExtendTheLastOneIsTakenWhole_data()
    {
        QTest::addColumn<QVector<QString>>("next");
        QTest::newRow("shorter") << Readings(13);
        QTest::newRow("last entry changed") << (Readings(24) << QStringLiteral("7.0 mils"));
        QTest::newRow("first entry changed")
            << (QVector<QString>{QStringLiteral("7.0 mils")} << Readings(30).mid(1));
    }
    void listThatDoesNotExtendTheLastOneIsTakenWhole()
    {
        QFETCH(QVector<QString>, next);
        DataListWidget widget(nullptr), whole(nullptr);
        widget.SetDataList(Readings(25));
        widget.SetDataList(next);
        whole.SetDataList(next);
        for (int click = 0; click < 3; ++click) {
            QCOMPARE(RowTexts(widget), RowTexts(whole));
            Click(widget, "PreButton");
            Click(whole, "PreButton");
        }
    }

    void overflowRowFollowsTheLanguage()
    {
        DataListWidget widget(nullptr);
        widget.SetDataList({Reading(12), overflowEnglish});
        const QString numberRow = Reading(12);

        QCoreApplication::installTranslator(m_chinese);
        QTRY_COMPARE(RowTexts(widget).at(1), overflowChinese);
        QCOMPARE(RowTexts(widget).at(0), numberRow);

        QCoreApplication::removeTranslator(m_chinese);
        QTRY_COMPARE(RowTexts(widget).at(1), overflowEnglish);
        QCOMPARE(RowTexts(widget).at(0), numberRow);
    }

    // Entries read in the other language are shown in the current one when their page is shown.
    void refreshShowsOverflowInCurrentLanguage()
    {
        DataListWidget widget(nullptr);
        QVector<QString> list = Readings(11);
        list[0] = overflowChinese;
        widget.SetDataList(list);
        Click(widget, "PreButton");
        QCOMPARE(RowTexts(widget).at(0), overflowEnglish);

        QCoreApplication::installTranslator(m_chinese);
        QTRY_COMPARE(RowTexts(widget).at(0), overflowChinese);
        list[0] = overflowEnglish;
        widget.SetDataList(list);
        Click(widget, "PreButton");
        QCOMPARE(RowTexts(widget).at(0), overflowChinese);
    }
};

QTEST_MAIN(TstDataListWidget)
#include "TstDataListWidget.moc"
