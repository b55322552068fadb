#include "canvas/Background.h"

#include <algorithm>

#include "canvas/ImageOps.h"

void composeBackground(QImage& buffer, const QImage& picture, Placement placement, QPoint offset) {
    if (placement == Placement::Tiled) {
        tilePixels(buffer, picture);
        return;
    }
    const QPoint place(std::max(0, (buffer.width() - picture.width()) / 2),
                       std::max(0, (buffer.height() - picture.height()) / 2));
    copyPixels(buffer, place, picture, QRect(offset, picture.size()));
}

void composeWholeScreen(QImage& buffer, const QImage& picture, Placement placement, QRgb around) {
    // Filling first costs a pass over the screen; a picture that covers it
    // needs none.
    const bool covers = placement == Placement::Tiled ? !picture.isNull()
                                                      : picture.width() >= buffer.width() &&
                                                            picture.height() >= buffer.height();
    if (!covers) buffer.fill(around);
    composeBackground(buffer, picture, placement, middleOffset(picture.size(), buffer.size()));
}

QPoint middleOffset(QSize picture, QSize screen) {
    return QPoint(std::max(0, (picture.width() - screen.width()) / 2),
                  std::max(0, (picture.height() - screen.height()) / 2));
}

std::optional<QPoint> pannedOffset(QPoint offset, PanDirection direction, int step, QSize picture,
                                   QSize screen) {
    // Up and left stop at 0, down and right at the picture's far edge.
    const auto back = [step](int at) -> std::optional<int> {
        if (at >= step) return at - step;
        if (at != 0) return 0;
        return std::nullopt;
    };
    switch (direction) {
        case PanDirection::Up:
            if (const auto y = back(offset.y())) return QPoint(offset.x(), *y);
            return std::nullopt;
        case PanDirection::Left:
            if (const auto x = back(offset.x())) return QPoint(*x, offset.y());
            return std::nullopt;
        case PanDirection::Down:
            return QPoint(offset.x(),
                          std::min(offset.y() + step, picture.height() - screen.height()));
        case PanDirection::Right:
            if (picture.width() - offset.x() - step >= screen.width())
                return QPoint(offset.x() + step, offset.y());
            if (offset.x() != 0) return QPoint(picture.width() - screen.width(), offset.y());
            return std::nullopt;
    }
    return std::nullopt;
}
