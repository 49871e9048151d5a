#pragma once

class QBoxLayout;
class QStackedWidget;
class QWidget;

// Keeps a window on a screen too small for its minimum size. At a scale above 1 the screen's
// area in logical pixels can fall below the window's minimum (1200×800 at twice the scale needs
// 2400×1600 pixels): there the minimum becomes the screen's available area and the pages scroll
// in their own area at their own minimum size, so that nothing is squeezed or overlaps. At
// scale 1, or where the window fits, nothing changes.
class ScreenFit
{
public:
    // pages is taken out of layout into a scroll area in its place. Whether the window had to
    // be fitted.
    static bool Apply(QWidget *window, QStackedWidget *pages, QBoxLayout *layout);
};
