#include "platform/Raster.h"

#include <algorithm>
#include <cstring>

QImage CreateDeviceContext(int width, int height, ColorRef fill) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.fill(rgbFromColorRef(fill));
    return image;
}

QRect SetPixelV(QImage& dc, int x, int y, ColorRef color) {
    if (x < 0 || y < 0 || x >= dc.width() || y >= dc.height()) return QRect();
    reinterpret_cast<QRgb*>(dc.scanLine(y))[x] = rgbFromColorRef(color);
    return QRect(x, y, 1, 1);
}

QRect BitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
             Rop rop) {
    if (w <= 0 || h <= 0) return QRect();
    // Clip in source coordinates against both images.
    int left = std::max({0, sx, sx - x});
    int top = std::max({0, sy, sy - y});
    int right = std::min({sx + w, src.width(), sx + (dst.width() - x)});
    int bottom = std::min({sy + h, src.height(), sy + (dst.height() - y)});
    if (left >= right || top >= bottom) return QRect();
    const int dx = x - sx;
    const int dy = y - sy;
    const int width = right - left;
    for (int row = top; row < bottom; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(row)) + left;
        auto* to = reinterpret_cast<QRgb*>(dst.scanLine(row + dy)) + left + dx;
        if (rop == Rop::SrcCopy) {
            std::memcpy(to, from, static_cast<size_t>(width) * sizeof(QRgb));
        } else {
            for (int i = 0; i < width; ++i) to[i] = 0xFF000000u | ~from[i];
        }
    }
    return QRect(left + dx, top + dy, width, bottom - top);
}

QRect FillDeviceContext(QImage& dc, ColorRef color) {
    dc.fill(rgbFromColorRef(color));
    return dc.rect();
}
