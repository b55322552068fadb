// Arbitrary bytes as a letter-set file: reading must stop cleanly inside the
// data and never leave a glyph claiming more pixels than it holds.
#include "letters/LetterSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LetterSet letters;  // read over and over, as the launcher does
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LetterSetReading reading = letters.read(bytes);
    if (reading.blocksRead < 0 || reading.blocksRead > LetterSet::kSize ||
        reading.complete != (reading.blocksRead == LetterSet::kSize) || reading.stopOffset < 0 ||
        reading.stopOffset > bytes.size())
        __builtin_trap();
    for (int p = 0; p < LetterSet::kSize; ++p)
        if (letters.at(p).count < 0 || letters.at(p).count > Glyph::kCapacity) __builtin_trap();
    return 0;
}
