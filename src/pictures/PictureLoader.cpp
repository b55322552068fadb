#include "pictures/PictureLoader.h"

#include <QImageReader>

std::optional<QImage> loadPicture(const QString& path) {
    if (path.isEmpty()) return QImage();
    // Qt's own limit is process-wide and far below a large photograph; ours
    // is enforced below from the header, so only make room for it here.
    QImageReader::setAllocationLimit(static_cast<int>(kPictureByteLimit / (1024 * 1024)));
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    if (static_cast<qint64>(size.width()) * size.height() * 4 > kPictureByteLimit)
        return std::nullopt;
    QImage decoded = reader.read();
    if (decoded.isNull()) return std::nullopt;
    if (decoded.format() != QImage::Format_RGB32) decoded.convertTo(QImage::Format_RGB32);
    if (decoded.isNull()) return std::nullopt;
    return decoded;
}
