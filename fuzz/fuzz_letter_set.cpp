// Arbitrary bytes as a letter-set file: the reader must stop cleanly and
// never store a pixel past the table.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "letters/LoadLetterSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto glyphs = std::make_unique<LetterGlyphs>();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LetterSetReadResult result = readLetterSet(bytes, *glyphs);
    if (result.blocksRead < 0 || result.blocksRead > kLetterCount) __builtin_trap();
    if (result.complete != (result.blocksRead == kLetterCount)) __builtin_trap();
    if (result.stopOffset < 0 || result.stopOffset > bytes.size()) __builtin_trap();
    // What drawing relies on: no glyph claims more pixels than it can hold.
    for (const LetterGlyph& glyph : *glyphs)
        if (glyph.PixelCount > LetterGlyph::kCapacity) __builtin_trap();
    return 0;
}
