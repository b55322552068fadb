// Measures the real program from the outside, through the X server it runs
// on: how long it takes to show the launcher, how long Start takes to show
// the composed canvas, how long a key takes to reach the screen as the
// glyph's pixels, and how much memory the canvas adds. Keys and clicks go in
// through XTest, exactly as a keyboard's would; the screen is read back with
// XGetImage.
//
//   latency_probe launcher PROGRAM_DIR RUNS
//   latency_probe canvas PROGRAM_DIR PICTURE RUNS KEYS
//
// Prints one JSON object with every sample, in milliseconds and kilobytes.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr char kCaption[] = "Pictype Viewer";
constexpr auto kTimeout = std::chrono::seconds(20);
constexpr int kCell = 32;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Rect {
    int x, y, w, h;
    bool intersects(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

struct Rgb {
    int r, g, b;
};

// One read of a screen rectangle, as 0xRRGGBB values.
std::vector<unsigned long> grab(Display* display, Window window, const Rect& area) {
    // XDestroyImage is a macro, so it cannot be the deleter itself.
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(display, window, area.x, area.y, static_cast<unsigned>(area.w),
                  static_cast<unsigned>(area.h), AllPlanes, ZPixmap),
        destroy);
    if (!image) throw std::runtime_error("XGetImage failed");
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<size_t>(area.w) * static_cast<size_t>(area.h));
    for (int y = 0; y < area.h; ++y)
        for (int x = 0; x < area.w; ++x) pixels.push_back(XGetPixel(image.get(), x, y) & 0xFFFFFF);
    return pixels;
}

Rgb split(unsigned long pixel) {
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

// Polls until `ready` holds, with short pauses so the probe does not starve
// the program or the X server of the processor they share.
void pollUntil(const std::function<bool()>& ready, const char* what) {
    const auto deadline = Clock::now() + kTimeout;
    while (!ready()) {
        if (Clock::now() > deadline) throw std::runtime_error(std::string("timed out: ") + what);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

class Program {
  public:
    Program(const std::string& folder, const std::string& picture) : folder_(folder) {
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            if (chdir(folder.c_str()) != 0) _exit(127);
            if (picture.empty())
                execl("./pictype-viewer", "pictype-viewer", static_cast<char*>(nullptr));
            else
                execl("./pictype-viewer", "pictype-viewer", picture.c_str(),
                      static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Program() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        // A killed run leaves its typed text, which the next start offers in
        // a question before anything else. Nothing the probe types is kept.
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            if (entry.path().filename().string().starts_with('~'))
                std::filesystem::remove(entry.path());
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // A field of /proc/PID/status in kilobytes (VmRSS, VmHWM).
    long statusKilobytes(const std::string& field) const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
        throw std::runtime_error("no " + field + " for the program");
    }

  private:
    std::string folder_;
    pid_t pid_;
};

class Probe {
  public:
    Probe() : display_(XOpenDisplay(nullptr)) {
        if (display_ == nullptr) throw std::runtime_error("cannot open the display");
        int event, error, major, minor;
        if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
            throw std::runtime_error("the X server has no XTest");
        root_ = DefaultRootWindow(display_);
        screen_ = {0, 0, DisplayWidth(display_, DefaultScreen(display_)),
                   DisplayHeight(display_, DefaultScreen(display_))};
        XSelectInput(display_, root_, SubstructureNotifyMask);
    }
    ~Probe() { XCloseDisplay(display_); }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    const Rect& screen() const { return screen_; }

    // The next top-level window to be mapped that has the program's caption
    // (the launcher), or that covers the whole screen (the canvas).
    enum class Wanted { Launcher, Canvas };
    Window waitMapped(Wanted wanted, Rect* where) {
        const auto deadline = Clock::now() + kTimeout;
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != MapNotify || event.xmap.override_redirect) continue;
                const Window window = event.xmap.window;
                XWindowAttributes attributes;
                if (!XGetWindowAttributes(display_, window, &attributes)) continue;
                *where = {attributes.x, attributes.y, attributes.width, attributes.height};
                if (wanted == Wanted::Canvas) {
                    if (where->w == screen_.w && where->h == screen_.h) return window;
                    continue;
                }
                char* name = nullptr;
                const bool ours = XFetchName(display_, window, &name) && name != nullptr &&
                                  std::strcmp(name, kCaption) == 0;
                if (name != nullptr) XFree(name);
                if (ours) return window;
            }
            if (Clock::now() > deadline) throw std::runtime_error("timed out: no window mapped");
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

    // The launcher is painted once its light face and the dark text of its
    // captions are on the screen, neither of which the bare screen shows.
    void waitLauncherPainted(const Rect& launcher) {
        pollUntil(
            [&] {
                int face = 0, dark = 0;
                for (unsigned long pixel : grab(display_, root_, launcher)) {
                    const Rgb c = split(pixel);
                    const int low = std::min({c.r, c.g, c.b}), high = std::max({c.r, c.g, c.b});
                    if (low >= 200 && high <= 250) ++face;
                    if (high < 100) ++dark;
                }
                return face * 5 > launcher.w * launcher.h * 2 && dark > 30;
            },
            "the launcher was not painted");
    }

    // The composed canvas shows the photograph: no black of the empty
    // window, no white or black of the bare screen.
    void waitPictureShown(const Rect& sample) {
        pollUntil(
            [&] {
                int coloured = 0;
                for (unsigned long pixel : grab(display_, root_, sample)) {
                    const Rgb c = split(pixel);
                    const int low = std::min({c.r, c.g, c.b}), high = std::max({c.r, c.g, c.b});
                    if (high > 16 && low < 250) ++coloured;
                }
                return coloured * 10 >= sample.w * sample.h * 9;
            },
            "the canvas did not show the picture");
    }

    void click(int x, int y) {
        XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
    }

    void focus(Window window) {
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        XSync(display_, False);
    }

    // Presses a key and measures until the cell's pixels change; the cell's
    // last row is left out, as it holds the cursor mark.
    double keyToPixels(KeySym key, const Rect& cell) {
        const Rect glyphRows{cell.x, cell.y, cell.w, cell.h - 1};
        const std::vector<unsigned long> before = grab(display_, root_, glyphRows);
        const KeyCode code = XKeysymToKeycode(display_, key);
        const auto start = Clock::now();
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XFlush(display_);
        pollUntil([&] { return grab(display_, root_, glyphRows) != before; },
                  "the glyph did not appear");
        const double elapsed = millisecondsSince(start);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
        return elapsed;
    }

  private:
    Display* display_;
    Window root_;
    Rect screen_;
};

// A corner of the screen that the launcher does not cover.
Rect sampleAwayFrom(const Rect& screen, const Rect& launcher) {
    constexpr int kSize = 48, kMargin = 40;
    const Rect corners[] = {
        {screen.w - kSize - kMargin, screen.h - kSize - kMargin, kSize, kSize},
        {kMargin, screen.h - kSize - kMargin, kSize, kSize},
        {screen.w - kSize - kMargin, kMargin + 2 * kCell, kSize, kSize},
    };
    for (const Rect& corner : corners)
        if (!corner.intersects(launcher)) return corner;
    throw std::runtime_error("the launcher covers every sample place");
}

std::string jsonList(const std::vector<double>& values) {
    std::ostringstream out;
    out << '[';
    for (size_t i = 0; i < values.size(); ++i) out << (i ? ", " : "") << values[i];
    out << ']';
    return out.str();
}

void measureLauncher(const std::string& folder, int runs) {
    Probe probe;
    std::vector<double> shown;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        Program program(folder, "");
        Rect launcher{};
        probe.waitMapped(Probe::Wanted::Launcher, &launcher);
        probe.waitLauncherPainted(launcher);
        shown.push_back(millisecondsSince(start));
    }
    std::printf("{\"start_to_launcher_ms\": %s}\n", jsonList(shown).c_str());
}

void measureCanvas(const std::string& folder, const std::string& picture, int runs, int keys) {
    Probe probe;
    const Rect& screen = probe.screen();
    std::vector<double> composed, keyLatency, launcherRss, canvasRss, canvasHwm;
    for (int run = 0; run < runs; ++run) {
        Program program(folder, picture);
        Rect launcher{};
        probe.waitMapped(Probe::Wanted::Launcher, &launcher);
        probe.waitLauncherPainted(launcher);
        // Let the launcher settle before its memory is the baseline.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        launcherRss.push_back(static_cast<double>(program.statusKilobytes("VmRSS")));

        // Start sits at (16, 8) in the launcher, 113 x 25 pixels.
        const Rect sample = sampleAwayFrom(screen, launcher);
        const auto start = Clock::now();
        probe.click(launcher.x + 16 + 56, launcher.y + 8 + 12);
        Rect canvasArea{};
        const Window canvas = probe.waitMapped(Probe::Wanted::Canvas, &canvasArea);
        probe.waitPictureShown(sample);
        composed.push_back(millisecondsSince(start));

        if (run == 0 && keys > 0) {
            probe.focus(canvas);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const int columns = screen.w / kCell;
            for (int k = 0; k < keys; ++k) {
                const Rect cell{(k % columns) * kCell, (k / columns) * kCell, kCell, kCell};
                keyLatency.push_back(probe.keyToPixels(XK_a + k % 26, cell));
                // Keys of a brisk typist, not a flood.
                std::this_thread::sleep_for(std::chrono::milliseconds(15));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        canvasRss.push_back(static_cast<double>(program.statusKilobytes("VmRSS")));
        canvasHwm.push_back(static_cast<double>(program.statusKilobytes("VmHWM")));
    }
    std::printf(
        "{\"screen\": [%d, %d], \"start_to_canvas_ms\": %s, \"key_to_pixels_ms\": %s, "
        "\"launcher_rss_kb\": %s, \"canvas_rss_kb\": %s, \"canvas_hwm_kb\": %s}\n",
        screen.w, screen.h, jsonList(composed).c_str(), jsonList(keyLatency).c_str(),
        jsonList(launcherRss).c_str(), jsonList(canvasRss).c_str(), jsonList(canvasHwm).c_str());
}

int usage() {
    std::fprintf(stderr,
                 "usage: latency_probe launcher PROGRAM_DIR RUNS\n"
                 "       latency_probe canvas PROGRAM_DIR PICTURE RUNS KEYS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "launcher") {
            measureLauncher(args[1], std::stoi(args[2]));
        } else if (args.size() == 5 && args[0] == "canvas") {
            measureCanvas(args[1], args[2], std::stoi(args[3]), std::stoi(args[4]));
        } else {
            return usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "latency_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}
