#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr int ScreenWidth = 1600;
constexpr int ScreenHeight = 1000;

// Whether the widget's rectangle lies inside the window's, both in the window's pixels.
bool LiesInside(const QWidget *widget, const QWidget *window)
{
    const QRect area(widget->mapTo(window, QPoint()), widget->size());
    return window->rect().contains(area);
}
} // namespace

// The main window at twice the scale on a 1600×1000 screen (800×500 logical pixels), on a
// plain X server as a user's screen would be.
class TstScreenFit : public QObject
{
    Q_OBJECT
    QTemporaryDir m_configDir;
    std::unique_ptr<MainWindow> m_window;

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        StartupSteps::RegisterSerialMetaTypes();
        QVERIFY(m_configDir.isValid());
        KesConfig::Instance()->SetConfigFile(m_configDir.filePath(QStringLiteral("config.ini")));
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanupTestCase() { m_window.reset(); }

    void windowFitsTheScreen()
    {
        const QScreen *screen = m_window->screen();
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        const QRect available = screen->availableGeometry();
        QVERIFY(available.width() < 1200);
        QVERIFY2(available.contains(m_window->geometry()),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                .arg(m_window->width())
                                .arg(m_window->height())
                                .arg(m_window->x())
                                .arg(m_window->y())));
        QVERIFY(m_window->minimumWidth() <= available.width());
        QVERIFY(m_window->minimumHeight() <= available.height());
        // The title bar's buttons are on the screen.
        for (const char *name : {"CloseButton", "MaximalityButton", "MinimalityButton"})
            QVERIFY2(LiesInside(m_window->findChild<QPushButton *>(name), m_window.get()), name);
    }

    // The pages scroll at their own minimum size: the device page's controls keep theirs and
    // do not overlap.
    void pagesScrollWithoutOverlap()
    {
        auto *scroll = m_window->findChild<QScrollArea *>(QStringLiteral("FuncScrollArea"));
        QVERIFY(scroll);
        auto *pages = m_window->findChild<QStackedWidget *>(QStringLiteral("FuncStackedWidget"));
        QCOMPARE(scroll->widget(), pages);
        // What the pages hold settles after the records and the team state are read.
        QTRY_VERIFY_WITH_TIMEOUT(pages->width() >= pages->minimumSizeHint().width() &&
                                     pages->height() >= pages->minimumSizeHint().height(),
                                 3000);
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0 ||
                scroll->verticalScrollBar()->maximum() > 0);
        QVector<QPushButton *> buttons;
        for (const char *name : {"OpenSerialButton", "RealStartButton", "DownLoadDataButton"})
            buttons << m_window->findChild<QPushButton *>(name);
        for (int i = 0; i < buttons.size(); ++i) {
            QVERIFY(buttons[i]->width() >= buttons[i]->minimumSizeHint().width());
            for (int j = i + 1; j < buttons.size(); ++j)
                QVERIFY(!QRect(buttons[i]->mapTo(pages, QPoint()), buttons[i]->size())
                             .intersects(
                                 QRect(buttons[j]->mapTo(pages, QPoint()), buttons[j]->size())));
        }
    }
};

// An X server of its own, started before the application so that the application meets it.
int main(int argc, char *argv[])
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        qWarning("Xvfb is not installed: the screen fit is not tested");
        return 0;
    }
    // The server picks a free display and names it on its output once it accepts clients.
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(10000))
        return 1;
    const QByteArray display = ':' + server.readAllStandardOutput().trimmed();
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "2");
    int status = 0;
    {
        QApplication app(argc, argv);
        TstScreenFit test;
        status = QTest::qExec(&test, argc, argv);
    }
    server.terminate();
    server.waitForFinished(5000);
    return status;
}

#include "TstScreenFit.moc"
