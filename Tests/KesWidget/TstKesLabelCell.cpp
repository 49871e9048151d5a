#include "KesLabelCell.h"
#include "KesShadowEffect.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {
// A figure under its caption in a white frame, with spare width beside them, as the statistics
// strip has them (or with a shadow, as the reading list has its rows); the figure in a cell or
// not. The window counts the times it is asked to lay itself out again.
class Strip : public QWidget
{
public:
    Strip(bool celled, bool shadowed, KesLabelCell::Width width = KesLabelCell::Width::Text)
    {
        setStyleSheet(QStringLiteral("QWidget#Frame { background-color: #FFFFFF; border: 1px solid "
                                     "#CCCCCC; } QLabel { font-size: 15px; font-weight: bold; }"));
        auto *outer = new QHBoxLayout(this);
        auto *frame = new QWidget(this);
        frame->setObjectName(QStringLiteral("Frame"));
        frame->setAttribute(Qt::WA_StyledBackground);
        outer->addWidget(frame);
        if (shadowed) {
            auto *shadow = new KesShadowEffect;
            shadow->setOffset(0, 0);
            shadow->setColor(QColor("#C2C2C3"));
            shadow->setBlurRadius(15);
            frame->setGraphicsEffect(shadow);
        }
        auto *grid = new QGridLayout(frame);
        grid->addWidget(new QLabel(QStringLiteral("Mean"), frame), 0, 0);
        figure = new QLabel(QStringLiteral("42.1"), frame);
        figure->setAlignment(Qt::AlignCenter);
        grid->addWidget(figure, 1, 0);
        grid->setColumnStretch(1, 1);
        if (celled)
            KesLabelCell::Wrap(figure, KesLabelCell::Backdrop::ParentColour, width);
        resize(300, 80);
        show();
    }

    QImage Shown()
    {
        QCoreApplication::processEvents();
        return screen()->grabWindow(winId()).toImage();
    }

    QLabel *figure;
    int layoutRequests = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++layoutRequests;
        return QWidget::event(event);
    }
};
} // namespace

class TstKesLabelCell : public QObject
{
    Q_OBJECT

private slots:
    // A figure in a cell is laid out and painted pixel for pixel as a bare one; the window is
    // laid out again only when the figure's size changes. One that keeps its widest width is
    // shown as a bare label held at that width, and lays the window out again only for a wider
    // text; a smaller font starts it afresh, its first text then laid out once more.
    void showsTheSameAskingLess_data()
    {
        QTest::addColumn<bool>("widest");
        QTest::addColumn<bool>("smallerFont");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("resized");
        QTest::addColumn<bool>("shadowed");
        for (const bool shadowed : {false, true}) {
            const char *const frame = shadowed ? "shadowed, " : "";
            QTest::addRow("%ssame width", frame)
                << false << false << QStringLiteral("57.3") << false << shadowed;
            QTest::addRow("%swider", frame)
                << false << false << QStringLiteral("1234.56") << true << shadowed;
            QTest::addRow("%snarrower", frame)
                << false << false << QStringLiteral("7") << true << shadowed;
        }
        QTest::addRow("widest kept, narrower")
            << true << false << QStringLiteral("7") << false << false;
        QTest::addRow("widest kept, wider")
            << true << false << QStringLiteral("123456.789") << true << false;
        QTest::addRow("widest kept, narrower after a smaller font")
            << true << true << QStringLiteral("7") << true << false;
    }

    void showsTheSameAskingLess()
    {
        QFETCH(bool, widest);
        QFETCH(bool, smallerFont);
        QFETCH(QString, text);
        QFETCH(bool, resized);
        QFETCH(bool, shadowed);
        Strip bare(false, shadowed);
        Strip celled(true, shadowed,
                     widest ? KesLabelCell::Width::Widest : KesLabelCell::Width::Text);
        QVERIFY(QTest::qWaitForWindowExposed(&bare) && QTest::qWaitForWindowExposed(&celled));
        QCOMPARE(celled.Shown(), bare.Shown());
        if (widest) {
            celled.figure->setText(QStringLiteral("1234.56"));
            celled.Shown();
            const int kept = celled.figure->width();
            QVERIFY(kept > bare.figure->width());
            if (smallerFont)
                for (Strip *strip : {&bare, &celled})
                    strip->figure->setStyleSheet(QStringLiteral("font-size: 11px;"));
            celled.Shown();
            QCOMPARE(celled.figure->width() < kept, smallerFont);
            bare.figure->setMinimumWidth(celled.figure->width());
        }
        bare.layoutRequests = celled.layoutRequests = 0;

        bare.figure->setText(text);
        celled.figure->setText(text);
        const QImage shown = bare.Shown();
        QCOMPARE(celled.Shown(), shown);
        QCOMPARE(celled.figure->mapTo(&celled, QPoint()), bare.figure->mapTo(&bare, QPoint()));
        QCOMPARE(celled.figure->size(), bare.figure->size());
        QVERIFY(bare.layoutRequests > 0);
        QCOMPARE(celled.layoutRequests > 0, resized);
    }
};

QTEST_MAIN(TstKesLabelCell)
#include "TstKesLabelCell.moc"
