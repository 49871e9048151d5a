#pragma once

#include <QColor>
#include <QPainter>

// The drawings behind every picture of the program. Each function draws into a painter whose
// device is exactly the picture; sizes below are the picture sizes the drawings are made for.
namespace Glyphs {

const QColor kActiveGreen("#84C221");
const QColor kInactiveGray("#A0A0A0");
const QColor kProgressGreen("#26BF3E");
const QColor kText("#333333");
const QColor kMuted("#797979");
const QColor kOrange("#FF9900");
const QColor kAlertRed("#E81123");
const QColor kSubstrate("#3C4046");

enum class Direction
{
    Left,
    Right,
    Up,
    Down
};
enum class PagingLook
{
    Normal,
    Hover,
    Click,
    Disabled
};

// The product mark: a gauge probe resting on layered coating stripes, on a rounded green tile.
// Scales to any square size; the sensing arcs are left out below 40 pixels.
void ProductMark(QPainter &p, int size);

// Title-bar glyphs, 12x12.
void MinimiseGlyph(QPainter &p, const QColor &color);
void MaximiseGlyph(QPainter &p, const QColor &color);
void RestoreGlyph(QPainter &p, const QColor &color);
// A thin diagonal cross filling a square of `size` pixels.
void CrossGlyph(QPainter &p, int size, const QColor &color);

// A combo-box arrow, 12x12.
void ComboArrow(QPainter &p, Direction direction);

// View buttons of the real-time area, 20x20.
void ListViewGlyph(QPainter &p, const QColor &color);
void LineChartGlyph(QPainter &p, const QColor &color);
void BarChartGlyph(QPainter &p, const QColor &color);

// Round paging button with a chevron, 30x30.
void PagingButton(QPainter &p, Direction direction, PagingLook look);

// Progress icons of the message dialog, 30x30.
void SyncGlyph(QPainter &p, const QColor &color);
void DownloadGlyph(QPainter &p, const QColor &color);

// Message icons, 50x50.
void UnpluggedGlyph(QPainter &p);
void ClockGlyph(QPainter &p, const QColor &color);
void WarningGlyph(QPainter &p);
// A confirmation: a white "i" in a green disc.
void InformationGlyph(QPainter &p);

} // namespace Glyphs
