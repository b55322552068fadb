#pragma once

#include <array>
#include <cstdint>

// One character of a letter set: up to 1024 coloured pixels, as offsets from
// the cell's top-left corner, in the order the file lists them.
struct LetterGlyph {
    static constexpr int kCapacity = 1024;
    int16_t PixelCount = 0;
    int16_t PixelX[kCapacity] = {};
    int16_t PixelY[kCapacity] = {};
    int32_t PixelColor[kCapacity] = {};  // 0x00BBGGRR
};

// The 95 printable characters in the order of a letter-set file's blocks.
inline constexpr char LetterOrder[] =
    "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    ".,?!'\"1234567890;:\\/()*@#$%^&-_=+|[]{}`~<>";
inline constexpr int kLetterCount = 95;
static_assert(sizeof(LetterOrder) - 1 == kLetterCount);

// The glyph table: one glyph for each position of LetterOrder. Allocated once
// at full size and only ever overwritten.
using LetterGlyphs = std::array<LetterGlyph, kLetterCount>;

// The 0-based position of a character in LetterOrder, or -1 when it has no glyph.
int letterPosition(int characterCode);
