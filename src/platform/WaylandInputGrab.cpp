#include "platform/WaylandInputGrab.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstring>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace {

QPlatformNativeInterface* native() {
    return QGuiApplication::platformNativeInterface();
}

wl_surface* surfaceOf(QWindow* window) {
    if (window == nullptr || window->handle() == nullptr) return nullptr;
    return static_cast<wl_surface*>(native()->nativeResourceForWindow("surface", window));
}

}  // namespace

WaylandInputGrab::WaylandInputGrab() {
    rounds_.setInterval(100);
    connect(&rounds_, &QTimer::timeout, this, &WaylandInputGrab::keep);
    if (native() == nullptr) return;
    display_ = static_cast<wl_display*>(native()->nativeResourceForIntegration("wl_display"));
    seat_ = static_cast<wl_seat*>(native()->nativeResourceForIntegration("wl_seat"));
    if (display_ == nullptr || seat_ == nullptr) return;
    static const wl_registry_listener listener = {&WaylandInputGrab::announce,
                                                  [](void*, wl_registry*, uint32_t) {}};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    // The globals are announced in answer.
    wl_display_roundtrip(display_);
}

WaylandInputGrab::~WaylandInputGrab() {
    release();
    if (manager_ != nullptr) zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    if (registry_ != nullptr) wl_registry_destroy(registry_);
}

void WaylandInputGrab::announce(void* data, wl_registry* registry, uint32_t name,
                                const char* interface, uint32_t) {
    auto* self = static_cast<WaylandInputGrab*>(data);
    if (self->manager_ == nullptr &&
        std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        self->manager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void WaylandInputGrab::activated(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    static_cast<WaylandInputGrab*>(data)->everActive_ = true;
}

void WaylandInputGrab::deactivated(void*, zwp_keyboard_shortcuts_inhibitor_v1*) {
    // The compositor's own escape, or the window lost the keyboard: asked
    // for again by nobody, the compositor gives it back when it may.
}

void WaylandInputGrab::hold(const QList<QWindow*>& windows) {
    if (manager_ == nullptr) return;
    if (!holding_) everActive_ = false;
    holding_ = true;
    windows_.clear();
    for (QWindow* window : windows) windows_ << window;
    keep();
    rounds_.start();
}

void WaylandInputGrab::keep() {
    // A surface asks once: a second inhibitor for it is a protocol error.
    for (Inhibitor& inhibitor : inhibitors_)
        if (!windows_.contains(inhibitor.window) ||
            surfaceOf(inhibitor.window) != inhibitor.surface)
            drop(inhibitor);
    std::erase_if(inhibitors_,
                  [](const Inhibitor& inhibitor) { return inhibitor.inhibitor == nullptr; });
    bool waiting = false;
    for (const QPointer<QWindow>& window : windows_) {
        wl_surface* surface = surfaceOf(window);
        if (surface == nullptr) {
            waiting = waiting || window != nullptr;
            continue;
        }
        if (std::any_of(inhibitors_.begin(), inhibitors_.end(),
                        [surface](const Inhibitor& held) { return held.surface == surface; }))
            continue;
        static const zwp_keyboard_shortcuts_inhibitor_v1_listener listener = {
            &WaylandInputGrab::activated, &WaylandInputGrab::deactivated};
        auto* inhibitor =
            zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_);
        zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor, &listener, this);
        inhibitors_.push_back({window, surface, inhibitor});
    }
    if (!waiting) rounds_.stop();
    wl_display_flush(display_);
}

void WaylandInputGrab::drop(Inhibitor& inhibitor) {
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor.inhibitor);
    inhibitor.inhibitor = nullptr;
}

void WaylandInputGrab::release() {
    rounds_.stop();
    holding_ = false;
    windows_.clear();
    for (Inhibitor& inhibitor : inhibitors_) drop(inhibitor);
    inhibitors_.clear();
    if (display_ != nullptr) wl_display_flush(display_);
}

bool WaylandInputGrab::refused() const {
    return manager_ != nullptr && !everActive_;
}
