// Measures the real program from the outside, through the X server it runs
// on: how long it takes to show the launcher, how long Start takes to show
// the composed canvas (with the picture chosen well before, or chosen in the
// dialog Start opens), how long a key takes to reach the screen as the
// glyph's pixels, how long F5 and the arrow keys take to show the next
// picture or the moved one (pressed once, or held down), and how much memory
// the canvas adds. Keys and clicks go in through XTest, exactly as a
// keyboard's would; the screen is read back with XGetImage. A held key
// repeats as a desktop repeats it: after 500 ms, every 30 ms.
//
//   latency_probe launcher PROGRAM_DIR RUNS
//   latency_probe canvas PROGRAM_DIR PICTURE RUNS KEYS
//   latency_probe chosen PROGRAM_DIR PICTURE RUNS
//   latency_probe folder PROGRAM_DIR PICTURE ROUNDS      (PICTURE's folder holds 5 pictures)
//   latency_probe pan PROGRAM_DIR PICTURE PRESSES
//
// Prints one JSON object with every sample, in milliseconds and kilobytes.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr char kCaption[] = "Pictype Viewer";
constexpr auto kTimeout = std::chrono::seconds(30);
constexpr int kCell = 32;
// How a desktop repeats a held key.
constexpr auto kRepeatDelay = std::chrono::milliseconds(500);
constexpr auto kRepeatInterval = std::chrono::milliseconds(30);

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void sleepFor(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
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

using Pixels = std::vector<unsigned long>;

// One read of a screen rectangle, as 0xRRGGBB values.
Pixels grab(Display* display, Window window, const Rect& area) {
    // XDestroyImage is a macro, so it cannot be the deleter itself.
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(display, window, area.x, area.y, static_cast<unsigned>(area.w),
                  static_cast<unsigned>(area.h), AllPlanes, ZPixmap),
        destroy);
    if (!image) throw std::runtime_error("XGetImage failed");
    Pixels pixels;
    pixels.reserve(static_cast<size_t>(area.w) * static_cast<size_t>(area.h));
    for (int y = 0; y < area.h; ++y)
        for (int x = 0; x < area.w; ++x) pixels.push_back(XGetPixel(image.get(), x, y) & 0xFFFFFF);
    return pixels;
}

Rgb split(unsigned long pixel) {
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

// The photographs have no black or white: most of a sample showing one is
// coloured, unlike the empty window and the bare screen.
bool showsPhoto(const Pixels& pixels) {
    size_t coloured = 0;
    for (unsigned long pixel : pixels) {
        const Rgb c = split(pixel);
        const int low = std::min({c.r, c.g, c.b}), high = std::max({c.r, c.g, c.b});
        if (high > 16 && low < 250) ++coloured;
    }
    return coloured * 10 >= pixels.size() * 9;
}

// The mean colour of a sample, which tells the photographs apart.
std::array<double, 3> meanColour(const Pixels& pixels) {
    std::array<double, 3> sum{};
    for (unsigned long pixel : pixels) {
        const Rgb c = split(pixel);
        sum[0] += c.r;
        sum[1] += c.g;
        sum[2] += c.b;
    }
    for (double& channel : sum) channel /= static_cast<double>(pixels.size());
    return sum;
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

std::string jsonList(const std::vector<double>& values) {
    std::ostringstream out;
    out << '[';
    for (size_t i = 0; i < values.size(); ++i) out << (i ? ", " : "") << values[i];
    out << ']';
    return out.str();
}

double probeClock(Clock::time_point at) {
    return std::chrono::duration<double, std::milli>(at.time_since_epoch()).count();
}

// A moment the program marked (PICTYPE_TRACE), on the probe's clock.
struct Mark {
    double at;
    std::string what;
};

class Program {
  public:
    Program(const std::string& folder, const std::string& picture)
        : folder_(folder), trace_(folder + "/probe-trace.log") {
        unlink(trace_.c_str());
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            if (chdir(folder.c_str()) != 0) _exit(127);
            setenv("PICTYPE_TRACE", trace_.c_str(), 1);
            if (picture.empty())
                execl("./pictype-viewer", "pictype-viewer", static_cast<char*>(nullptr));
            else
                execl("./pictype-viewer", "pictype-viewer", picture.c_str(),
                      static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    // Ends the program, and removes the text it typed, which the next
    // start would offer to save.
    ~Program() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        unlink(trace_.c_str());
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

    std::vector<Mark> marks() const {
        std::ifstream trace(trace_);
        std::vector<Mark> marks;
        Mark mark;
        while (trace >> mark.at && std::getline(trace >> std::ws, mark.what)) marks.push_back(mark);
        return marks;
    }

  private:
    std::string folder_;
    std::string trace_;
    pid_t pid_;
};

// Where the time of Starts went, from the marks of the program: each phase
// of each Start, in milliseconds, in the order they follow one another.
class Breakdown {
  public:
    // A Start from `begin` (the click, or the Return in the dialog) until
    // the probe saw the picture at `seen`. A program that marks nothing
    // (one built before the marks) adds nothing.
    void add(const std::vector<Mark>& marks, Clock::time_point begin, Clock::time_point seen) {
        if (marks.empty()) return;
        const auto at = [&marks](const char* what, double after) {
            for (const Mark& mark : marks)
                if (mark.at >= after && mark.what == what) return mark.at;
            throw std::runtime_error(std::string("the program did not mark ") + what);
        };
        const double start = at("start", probeClock(begin));
        const double letters = at("letters read", start);
        const double canvas = at("canvas made", letters);
        const double atHand = at("picture at hand", canvas);
        const double composed = at("picture composed", atHand);
        const double shown = at("window shown", composed);
        const double painted = at("painted", shown);
        // A decode that began after the click or the Return, on the way to the picture.
        double decode = 0;
        for (const Mark& mark : marks)
            if (mark.what == "decode begins" && mark.at >= probeClock(begin) && mark.at < atHand)
                decode = at("decode ends", mark.at) - mark.at;
        const std::pair<const char*, double> phases[] = {
            {"input", start - probeClock(begin)},
            {"letters", letters - start},
            {"buffers", canvas - letters},
            {"waiting", atHand - canvas},
            {"decode", decode},
            {"compose", composed - atHand},
            {"window", shown - composed},
            {"paint", painted - shown},
            {"x_server", probeClock(seen) - painted},
        };
        for (const auto& [name, value] : phases) phases_[name].push_back(value);
    }
    std::string json() const {
        std::ostringstream out;
        out << '{';
        for (auto phase = phases_.begin(); phase != phases_.end(); ++phase)
            out << (phase == phases_.begin() ? "" : ", ") << '"' << phase->first
                << "\": " << jsonList(phase->second);
        out << '}';
        return out.str();
    }

  private:
    std::map<std::string, std::vector<double>> phases_;
};

// A window that went away between its event and the probe's look at it is
// no error: it is passed over.
int ignoreGoneWindows(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow) return 0;
    std::fprintf(stderr, "latency_probe: X error %d\n", error->error_code);
    std::exit(1);
}

class Probe {
  public:
    Probe() : display_(XOpenDisplay(nullptr)) {
        XSetErrorHandler(ignoreGoneWindows);
        if (display_ == nullptr) throw std::runtime_error("cannot open the display");
        int event, error, major, minor;
        if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
            throw std::runtime_error("the X server has no XTest");
        root_ = DefaultRootWindow(display_);
        screen_ = {0, 0, DisplayWidth(display_, DefaultScreen(display_)),
                   DisplayHeight(display_, DefaultScreen(display_))};
        XSelectInput(display_, root_, SubstructureNotifyMask);
        // Held keys repeat as the probe repeats them, so it knows every press.
        XAutoRepeatOff(display_);
    }
    ~Probe() {
        XAutoRepeatOn(display_);
        XCloseDisplay(display_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    const Rect& screen() const { return screen_; }
    Pixels grab(const Rect& area) { return ::grab(display_, root_, area); }

    // The next top-level window to be mapped that has the program's caption
    // (the launcher) or the given one, or that covers the whole screen (the
    // canvas).
    enum class Wanted { Launcher, Canvas, Dialog };
    Window waitMapped(Wanted wanted, Rect* where, const char* caption = kCaption) {
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
                                  std::strcmp(name, caption) == 0;
                if (name != nullptr) XFree(name);
                if (ours) return window;
            }
            if (Clock::now() > deadline)
                throw std::runtime_error(std::string("timed out: no ") +
                                         (wanted == Wanted::Canvas ? "canvas" : caption) +
                                         " window mapped");
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

    // The launcher is painted once its light face and the dark text of its
    // captions are on the screen, neither of which the bare screen shows.
    void waitLauncherPainted(const Rect& launcher) {
        pollUntil(
            [&] {
                int face = 0, dark = 0;
                for (unsigned long pixel : grab(launcher)) {
                    const Rgb c = split(pixel);
                    const int low = std::min({c.r, c.g, c.b}), high = std::max({c.r, c.g, c.b});
                    if (low >= 200 && high <= 250) ++face;
                    if (high < 100) ++dark;
                }
                return face * 5 > launcher.w * launcher.h * 2 && dark > 30;
            },
            "the launcher was not painted");
    }

    void waitPictureShown(const Rect& sample) {
        pollUntil([&] { return showsPhoto(grab(sample)); }, "the canvas did not show the picture");
    }

    // Waits until the sample shows a photograph other than `before`; returns it.
    Pixels waitChange(const Rect& sample, const Pixels& before, const char* what) {
        Pixels now;
        pollUntil(
            [&] {
                now = grab(sample);
                return now != before && showsPhoto(now);
            },
            what);
        return now;
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

    void key(KeySym symbol, bool down) {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, symbol), down, CurrentTime);
        XFlush(display_);
    }

    // Types printable ASCII, with Shift where the keyboard needs it.
    void type(const std::string& text) {
        for (const char c : text) {
            const KeySym symbol = static_cast<KeySym>(static_cast<unsigned char>(c));
            const KeyCode code = XKeysymToKeycode(display_, symbol);
            if (code == 0) throw std::runtime_error(std::string("no key types ") + c);
            const bool shifted = XkbKeycodeToKeysym(display_, code, 0, 0) != symbol;
            if (shifted) key(XK_Shift_L, true);
            XTestFakeKeyEvent(display_, code, True, CurrentTime);
            XTestFakeKeyEvent(display_, code, False, CurrentTime);
            if (shifted) key(XK_Shift_L, false);
            XSync(display_, False);
            sleepFor(5);
        }
    }

    // Presses a key and measures until the cell's pixels change; the cell's
    // last row is left out, as it holds the cursor mark.
    double keyToPixels(KeySym symbol, const Rect& cell) {
        const Rect glyphRows{cell.x, cell.y, cell.w, cell.h - 1};
        const Pixels before = grab(glyphRows);
        const auto start = Clock::now();
        key(symbol, true);
        pollUntil([&] { return grab(glyphRows) != before; }, "the glyph did not appear");
        const double elapsed = millisecondsSince(start);
        key(symbol, false);
        XSync(display_, False);
        return elapsed;
    }

    // Holds a key down for `presses` presses, repeating it as a desktop
    // does, while `watch` runs between them.
    void hold(KeySym symbol, int presses, const std::function<void()>& watch) {
        const auto start = Clock::now();
        for (int press = 0; press < presses;) {
            const auto due =
                press == 0 ? start : start + kRepeatDelay + kRepeatInterval * (press - 1);
            if (Clock::now() >= due) {
                // The X server repeats a key as a release and a press at once.
                if (press > 0) key(symbol, false);
                key(symbol, true);
                ++press;
            }
            watch();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        key(symbol, false);
    }

    // Presses F3 after the keys sent so far: its time line (yellow, at the
    // top-left) shows once every key before it is handled. Waits for that
    // and for `alsoShown` to hold; the time from `since`.
    double handledAll(Clock::time_point since, const std::function<bool()>& alsoShown) {
        key(XK_F3, true);
        key(XK_F3, false);
        const Rect timeLine{0, 0, 160, 16};
        bool timeShown = false;
        pollUntil(
            [&] {
                if (!timeShown) {
                    const Pixels line = grab(timeLine);
                    timeShown = std::count(line.begin(), line.end(), 0xFFFF00ul) >= 10;
                }
                return timeShown && alsoShown();
            },
            "the keys were not handled");
        return millisecondsSince(since);
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

// The program started with `picture` (empty: none), its launcher painted.
struct Session {
    Session(Probe& probe, const std::string& folder, const std::string& picture)
        : program(folder, picture) {
        probe.waitMapped(Probe::Wanted::Launcher, &launcher);
        probe.waitLauncherPainted(launcher);
        sample = sampleAwayFrom(probe.screen(), launcher);
    }
    // Start sits at (16, 8) in the launcher, 113 x 25 pixels.
    void clickStart(Probe& probe) const { probe.click(launcher.x + 16 + 56, launcher.y + 8 + 12); }
    // Start with the picture chosen long before; the time until it shows,
    // and where it went into `breakdown` when given.
    double start(Probe& probe, Breakdown* breakdown = nullptr) {
        // The picture is chosen at the program's start; a second at least
        // passes before Start.
        sleepFor(1000);
        const auto begin = Clock::now();
        clickStart(probe);
        Rect area{};
        canvas = probe.waitMapped(Probe::Wanted::Canvas, &area);
        probe.waitPictureShown(sample);
        const auto seen = Clock::now();
        probe.focus(canvas);
        sleepFor(200);
        if (breakdown) breakdown->add(program.marks(), begin, seen);
        return std::chrono::duration<double, std::milli>(seen - begin).count();
    }

    Program program;
    Rect launcher{};
    Rect sample{};
    Window canvas = 0;
};

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
    Breakdown breakdown;
    for (int run = 0; run < runs; ++run) {
        {
            // The launcher alone, with no picture decoded ahead.
            Session bare(probe, folder, "");
            sleepFor(300);
            launcherRss.push_back(static_cast<double>(bare.program.statusKilobytes("VmRSS")));
        }
        Session session(probe, folder, picture);
        composed.push_back(session.start(probe, &breakdown));
        if (run == 0) {
            const int columns = screen.w / kCell;
            for (int k = 0; k < keys; ++k) {
                const Rect cell{(k % columns) * kCell, (k / columns) * kCell, kCell, kCell};
                keyLatency.push_back(probe.keyToPixels(XK_a + k % 26, cell));
                // Keys of a brisk typist, not a flood.
                sleepFor(15);
            }
        }
        sleepFor(300);
        canvasRss.push_back(static_cast<double>(session.program.statusKilobytes("VmRSS")));
        canvasHwm.push_back(static_cast<double>(session.program.statusKilobytes("VmHWM")));
    }
    std::printf(
        "{\"screen\": [%d, %d], \"start_known_ms\": %s, \"start_known_phases\": %s, "
        "\"key_to_pixels_ms\": %s, \"launcher_rss_kb\": %s, \"canvas_rss_kb\": %s, "
        "\"canvas_hwm_kb\": %s}\n",
        screen.w, screen.h, jsonList(composed).c_str(), breakdown.json().c_str(),
        jsonList(keyLatency).c_str(), jsonList(launcherRss).c_str(), jsonList(canvasRss).c_str(),
        jsonList(canvasHwm).c_str());
}

// Start with no picture chosen: it asks for one, and the picture's path is
// typed into the dialog. From the Return that closes it to the picture shown.
void measureChosen(const std::string& folder, const std::string& picture, int runs) {
    Probe probe;
    std::vector<double> shown;
    Breakdown breakdown;
    for (int run = 0; run < runs; ++run) {
        Session session(probe, folder, "");
        session.clickStart(probe);
        Rect area{};
        probe.focus(probe.waitMapped(Probe::Wanted::Dialog, &area, "Open"));
        sleepFor(300);
        probe.type(picture);
        sleepFor(300);
        const auto start = Clock::now();
        probe.key(XK_Return, true);
        probe.key(XK_Return, false);
        probe.waitMapped(Probe::Wanted::Canvas, &area);
        probe.waitPictureShown(session.sample);
        const auto seen = Clock::now();
        shown.push_back(std::chrono::duration<double, std::milli>(seen - start).count());
        sleepFor(200);
        breakdown.add(session.program.marks(), start, seen);
    }
    std::printf("{\"screen\": [%d, %d], \"start_chosen_ms\": %s, \"start_chosen_phases\": %s}\n",
                probe.screen().w, probe.screen().h, jsonList(shown).c_str(),
                breakdown.json().c_str());
}

// F5 through a folder of five photographs: after a pause, keys typed while
// the pictures beside the new one are decoded, and F5 held down.
void measureFolder(const std::string& folder, const std::string& picture, int rounds) {
    constexpr int kPictures = 5, kKeys = 20;
    Probe probe;
    double launcherRss = 0;
    {
        // The launcher alone, with no picture decoded ahead.
        Session bare(probe, folder, "");
        sleepFor(300);
        launcherRss = static_cast<double>(bare.program.statusKilobytes("VmRSS"));
    }
    Session session(probe, folder, picture);
    session.start(probe);
    const Rect& sample = session.sample;
    // What each picture looks like in the sample, learnt on the first round.
    std::vector<std::array<double, 3>> looks{meanColour(probe.grab(sample))};
    const auto whichPicture = [&looks](const Pixels& pixels) {
        const std::array<double, 3> mean = meanColour(pixels);
        const auto distance = [&mean](const std::array<double, 3>& look) {
            double sum = 0;
            for (size_t c = 0; c < 3; ++c) sum += (look[c] - mean[c]) * (look[c] - mean[c]);
            return sum;
        };
        return static_cast<int>(std::min_element(looks.begin(), looks.end(),
                                                 [&](const auto& a, const auto& b) {
                                                     return distance(a) < distance(b);
                                                 }) -
                                looks.begin());
    };
    std::vector<double> afterPause, keysDuringDecode, heldSettle, heldRight;
    Pixels shown = probe.grab(sample);
    int current = 0;
    const int columns = probe.screen().w / kCell;
    for (int round = 0; round < rounds + kPictures - 1; ++round) {
        sleepFor(1000);
        const auto start = Clock::now();
        probe.key(XK_F5, true);
        probe.key(XK_F5, false);
        shown = probe.waitChange(sample, shown, "F5 did not show the next picture");
        const double elapsed = millisecondsSince(start);
        current = (current + 1) % kPictures;
        if (static_cast<int>(looks.size()) < kPictures) {
            looks.push_back(meanColour(shown));
            continue;
        }
        afterPause.push_back(elapsed);
        // F5 cleared the text: the keys start at the top-left cell.
        for (int k = 0; k < kKeys; ++k) {
            const Rect cell{(k % columns) * kCell, (k / columns) * kCell, kCell, kCell};
            keysDuringDecode.push_back(probe.keyToPixels(XK_a + k % 26, cell));
            sleepFor(15);
        }
    }
    // The memory of the canvas once the pictures on either side are decoded.
    sleepFor(1500);
    const double canvasRss = static_cast<double>(session.program.statusKilobytes("VmRSS"));
    const double canvasHwm = static_cast<double>(session.program.statusKilobytes("VmHWM"));
    // Seventeen presses: the last lands on another picture than the first.
    constexpr int kHeldPresses = 17;
    for (int round = 0; round < rounds; ++round) {
        sleepFor(1500);
        probe.hold(XK_F5, kHeldPresses, [] {});
        const auto released = Clock::now();
        current = (current + kHeldPresses) % kPictures;
        heldSettle.push_back(probe.handledAll(released, [&] {
            shown = probe.grab(sample);
            return showsPhoto(shown) && whichPicture(shown) == current;
        }));
        // A backlog would step on from there.
        sleepFor(1500);
        heldRight.push_back(whichPicture(probe.grab(sample)) == current ? 1 : 0);
    }
    std::printf(
        "{\"screen\": [%d, %d], \"f5_after_pause_ms\": %s, \"keys_during_decode_ms\": %s, "
        "\"f5_held_settle_ms\": %s, \"f5_held_right\": %s, \"folder_launcher_rss_kb\": [%g], "
        "\"folder_rss_kb\": [%g], \"folder_hwm_kb\": [%g]}\n",
        probe.screen().w, probe.screen().h, jsonList(afterPause).c_str(),
        jsonList(keysDuringDecode).c_str(), jsonList(heldSettle).c_str(),
        jsonList(heldRight).c_str(), launcherRss, canvasRss, canvasHwm);
}

// The arrow keys: Right pressed once at a time, then held for five seconds,
// after which the picture must stop moving within a frame.
void measurePan(const std::string& folder, const std::string& picture, int presses) {
    Probe probe;
    Session session(probe, folder, picture);
    session.start(probe);
    const Rect& sample = session.sample;
    std::vector<double> single;
    Pixels shown = probe.grab(sample);
    for (int press = 0; press < presses; ++press) {
        const auto start = Clock::now();
        probe.key(XK_Right, true);
        probe.key(XK_Right, false);
        shown = probe.waitChange(sample, shown, "the arrow did not move the picture");
        single.push_back(millisecondsSince(start));
        sleepFor(100);
    }
    // Five seconds held. While held: how often the screen changes; after:
    // how long until the last press's picture is on the screen.
    constexpr int kHeldPresses = 151;
    sleepFor(500);
    int changes = 0;
    probe.hold(XK_Right, kHeldPresses, [&] {
        Pixels now = probe.grab(sample);
        if (now != shown) ++changes;
        shown = std::move(now);
    });
    // When the picture last moved after the release: F3, pressed then,
    // shows that every key before it is handled, and nothing follows.
    const auto released = Clock::now();
    double settled = 0;
    auto moved = released;
    probe.handledAll(released, [&] {
        Pixels now = probe.grab(sample);
        if (now != shown) {
            moved = Clock::now();
            settled = millisecondsSince(released);
        }
        shown = std::move(now);
        return Clock::now() - moved > std::chrono::milliseconds(300);
    });
    std::printf(
        "{\"screen\": [%d, %d], \"pan_ms\": %s, \"pan_held_presses\": [%d], "
        "\"pan_held_frames\": [%d], \"pan_held_settle_ms\": [%g]}\n",
        probe.screen().w, probe.screen().h, jsonList(single).c_str(), kHeldPresses, changes,
        settled);
}

int usage() {
    std::fprintf(stderr,
                 "usage: latency_probe launcher PROGRAM_DIR RUNS\n"
                 "       latency_probe canvas PROGRAM_DIR PICTURE RUNS KEYS\n"
                 "       latency_probe chosen PROGRAM_DIR PICTURE RUNS\n"
                 "       latency_probe folder PROGRAM_DIR PICTURE ROUNDS\n"
                 "       latency_probe pan PROGRAM_DIR PICTURE PRESSES\n");
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
        } else if (args.size() == 4 && args[0] == "chosen") {
            measureChosen(args[1], args[2], std::stoi(args[3]));
        } else if (args.size() == 4 && args[0] == "folder") {
            measureFolder(args[1], args[2], std::stoi(args[3]));
        } else if (args.size() == 4 && args[0] == "pan") {
            measurePan(args[1], args[2], std::stoi(args[3]));
        } else {
            return usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "latency_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}
