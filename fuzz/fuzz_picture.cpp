// Arbitrary bytes as the background picture: loading either refuses the
// file or yields an image, and a canvas composes whatever was loaded,
// centred and tiled, without touching memory outside its images.
#include <zip.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "canvas/Form1.h"
#include "canvas/PictureLoader.h"
#include "support/SilentServices.h"
#include "shared/Globals.h"

namespace {


// What stays the same from one input to the next: the application, a
// program folder with a one-letter archive, and the shared values.
struct Fixture {
    Fixture() {
        if (!folder.isValid()) std::abort();
        qputenv("TEMP", QFile::encodeName(folder.path()));
        globals.LettersZipPath = folder.filePath(QStringLiteral("letters.zip"));
        globals.LetterSetName = QStringLiteral("Dot.txt");
        globals.TempTextFile = folder.filePath(QStringLiteral("~1000"));
        static const char kDot[] = "\"a\",1\r\n0,0,255\r\n";
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(globals.LettersZipPath).constData(),
                                  ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (archive == nullptr) std::abort();
        zip_source_t* member = zip_source_buffer(archive, kDot, sizeof kDot - 1, 0);
        if (member == nullptr || zip_file_add(archive, "Dot.txt", member, 0) < 0 ||
            zip_close(archive) != 0)
            std::abort();
    }

    QTemporaryDir folder;
    Globals globals;
    SilentServices silent;
};

Fixture* fixture = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the argument count by reference for the application's life.
    static int qtArgc = 1;
    static QApplication app(qtArgc, *argv);
    fixture = new Fixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Globals& g = fixture->globals;
    const QString path = fixture->folder.filePath(QStringLiteral("picture"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    QImage picture;
    if (LoadPicture(path, picture)) {
        if (picture.isNull() || picture.format() != QImage::Format_RGB32) __builtin_trap();
        if (qint64{picture.width()} * picture.height() * 4 > kPictureByteLimit) __builtin_trap();
    } else if (!picture.isNull()) {
        __builtin_trap();  // a refused file leaves the picture as it was
    }

    g.PictureFile = path;
    g.CenterPicture = -1;
    g.FreshPicture = 1;
    g.FirstPaint = 1;
    auto canvas = std::make_unique<Form1>(g, fixture->silent.services, [] { return false; });
    canvas->setScreenSize(QSize(48, 32));
    if (canvas->Form_Load()) {
        canvas->Form_Paint();
        g.CenterPicture = 0;
        canvas->Form_Click();
        if (canvas->windowImage().size() != QSize(48, 32)) __builtin_trap();
    }
    return 0;
}
