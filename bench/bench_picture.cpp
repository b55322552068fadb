// Loading a large photograph for the canvas, against the bare decode of the
// same file by the JPEG library into pixels of the same layout. The
// photograph is PICTYPE_BENCH_PHOTO when set (make bench gives the one the
// latency probe shows), else one made here.
#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "pictures/PictureLoader.h"

namespace {

// A 24-megapixel picture with the smooth areas and fine detail of a photo,
// so the decoder does a photo's work.
QString writePhotograph(const QString& folder) {
    constexpr int kWidth = 6000;
    constexpr int kHeight = 4000;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    uint32_t noise = 12345;
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            const double wave = std::sin(x / 173.0) * std::cos(y / 131.0);
            line[x] = qRgb(std::clamp(static_cast<int>(120 + 90 * wave) + grain, 0, 255),
                           std::clamp((x * 255 / kWidth + y / 40) % 256 + grain, 0, 255),
                           std::clamp(200 - y * 150 / kHeight + grain, 0, 255));
        }
    }
    const QString path = folder + QStringLiteral("/photo.jpg");
    if (!image.save(path, "JPEG", 90)) throw std::runtime_error("cannot write the photograph");
    return path;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = qEnvironmentVariableIsEmpty("PICTYPE_BENCH_PHOTO")
                       ? writePhotograph(dir.path())
                       : qEnvironmentVariable("PICTYPE_BENCH_PHOTO");
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// libjpeg's own API with its defaults, writing each row straight into a
// buffer of 32-bit pixels laid out as the canvas holds them.
void BM_BareJpegDecode(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(fixture().path);
    for (auto _ : state) {
        std::unique_ptr<FILE, FileCloser> file(std::fopen(path.constData(), "rb"));
        if (!file) {
            state.SkipWithError("open");
            break;
        }
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file.get());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&info);
        const size_t stride = static_cast<size_t>(info.output_width) * 4;
        std::unique_ptr<JSAMPLE[]> pixels(new JSAMPLE[stride * info.output_height]);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels.get() + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels.get());
    }
}

void BM_LoadPicture(benchmark::State& state) {
    QImage picture;
    for (auto _ : state) {
        Picture loaded = loadPicture(fixture().path);
        if (!loaded.loaded())
            state.SkipWithError("not loaded");
        else
            picture = std::move(loaded.image);
        benchmark::DoNotOptimize(picture.constBits());
    }
    if (picture.width() != 6000 || picture.height() != 4000) state.SkipWithError("wrong size");
}

}  // namespace

BENCHMARK(BM_BareJpegDecode)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_LoadPicture)->Unit(benchmark::kMillisecond)->Repetitions(9);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt finds its picture formats through the application object.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
