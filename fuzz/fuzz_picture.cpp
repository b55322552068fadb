// Arbitrary bytes as the picture: refused, or an RGB32 image within the limit
// that composes into a small buffer, centred and tiled, staying inside it.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "canvas/Background.h"
#include "pictures/PictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    QFile file(folder.filePath("picture"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const Picture loaded = loadPicture(file.fileName());
    if (!loaded.loaded()) return 0;
    const QImage* picture = &loaded.image;
    if (picture->format() != QImage::Format_RGB32 ||
        qint64{picture->width()} * picture->height() * 4 > kPictureByteLimit)
        __builtin_trap();
    // Centred at the corner, then panned to the far edges (negative when small), then tiled.
    QImage buffer(48, 32, QImage::Format_RGB32);
    const QSize far = picture->size() - buffer.size();
    for (const QPoint offset : {QPoint(0, 0), QPoint(far.width(), far.height())})
        composeBackground(buffer, *picture, Placement::Centered, offset);
    composeBackground(buffer, *picture, Placement::Tiled, QPoint());
    if (buffer.pixel(0, 0) != picture->pixel(0, 0)) __builtin_trap();
    return 0;
}
