#pragma once

#include <QApplication>

// The application object with the program's one top-level error catch: a
// failure that no handler traps is shown in a message box titled with the
// program's title, and the program ends with a non-zero status.
class PictypeApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

// What Qt is to try for the desktop (QT_QPA_PLATFORM), given the user's own
// choice and the session's WAYLAND_DISPLAY: Wayland first on a Wayland
// session, where Qt 6.4 would otherwise take X11 through Xwayland on GNOME,
// out of reach of the compositor's shortcuts; empty for Qt's own choice.
QByteArray platformsToTry(const QByteArray& chosen, const QByteArray& waylandDisplay);
