#pragma once

#include <QImage>
#include <QStringList>

#include "letters/LetterSet.h"

struct PreviewOptions {
    QStringList lines;  // text to set, a line each; empty = every character of the set
    QImage picture;     // drawn behind the letters; null = a checkerboard
    int columns = 19;   // characters per line when showing the whole set
    int zoom = 1;       // every pixel as a zoom x zoom square
};

// The letters as the canvas paints them: each character in its 32 x 32 cell,
// its pixels set one by one in file order over the background, which shows
// through everywhere else. Characters without a glyph show the set's
// fallback, as on the canvas.
QImage renderPreview(const LetterSet& letters, const PreviewOptions& options);

// Where the top-left corner of the cell at (column, line) lies in a preview
// before zooming.
QPoint previewCellOrigin(int column, int line);
