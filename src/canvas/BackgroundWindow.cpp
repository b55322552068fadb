#include "canvas/BackgroundWindow.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "canvas/Canvas.h"
#include "canvas/Screens.h"

BackgroundWindow::BackgroundWindow(QWidget* owner)
    // The keyboard stays with the typing screen, also after a click here.
    : ScreenWindow(owner, Qt::WindowDoesNotAcceptFocus) {
    setFocusPolicy(Qt::NoFocus);
}

void BackgroundWindow::showPicture(QScreen& screen, const QImage& picture, Placement placement) {
    image_ = QImage(deviceSize(screen), QImage::Format_RGB32);
    compose(picture, placement);
    showOver(screen);
}

void BackgroundWindow::compose(const QImage& picture, Placement placement) {
    composeWholeScreen(image_, picture, placement, Canvas::kWindowColor);
    update();
}

void BackgroundWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintImage(painter, image_, event->region());
}

void BackgroundWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (isClick(*event)) emit clicked();
}
