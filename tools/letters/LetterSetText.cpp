#include "LetterSetText.h"

#include <algorithm>

QByteArray letterLabel(int position) {
    const char character = LetterOrder[position];
    if (character == '"') return QByteArrayLiteral("double quote");
    return QByteArray(1, character);
}

QByteArray formatLetterSet(const LetterGlyphs& glyphs) {
    QByteArray text;
    text.reserve(64 * 1024);
    for (int p = 0; p < kLetterCount; ++p) {
        const LetterGlyph& glyph = glyphs[static_cast<size_t>(p)];
        const int count = std::clamp<int>(glyph.PixelCount, 0, LetterGlyph::kCapacity);
        text += '"' + letterLabel(p) + "\"," + QByteArray::number(count) + "\r\n";
        for (int k = 0; k < count; ++k) {
            text += QByteArray::number(glyph.PixelX[k]) + ',' +
                    QByteArray::number(glyph.PixelY[k]) + ',' +
                    QByteArray::number(glyph.PixelColor[k]) + "\r\n";
        }
    }
    return text;
}
