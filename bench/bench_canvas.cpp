// Speed of the canvas: composing the background (against copying one screen
// buffer) and typing one letter (against writing its pixels directly).
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "canvas/Form1.h"
#include "support/SilentServices.h"
#include "shared/Globals.h"

namespace {

// A letter archive whose every character has a full 32 x 32 glyph.
QByteArray fullGlyphLetterSet() {
    QByteArray text;
    for (int p = 0; p < kLetterCount; ++p) {
        text += "\"c" + QByteArray::number(p) + "\",1024\r\n";
        for (int k = 0; k < 1024; ++k)
            text += QByteArray::number(k % 32) + ',' + QByteArray::number(k / 32) + ',' +
                    QByteArray::number(0x10000 * (k % 256) + 0x40 + p) + "\r\n";
    }
    return text;
}

void writeZip(const QString& path, const QByteArray& member) {
    int error = 0;
    zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_source_t* source =
        zip_source_buffer(archive, member.constData(), static_cast<zip_uint64_t>(member.size()), 0);
    zip_file_add(archive, "Bench.txt", source, ZIP_FL_OVERWRITE);
    zip_close(archive);
}

struct Bench {
    Bench() {
        qputenv("TEMP", QFile::encodeName(dir.path()));
        writeZip(dir.filePath("letters.zip"), fullGlyphLetterSet());
        globals.LettersZipPath = dir.filePath("letters.zip");
        globals.LetterSetName = "Bench.txt";
        globals.TempTextFile = dir.filePath("~1");
    }
    QString picture(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x, y, x ^ y));
        const QString path = dir.filePath(QString("p%1x%2.bmp").arg(width).arg(height));
        image.save(path, "BMP");
        return path;
    }
    std::unique_ptr<Form1> canvas(const QString& picturePath, bool centred, QSize screen) {
        globals.PictureFile = picturePath;
        globals.CenterPicture = centred ? -1 : 0;
        globals.FreshPicture = 1;
        globals.FirstPaint = 1;
        auto form = std::make_unique<Form1>(globals, services, [] { return false; });
        if (screen.isValid()) form->setScreenSize(screen);
        form->Form_Load();
        return form;
    }

    QTemporaryDir dir;
    SilentServices silent;
    Services& services = silent.services;
    Globals globals;
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
// written to both the back buffer and the window.
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

void composition(benchmark::State& state, bool centred) {
    const QSize screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const QString picture = centred ? bench().picture(5000, 3500) : bench().picture(64, 64);
    auto canvas = bench().canvas(picture, centred, screen);
    canvas->Form_Paint();
    for (auto _ : state) {
        canvas->Form_Click();
        benchmark::ClobberMemory();
    }
}

void BM_FormClickCentred(benchmark::State& state) {
    composition(state, true);
}
void BM_FormClickTiled(benchmark::State& state) {
    composition(state, false);
}

// The window shown, so each drawing operation really asks for a repaint.
std::unique_ptr<Form1> shownCanvas() {
    auto canvas = bench().canvas(bench().picture(800, 600), true, QSize());
    canvas->show();
    canvas->Form_Paint();
    QCoreApplication::processEvents();
    return canvas;
}

void BM_RawGlyphWrites(benchmark::State& state) {
    QImage image(800, 600, QImage::Format_RGB32);
    const LetterGlyph& glyph = (*bench().globals.Glyphs)[0];
    int cell = 0;
    for (auto _ : state) {
        const int left = (cell % 24) * 32;
        for (int k = 0; k < 1024; ++k)
            reinterpret_cast<QRgb*>(image.scanLine(glyph.PixelY[k]))[left + glyph.PixelX[k]] =
                rgbFromColorRef(static_cast<ColorRef>(glyph.PixelColor[k]));
        ++cell;
        benchmark::ClobberMemory();
    }
}

void BM_KeyPress(benchmark::State& state) {
    auto canvas = shownCanvas();
    for (auto _ : state) {
        canvas->Form_KeyPress('a');
        // Stay on the first line: a full page would recompose.
        if (canvas->PenX >= 736) canvas->PenX = 0;
    }
    QCoreApplication::processEvents();
}

void BM_KeyEventPath(benchmark::State& state) {
    auto canvas = shownCanvas();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (auto _ : state) {
        QCoreApplication::sendEvent(canvas.get(), &press);
        if (canvas->PenX >= 736) canvas->PenX = 0;
    }
    QCoreApplication::processEvents();
}

}  // namespace

BENCHMARK(BM_ScreenCopy)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScreenCopyToTwo)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormClickCentred)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormClickTiled)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawGlyphWrites)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventPath)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
