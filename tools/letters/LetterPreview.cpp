#include "LetterPreview.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kCell = 32;
constexpr int kMargin = 16;
constexpr int kChecker = 8;

QImage background(const QImage& picture, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (picture.isNull()) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y,
                               ((x / kChecker + y / kChecker) % 2) ? qRgb(0x60, 0x60, 0x60)
                                                                   : qRgb(0xC8, 0xC8, 0xC8));
        return image;
    }
    // Cover the whole preview, cutting what sticks out on either side evenly.
    const QImage scaled =
        picture.scaled(width, height, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    QPainter painter(&image);
    painter.drawImage(0, 0, scaled, (scaled.width() - width) / 2, (scaled.height() - height) / 2,
                      width, height);
    return image;
}

}  // namespace

QPoint previewCellOrigin(int column, int line) {
    return {kMargin + column * kCell, kMargin + line * kCell};
}

QImage renderPreview(const LetterSet& letters, const PreviewOptions& options) {
    QList<QList<uint>> lines;
    for (const QString& line : options.lines)
        lines << line.normalized(QString::NormalizationForm_C).toUcs4();
    if (lines.isEmpty()) {
        const int columns = std::max(1, options.columns);
        for (int index = 0; index < letters.size(); ++index) {
            if (index % columns == 0) lines.emplace_back();
            lines.back() << letters.characterAt(index);
        }
    }
    qsizetype longest = 1;
    for (const QList<uint>& line : lines) longest = std::max(longest, line.size());
    const int width = 2 * kMargin + static_cast<int>(longest) * kCell;
    const int height = 2 * kMargin + static_cast<int>(lines.size()) * kCell;

    QImage image = background(options.picture, width, height);
    for (int row = 0; row < lines.size(); ++row) {
        const QList<uint>& line = lines[row];
        for (int column = 0; column < line.size(); ++column) {
            const QPoint origin = previewCellOrigin(column, row);
            for (const GlyphPixel& pixel :
                 letters.glyph(line[column]).value_or(letters.fallback())) {
                const QPoint at = origin + QPoint(pixel.x, pixel.y);
                if (image.rect().contains(at)) image.setPixel(at, pixel.color);
            }
        }
    }
    if (options.zoom > 1)
        image = image.scaled(width * options.zoom, height * options.zoom, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    return image;
}
