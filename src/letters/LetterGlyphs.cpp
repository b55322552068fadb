#include "letters/LetterGlyphs.h"

#include <cstddef>

namespace {

constexpr std::array<int8_t, 128> makePositions() {
    std::array<int8_t, 128> table{};
    table.fill(-1);
    for (int p = 0; p < kLetterCount; ++p)
        table[static_cast<unsigned char>(LetterOrder[p])] = static_cast<int8_t>(p);
    return table;
}

constexpr std::array<int8_t, 128> kPositions = makePositions();

}  // namespace

int letterPosition(int characterCode) {
    if (characterCode < 32 || characterCode > 126) return -1;
    return kPositions[static_cast<size_t>(characterCode)];
}
