#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <cstdint>

// A window's "device context" is a QImage in Format_RGB32 the size of the
// screen in device pixels. The operations below act on such images and
// return the rectangle they changed, so the window repaints just that.

// Colours travel as 0x00BBGGRR values until they touch an image.
using ColorRef = uint32_t;

constexpr QRgb rgbFromColorRef(ColorRef c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

constexpr ColorRef colorRefFromRgb(QRgb rgb) {
    return static_cast<ColorRef>(qRed(rgb)) | (static_cast<ColorRef>(qGreen(rgb)) << 8) |
           (static_cast<ColorRef>(qBlue(rgb)) << 16);
}

enum class Rop : uint32_t {
    SrcCopy = 0x00CC0020,
    NotSrcCopy = 0x00330008,
};

// A new device context: an RGB32 image of the given size filled with `fill`.
QImage CreateDeviceContext(int width, int height, ColorRef fill = 0);

// Sets one pixel; a position outside the image is skipped.
QRect SetPixelV(QImage& dc, int x, int y, ColorRef color);

// Copies the w x h block at (sx, sy) of `src` to (x, y) of `dst`. Only the
// part that lies inside both images is copied: destination pixels whose
// source lies outside `src` keep what they held. `dst` and `src` are
// different images.
QRect BitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
             Rop rop = Rop::SrcCopy);

// Fills the whole image with one colour.
QRect FillDeviceContext(QImage& dc, ColorRef color);

// Covers `dst` from its top-left corner with `columns` x `rows` copies of
// `tile`, side by side; copies reaching past the edges are clipped.
QRect TileBlt(QImage& dst, int columns, int rows, const QImage& tile);

// Prints one line of text with its top-left corner at (x, y).
QRect TextOut(QImage& dc, int x, int y, const QString& text, const QFont& font, ColorRef color);
