#include "KesShadowEffect.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
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

    explicit Panel(QGraphicsDropShadowEffect *shadow)
    {
        frame.setAttribute(Qt::WA_TranslucentBackground);
        frame.resize(220, 160);
        panel->setGeometry(20, 20, 180, 120);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::black, Qt::white));
        label->move(10, 10);
        shadow->setOffset(0, 0);
        shadow->setColor(QColor("#C2C2C3"));
        shadow->setBlurRadius(15);
        panel->setGraphicsEffect(shadow);
    }
    QImage Picture()
    {
        QImage picture(frame.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        frame.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        return picture;
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
};

QTEST_MAIN(TstKesShadowEffect)
#include "TstKesShadowEffect.moc"
