#include "canvas/BackgroundWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "canvas/Canvas.h"
#include "canvas/Screens.h"

BackgroundWindow::BackgroundWindow(QWidget* owner, Qt::WindowFlags extraFlags)
    // The keyboard stays with the typing screen, also after a click here,
    // where the desktop lets the program say so.
    : ScreenWindow(owner, Qt::WindowDoesNotAcceptFocus | extraFlags) {
    setFocusPolicy(Qt::NoFocus);
    // For the input method, should this window have the keyboard.
    setAttribute(Qt::WA_InputMethodEnabled);
}

bool BackgroundWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
            return QCoreApplication::sendEvent(parentWidget(), event);
        default:
            return ScreenWindow::event(event);
    }
}

QVariant BackgroundWindow::inputMethodQuery(Qt::InputMethodQuery query) const {
    return parentWidget()->inputMethodQuery(query);
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
