// Arbitrary bytes as a letter-set file: reading must stop cleanly inside the
// data, keep the 95 first glyphs, and never leave a glyph of more pixels
// than a character may have or one the lookup does not find.
#include "letters/LetterSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LetterSet letters;  // read over and over, as the launcher does
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LetterSetReading reading = letters.read(bytes);
    if (reading.blocksRead < 0 || reading.blocksRead > LetterSet::kBaseSize ||
        reading.complete != (reading.blocksRead == LetterSet::kBaseSize) ||
        (reading.extraBlocksRead > 0 && !reading.complete) || reading.stopOffset < 0 ||
        reading.stopOffset > bytes.size() || letters.size() < LetterSet::kBaseSize)
        __builtin_trap();
    for (int index = 0; index < letters.size(); ++index) {
        if (letters.pixelsAt(index).size() > LetterSet::kMaxPixels ||
            letters.indexOf(letters.characterAt(index)) != index)
            __builtin_trap();
    }
    // The file the set writes reads back as the same set.
    LetterSet again;
    const QByteArray written = letters.format();
    if (!again.read(written).stopReason.isEmpty() || again.format() != written) __builtin_trap();
    return 0;
}
