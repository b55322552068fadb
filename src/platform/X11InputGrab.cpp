#include "platform/X11InputGrab.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <memory>

namespace {

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->connection();
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

}  // namespace

X11InputGrab::X11InputGrab(bool underWayland) : underWayland_(underWayland) {
    rounds_.setInterval(100);
    connect(&rounds_, &QTimer::timeout, this, &X11InputGrab::keep);
}

X11InputGrab::~X11InputGrab() {
    release();
}

void X11InputGrab::hold(const QList<QWindow*>& windows) {
    windows_.clear();
    for (QWindow* window : windows) windows_ << window;
    if (!rounds_.isActive()) {
        qGuiApp->installNativeEventFilter(this);
        rounds_.start();
    }
    keep();
}

void X11InputGrab::release() {
    if (!rounds_.isActive()) return;
    rounds_.stop();
    qGuiApp->removeNativeEventFilter(this);
    if (!windows_.isEmpty() && windows_.first()) {
        if (pointerHeld_) windows_.first()->setMouseGrabEnabled(false);
        if (keyboardHeld_) windows_.first()->setKeyboardGrabEnabled(false);
    }
    keyboardHeld_ = pointerHeld_ = false;
    windows_.clear();
}

bool X11InputGrab::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t kind = event->response_type & ~0x80;
    xcb_window_t window = XCB_NONE;
    if (kind == XCB_UNMAP_NOTIFY)
        window = reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window;
    else if (kind == XCB_REPARENT_NOTIFY)
        window = reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window;
    const bool ours = std::any_of(windows_.begin(), windows_.end(), [window](const auto& held) {
        return held && held->winId() == window;
    });
    // After Qt has seen the event too.
    if (ours) QMetaObject::invokeMethod(this, &X11InputGrab::keep, Qt::QueuedConnection);
    return false;
}

void X11InputGrab::keep() {
    xcb_connection_t* x = connection();
    QList<xcb_window_t> ids;
    for (const auto& window : windows_)
        if (window && window->handle() != nullptr) ids << xcb_window_t(window->winId());
    if (x == nullptr || ids.isEmpty()) return;

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    for (const xcb_window_t id : ids) {
        const ReplyPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x, xcb_query_tree(x, id), nullptr));
        const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, id), nullptr));
        if (!tree || !attributes) continue;
        // Taken off the screen, the window has lost the grab.
        if (tree->parent != tree->root) {
            const ReplyPtr<xcb_get_geometry_reply_t> place(
                xcb_get_geometry_reply(x, xcb_get_geometry(x, id), nullptr));
            xcb_reparent_window(x, id, tree->root, place ? place->x : 0, place ? place->y : 0);
            keyboardHeld_ = pointerHeld_ = false;
        }
        if (attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            xcb_map_window(x, id);
            keyboardHeld_ = pointerHeld_ = false;
        }
    }

    // Any window shown above the lowest of ours covers part of the canvas.
    const ReplyPtr<xcb_query_tree_reply_t> stack(
        xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
    if (stack) {
        const xcb_window_t* children = xcb_query_tree_children(stack.get());
        const int count = xcb_query_tree_children_length(stack.get());
        const auto lowest = std::find_if(
            children, children + count, [&ids](xcb_window_t child) { return ids.contains(child); });
        QList<xcb_get_window_attributes_cookie_t> above;
        for (auto child = lowest; child != children + count; ++child)
            if (!ids.contains(*child)) above << xcb_get_window_attributes(x, *child);
        bool covered = false;
        for (const auto cookie : above) {
            const ReplyPtr<xcb_get_window_attributes_reply_t> reply(
                xcb_get_window_attributes_reply(x, cookie, nullptr));
            covered = covered || (reply && reply->map_state == XCB_MAP_STATE_VIEWABLE);
        }
        if (covered) {
            const uint32_t onTop = XCB_STACK_MODE_ABOVE;
            for (const xcb_window_t id : ids)
                xcb_configure_window(x, id, XCB_CONFIG_WINDOW_STACK_MODE, &onTop);
        }
    }
    xcb_flush(x);

    // Once held, the grab lasts as long as the window is viewable: another
    // program cannot take it, and asking again would stir up focus events.
    QWindow* typing = windows_.first();
    if (typing == nullptr) return;
    if (!keyboardHeld_) keyboardHeld_ = typing->setKeyboardGrabEnabled(true);
    if (!pointerHeld_) pointerHeld_ = typing->setMouseGrabEnabled(true);
}
