#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <memory>
#include <optional>

#include "letters/LetterSet.h"

// How `make` draws a font into a letter set.
struct MakeOptions {
    QString font;       // a font file, or a family name the system knows
    int size = 0;       // glyph size in cell pixels; 0 = the largest that fits
    int capHeight = 0;  // > 0: capitals this high, outline included, instead of a size;
                        // what still reaches out of the cell is drawn smaller
    int weight = 700;   // 100 (thin) to 900 (black), as CSS counts
    int stretch = 100;  // percent of the font's own width, 50 to 200
    QString style = QStringLiteral("outline");  // solid, outline or gradient
    QList<QRgb> colors;                         // fill; gradient: top to bottom, two or more
    std::optional<QRgb> outline;                // the ring around the letters (outline,
                                                // and gradient when given)
    int outlineWidth = 1;                       // 1 to 3 pixels
    int block = 1;      // > 1: drawn at size / block and enlarged to blocks of
                        // block x block pixels, for a pixel-art look
    int grain = 0;      // percent of fill pixels left out, with the rest
                        // shaded unevenly, for a chalk look
    unsigned seed = 1;  // the grain's pattern
};

struct MadeLetterSet {
    LetterSet letters;
    int size = 0;  // the glyph size used
};

// Draws the 95 characters of a letter set, each inside its 32 x 32 cell: the
// ink of every glyph centred across its cell, all glyphs on one baseline
// that centres the set's tallest reach in the cell (with a capital height:
// the reach from capital tops to descender bottoms). Returns nullopt and says
// why in `error` when the font is unknown, the options make no sense or the
// glyphs do not fit at the size asked for.
std::optional<MadeLetterSet> makeLetterSet(const MakeOptions& options, QString* error);

// "#RRGGBB" as a colour; nullopt for anything else.
std::optional<QRgb> parseHexColor(const QString& text);
