#include "pictures/PictureLoader.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <mutex>

namespace {

// Black shows where a picture is transparent, as it does around a centred
// picture smaller than the screen.
QImage overBlack(const QImage& image) {
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

}  // namespace

Picture loadPicture(const QString& path, qint64 budget) {
    if (path.isEmpty()) return {};
    // Qt's own limit is process-wide and far below a large photograph; ours
    // is enforced below from the header, so only make room for it here,
    // once, before the first picture of any thread is read.
    static std::once_flag roomMade;
    std::call_once(roomMade, [] {
        QImageReader::setAllocationLimit(static_cast<int>(kPictureByteLimit / (1024 * 1024)));
    });
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return {Picture::Status::NotAPicture, {}, {}};
    const qint64 bytes = static_cast<qint64>(size.width()) * size.height() * 4;
    if (bytes > kPictureByteLimit) return {Picture::Status::TooLarge, {}, size};
    if (bytes > budget) return {Picture::Status::OverBudget, {}, size};
    QImage decoded = reader.read();
    if (decoded.isNull()) return {Picture::Status::NotAPicture, {}, {}};
    if (decoded.hasAlphaChannel())
        decoded = overBlack(decoded);
    else if (decoded.format() != QImage::Format_RGB32)
        decoded.convertTo(QImage::Format_RGB32);
    return {Picture::Status::Loaded, std::move(decoded), {}};
}

QString refusalMessage(const QString& path, const Picture& picture) {
    if (picture.status == Picture::Status::TooLarge) {
        return QCoreApplication::translate("Pictures", "%1 is too large to show: %2 x %3 pixels.")
            .arg(path)
            .arg(picture.size.width())
            .arg(picture.size.height());
    }
    return QCoreApplication::translate("Pictures", "%1 is apparently not a picture.").arg(path);
}
