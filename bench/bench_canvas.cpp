// Speed of the canvas: composing the background (against copying one screen
// buffer) and typing one letter (against writing its pixels directly).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/CanvasWindow.h"
#include "letters/LetterSet.h"
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

struct Bench {
    Bench() {
        // Every character has a full 32 x 32 glyph, the most a key can draw.
        std::vector<GlyphPixel> glyph(LetterSet::kMaxPixels);
        for (int p = 0; p < LetterSet::kBaseSize; ++p) {
            for (int k = 0; k < LetterSet::kMaxPixels; ++k)
                glyph[static_cast<size_t>(k)] = {static_cast<int16_t>(k % 32),
                                                 static_cast<int16_t>(k / 32),
                                                 qRgb(k % 256, 0x40, p)};
            letters.setGlyph(static_cast<char32_t>(LetterSet::letterOrder()[p]), glyph);
        }
    }
    std::unique_ptr<Canvas> canvas(QSize screen, QImage image, Placement placement) {
        return std::make_unique<Canvas>(screen, letters, log, messages, PictureFolder(),
                                        std::move(image), placement);
    }
    // Keeps the typing on the page, so that a full page never recomposes
    // inside the measurement, and keeps the log's file short, so that every
    // write of the typed text costs the same.
    template <typename Clear>
    void keepOnPage(benchmark::State& state, const Canvas& canvas, Clear clear) {
        if (canvas.pen().y() + 2 * Canvas::kCell.height() <= canvas.image().height()) return;
        state.PauseTiming();
        clear();
        QFile::remove(log.path());
        log.takeClipboardText();
        state.ResumeTiming();
    }

    QTemporaryDir dir;
    LetterSet letters;
    TypedTextLog log{dir.filePath(QStringLiteral("~1"))};
    NoMessages messages;
};

Bench& bench() {
    static Bench instance;
    return instance;
}

void BM_ScreenCopy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0) * state.range(1) * 4);
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

// The least any composition must move: one screen read from the picture,
// written to both the background buffer and the screen image.
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

// Canvas::clear composes the background and copies it to the screen image,
// as a click or F6 does.
void composition(benchmark::State& state, Placement placement) {
    const QSize screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const bool centred = placement == Placement::Centered;
    auto canvas =
        bench().canvas(screen, centred ? picture(5000, 3500) : picture(64, 64), placement);
    for (auto _ : state) {
        canvas->clear();
        benchmark::ClobberMemory();
    }
    if (canvas->image().size() != screen) state.SkipWithError("wrong screen size");
}

void BM_ClearCentred(benchmark::State& state) {
    composition(state, Placement::Centered);
}
void BM_ClearTiled(benchmark::State& state) {
    composition(state, Placement::Tiled);
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

void BM_TypeText(benchmark::State& state) {
    auto canvas = bench().canvas(QSize(800, 600), picture(800, 600), Placement::Centered);
    const QString key = QStringLiteral("a");
    for (auto _ : state) {
        canvas->typeText(key);
        // What the window asks to repaint after each key.
        benchmark::DoNotOptimize(canvas->takeChanges());
        bench().keepOnPage(state, *canvas, [&] { canvas->clear(); });
    }
    canvas->clear();
    canvas->typeText(key);
    if (canvas->pen() != QPoint(32, 0)) state.SkipWithError("the key typed nothing");
}

// The window shown, so each key really asks for a repaint.
void BM_KeyEventPath(benchmark::State& state) {
    Bench& b = bench();
    CanvasWindow window(
        b.canvas(CanvasWindow::screenSize(), picture(800, 600), Placement::Centered), b.log,
        nullptr);
    window.showOverScreen();
    QCoreApplication::processEvents();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent clear(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
    for (auto _ : state) {
        QCoreApplication::sendEvent(&window, &press);
        b.keepOnPage(state, window.canvas(), [&] { QCoreApplication::sendEvent(&window, &clear); });
    }
    QCoreApplication::sendEvent(&window, &clear);
    QCoreApplication::sendEvent(&window, &press);
    QCoreApplication::processEvents();
    if (window.canvas().pen() != QPoint(32, 0)) state.SkipWithError("the key typed nothing");
}

}  // namespace

BENCHMARK(BM_ScreenCopy)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScreenCopyToTwo)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearCentred)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearTiled)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawGlyphWrites)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventPath)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
