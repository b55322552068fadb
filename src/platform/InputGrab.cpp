#include "platform/InputGrab.h"

#include <QGuiApplication>
#include <QWindow>

bool QtInputGrab::possible() const {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool QtInputGrab::grab(QWindow& window) {
    // On X11 these are the server's own grabs, which also keep the window
    // manager's key and button bindings from acting.
    return window.setKeyboardGrabEnabled(true) && window.setMouseGrabEnabled(true);
}

void QtInputGrab::release(QWindow& window) {
    window.setMouseGrabEnabled(false);
    window.setKeyboardGrabEnabled(false);
}
