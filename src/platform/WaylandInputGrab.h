#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <vector>

#include "platform/InputGrab.h"

struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

// The hold on Wayland, where no program may take the keyboard: each window
// asks the compositor to pass its shortcuts on to the program instead
// (the keyboard-shortcuts-inhibit protocol). The compositor decides; it may
// ask its user first, and it keeps an escape of its own.
class WaylandInputGrab final : public QObject, public InputGrab {
  public:
    WaylandInputGrab();
    ~WaylandInputGrab() override;

    Reach reach() const override { return manager_ != nullptr ? Reach::IfAllowed : Reach::None; }
    void hold(const QList<QWindow*>& windows) override;
    void release() override;
    bool refused() const override;

  private:
    struct Inhibitor {
        QPointer<QWindow> window;
        wl_surface* surface;
        zwp_keyboard_shortcuts_inhibitor_v1* inhibitor;
    };
    static void announce(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void activated(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
    static void deactivated(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
    // Asks for every window whose surface has none asking yet.
    void keep();
    void drop(Inhibitor& inhibitor);

    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_registry* registry_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    QList<QPointer<QWindow>> windows_;
    std::vector<Inhibitor> inhibitors_;
    bool holding_ = false;
    bool everActive_ = false;
    // A window's surface comes only once it is shown.
    QTimer rounds_;
};
