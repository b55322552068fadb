#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "platform/InputGrab.h"

// The hold on X11: the keyboard and the pointer grabbed for the window typed
// on, which also keeps the window manager's key and button bindings from
// acting. The windows are left out of the window manager's hands, so that
// neither its restart nor its end takes them from the screen, which would end
// the grab; and whatever else takes them off (another program unmapping or
// reparenting them) or covers them (a window opened meanwhile) is undone
// at once, the grab taken back.
class X11InputGrab final : public QObject, public InputGrab, public QAbstractNativeEventFilter {
  public:
    // `underWayland`: an X11 program under a Wayland compositor, whose
    // shortcuts no X grab reaches.
    explicit X11InputGrab(bool underWayland);
    ~X11InputGrab() override;

    Reach reach() const override { return underWayland_ ? Reach::None : Reach::Whole; }
    Qt::WindowFlags windowFlags() const override { return Qt::X11BypassWindowManagerHint; }
    void hold(const QList<QWindow*>& windows) override;
    void release() override;
    bool refused() const override { return false; }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    // Puts the windows back where they belong and takes the grab when it
    // is not held.
    void keep();

    const bool underWayland_;
    QList<QPointer<QWindow>> windows_;
    bool keyboardHeld_ = false;
    bool pointerHeld_ = false;
    // Another program may hold the keyboard for a while, and the desktop
    // tells nobody when a window is covered: so the hold is also looked
    // after on a timer.
    QTimer rounds_;
};
