#pragma once

class QWindow;

// Holding the keyboard and the pointer for one window, so that the
// desktop's own shortcuts (switching and closing windows, its menus and
// launchers) do not act while that window is up.
class InputGrab {
  public:
    virtual ~InputGrab() = default;
    // Whether this desktop lets a program hold them at all: X11 does,
    // Wayland does not.
    virtual bool possible() const = 0;
    // Holds both for `window`. False when the desktop refused, as it does
    // while the window is not on the screen yet or another program holds
    // them; asking again later is harmless.
    virtual bool grab(QWindow& window) = 0;
    virtual void release(QWindow& window) = 0;
};

class QtInputGrab final : public InputGrab {
  public:
    bool possible() const override;
    bool grab(QWindow& window) override;
    void release(QWindow& window) override;
};
