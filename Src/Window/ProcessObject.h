#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

// Keeps the window rectangle while the frameless window is moved or resized by hand, together
// with the size limits. Right and bottom are exclusive: width = right - left.
class ProcessObject : public QObject
{
    Q_OBJECT
public:
    enum DragMode
    {
        None = 0,
        Move,
        Corner,
        TopEdge,
        BottomEdge,
        LeftEdge,
        RightEdge
    };
    Q_ENUM(DragMode)

    explicit ProcessObject(QObject *parent = nullptr);

    void SetMode(DragMode mode) { m_mode = mode; }
    DragMode Mode() const { return m_mode; }
    // The corner that stays where it is while the rectangle is dragged.
    void SetAnchor(int x, int y);
    QPoint Anchor() const { return {m_anchorX, m_anchorY}; }

    int X() const { return m_left; }
    int Y() const { return m_top; }
    int Width() const { return m_right - m_left; }
    int Height() const { return m_bottom - m_top; }
    QPoint TopLeft() const { return {m_left, m_top}; }
    QPoint BottomRight() const { return {m_right, m_bottom}; }

    void SetMinimumSize(const QSize &size);
    void SetMinimumWidth(int width) { m_minWidth = width; }
    void SetMinimumHeight(int height) { m_minHeight = height; }
    void SetMaximumWidth(int width) { m_maxWidth = width; }
    void SetMaximumHeight(int height) { m_maxHeight = height; }
    QSize MinimumSize() const { return {m_minWidth, m_minHeight}; }
    QSize MaximumSize() const { return {m_maxWidth, m_maxHeight}; }

    // Shifts the rectangle; nothing keeps it on the screen. The anchor follows the top-left.
    void MoveBy(int dx, int dy);
    // The rectangle spanned by the anchor and (x, y); the anchor stays.
    void DragTo(int x, int y);
    // Takes a new rectangle with its size held within the limits; the anchor becomes its top-left.
    void SetRect(int x, int y, int w, int h);

private:
    void SetCorners(int x1, int y1, int x2, int y2);

    int m_minWidth = 100;
    int m_minHeight = 100;
    int m_maxWidth = 9999;
    int m_maxHeight = 9999;
    int m_anchorX = -1;
    int m_anchorY = -1;
    int m_left = -1;
    int m_top = -1;
    int m_right = -1;
    int m_bottom = -1;
    DragMode m_mode = None;
};
