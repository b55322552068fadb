#pragma once

#include <QByteArray>
#include <QChar>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

// One pixel of a glyph: its offset from the cell's top-left corner and its colour.
struct GlyphPixel {
    int16_t x = 0;
    int16_t y = 0;
    QRgb color = 0;
};

// One character of a letter set: up to 1024 coloured pixels, in the order
// the file lists them, so that a later pixel at the same place wins.
struct Glyph {
    static constexpr int kCapacity = 1024;
    int count = 0;
    std::array<GlyphPixel, kCapacity> pixel{};

    std::span<const GlyphPixel> pixels() const {
        return {pixel.data(), static_cast<size_t>(count)};
    }
};

// What reading a letter-set file achieved.
struct LetterSetReading {
    int blocksRead = 0;        // complete blocks, 0 to 95
    bool complete = false;     // all 95 blocks were read
    QString stopReason;        // why reading stopped early; empty when complete
    qsizetype stopOffset = 0;  // byte offset where reading ended: the start of
                               // the failing field, or just after the 95th block
};

// A letter set: a glyph for each of the 95 printable ASCII characters.
//
// The file is a flat list of comma- or line-separated fields, one block per
// character in the order of kLetterOrder: a label (ignored), a pixel count,
// then x, y and colour for each pixel. Colours are stored as
// blue * 65536 + green * 256 + red.
class LetterSet {
  public:
    // The characters in the order of a letter-set file's blocks.
    static constexpr std::string_view kLetterOrder =
        "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        ".,?!'\"1234567890;:\\/()*@#$%^&-_=+|[]{}`~<>";
    static constexpr int kSize = 95;
    static_assert(kLetterOrder.size() == kSize);

    // Every glyph empty, so that nothing is drawn before a set is read.
    LetterSet();

    // The glyph of a character, nullptr for a character without one.
    const Glyph* glyph(QChar character) const {
        const int position = positionOf(character);
        return position < 0 ? nullptr : &(*glyphs_)[static_cast<size_t>(position)];
    }
    const Glyph& at(int position) const { return (*glyphs_)[static_cast<size_t>(position)]; }
    Glyph& at(int position) { return (*glyphs_)[static_cast<size_t>(position)]; }

    // The position of a character in kLetterOrder; -1 when it has none.
    static int positionOf(QChar character);

    // Reads a letter-set file over the glyphs held. A field that fails stops
    // the reading there: blocks before it are replaced, the failing block
    // keeps what was stored of it, and the blocks after it keep what they
    // held. A count above 1024 keeps its first 1024 pixels.
    LetterSetReading read(const QByteArray& data);

    // The letter-set file of the glyphs held: one line per block head (its
    // label in quotes, a comma, the count) and one line "x,y,colour" per
    // pixel, with CR LF line ends. read() takes it back unchanged.
    QByteArray format() const;

  private:
    // Allocated once, whole, and only ever overwritten.
    std::unique_ptr<std::array<Glyph, kSize>> glyphs_;
};

// The stored form of a colour and back: blue * 65536 + green * 256 + red.
constexpr QRgb colorFromStored(int32_t stored) {
    const auto value = static_cast<uint32_t>(stored);
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}
constexpr int32_t storedFromColor(QRgb color) {
    return qRed(color) | qGreen(color) << 8 | qBlue(color) << 16;
}
