#include "canvas/ScreenWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "canvas/Canvas.h"

ScreenWindow::ScreenWindow(QWidget* owner, Qt::WindowFlags extraFlags)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | extraFlags) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    ratio_ = primary == nullptr ? 1.0 : primary->devicePixelRatio();
    // paintImage() covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
}

void ScreenWindow::showOver(QScreen& screen) {
    ratio_ = screen.devicePixelRatio();
    setScreen(&screen);
    // Without a window manager showFullScreen() alone keeps the default size.
    setGeometry(screen.geometry());
    // As showFullScreen(), without asking for the keyboard: that is for the
    // typing screen alone.
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) |
                   Qt::WindowFullScreen);
    setVisible(true);
}

QRectF ScreenWindow::logicalRect(const QRect& deviceRect) const {
    return QRectF(QPointF(deviceRect.topLeft()) / ratio_, QSizeF(deviceRect.size()) / ratio_);
}

void ScreenWindow::paintImage(QPainter& painter, const QImage& image, const QRegion& region) const {
    // The image is in device pixels: drawn over its size in logical units,
    // each of its pixels lands on one device pixel.
    const QRectF target = logicalRect(image.rect());
    for (const QRect& part : region - target.toAlignedRect())
        painter.fillRect(part, QColor(Canvas::kWindowColor));
    painter.drawImage(target, image, QRectF(image.rect()));
}

bool ScreenWindow::isClick(const QMouseEvent& event) const {
    return event.button() == Qt::LeftButton && rect().contains(event.position().toPoint());
}
