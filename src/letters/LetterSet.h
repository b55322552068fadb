#pragma once

#include <QByteArray>
#include <QChar>
#include <QHash>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// One pixel of a glyph: its offset from the cell's top-left corner and its colour.
struct GlyphPixel {
    int16_t x = 0;
    int16_t y = 0;
    QRgb color = 0;
};

// The pixels of one character, in the order the file lists them, so that
// a later pixel at the same place wins.
using GlyphPixels = std::span<const GlyphPixel>;

// What reading a letter-set file achieved.
struct LetterSetReading {
    int blocksRead = 0;        // complete blocks among the first 95
    int extraBlocksRead = 0;   // complete blocks after them
    bool complete = false;     // all of the first 95 blocks were read
    QString stopReason;        // why reading stopped at a fault; empty when it did not
    qsizetype stopOffset = 0;  // byte offset where reading ended: the start of
                               // the failing field, or the end of the last block
};

// A letter set: the coloured pixels of each character it can draw.
//
// The file is a flat list of comma- or line-separated fields. First come 95
// blocks, one per printable ASCII character in the order of letterOrder():
// a label (ignored), a pixel count, then x, y and colour for each pixel.
// Colours are stored as blue * 65536 + green * 256 + red. Any further
// blocks have the same form, each labelled with the one character it draws
// (any character but a control character or one of the 95), in UTF-8.
class LetterSet {
  public:
    // The characters in the order of a letter-set file's first blocks. A
    // function rather than a constant: clang 14 with AddressSanitizer (which
    // keeps each file's copy of a literal apart) took the begin of a range-for
    // over an inline string_view constant from one file's copy and its end
    // from another's.
    static constexpr std::string_view letterOrder() {
        return "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"
               ".,?!'\"1234567890;:\\/()*@#$%^&-_=+|[]{}`~<>";
    }
    static constexpr int kBaseSize = 95;
    static constexpr int kMaxPixels = 1024;  // in one character

    // The 95 characters without pixels, so that nothing is drawn before a
    // set is read.
    LetterSet();

    // The glyphs: the 95 of letterOrder() first, then the further ones in
    // the order the file gave them.
    int size() const { return static_cast<int>(entries_.size()); }
    char32_t characterAt(int index) const { return entry(index).character; }
    GlyphPixels pixelsAt(int index) const {
        const Entry& e = entry(index);
        return {pixels_.data() + e.first, e.count};
    }
    // The index of a character's glyph; -1 when the set has none.
    int indexOf(char32_t character) const;
    std::optional<GlyphPixels> glyph(char32_t character) const {
        const int index = indexOf(character);
        if (index < 0) return std::nullopt;
        return pixelsAt(index);
    }
    // What a character without a glyph is drawn as, so that it still takes
    // its cell: the set's "?", or a frame when that draws nothing.
    GlyphPixels fallback() const;

    // Gives a character the pixels (at most kMaxPixels of them): one of the
    // 95 has its glyph replaced, any other is added after the rest.
    void setGlyph(char32_t character, GlyphPixels pixels);

    // Reads a letter-set file over the glyphs held. A fault stops the
    // reading there: the blocks before it are replaced, the failing block
    // holds the pixels read of it, and what the reading did not reach keeps
    // what it held (the remaining of the 95, and when the fault lies among
    // them the further glyphs too). A block of more than 1024 pixels is a
    // fault after its first 1024.
    LetterSetReading read(const QByteArray& data);

    // The letter-set file of the glyphs held: one line per block head (its
    // label in quotes, a comma, the count) and one line "x,y,colour" per
    // pixel, with CR LF line ends. read() takes it back unchanged.
    QByteArray format() const;

  private:
    struct Entry {
        char32_t character;
        uint32_t first;  // in pixels_
        uint32_t count;
    };
    const Entry& entry(int index) const { return entries_[static_cast<size_t>(index)]; }

    std::vector<GlyphPixel> pixels_;
    std::vector<Entry> entries_;
    QHash<char32_t, int> extraIndex_;  // index in entries_ of each glyph past the 95
    std::vector<GlyphPixel> frame_;    // the fallback when "?" draws nothing
};

static_assert(LetterSet::letterOrder().size() == LetterSet::kBaseSize);

// The stored form of a colour and back: blue * 65536 + green * 256 + red.
constexpr QRgb colorFromStored(int32_t stored) {
    const auto value = static_cast<uint32_t>(stored);
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}
constexpr int32_t storedFromColor(QRgb color) {
    return qRed(color) | qGreen(color) << 8 | qBlue(color) << 16;
}
