#pragma once

#include <QImage>
#include <QString>

// The most a picture may take once decoded. A 50-megapixel photograph fits;
// a small file that claims far larger dimensions (a decompression bomb) does
// not, and is refused before anything is decoded.
inline constexpr qint64 kPictureByteLimit = 256LL * 1024 * 1024;

// Loads a picture file into an RGB32 image. An empty path gives an empty
// image and succeeds; a file that cannot be read or decoded, or that would
// be too large to hold, fails and leaves `picture` as it was.
bool LoadPicture(const QString& path, QImage& picture);
