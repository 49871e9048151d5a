#include "ChildByPath.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "StartupSteps.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

const QString ProductTitle = QStringLiteral("Varnolithic Tolvane");

} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void navigationShowsOnePage_data();
    void navigationShowsOnePage();
    void viewSwitchShowsUnitLabel_data();
    void viewSwitchShowsUnitLabel();
    void maximiseCoversAvailableAreaAndRestoresExactly();
    void doubleClickTogglesOnlyOnTitleBar_data();
    void doubleClickTogglesOnlyOnTitleBar();
    void draggingMaximisedWindowRestoresUnderPointer();
    void closeButtonEndsEventLoopWithZero();
    void overflowSurvivesLanguageSwitch_data();
    void overflowSurvivesLanguageSwitch();
    void textsFollowLanguage_data();
    void textsFollowLanguage();

private:
    // A child by object name, or by a path of names ("Page/Label") where the chart pages
    // reuse a name.
    template <typename T> T *Child(const QString &path) const
    {
        return ChildByPath<T>(m_window.get(), path);
    }
    QString State(const char *button) const
    {
        return Child<QPushButton>(button)->property("State").toString();
    }
    void SwitchToChinese();
    void SwitchToEnglish();

    QTemporaryDir m_configDir;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTranslator> m_translator;
};

void TstMainWindow::initTestCase()
{
    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    // The settings page reads the settings: keep them in a scratch file.
    QVERIFY(m_configDir.isValid());
    KesConfig::Instance()->SetConfigFile(m_configDir.filePath(QStringLiteral("config.ini")));
}

void TstMainWindow::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstMainWindow::cleanup()
{
    SwitchToEnglish();
    m_window.reset();
}

void TstMainWindow::SwitchToChinese()
{
    m_translator = std::make_unique<QTranslator>();
    QVERIFY(m_translator->load(QStringLiteral(":/lang/language_zh_CN.qm")));
    QCoreApplication::installTranslator(m_translator.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void TstMainWindow::SwitchToEnglish()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

void TstMainWindow::startState()
{
    QCOMPARE(m_window->windowTitle(), ProductTitle);
    QCOMPARE(Child<QLabel>("AppTitleLabel")->text(), ProductTitle);
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(Child<QComboBox>("SerialPortBox")->view()->objectName(),
             QStringLiteral("StyleComboBoxView"));

    QCOMPARE(Child<QStackedWidget>("FuncStackedWidget")->currentIndex(), 0);
    QVERIFY(Child<QPushButton>("DeviceButton")->isChecked());
    QVERIFY(Child<QPushButton>("RealTimeDataButton")->isChecked());
    auto *realTime = Child<QStackedWidget>("RealTimeStackedWidget");
    QCOMPARE(realTime->currentWidget()->objectName(), QStringLiteral("NotOpenSerialWidget"));
    QCOMPARE(Child<QLabel>("NotOpenSerialWidget/NotRealTimeDataLabel")->text(),
             QStringLiteral("Real Time Data function is not enabled!"));
    QCOMPARE(Child<QStackedWidget>("RealTimeFuncStackedWidget")->currentIndex(), 0);
    QVERIFY(Child<QLabel>("UnitLabel")->isHidden());

    QCOMPARE(State("MaximalityButton"), QStringLiteral("Min"));
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Close"));
    QCOMPARE(State("RealStartButton"), QStringLiteral("Close"));
    QCOMPARE(Child<QPushButton>("OpenSerialButton")->text(), QStringLiteral("Open"));
    QCOMPARE(Child<QPushButton>("RealStartButton")->text(), QStringLiteral("Start"));
}

void TstMainWindow::navigationShowsOnePage_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("page");

    QTest::newRow("setting") << QStringList{"SettingButton"} << "SettingFunc";
    QTest::newRow("about") << QStringList{"AboutButton"} << "AboutFunc";
    QTest::newRow("setting then about")
        << QStringList{"SettingButton", "AboutButton"} << "AboutFunc";
    QTest::newRow("about then device") << QStringList{"AboutButton", "DeviceButton"} << "DevFunc";
    QTest::newRow("setting twice")
        << QStringList{"SettingButton", "SettingButton"} << "SettingFunc";
}

void TstMainWindow::navigationShowsOnePage()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);

    QString last;
    for (const QString &name : clicks) {
        QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton);
        last = name;
    }

    QCOMPARE(Child<QStackedWidget>("FuncStackedWidget")->currentWidget()->objectName(), page);
    for (const char *name : {"DeviceButton", "SettingButton", "AboutButton"})
        QCOMPARE(Child<QPushButton>(name)->isChecked(), last == QLatin1String(name));
}

void TstMainWindow::viewSwitchShowsUnitLabel_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("unitShown");

    QTest::newRow("line chart") << QStringList{"RealTimeLineChartButton"}
                                << "RealTimeLineChartFuncWidget" << true;
    QTest::newRow("histogram") << QStringList{"RealTimeHistoGramButton"}
                               << "RealTimeHistogramFuncWidget" << true;
    QTest::newRow("line chart then number")
        << QStringList{"RealTimeLineChartButton", "RealTimeDataButton"} << "RealTimeDataFuncWidget"
        << false;
}

void TstMainWindow::viewSwitchShowsUnitLabel()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);
    QFETCH(bool, unitShown);

    auto *unit = Child<QLabel>("UnitLabel");
    unit->setText(QStringLiteral("Unit(um)"));
    for (const QString &name : clicks)
        QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton);

    QCOMPARE(Child<QStackedWidget>("RealTimeFuncStackedWidget")->currentWidget()->objectName(),
             page);
    QCOMPARE(unit->isHidden(), !unitShown);
    // No reading has arrived yet, so a chart view shows no unit.
    QCOMPARE(unit->text(), QString());
}

void TstMainWindow::maximiseCoversAvailableAreaAndRestoresExactly()
{
    // The offscreen screen is smaller than the window's minimum size; let the window fit it.
    m_window->setMinimumSize(300, 200);
    const QRect normal(40, 30, 500, 400);
    m_window->setGeometry(normal);
    QCOMPARE(m_window->geometry(), normal);
    const QRect available = m_window->screen()->availableGeometry();

    QTest::mouseClick(Child<QPushButton>("MaximalityButton"), Qt::LeftButton);
    QCOMPARE(m_window->geometry(), available.adjusted(-2, -2, 2, 2));
    QCOMPARE(State("MaximalityButton"), QStringLiteral("Max"));

    QTest::mouseClick(Child<QPushButton>("MaximalityButton"), Qt::LeftButton);
    QCOMPARE(m_window->geometry(), normal);
    QCOMPARE(State("MaximalityButton"), QStringLiteral("Min"));
}

void TstMainWindow::doubleClickTogglesOnlyOnTitleBar_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("toggles");

    QTest::newRow("title bar") << "TopTitleWidget" << int(Qt::LeftButton) << true;
    QTest::newRow("title label") << "AppTitleLabel" << int(Qt::LeftButton) << true;
    QTest::newRow("title bar, right button") << "TopTitleWidget" << int(Qt::RightButton) << false;
    QTest::newRow("navigation") << "LeftWidget" << int(Qt::LeftButton) << false;
    QTest::newRow("page") << "RightWidget" << int(Qt::LeftButton) << false;
}

void TstMainWindow::doubleClickTogglesOnlyOnTitleBar()
{
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, toggles);

    m_window->setMinimumSize(300, 200);
    const QRect normal(40, 30, 500, 400);
    m_window->setGeometry(normal);
    auto *widget = Child<QWidget>(target);

    QTest::mouseDClick(widget, Qt::MouseButton(button), Qt::NoModifier,
                       QPoint(widget->width() / 2, 5));
    QCOMPARE(State("MaximalityButton"), toggles ? QStringLiteral("Max") : QStringLiteral("Min"));
    QCOMPARE(m_window->geometry() != normal, toggles);

    QTest::mouseDClick(widget, Qt::MouseButton(button), Qt::NoModifier,
                       QPoint(widget->width() / 2, 5));
    QCOMPARE(m_window->geometry(), normal);
    QCOMPARE(State("MaximalityButton"), QStringLiteral("Min"));
}

void TstMainWindow::draggingMaximisedWindowRestoresUnderPointer()
{
    m_window->setMinimumSize(300, 200);
    const QRect normal(40, 30, 500, 450);
    m_window->setGeometry(normal);
    QTest::mouseClick(Child<QPushButton>("MaximalityButton"), Qt::LeftButton);
    const QRect maximised = m_window->geometry();
    auto *title = Child<QWidget>("TopTitleWidget");

    // The pointer grabs the title bar at three quarters of its width and pulls it down a little.
    const QPoint grab = title->mapToGlobal(QPoint(title->width() * 3 / 4, 10));
    const auto send = [title](QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, title->mapFromGlobal(global), global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    send(QEvent::MouseMove, grab, Qt::NoButton);
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(QEvent::MouseMove, grab + QPoint(0, 3), Qt::LeftButton);
    QCOMPARE(State("MaximalityButton"), QStringLiteral("Min"));
    QCOMPARE(m_window->size(), normal.size());

    // The next move places the restored window under the pointer.
    const QPoint pointer = grab + QPoint(0, 4);
    send(QEvent::MouseMove, pointer, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, pointer, Qt::NoButton);
    QCOMPARE(m_window->size(), normal.size());
    QVERIFY(QRect(title->mapToGlobal(QPoint(0, 0)), title->size()).contains(pointer));
    const double before = double(grab.x() - maximised.x()) / maximised.width();
    const double after = double(pointer.x() - m_window->x()) / m_window->width();
    QVERIFY2(qAbs(before - after) < 0.01,
             qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));

    // Maximising and restoring again returns to the restored size.
    QTest::mouseClick(Child<QPushButton>("MaximalityButton"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("MaximalityButton"), Qt::LeftButton);
    QCOMPARE(m_window->size(), normal.size());
}

void TstMainWindow::closeButtonEndsEventLoopWithZero()
{
    QTimer::singleShot(
        0, this, [this] { QTest::mouseClick(Child<QPushButton>("CloseButton"), Qt::LeftButton); });
    // Ends the loop with another code should the button not end it.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);

    QCOMPARE(QCoreApplication::exec(), 0);
    // The loop ends without closing the window first.
    QVERIFY(m_window->isVisible());
}

void TstMainWindow::overflowSurvivesLanguageSwitch_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chinese");

    QTest::newRow("overflow") << "Data overflow" << QString::fromUtf8("数据溢出");
    QTest::newRow("reading") << "12.3 um"
                             << "12.3 um";
    QTest::newRow("no reading yet") << "------"
                                    << "------";
}

void TstMainWindow::overflowSurvivesLanguageSwitch()
{
    QFETCH(QString, shown);
    QFETCH(QString, chinese);

    auto *reading = Child<QLabel>("RealDataLabel");
    reading->setText(shown);
    SwitchToChinese();
    QCOMPARE(reading->text(), chinese);
    SwitchToEnglish();
    QCOMPARE(reading->text(), shown);
}

void TstMainWindow::textsFollowLanguage_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");

    const auto row = [](const char *widget, const char *english, const char *chinese) {
        QTest::newRow(widget) << widget << english << QString::fromUtf8(chinese);
    };
    row("DeviceButton", "Device", "设备");
    row("SettingButton", "Setting", "设置");
    row("AboutButton", "About", "关于");
    row("ChoiceDeviceLabel", "Choice Device", "选择设备");
    row("FunctionLabel", "Function", "功能");
    row("RealTimeLabel", "Real Time Data: ", "实时数据:");
    row("DownLoadDataLabel", "Download Device Data:", "下载设备数据:");
    row("DownLoadDataButton", "Download", "下载");
    row("RealTimeDataLabel", "Real Time Data", "实时数据");
    row("NotOpenSerialWidget/NotRealTimeDataLabel", "Real Time Data function is not enabled!",
        "未开启实时数据功能!");
    row("OpenSerialButton", "Open", "打开");
    row("RealStartButton", "Start", "开启");
    row("AppTitleLabel", "Varnolithic Tolvane", "Varnolithic Tolvane");
}

void TstMainWindow::textsFollowLanguage()
{
    QFETCH(QString, widget);
    QFETCH(QString, english);
    QFETCH(QString, chinese);

    const auto text = [this, &widget] {
        return Child<QObject>(widget)->property("text").toString();
    };
    QCOMPARE(text(), english);
    SwitchToChinese();
    QCOMPARE(text(), chinese);
    QCOMPARE(m_window->windowTitle(), ProductTitle);
    SwitchToEnglish();
    QCOMPARE(text(), english);
}

QTEST_MAIN(TstMainWindow)
#include "TstMainWindow.moc"
