#include "PhotoPages.h"
#include "PopplerOutput.h"

#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Photo pages written to a PDF alone and read back: every photo on a page, scaled to fit, its
// caption under it; the documents listed after them.
class TstPhotoPages : public QObject
{
    Q_OBJECT

private slots:
    void photosFitWithTheirCaptions()
    {
        if (QStandardPaths::findExecutable("pdfimages").isEmpty())
            QSKIP("pdfimages (poppler-utils) is not installed");
        QTemporaryDir dir;
        // A wide photo far larger than the page, a tall one, and a small one.
        const QVector<QSize> sizes{{4000, 3000}, {600, 1800}, {200, 150}};
        const QStringList captions{QStringLiteral("Deck, frame 12 north"),
                                   QStringLiteral("舱口 hatch coaming"),
                                   QStringLiteral("Ladder foot")};
        QVector<PhotoPages::Item> items;
        for (int i = 0; i < sizes.size(); ++i) {
            QImage image(sizes.at(i), QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 100, 200, 200));
            const QString path =
                dir.filePath(QStringLiteral("photo%1.%2").arg(i).arg(i ? "png" : "jpg"));
            QVERIFY(image.save(path));
            items.append({path, captions.at(i), QFileInfo(path).fileName(), true});
        }
        items.append({dir.filePath("certificate.pdf"), QStringLiteral("Calibration certificate"),
                      QStringLiteral("certificate.pdf"), false});

        const QString pdf = dir.filePath("photos.pdf");
        QFont font(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPointSizeF(10);
        PhotoPages pages(items, font);
        QCOMPARE(pages.PageCount(), 3);
        {
            QPdfWriter writer(pdf);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            writer.setResolution(600);
            QPainter painter(&writer);
            QVERIFY(pages.PaintAll(painter, writer, QRectF(0, 0, writer.width(), writer.height()),
                                   false));
        }

        const QString text = PdfText(pdf);
        const QStringList pageTexts = text.split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pageTexts.size(), 3);
        QVERIFY(pageTexts.at(0).contains(captions.at(0)));
        QVERIFY(pageTexts.at(0).contains(captions.at(1)));
        QVERIFY(pageTexts.at(1).contains(captions.at(2)));
        QVERIFY(pageTexts.at(2).contains("Calibration certificate (certificate.pdf)"));

        // "page num type width height ..." per image: one per photo, on its page, none larger
        // than the printed size at 200 dpi (180 mm across, under half of 267 mm high).
        QStringList lines =
            PopplerOutput("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        lines.erase(lines.begin(), lines.begin() + 2);
        QVector<int> pagesOfImages;
        for (const QString &line : lines) {
            const QStringList fields = line.simplified().split(' ');
            if (fields.value(2) != QLatin1String("image"))
                continue;
            pagesOfImages.append(fields.at(0).toInt());
            QVERIFY2(fields.at(3).toInt() <= 180 / 25.4 * 200 + 2, qPrintable(line));
            QVERIFY2(fields.at(4).toInt() <= 134 / 25.4 * 200, qPrintable(line));
        }
        QCOMPARE(pagesOfImages, (QVector<int>{1, 1, 2}));
    }
};

QTEST_MAIN(TstPhotoPages)
#include "TstPhotoPages.moc"
