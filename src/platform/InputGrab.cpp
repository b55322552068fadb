#include "platform/InputGrab.h"

#include <QGuiApplication>

#include "platform/WaylandInputGrab.h"
#include "platform/X11InputGrab.h"

namespace {

// A desktop that lets no program hold anything.
class NoInputGrab final : public InputGrab {
  public:
    Reach reach() const override { return Reach::None; }
    void hold(const QList<QWindow*>&) override {}
    void release() override {}
    bool refused() const override { return false; }
};

}  // namespace

std::unique_ptr<InputGrab> makeInputGrab() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        // Through Xwayland the grab holds other X11 programs' windows only.
        const bool underWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                                  qgetenv("XDG_SESSION_TYPE") == "wayland";
        return std::make_unique<X11InputGrab>(underWayland);
    }
    if (platform.startsWith(QLatin1String("wayland"))) return std::make_unique<WaylandInputGrab>();
    return std::make_unique<NoInputGrab>();
}
