#include "platform/Raster.h"

#include <QFontMetrics>
#include <QPainter>
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

QRect BitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop) {
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

QRect TileBlt(QImage& dst, int columns, int rows, const QImage& tile) {
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0 || columns <= 0 || rows <= 0) return QRect();
    const int width = std::min(static_cast<int64_t>(dst.width()), int64_t{columns} * w);
    const int height = std::min(static_cast<int64_t>(dst.height()), int64_t{rows} * h);
    if (width <= 0 || height <= 0) return QRect();
    // The first band of rows is built tile by tile; every later row is a
    // copy of the band's row it repeats, which costs one row copy each.
    const int band = std::min(h, height);
    for (int row = 0; row < band; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(tile.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(dst.scanLine(row));
        for (int x = 0; x < width; x += w)
            std::memcpy(to + x, from, static_cast<size_t>(std::min(w, width - x)) * sizeof(QRgb));
    }
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(QRgb);
    for (int row = band; row < height; ++row)
        std::memcpy(dst.scanLine(row), dst.constScanLine(row % h), rowBytes);
    return QRect(0, 0, width, height);
}

QRect TextOut(QImage& dc, int x, int y, const QString& text, const QFont& font, ColorRef color) {
    if (dc.isNull()) return QRect();
    QPainter painter(&dc);
    painter.setFont(font);
    painter.setPen(QColor(rgbFromColorRef(color)));
    const QFontMetrics metrics(font, &dc);
    const QRect area(x, y, metrics.horizontalAdvance(text) + 1, metrics.height());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return area.intersected(dc.rect());
}
