#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The most a picture may take once decoded. A 50-megapixel photograph fits;
// a small file that claims far larger dimensions (a decompression bomb) does
// not, and is refused before anything is decoded.
inline constexpr qint64 kPictureByteLimit = 256LL * 1024 * 1024;

// Loads a picture file into an RGB32 image. An empty path is no picture: an
// empty image. nullopt when the file cannot be read or decoded, or would be
// too large to hold.
std::optional<QImage> loadPicture(const QString& path);
