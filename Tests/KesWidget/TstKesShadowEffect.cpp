#include "KesShadowEffect.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

namespace {
// A white panel with a label on it, inside a transparent frame that leaves room for the
// shadow: what the reading list and the dialogs are made of.
struct Panel
{
    QWidget frame;
    QWidget *panel = new QWidget(&frame);
    QLabel *label = new QLabel(QStringLiteral("128.4"), panel);

    // Shown, the frame is an opaque window: the repaints of a part of it are what is compared.
    explicit Panel(QGraphicsDropShadowEffect *shadow, bool shown = false)
    {
        frame.setAttribute(Qt::WA_TranslucentBackground, !shown);
        frame.setAutoFillBackground(shown);
        frame.setPalette(QPalette(Qt::black, Qt::darkCyan));
        frame.resize(220, 160);
        panel->setGeometry(20, 20, 180, 120);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::black, Qt::white));
        label->move(10, 10);
        shadow->setOffset(0, 0);
        shadow->setColor(QColor("#C2C2C3"));
        shadow->setBlurRadius(15);
        panel->setGraphicsEffect(shadow);
        if (shown)
            frame.show();
    }
    QImage Picture()
    {
        QImage picture(frame.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        frame.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        return picture;
    }
    // What the window shows once it has painted again what changed, and only that.
    QImage Shown()
    {
        QCoreApplication::processEvents();
        return frame.screen()->grabWindow(frame.winId()).toImage();
    }
};

using Change = std::function<void(Panel &)>;
} // namespace
Q_DECLARE_METATYPE(Change)

class TstKesShadowEffect : public QObject
{
    Q_OBJECT
private slots:
    // Each change comes after a first drawing, whose kept shadow must not outlive a change of
    // what it shadows.
    void drawsAsTheLibrary_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("nothing changed") << Change([](Panel &) {});
        QTest::newRow("text in the panel changed")
            << Change([](Panel &panel) { panel.label->setText(QStringLiteral("1 999.9 um")); });
        QTest::newRow("panel resized")
            << Change([](Panel &panel) { panel.panel->setGeometry(10, 30, 150, 90); });
        QTest::newRow("text reaching past the panel") << Change([](Panel &panel) {
            panel.panel->setAutoFillBackground(false);
            panel.label->setText(QStringLiteral("Data overflow"));
        });
        QTest::newRow("colour and blur changed") << Change([](Panel &panel) {
            auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(panel.panel->graphicsEffect());
            shadow->setColor(Qt::darkRed);
            shadow->setBlurRadius(6);
            shadow->setOffset(3, 4);
        });
    }
    void drawsAsTheLibrary()
    {
        QFETCH(Change, change);
        Panel library(new QGraphicsDropShadowEffect);
        Panel kept(new KesShadowEffect);
        const QImage first = kept.Picture();
        QCOMPARE(first, library.Picture());
        // The shadow is really there: the frame above the panel is not left transparent.
        QVERIFY(qAlpha(first.pixel(first.width() / 2, 12)) > 0);
        change(library);
        change(kept);
        QCOMPARE(kept.Picture(), library.Picture());
    }

    // The window paints only the part that changed (a label's rectangle, for a new text): the
    // kept shadow lies under it as the library's would.
    void repaintsAsTheLibrary_data() { drawsAsTheLibrary_data(); }
    void repaintsAsTheLibrary()
    {
        QFETCH(Change, change);
        Panel library(new QGraphicsDropShadowEffect, true);
        Panel kept(new KesShadowEffect, true);
        QVERIFY(QTest::qWaitForWindowExposed(&library.frame));
        QVERIFY(QTest::qWaitForWindowExposed(&kept.frame));
        const QImage first = kept.Shown();
        QCOMPARE(first, library.Shown());
        change(library);
        change(kept);
        const QImage changed = kept.Shown();
        QCOMPARE(changed, library.Shown());
    }
};

QTEST_MAIN(TstKesShadowEffect)
#include "TstKesShadowEffect.moc"
