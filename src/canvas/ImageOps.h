#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Pixel operations on the canvas's RGB32 images. Each returns the rectangle
// of the destination it changed, so the window repaints just that.

// Copies the block `from` of `src` to `to` in `dst`. Only the part that
// lies inside both images is copied: destination pixels whose source lies
// outside `src` keep what they held. `dst` and `src` are different images.
QRect copyPixels(QImage& dst, QPoint to, const QImage& src, const QRect& from);

// The same, with every colour inverted.
QRect copyInvertedPixels(QImage& dst, QPoint to, const QImage& src, const QRect& from);

// Covers all of `dst` with copies of `tile` side by side, from the top-left
// corner; copies reaching past the edges are clipped.
QRect tilePixels(QImage& dst, const QImage& tile);

// Prints one line of text with its top-left corner at `at`.
QRect drawTextLine(QImage& dst, QPoint at, const QString& text, const QFont& font,
                   const QColor& color);
