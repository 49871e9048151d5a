#include "DialogWindow.h"
#include "WindowCompositing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QHash>
#include <QLabel>
#include <QMetaEnum>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

namespace {

// A catalogue held in memory, so the test does not depend on the shipped translations.
class MemoryTranslator : public QTranslator
{
public:
    explicit MemoryTranslator(QHash<QString, QString> texts) : m_texts(std::move(texts)) {}

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QLatin1String(context) != QLatin1String("DialogWindow"))
            return QString();
        return m_texts.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return m_texts.isEmpty(); }

private:
    QHash<QString, QString> m_texts;
};

template <typename T> T *Child(const DialogWindow &dialog, const char *name)
{
    T *child = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("DialogWindow has no %s", name);
    return child;
}

QString LabelText(const DialogWindow &dialog, const char *name)
{
    return Child<QLabel>(dialog, name)->text();
}

} // namespace

class TstDialogWindow : public QObject
{
    Q_OBJECT

private slots:
    void FramelessTranslucentWithShadow();
    void PagesFollowStateOrder();
    void LoadValue_data();
    void LoadValue();
    void SaveFileButtons_data();
    void SaveFileButtons();
    void CoversWidget_data();
    void CoversWidget();
    void EscapeLeavesDialogOpen();
    void UpdateImageReappliesStyle();
    void StyleSheetPicturesExist();
    void LanguageChangeRetranslatesFixedTexts();
};

void TstDialogWindow::FramelessTranslucentWithShadow()
{
    const DialogWindow dialog;
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!dialog.styleSheet().isEmpty());

    QWidget *root = Child<QWidget>(dialog, "DialogWindowRoot");
    QCOMPARE(root->minimumSize(), QSize(400, 150));
    QCOMPARE(root->maximumSize(), QSize(400, 150));
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(root->graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->offset(), QPointF(0, 0));
    QCOMPARE(shadow->blurRadius(), 15.0);
}

void TstDialogWindow::PagesFollowStateOrder()
{
    const QStringList keys = {"UpdateParam", "DevDisconnect",    "TimeOut",         "Warning",
                              "SaveFile",    "SaveFileSchedule", "OpenFileSchedule"};
    const QStringList pages = {"UpdateParamWidget",     "DevDisconnectWidget",
                               "TimeOutWidget",         "DeviceNotConnectedWidget",
                               "SaveFileWidget",        "SaveFileScheduleWidget",
                               "OpenFileScheduleWidget"};
    const QMetaEnum states = QMetaEnum::fromType<DialogWindow::STATE>();
    QCOMPARE(states.keyCount(), keys.size());

    DialogWindow dialog;
    auto *stack = Child<QStackedWidget>(dialog, "DialogStackWidget");
    QCOMPARE(stack->count(), pages.size());
    for (int i = keys.size() - 1; i >= 0; --i) {
        QCOMPARE(QString::fromLatin1(states.key(i)), keys[i]);
        QCOMPARE(states.value(i), i);
        dialog.SetState(DialogWindow::STATE(i));
        QCOMPARE(stack->currentWidget()->objectName(), pages[i]);
    }
}

void TstDialogWindow::LoadValue_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<int>("barMaximum");

    QTest::newRow("quarter") << 5 << 20 << "25%" << 5 << 20;
    QTest::newRow("third truncated") << 1 << 3 << "33%" << 1 << 3;
    QTest::newRow("two thirds truncated") << 2 << 3 << "66%" << 2 << 3;
    QTest::newRow("full") << 20 << 20 << "100%" << 20 << 20;
    QTest::newRow("start") << 0 << 5 << "0%" << 0 << 5;
    QTest::newRow("zero maximum: empty bar") << 3 << 0 << "0%" << 0 << 1;
    QTest::newRow("negative maximum: empty bar") << 3 << -5 << "0%" << 0 << 1;
}

void TstDialogWindow::LoadValue()
{
    QFETCH(int, current);
    QFETCH(int, maximum);
    QFETCH(QString, text);
    QFETCH(int, barValue);
    QFETCH(int, barMaximum);

    DialogWindow dialog;
    dialog.SetLoadValue(current, maximum);

    QCOMPARE(LabelText(dialog, "UpdateLoadLabel"), text);
    QCOMPARE(LabelText(dialog, "SaveFileScheduleLoadLabel"), text);
    auto *bar = Child<QProgressBar>(dialog, "UpdateParamProgressBar");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), barMaximum);
    QCOMPARE(bar->value(), barValue);
    QCOMPARE(Child<QProgressBar>(dialog, "SaveFileScheduleProgressBar")->value(), 24);
}

void TstDialogWindow::SaveFileButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("closed");
    QTest::addColumn<int>("yes");
    QTest::addColumn<int>("no");

    QTest::newRow("close") << "SaveFileCloseButton" << 1 << 0 << 0;
    QTest::newRow("cancel") << "SaveFileCancelButton" << 1 << 0 << 0;
    QTest::newRow("yes") << "SaveFileYesButton" << 0 << 1 << 0;
    QTest::newRow("no") << "SaveFileNoButton" << 0 << 0 << 1;
}

void TstDialogWindow::SaveFileButtons()
{
    QFETCH(QString, button);
    QFETCH(int, closed);
    QFETCH(int, yes);
    QFETCH(int, no);

    DialogWindow dialog;
    dialog.SetState(DialogWindow::SaveFile);
    dialog.resize(838, 552);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy closedSpy(&dialog, &DialogWindow::Closeed);
    QSignalSpy yesSpy(&dialog, &DialogWindow::SaveFileYes);
    QSignalSpy noSpy(&dialog, &DialogWindow::SaveFileNo);

    auto *target = dialog.findChild<QAbstractButton *>(button);
    QVERIFY(target && target->isVisible());
    QTest::mouseClick(target, Qt::LeftButton);

    QCOMPARE(closedSpy.count(), closed);
    QCOMPARE(yesSpy.count(), yes);
    QCOMPARE(noSpy.count(), no);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void TstDialogWindow::CoversWidget_data()
{
    QTest::addColumn<bool>("compositing");
    QTest::newRow("compositing screen") << true;
    // A translucent cover would be black: the dialog is only the box, opaque.
    QTest::newRow("plain X server") << false;
}

void TstDialogWindow::CoversWidget()
{
    QFETCH(bool, compositing);
    WindowCompositing::Override(compositing);
    QWidget cover;
    cover.setGeometry(120, 80, 700, 500);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));

    DialogWindow dialog;
    WindowCompositing::Override(std::nullopt);
    dialog.SetCoverWidget(&cover);
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.testAttribute(Qt::WA_TranslucentBackground), compositing);
    if (compositing) {
        QTRY_COMPARE(dialog.geometry(), cover.geometry());
    } else {
        QTRY_VERIFY(cover.geometry().contains(dialog.geometry()));
        QVERIFY(dialog.width() < cover.width() && dialog.height() < cover.height());
        const QPoint shift = dialog.geometry().center() - cover.geometry().center();
        QVERIFY(qAbs(shift.x()) <= 1 && qAbs(shift.y()) <= 1);
    }
    QWidget *root = Child<QWidget>(dialog, "DialogWindowRoot");
    const QRect box(root->mapTo(&dialog, QPoint(0, 0)), root->size());
    QCOMPARE(box.size(), QSize(400, 150));
    QVERIFY(dialog.rect().contains(box));
    const QPoint offset = box.center() - dialog.rect().center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QString("box off centre by %1,%2").arg(offset.x()).arg(offset.y())));
}

void TstDialogWindow::EscapeLeavesDialogOpen()
{
    DialogWindow dialog;
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(&dialog, Qt::Key_Escape);

    QVERIFY(dialog.isVisible());
    QCOMPARE(rejected.count(), 0);
    dialog.close();
    QVERIFY(!dialog.isVisible());
}

void TstDialogWindow::UpdateImageReappliesStyle()
{
    DialogWindow dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *image = Child<QLabel>(dialog, "UpdateParamImage");
    QCOMPARE(image->minimumSize(), QSize(30, 30));

    dialog.SetUpdateImage("Sync");
    QCOMPARE(image->property("State").toString(), QString("Sync"));
    QCOMPARE(image->minimumSize(), QSize(50, 50));
    dialog.SetUpdateImage("Update");
    QCOMPARE(image->property("State").toString(), QString("Update"));
    QCOMPARE(image->minimumSize(), QSize(50, 50));
}

void TstDialogWindow::StyleSheetPicturesExist()
{
    const DialogWindow dialog;
    const QRegularExpression url(R"(url\((:/[^)]+)\))");
    int pictures = 0;
    for (auto it = url.globalMatch(dialog.styleSheet()); it.hasNext(); ++pictures) {
        const QString path = it.next().captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
    QCOMPARE(pictures, 8);
}

void TstDialogWindow::LanguageChangeRetranslatesFixedTexts()
{
    DialogWindow dialog;
    dialog.SetState(DialogWindow::DevDisconnect);
    dialog.SetTimeOutMessage("Gauge silent");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    DialogWindow warning;
    warning.SetWarningMessage("Open the port first");

    MemoryTranslator chinese({{"Device disconnected!", QString::fromUtf8("设备断开连接!")},
                              {"Device Not Connected!", QString::fromUtf8("设备未连接!")},
                              {"Yes", QString::fromUtf8("是")},
                              {"Cancel", QString::fromUtf8("取消")}});
    QVERIFY(QCoreApplication::installTranslator(&chinese));
    QCoreApplication::processEvents();

    QCOMPARE(LabelText(dialog, "DevDisconnectLabel"), QString::fromUtf8("设备断开连接!"));
    QCOMPARE(LabelText(dialog, "DeviceNotLabel"), QString::fromUtf8("设备未连接!"));
    QCOMPARE(Child<QAbstractButton>(dialog, "SaveFileYesButton")->text(), QString::fromUtf8("是"));
    QCOMPARE(Child<QAbstractButton>(dialog, "SaveFileCancelButton")->text(),
             QString::fromUtf8("取消"));
    QCOMPARE(Child<QAbstractButton>(dialog, "SaveFileNoButton")->text(), QString("No"));
    QCOMPARE(LabelText(dialog, "TimeOutLabel"), QString("Gauge silent"));
    QCOMPARE(LabelText(warning, "DeviceNotLabel"), QString("Open the port first"));

    QVERIFY(QCoreApplication::removeTranslator(&chinese));
    QCoreApplication::processEvents();
    QCOMPARE(LabelText(dialog, "DevDisconnectLabel"), QString("Device disconnected!"));
    QCOMPARE(Child<QAbstractButton>(dialog, "SaveFileYesButton")->text(), QString("Yes"));
}

QTEST_MAIN(TstDialogWindow)
#include "TstDialogWindow.moc"
