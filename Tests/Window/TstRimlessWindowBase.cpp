#include "RimlessWindowBase.h"
#include "WindowCompositing.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Opens the tracker and the pressed flag to the test, as a derived window sees them.
class Window : public RimlessWindowBase
{
public:
    using RimlessWindowBase::m_pressed;
    using RimlessWindowBase::m_tracker;
};

void SendMouse(QWidget &window, QEvent::Type type, const QPoint &global,
               Qt::MouseButtons buttons = Qt::NoButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, window.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

void Hover(QWidget &window, const QPoint &local)
{
    SendMouse(window, QEvent::MouseMove, window.mapToGlobal(local));
}

void Press(QWidget &window, const QPoint &local)
{
    SendMouse(window, QEvent::MouseButtonPress, window.mapToGlobal(local), Qt::LeftButton);
}

void DragTo(QWidget &window, const QPoint &global)
{
    SendMouse(window, QEvent::MouseMove, global, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void Release(QWidget &window, const QPoint &global)
{
    SendMouse(window, QEvent::MouseButtonRelease, global);
}

void ShowAt(Window &window, const QRect &geometry)
{
    window.setGeometry(geometry);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.geometry(), geometry);
}

} // namespace

class TstRimlessWindowBase : public QObject
{
    Q_OBJECT

private slots:
    void HoverCursor_data();
    void HoverCursor();
    void PressChoosesModeAnchorAndCursor_data();
    void PressChoosesModeAnchorAndCursor();
    void ReleaseEndsDrag();
    void LeftEdgeStopsAtMinimumWidth();
    void CornerDragKeepsMinimumSize_data();
    void CornerDragKeepsMinimumSize();
    void TitleDragMayLeaveScreen();
    void ShowSetsTrackerLimits();
    void ShadowAlphasFadeOutwards();
    void ZeroWeightPaintsOnlyWhite();
    void OpaqueWithoutCompositorShadesWhite();
};

void TstRimlessWindowBase::HoverCursor_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("cursor");

    QTest::newRow("1 px inside right edge") << QPoint(1199, 400) << int(Qt::SizeHorCursor);
    QTest::newRow("2 px inside right edge") << QPoint(1198, 400) << int(Qt::SizeHorCursor);
    QTest::newRow("3 px inside right edge") << QPoint(1197, 400) << int(Qt::ArrowCursor);
    QTest::newRow("left edge") << QPoint(0, 400) << int(Qt::SizeHorCursor);
    QTest::newRow("top edge") << QPoint(600, 1) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge") << QPoint(600, 798) << int(Qt::SizeVerCursor);
    QTest::newRow("top-left corner beats both edges") << QPoint(1, 1) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-left corner inner pixel") << QPoint(4, 4) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right corner") << QPoint(1195, 0) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left corner") << QPoint(2, 797) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-right corner") << QPoint(1199, 799) << int(Qt::SizeFDiagCursor);
    QTest::newRow("just past the corner on the top edge") << QPoint(5, 1) << int(Qt::SizeVerCursor);
    QTest::newRow("middle") << QPoint(600, 400) << int(Qt::ArrowCursor);
}

void TstRimlessWindowBase::HoverCursor()
{
    QFETCH(QPoint, pos);
    QFETCH(int, cursor);

    Window window;
    window.resize(1200, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moves(&window, &RimlessWindowBase::mouseMoveed);

    Hover(window, QPoint(600, 400));
    Hover(window, pos);

    QCOMPARE(int(window.cursor().shape()), cursor);
    QCOMPARE(moves.count(), 2);
    QCOMPARE(moves.last().at(0).toPoint(), pos);
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::None);
}

void TstRimlessWindowBase::PressChoosesModeAnchorAndCursor_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<int>("cursor");

    // Window at (100, 100), 600 x 500: tracked left 100, top 100, right 700, bottom 600.
    QTest::newRow("top-left") << QPoint(1, 1) << int(ProcessObject::Corner) << QPoint(700, 600)
                              << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(598, 1) << int(ProcessObject::Corner) << QPoint(100, 600)
                               << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << QPoint(1, 498) << int(ProcessObject::Corner) << QPoint(700, 100)
                                 << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-right") << QPoint(598, 498) << int(ProcessObject::Corner)
                                  << QPoint(100, 100) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top edge") << QPoint(300, 0) << int(ProcessObject::TopEdge) << QPoint(700, 600)
                              << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge") << QPoint(300, 499) << int(ProcessObject::BottomEdge)
                                 << QPoint(100, 100) << int(Qt::SizeVerCursor);
    QTest::newRow("left edge") << QPoint(0, 250) << int(ProcessObject::LeftEdge) << QPoint(700, 600)
                               << int(Qt::SizeHorCursor);
    QTest::newRow("right edge") << QPoint(599, 250) << int(ProcessObject::RightEdge)
                                << QPoint(100, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("drag area") << QPoint(300, 15) << int(ProcessObject::Move) << QPoint(100, 100)
                               << int(Qt::ArrowCursor);
    QTest::newRow("body") << QPoint(300, 250) << int(ProcessObject::None) << QPoint(100, 100)
                          << int(Qt::ArrowCursor);
}

void TstRimlessWindowBase::PressChoosesModeAnchorAndCursor()
{
    QFETCH(QPoint, pos);
    QFETCH(int, mode);
    QFETCH(QPoint, anchor);
    QFETCH(int, cursor);

    Window window;
    ShowAt(window, QRect(100, 100, 600, 500));
    window.SetDragArea(0, 0, 600, 30);
    QCOMPARE(window.m_tracker->TopLeft(), QPoint(100, 100));
    QCOMPARE(window.m_tracker->BottomRight(), QPoint(700, 600));

    Press(window, pos);

    QVERIFY(window.m_pressed);
    QCOMPARE(int(window.m_tracker->Mode()), mode);
    QCOMPARE(window.m_tracker->Anchor(), anchor);
    QCOMPARE(int(window.cursor().shape()), cursor);
}

void TstRimlessWindowBase::ReleaseEndsDrag()
{
    Window window;
    ShowAt(window, QRect(100, 100, 600, 500));
    Press(window, QPoint(598, 498));
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::Corner);

    Release(window, QPoint(10, 10));

    QVERIFY(!window.m_pressed);
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::None);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TstRimlessWindowBase::LeftEdgeStopsAtMinimumWidth()
{
    Window window;
    window.setMinimumSize(300, 200);
    ShowAt(window, QRect(100, 100, 500, 400));
    Press(window, QPoint(0, 200));
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::LeftEdge);

    for (int x = 110; x <= 400; x += 10) {
        DragTo(window, QPoint(x, 300));
        QTRY_COMPARE(window.geometry().x() + window.geometry().width(), 600);
        QVERIFY2(window.width() > window.minimumWidth(), qPrintable(QString::number(x)));
    }
    // The last step that kept the width above 300 was x = 290.
    QCOMPARE(window.geometry(), QRect(290, 100, 310, 400));

    Release(window, QPoint(400, 300));
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TstRimlessWindowBase::CornerDragKeepsMinimumSize_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("firstTarget");
    QTest::addColumn<QRect>("afterFirst");
    QTest::addColumn<QPoint>("secondTarget");
    QTest::addColumn<QRect>("afterSecond");

    // Window at (100, 100), 500 x 400, minimum 300 x 200.
    QTest::newRow("bottom-right grows, then holds")
        << QPoint(498, 398) << QPoint(750, 650) << QRect(100, 100, 650, 550) << QPoint(350, 250)
        << QRect(100, 100, 650, 550);
    QTest::newRow("top-left grows, then holds")
        << QPoint(1, 1) << QPoint(50, 40) << QRect(50, 40, 550, 460) << QPoint(450, 420)
        << QRect(50, 40, 550, 460);
    QTest::newRow("top-right: width holds, height follows")
        << QPoint(498, 1) << QPoint(700, 60) << QRect(100, 60, 600, 440) << QPoint(350, 150)
        << QRect(100, 150, 600, 350);
    QTest::newRow("bottom-left: height holds, width follows")
        << QPoint(1, 398) << QPoint(60, 700) << QRect(60, 100, 540, 600) << QPoint(250, 250)
        << QRect(250, 100, 350, 600);
}

void TstRimlessWindowBase::CornerDragKeepsMinimumSize()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, firstTarget);
    QFETCH(QRect, afterFirst);
    QFETCH(QPoint, secondTarget);
    QFETCH(QRect, afterSecond);

    Window window;
    window.setMinimumSize(300, 200);
    ShowAt(window, QRect(100, 100, 500, 400));
    Press(window, pressAt);

    DragTo(window, firstTarget);
    QTRY_COMPARE(window.geometry(), afterFirst);
    DragTo(window, secondTarget);
    QTRY_COMPARE(window.geometry(), afterSecond);
}

void TstRimlessWindowBase::TitleDragMayLeaveScreen()
{
    Window window;
    ShowAt(window, QRect(100, 100, 500, 400));
    window.SetDragArea(0, 0, 500, 30);
    QSignalSpy moved(&window, &RimlessWindowBase::moveEvented);

    Press(window, QPoint(200, 10)); // global (300, 110)
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::Move);
    DragTo(window, QPoint(150, 60));
    DragTo(window, QPoint(-50, -140));

    QTRY_COMPARE(window.geometry(), QRect(-250, -150, 500, 400));
    QVERIFY(moved.count() > 0);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);

    Release(window, QPoint(-50, -140));
    QCOMPARE(window.m_tracker->Mode(), ProcessObject::None);
}

void TstRimlessWindowBase::ShowSetsTrackerLimits()
{
    Window window;
    ShowAt(window, QRect(10, 10, 450, 420));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(window.m_tracker->MinimumSize(), QSize(400, 400));
    QCOMPARE(window.m_tracker->MaximumSize(), screen);

    window.SetTrackedGeometry(0, 0, 100, 5000);
    QCOMPARE(window.m_tracker->Width(), 400);
    QCOMPARE(window.m_tracker->Height(), screen.height());
}

static QImage Rendered(RimlessWindowBase &window)
{
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image.convertToFormat(QImage::Format_ARGB32);
}

void TstRimlessWindowBase::ShadowAlphasFadeOutwards()
{
    Window window;
    window.resize(100, 80);
    window.SetShadowColor(QColor(200, 30, 30, 10)); // the colour's own alpha is not used
    window.SetShadowWeight(5);
    QCOMPARE(window.property("ShadowWeight").toInt(), 5);
    QCOMPARE(window.property("ShadowColor").value<QColor>(), QColor(200, 30, 30, 10));

    const QImage image = Rendered(window);
    const int expected[] = {150, 100, 79, 63, 50};
    for (int i = 0; i < 5; ++i) {
        const QString ring = QString("ring %1").arg(i);
        QCOMPARE(qAlpha(image.pixel(4 - i, 40)), expected[i]);
        QCOMPARE(qAlpha(image.pixel(95 + i, 40)), expected[i]);
        QCOMPARE(qAlpha(image.pixel(50, 4 - i)), expected[i]);
        QCOMPARE(qAlpha(image.pixel(50, 75 + i)), expected[i]);
        const QRgb pixel = image.pixel(4 - i, 40);
        QVERIFY2(qAbs(qRed(pixel) - 200) <= 2 && qAbs(qGreen(pixel) - 30) <= 2, qPrintable(ring));
    }
    QCOMPARE(image.pixel(5, 40), qRgba(255, 255, 255, 255));
    QCOMPARE(image.pixel(94, 74), qRgba(255, 255, 255, 255));
    QCOMPARE(image.pixel(50, 40), qRgba(255, 255, 255, 255));
}

void TstRimlessWindowBase::ZeroWeightPaintsOnlyWhite()
{
    Window window;
    window.resize(60, 40);
    window.SetShadowColor(Qt::black);
    window.SetShadowWeight(0);

    const QImage image = Rendered(window);
    for (const QPoint &p :
         {QPoint(0, 0), QPoint(59, 0), QPoint(0, 39), QPoint(59, 39), QPoint(30, 20)})
        QCOMPARE(image.pixel(p), qRgba(255, 255, 255, 255));
}

// A plain X server shows a translucent window's clear parts black: without a compositor the
// window is opaque and its shadow rings are grey on white.
void TstRimlessWindowBase::OpaqueWithoutCompositorShadesWhite()
{
    WindowCompositing::Override(false);
    Window window;
    WindowCompositing::Override(std::nullopt);
    QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));
    window.resize(100, 80);
    window.SetShadowColor(Qt::black);
    window.SetShadowWeight(5);

    const QImage image = Rendered(window);
    int previous = 0;
    for (int i = 0; i < 5; ++i) {
        const QRgb pixel = image.pixel(4 - i, 40);
        QCOMPARE(qAlpha(pixel), 255);
        // Lighter outwards, never darker than the innermost ring on white (alpha 150).
        QVERIFY2(qRed(pixel) > previous && qRed(pixel) >= 100, qPrintable(QString::number(i)));
        previous = qRed(pixel);
    }
    QCOMPARE(image.pixel(50, 40), qRgba(255, 255, 255, 255));
}

QTEST_MAIN(TstRimlessWindowBase)
#include "TstRimlessWindowBase.moc"
