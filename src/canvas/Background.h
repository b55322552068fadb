#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>

// How the picture covers the screen: once, centred, at a movable offset, or
// repeated as tiles from the top-left corner.
enum class Placement { Centered, Tiled };

enum class PanDirection { Up, Down, Left, Right };

// Draws `picture` into `buffer`. Centred, the picture pixel at `offset` goes
// to the top-left corner of the picture's place: the middle of the buffer,
// or its left (top) edge when the picture is wider (taller) than the buffer.
// Where the offset reaches outside the picture the buffer keeps what it
// held. Tiled, the tiles cover the whole buffer and the offset is not used.
void composeBackground(QImage& buffer, const QImage& picture, Placement placement, QPoint offset);

// A whole screen of the picture without text, as a screen the canvas does
// not type on shows it: centred at the picture's middle, or tiled; `around`
// where the picture does not reach.
void composeWholeScreen(QImage& buffer, const QImage& picture, Placement placement, QRgb around);

// Where a centred picture larger than the screen first shows: its middle.
QPoint middleOffset(QSize picture, QSize screen);

// The offset an arrow key moves a picture to, `step` pixels at a time and
// no further than its far edge; nullopt when the picture stays where it is.
// Down always answers, also at the lower limit, so that it clears the text
// there too.
std::optional<QPoint> pannedOffset(QPoint offset, PanDirection direction, int step, QSize picture,
                                   QSize screen);
