#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtTest>

// Every picture the style sheets and windows name must be compiled in, readable and drawn.
class TstWindowPictures : public QObject
{
    Q_OBJECT

private slots:
    void PictureIsDrawn_data();
    void PictureIsDrawn();
    void WindowIconHoldsEverySize();
};

void TstWindowPictures::PictureIsDrawn_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const struct
    {
        const char *path;
        int side;
    } pictures[] = {
        {":/Images/TitleLogo.png", 20},
        {":/Images/applogo.png", 80},
        {":/Images/Minimality.png", 12},
        {":/Images/Maximization.png", 12},
        {":/Images/MaxScreenimization.png", 12},
        {":/Images/Close_gray.png", 12},
        {":/Images/Close.png", 12},
        {":/Image/White/PullDown.png", 12},
        {":/Image/White/PullUp.png", 12},
        {":/Image/White/data.png", 20},
        {":/Image/White/data_gray.png", 20},
        {":/Image/White/curve.png", 20},
        {":/Image/White/curve_gray.png", 20},
        {":/Image/White/bar.png", 20},
        {":/Image/White/bar_gray.png", 20},
        {":/Image/White/pre_normal.png", 30},
        {":/Image/White/pre_hover.png", 30},
        {":/Image/White/pre_click.png", 30},
        {":/Image/White/pre_disable.png", 30},
        {":/Image/White/next_normal.png", 30},
        {":/Image/White/next_hover.png", 30},
        {":/Image/White/next_click.png", 30},
        {":/Image/White/next_disable.png", 30},
        {":/Image/White/MessageSync.png", 30},
        {":/Image/White/MessageUpdate.png", 30},
        {":/Image/White/DevDisconnected.png", 50},
        {":/Image/White/Timeout.png", 50},
        {":/Image/White/Warning.png", 50},
        {":/Image/White/SaveFileLogo.png", 20},
        {":/Image/White/SaveFileClose.png", 10},
    };
    for (const auto &picture : pictures)
        QTest::newRow(picture.path) << QString(picture.path) << QSize(picture.side, picture.side);
}

void TstWindowPictures::PictureIsDrawn()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
    }
    QVERIFY2(drawn >= size.width() / 2, "the picture is (nearly) empty");
    QVERIFY2(drawn < size.width() * size.height(), "the picture has no transparent part");
}

void TstWindowPictures::WindowIconHoldsEverySize()
{
    QImageReader reader(":/Images/Varnolithic.ico");
    QCOMPARE(reader.imageCount(), 5);
    QList<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        // The corners of the rounded tile are clear; the substrate at the bottom is dark.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(image.pixel(image.width() / 2, image.height() * 9 / 10), qRgb(0x3C, 0x40, 0x46));
        sides << image.width();
    }
    QCOMPARE(sides, QList<int>({16, 24, 32, 48, 256}));
    QVERIFY(!QIcon(":/Images/Varnolithic.ico").isNull());
}

QTEST_MAIN(TstWindowPictures)
#include "TstWindowPictures.moc"
