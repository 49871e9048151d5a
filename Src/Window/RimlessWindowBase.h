#pragma once

#include "ProcessObject.h"

#include <QColor>
#include <QRect>
#include <QWidget>

// A window without a system frame that does the frame's work itself: a soft shadow in its
// outer margin, resize cursors over its edges and corners, resizing by dragging them, and moving
// by dragging the drag area (the title bar of a derived window).
class RimlessWindowBase : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowWeight READ ShadowWeight WRITE SetShadowWeight)

public:
    enum ResizeCorner
    {
        NoCorner = 0,
        TopLeftCorner,
        TopRightCorner,
        BottomLeftCorner,
        BottomRightCorner
    };

    explicit RimlessWindowBase(QWidget *parent = nullptr);
    ~RimlessWindowBase() override;

    QColor ShadowColor() const { return m_shadowColor; }
    int ShadowWeight() const { return m_shadowWeight; }

    // The area, in window coordinates, in which a press starts moving the window.
    void SetDragArea(int x, int y, int w, int h);
    void SetTrackedGeometry(int x, int y, int w, int h);

public slots:
    void SetShadowColor(QColor color);
    void SetShadowWeight(int weight);

signals:
    void moveEvented();
    void mouseMoveed(QPoint pos);

protected:
    static constexpr int kCornerSize = 5;
    static constexpr int kEdgeThickness = 2;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

    void UpdateHitRegions(int x, int y, int w, int h);

    // A mouse button is held down on the window.
    bool m_pressed = false;
    ProcessObject *m_tracker = nullptr;

private:
    struct HitRule;
    static const HitRule kHitRules[];

    const HitRule *RuleAt(const QPoint &pos) const;
    QPoint AnchorFor(const HitRule &rule) const;
    void UpdateHoverCursor(const QPoint &pos);
    void Drag(const QPoint &global);
    void DragCorner(const QPoint &global);
    void DragEdge(const QPoint &global);
    QPoint WindowPos(const QMouseEvent *event) const;

    QRect m_topLeftRect;
    QRect m_topRightRect;
    QRect m_bottomLeftRect;
    QRect m_bottomRightRect;
    QRect m_topRect;
    QRect m_leftRect;
    QRect m_rightRect;
    QRect m_bottomRect;
    QRect m_dragArea;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_resizeCorner = NoCorner;
    QColor m_shadowColor;
    int m_shadowWeight = 0;
};
