#pragma once

#include <QByteArray>

#include "letters/LetterGlyphs.h"

// The letter-set file of a glyph table: one head line per character (its
// label in quotes, a comma, the pixel count) and one line "x,y,colour" per
// pixel, CR LF line ends, in LetterOrder. The program's loader reads it back
// into the same table.
QByteArray formatLetterSet(const LetterGlyphs& glyphs);

// The label written for the character at `position`: the character itself,
// except the double quote, which could not stand inside quotes.
QByteArray letterLabel(int position);
