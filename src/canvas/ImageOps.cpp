#include "canvas/ImageOps.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

template <typename CopyRow>
QRect copyBlock(QImage& dst, QPoint to, const QImage& src, const QRect& from, CopyRow copyRow) {
    if (from.isEmpty()) return QRect();
    // Clip in source coordinates against both images.
    const int left = std::max({0, from.left(), from.left() - to.x()});
    const int top = std::max({0, from.top(), from.top() - to.y()});
    const int right =
        std::min({from.left() + from.width(), src.width(), from.left() + (dst.width() - to.x())});
    const int bottom =
        std::min({from.top() + from.height(), src.height(), from.top() + (dst.height() - to.y())});
    if (left >= right || top >= bottom) return QRect();
    const int dx = to.x() - from.left();
    const int dy = to.y() - from.top();
    const int width = right - left;
    for (int row = top; row < bottom; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(src.constScanLine(row)) + left;
        auto* target = reinterpret_cast<QRgb*>(dst.scanLine(row + dy)) + left + dx;
        copyRow(target, source, width);
    }
    return QRect(left + dx, top + dy, width, bottom - top);
}

}  // namespace

QRect copyPixels(QImage& dst, QPoint to, const QImage& src, const QRect& from) {
    return copyBlock(dst, to, src, from, [](QRgb* target, const QRgb* source, int width) {
        std::memcpy(target, source, static_cast<size_t>(width) * sizeof(QRgb));
    });
}

QRect copyInvertedPixels(QImage& dst, QPoint to, const QImage& src, const QRect& from) {
    return copyBlock(dst, to, src, from, [](QRgb* target, const QRgb* source, int width) {
        for (int i = 0; i < width; ++i) target[i] = 0xFF000000u | ~source[i];
    });
}

QRect tilePixels(QImage& dst, const QImage& tile) {
    const int w = tile.width();
    const int h = tile.height();
    const int width = dst.width();
    const int height = dst.height();
    if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return QRect();
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
    return dst.rect();
}

QRect drawTextLine(QImage& dst, QPoint at, const QString& text, const QFont& font,
                   const QColor& color) {
    if (dst.isNull()) return QRect();
    QPainter painter(&dst);
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetrics metrics(font, &dst);
    const QRect area(at, QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return area.intersected(dst.rect());
}
