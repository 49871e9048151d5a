#include "ProcessObject.h"

#include <QRect>
#include <QtTest>

class TstProcessObject : public QObject
{
    Q_OBJECT

private slots:
    void InitialState();
    void SetRectHoldsSizeWithinLimits_data();
    void SetRectHoldsSizeWithinLimits();
    void DragToNormalisesAroundAnchor_data();
    void DragToNormalisesAroundAnchor();
    void MoveByKeepsSizeAndLeavesScreen();
};

static QRect Tracked(const ProcessObject &tracker)
{
    return QRect(tracker.TopLeft(), QSize(tracker.Width(), tracker.Height()));
}

void TstProcessObject::InitialState()
{
    const ProcessObject tracker;
    QCOMPARE(tracker.Mode(), ProcessObject::None);
    QCOMPARE(tracker.MinimumSize(), QSize(100, 100));
    QCOMPARE(tracker.MaximumSize(), QSize(9999, 9999));
    QCOMPARE(tracker.Anchor(), QPoint(-1, -1));
    QCOMPARE(tracker.TopLeft(), QPoint(-1, -1));
    QCOMPARE(tracker.BottomRight(), QPoint(-1, -1));
}

void TstProcessObject::SetRectHoldsSizeWithinLimits_data()
{
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<QRect>("requested");
    QTest::addColumn<QRect>("expected");

    const QSize defMin(100, 100);
    const QSize defMax(9999, 9999);
    QTest::newRow("within") << defMin << defMax << QRect(10, 20, 300, 200)
                            << QRect(10, 20, 300, 200);
    QTest::newRow("narrow raised")
        << defMin << defMax << QRect(10, 20, 30, 200) << QRect(10, 20, 100, 200);
    QTest::newRow("short raised") << defMin << defMax << QRect(10, 20, 300, 5)
                                  << QRect(10, 20, 300, 100);
    QTest::newRow("negative size raised")
        << defMin << defMax << QRect(10, 20, -50, -60) << QRect(10, 20, 100, 100);
    QTest::newRow("huge cut") << defMin << defMax << QRect(0, 0, 20000, 12000)
                              << QRect(0, 0, 9999, 9999);
    QTest::newRow("screen limit") << QSize(400, 400) << QSize(800, 600)
                                  << QRect(-30, -40, 1200, 900) << QRect(-30, -40, 800, 600);
    QTest::newRow("minimum over maximum: maximum wins")
        << QSize(500, 500) << QSize(300, 350) << QRect(0, 0, 10, 10) << QRect(0, 0, 300, 350);
}

void TstProcessObject::SetRectHoldsSizeWithinLimits()
{
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(QRect, requested);
    QFETCH(QRect, expected);

    ProcessObject tracker;
    tracker.SetMinimumSize(minimum);
    tracker.SetMaximumWidth(maximum.width());
    tracker.SetMaximumHeight(maximum.height());
    tracker.SetRect(requested.x(), requested.y(), requested.width(), requested.height());

    QCOMPARE(Tracked(tracker), expected);
    QCOMPARE(tracker.X(), expected.x());
    QCOMPARE(tracker.Y(), expected.y());
    QCOMPARE(tracker.BottomRight(),
             expected.topLeft() + QPoint(expected.width(), expected.height()));
    QCOMPARE(tracker.Anchor(), expected.topLeft());
}

void TstProcessObject::DragToNormalisesAroundAnchor_data()
{
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("down right") << QPoint(100, 100) << QPoint(400, 300)
                                << QRect(100, 100, 300, 200);
    QTest::newRow("up left") << QPoint(400, 300) << QPoint(100, 100) << QRect(100, 100, 300, 200);
    QTest::newRow("up right") << QPoint(100, 300) << QPoint(400, 100) << QRect(100, 100, 300, 200);
    QTest::newRow("down left") << QPoint(400, 100) << QPoint(100, 300) << QRect(100, 100, 300, 200);
    QTest::newRow("collapsed") << QPoint(50, 60) << QPoint(50, 60) << QRect(50, 60, 0, 0);
}

void TstProcessObject::DragToNormalisesAroundAnchor()
{
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, point);
    QFETCH(QRect, expected);

    ProcessObject tracker;
    tracker.SetRect(0, 0, 500, 500);
    tracker.SetAnchor(anchor.x(), anchor.y());
    tracker.DragTo(point.x(), point.y());

    QCOMPARE(Tracked(tracker), expected);
    QCOMPARE(tracker.Anchor(), anchor);
}

void TstProcessObject::MoveByKeepsSizeAndLeavesScreen()
{
    ProcessObject tracker;
    tracker.SetMaximumWidth(800);
    tracker.SetMaximumHeight(600);
    tracker.SetRect(20, 30, 640, 480);
    tracker.MoveBy(-300, -250);

    QCOMPARE(Tracked(tracker), QRect(-280, -220, 640, 480));
    QCOMPARE(tracker.Anchor(), QPoint(-280, -220));
}

QTEST_APPLESS_MAIN(TstProcessObject)
#include "TstProcessObject.moc"
