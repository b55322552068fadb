#pragma once

#include <QtCore/qnamespace.h>

#include <QList>
#include <memory>

class QWindow;

// Holding the keyboard and the pointer for the canvas's windows, so that the
// desktop's own shortcuts (switching and closing windows, its menus and
// launchers) do not act while they are up.
class InputGrab {
  public:
    // How far a hold reaches on this desktop.
    enum class Reach {
        // The program holds the keyboard itself (X11).
        Whole,
        // The desktop passes its shortcuts on once it, or its user, allows
        // it (Wayland with the shortcuts-inhibit protocol).
        IfAllowed,
        // Nothing is held: the desktop's shortcuts keep working.
        None,
    };

    virtual ~InputGrab() = default;
    virtual Reach reach() const = 0;
    // What the windows to hold for are made with.
    virtual Qt::WindowFlags windowFlags() const { return {}; }
    // Holds for `windows`, the one typed on first, until release(): at once
    // where the desktop allows it, else as soon as it does, and again
    // whenever the hold is lost. Called anew whenever the windows change.
    virtual void hold(const QList<QWindow*>& windows) = 0;
    virtual void release() = 0;
    // Whether the desktop, or its user, has refused the hold since hold().
    virtual bool refused() const = 0;
};

// The hold for the desktop Qt runs on.
std::unique_ptr<InputGrab> makeInputGrab();
