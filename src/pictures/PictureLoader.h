#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The most a picture may take once decoded. A 50-megapixel photograph fits;
// a small file that claims far larger dimensions (a decompression bomb) does
// not, and is refused before anything is decoded.
inline constexpr qint64 kPictureByteLimit = 256LL * 1024 * 1024;

// What loading a picture file gave.
struct Picture {
    // OverBudget: not decoded, as it would take more than the budget given.
    enum class Status { Loaded, NotAPicture, TooLarge, OverBudget };
    Status status = Status::Loaded;
    QImage image;  // RGB32, upright; empty when no picture was chosen
    QSize size;    // the size of a picture too large to hold

    bool loaded() const { return status == Status::Loaded; }
};

// Loads a picture file into an upright RGB32 image, turned as its EXIF
// orientation says. An empty path is no picture: an empty image. A picture
// that would take more than `budget` bytes, and no more than the limit, is
// left undecoded. Safe to call from any thread.
Picture loadPicture(const QString& path, qint64 budget = kPictureByteLimit);

// What to tell the user about a picture that did not load.
QString refusalMessage(const QString& path, const Picture& picture);
