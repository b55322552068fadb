#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "letters/LetterSet.h"

// How the letters are coloured: the fill alone, the fill with a ring around
// it, or a fill of colours from top to bottom (with a ring when an outline
// colour is given).
enum class GlyphStyle { Solid, Outline, Gradient };

// The style --style names ("solid", "outline", "gradient"); nullopt for any
// other name.
std::optional<GlyphStyle> glyphStyleNamed(const QString& name);

// How `make` draws a font into a letter set.
struct MakeOptions {
    QString font;       // a font file, or a family name the system knows
    int size = 0;       // glyph size in cell pixels; 0 = the largest that fits
    int capHeight = 0;  // > 0: capitals this high, outline included, instead of a size;
                        // what still reaches out of the cell is drawn smaller
    int weight = 700;   // 100 (thin) to 900 (black), as CSS counts
    int stretch = 100;  // percent of the font's own width, 50 to 200
    GlyphStyle style = GlyphStyle::Outline;
    QList<QRgb> colors;           // fill; gradient: top to bottom, two or more
    std::optional<QRgb> outline;  // the ring around the letters (outline,
                                  // and gradient when given)
    int outlineWidth = 1;         // 1 to 3 pixels
    int block = 1;                // > 1: drawn at size / block and enlarged to blocks of
                                  // block x block pixels, for a pixel-art look
    int grain = 0;                // percent of fill pixels left out, with the rest
                                  // shaded unevenly, for a chalk look
    int seed = 1;                 // the grain's pattern
    // Drawn after the 95, in this order, each the font has a glyph for;
    // those that cannot have a block of their own (the 95, control and
    // format characters, combining marks, unassigned code points) are left out.
    std::vector<char32_t> extras;
};

// A whole-number option of `make`: the member it sets and the values it takes.
struct NumberOption {
    const char* name;  // on the command line, after "--"
    int MakeOptions::*member;
    int min, max;
    const char* unit;  // how the range ends when told: " pixels", " percent"
};

// Every whole-number option, each with its range.
extern const std::array<NumberOption, 8> kNumberOptions;

struct MadeLetterSet {
    LetterSet letters;
    int size = 0;  // the glyph size used
};

// Draws the 95 characters of a letter set and the extras, each inside its
// 32 x 32 cell: the ink of every glyph centred across its cell, all glyphs on
// one baseline that centres the tallest reach of the 95 in the cell (with a
// capital height: the reach from capital tops to descender bottoms). An extra
// that would leave its cell at that size (an accented capital) is narrowed
// or drawn smaller, like the 95 with a capital height. Returns nullopt and
// says why in `error` when the font is unknown, the options make no sense or
// the 95 do not fit at the size asked for.
std::optional<MadeLetterSet> makeLetterSet(const MakeOptions& options, QString* error);

// The characters a `--chars` list names, in code point order, each once: a
// comma-separated list of range names (latin-1, latin-extended-a, greek,
// cyrillic, punctuation), code points ("U+20AC"), ranges of them
// ("U+0100-U+017F") and literal text, which is any item holding a character
// beyond ASCII ("ÆØÅ€"; ASCII characters are always drawn, so a literal
// comma is never needed). Returns nullopt and names the item in `error` when
// an item is none of these.
std::optional<std::vector<char32_t>> parseCharacterList(const QString& list, QString* error);

// "#RRGGBB" as a colour; nullopt for anything else.
std::optional<QRgb> parseHexColor(const QString& text);
