#include "ProcessObject.h"

#include <QtGlobal>

ProcessObject::ProcessObject(QObject *parent) : QObject(parent) {}

void ProcessObject::SetAnchor(int x, int y)
{
    m_anchorX = x;
    m_anchorY = y;
}

void ProcessObject::SetMinimumSize(const QSize &size)
{
    m_minWidth = size.width();
    m_minHeight = size.height();
}

void ProcessObject::MoveBy(int dx, int dy)
{
    SetCorners(m_left + dx, m_top + dy, m_right + dx, m_bottom + dy);
    SetAnchor(m_left, m_top);
}

void ProcessObject::DragTo(int x, int y)
{
    SetCorners(m_anchorX, m_anchorY, x, y);
}

void ProcessObject::SetRect(int x, int y, int w, int h)
{
    w = qMin(qMax(w, m_minWidth), m_maxWidth);
    h = qMin(qMax(h, m_minHeight), m_maxHeight);
    SetCorners(x, y, x + w, y + h);
    SetAnchor(m_left, m_top);
}

void ProcessObject::SetCorners(int x1, int y1, int x2, int y2)
{
    m_left = qMin(x1, x2);
    m_right = qMax(x1, x2);
    m_top = qMin(y1, y2);
    m_bottom = qMax(y1, y2);
}
