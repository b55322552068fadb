// Speed of the canvas: composing the background on one screen and on two
// and painting it (against copying their buffers) and typing one letter, of
// ASCII or beyond, also held down on a locked canvas (against writing its
// pixels directly).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/CanvasWindow.h"
#include "canvas/Screens.h"
#include "letters/LetterSet.h"
#include "pictures/PictureDecoder.h"
#include "platform/Clock.h"
#include "platform/InputGrab.h"
#include "platform/MessageBoxes.h"
#include "session/TypedTextLog.h"

namespace {

// Nobody reads the messages of a benchmark.
class NoMessages final : public MessageBoxes {
  public:
    void inform(const QString&) override {}
    Answer ask(const QString&) override { return Answer::No; }
    void notify(const QString&) override {}
};

// A picture with detail everywhere, so no copy can take a shortcut.
QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = qRgb(x, y, x ^ y);
    }
    return image;
}

// Characters typed past ASCII: two with glyphs of their own after the 95,
// and one the set lacks, drawn as its "?".
constexpr char32_t kAccented = U'\u00E9';  // é
constexpr char32_t kCyrillic = U'\u0416';  // Ж
constexpr char32_t kLacking = U'\u4E2D';   // 中

struct Bench {
    Bench() {
        // Every character has a full 32 x 32 glyph, the most a key can draw.
        std::vector<GlyphPixel> glyph(LetterSet::kMaxPixels);
        auto give = [&](char32_t character, int shade) {
            for (int k = 0; k < LetterSet::kMaxPixels; ++k)
                glyph[static_cast<size_t>(k)] = {static_cast<int16_t>(k % 32),
                                                 static_cast<int16_t>(k / 32),
                                                 qRgb(k % 256, 0x40, shade)};
            letters.setGlyph(character, glyph);
        };
        for (int p = 0; p < LetterSet::kBaseSize; ++p)
            give(static_cast<char32_t>(LetterSet::letterOrder()[p]), p);
        give(kAccented, 200);
        give(kCyrillic, 201);
    }
    // A canvas without a picture yet.
    std::unique_ptr<Canvas> canvas(QSize screen, Placement placement, TypedTextLog& log) {
        return std::make_unique<Canvas>(screen, letters, log, PictureFolder(), placement);
    }
    std::unique_ptr<Canvas> canvas(QSize screen, QImage image, Placement placement,
                                   TypedTextLog& log) {
        auto canvas = this->canvas(screen, placement, log);
        canvas->showPicture(std::move(image));
        return canvas;
    }

    QTemporaryDir dir;
    LetterSet letters;
    NoMessages messages;
    ThreadedPictureDecoder decoder;
};

Bench& bench() {
    static Bench instance;
    return instance;
}

// The file of a benchmark's typed-text log, new for each log.
QString freshLogPath() {
    const QString path = bench().dir.filePath(QStringLiteral("~1"));
    QFile::remove(path);
    return path;
}

// Whether the next key would reach the pen's last line, where a full page
// would recompose.
bool nearPageEnd(const Canvas& canvas) {
    return canvas.pen().y() + 2 * Canvas::kCell.height() > canvas.image().height();
}

// A page of typing: a canvas of 1024 x 768 with a log of its own. It takes
// 736 keys before its last line, so the typed text is written once on it,
// 501 characters of it.
struct Page {
    static const QImage& background() {
        static const QImage image = picture(1024, 768);
        return image;
    }
    TypedTextLog log{freshLogPath()};
    std::unique_ptr<Canvas> canvas =
        bench().canvas(background().size(), background(), Placement::Centered, log);
};

void BM_ScreenCopy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0) * state.range(1) * 4);
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

// What a composition of tiles cannot do without: one screen written to the
// background buffer, and that painted into the window. (A centred picture
// larger than the screen is painted into the window straight away.)
void BM_ScreenCopyToTwo(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0) * state.range(1) * 4);
    std::vector<char> from(bytes, 1), buffer(bytes), window(bytes);
    for (auto _ : state) {
        std::memcpy(buffer.data(), from.data(), bytes);
        std::memcpy(window.data(), buffer.data(), bytes);
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}

// Canvas::clear composes the background, as a click, F6 or an arrow key
// does, and the window paints it: all it takes until the pixels are ready
// for the display.
// A canvas of the screen the benchmark's arguments give, with a 5000 x 3500
// picture centred or a 64 x 64 one tiled.
std::unique_ptr<Canvas> composedCanvas(const benchmark::State& state, Placement placement,
                                       TypedTextLog& log) {
    const QSize screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const bool centred = placement == Placement::Centered;
    return bench().canvas(screen, centred ? picture(5000, 3500) : picture(64, 64), placement, log);
}

void composition(benchmark::State& state, Placement placement) {
    TypedTextLog log(freshLogPath());
    auto canvas = composedCanvas(state, placement, log);
    QImage window(canvas->image().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas->clear();
        QPainter(&window).drawImage(0, 0, canvas->image());
        benchmark::ClobberMemory();
    }
    if (window != canvas->image()) state.SkipWithError("the paint differs");
}

void BM_ClearCentred(benchmark::State& state) {
    composition(state, Placement::Centered);
}
void BM_ClearTiled(benchmark::State& state) {
    composition(state, Placement::Tiled);
}

// A new picture on two screens: the typing screen composed as Canvas::clear
// does it, and the picture composed for the other screen as its
// BackgroundWindow does it.
void twoScreens(benchmark::State& state, Placement placement) {
    TypedTextLog log(freshLogPath());
    auto canvas = composedCanvas(state, placement, log);
    QImage other(canvas->image().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas->clear();
        composeWholeScreen(other, canvas->picture(), placement, Canvas::kWindowColor);
        benchmark::ClobberMemory();
    }
    if (other.pixel(0, 0) != canvas->image().pixel(0, 0))
        state.SkipWithError("the screens show different pictures");
}

void BM_ClearTwoScreensCentred(benchmark::State& state) {
    twoScreens(state, Placement::Centered);
}
void BM_ClearTwoScreensTiled(benchmark::State& state) {
    twoScreens(state, Placement::Tiled);
}

void BM_RawGlyphWrites(benchmark::State& state) {
    QImage image(800, 600, QImage::Format_RGB32);
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    const GlyphPixels glyph = bench().letters.pixelsAt(0);
    int cell = 0;
    for (auto _ : state) {
        const int left = (cell % 24) * 32;
        for (const GlyphPixel& pixel : glyph) bits[pixel.y * stride + left + pixel.x] = pixel.color;
        ++cell;
        benchmark::ClobberMemory();
    }
}

// Keys typed page after page, each page new (untimed), so that what a key
// costs does not grow with the number of iterations and no page recomposes
// inside the measurement.
void typing(benchmark::State& state, const QString& key) {
    auto page = std::make_unique<Page>();
    for (auto _ : state) {
        page->canvas->typeText(key);
        // What the window asks to repaint after each key.
        benchmark::DoNotOptimize(page->canvas->takeChanges());
        if (nearPageEnd(*page->canvas)) {
            state.PauseTiming();
            page.reset();
            page = std::make_unique<Page>();
            state.ResumeTiming();
        }
    }
    page->canvas->clear();
    const QString before = page->log.text();
    page->canvas->typeText(key);
    if (page->canvas->pen() != QPoint(32, 0) ||
        page->log.text() != before + key.normalized(QString::NormalizationForm_C))
        state.SkipWithError("the key typed nothing");
}

void BM_TypeText(benchmark::State& state) {
    typing(state, QStringLiteral("a"));
}
void BM_TypeTextAccented(benchmark::State& state) {
    typing(state, QString::fromUcs4(&kAccented, 1));
}
// An "e" and a combining acute accent, as some input methods send "é".
void BM_TypeTextDecomposed(benchmark::State& state) {
    typing(state, QStringLiteral("e\u0301"));
}
void BM_TypeTextCyrillic(benchmark::State& state) {
    typing(state, QString::fromUcs4(&kCyrillic, 1));
}
void BM_TypeTextWithoutGlyph(benchmark::State& state) {
    typing(state, QString::fromUcs4(&kLacking, 1));
}

// Keys sent to the shown window, so that each really asks for a repaint:
// every step sends `keys` in order and types one letter. F6 starts a new
// page before the last line; the log, of this benchmark alone, grows over
// the run as a long session's does, which for ASCII costs little.
void keysThroughWindow(benchmark::State& state, std::optional<CanvasLock> lock,
                       std::initializer_list<QKeyEvent*> keys) {
    TypedTextLog log(freshLogPath());
    CanvasWindow window(
        bench().canvas(deviceSize(*QGuiApplication::primaryScreen()), Placement::Centered, log),
        log, nullptr, bench().messages, bench().decoder, lock);
    window.showPicture(picture(800, 600), QRect());
    QCoreApplication::processEvents();
    QKeyEvent clear(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
    const auto step = [&] {
        for (QKeyEvent* key : keys) QCoreApplication::sendEvent(&window, key);
    };
    for (auto _ : state) {
        step();
        if (nearPageEnd(window.canvas())) {
            state.PauseTiming();
            QCoreApplication::sendEvent(&window, &clear);
            state.ResumeTiming();
        }
    }
    QCoreApplication::sendEvent(&window, &clear);
    step();
    QCoreApplication::processEvents();
    if (window.canvas().pen() != QPoint(32, 0)) state.SkipWithError("the key typed nothing");
}

void BM_KeyEventPath(benchmark::State& state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    keysThroughWindow(state, std::nullopt, {&press});
}

// A key held down on a locked canvas: each repeat a release and a press
// marked as repeats, as the keyboard sends them.
void BM_HeldKeyLocked(benchmark::State& state) {
    SystemClock clock;
    QtInputGrab grab;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    keysThroughWindow(state, CanvasLock{clock, grab}, {&release, &press});
}

}  // namespace

// 7680 x 2160: the bytes of two 4K screens.
BENCHMARK(BM_ScreenCopy)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Args({7680, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScreenCopyToTwo)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearCentred)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearTiled)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearTwoScreensCentred)->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearTwoScreensTiled)->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawGlyphWrites)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeTextAccented)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeTextDecomposed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeTextCyrillic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeTextWithoutGlyph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventPath)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeldKeyLocked)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
