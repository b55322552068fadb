#include "letters/LetterSet.h"

#include <algorithm>

#include "platform/FieldReader.h"

namespace {

constexpr std::array<int8_t, 128> makePositions() {
    std::array<int8_t, 128> table{};
    table.fill(-1);
    for (size_t p = 0; p < LetterSet::kLetterOrder.size(); ++p)
        table[static_cast<unsigned char>(LetterSet::kLetterOrder[p])] = static_cast<int8_t>(p);
    return table;
}

constexpr std::array<int8_t, 128> kPositions = makePositions();

// The label written for a character: the character itself, except the
// double quote, which could not stand inside quotes.
QByteArray labelOf(char character) {
    if (character == '"') return QByteArrayLiteral("double quote");
    return QByteArray(1, character);
}

}  // namespace

LetterSet::LetterSet() : glyphs_(std::make_unique<std::array<Glyph, kSize>>()) {}

int LetterSet::positionOf(QChar character) {
    const char16_t code = character.unicode();
    return code < kPositions.size() ? kPositions[code] : -1;
}

LetterSetReading LetterSet::read(const QByteArray& data) {
    LetterSetReading reading;
    FieldReader reader(data);
    try {
        for (Glyph& glyph : *glyphs_) {
            reader.readString();  // the label
            // Stored at once, so a file that ends among the pixels still
            // leaves a count the glyph can hold.
            const int count = reader.readInt16();
            glyph.count = std::clamp(count, 0, Glyph::kCapacity);
            for (int k = 0; k < count; ++k) {
                if (k == Glyph::kCapacity) {
                    reading.stopReason = QStringLiteral("more than 1024 pixels in one character");
                    reading.stopOffset = reader.position();
                    return reading;
                }
                // One store a pixel: three stores into its fields slowed the
                // reading of a set by a sixth.
                const int16_t x = reader.readInt16();
                const int16_t y = reader.readInt16();
                glyph.pixel[static_cast<size_t>(k)] = {x, y, colorFromStored(reader.readInt32())};
            }
            ++reading.blocksRead;
        }
        reading.complete = true;
        reading.stopOffset = reader.position();
    } catch (const FieldError& error) {
        reading.stopReason = QString::fromStdString(error.what());
        reading.stopOffset = reader.fieldStart();
    }
    return reading;
}

QByteArray LetterSet::format() const {
    QByteArray text;
    text.reserve(64 * 1024);
    for (int p = 0; p < kSize; ++p) {
        const Glyph& glyph = at(p);
        text += '"' + labelOf(kLetterOrder[static_cast<size_t>(p)]) + "\"," +
                QByteArray::number(glyph.count) + "\r\n";
        for (const GlyphPixel& pixel : glyph.pixels()) {
            text += QByteArray::number(pixel.x) + ',' + QByteArray::number(pixel.y) + ',' +
                    QByteArray::number(storedFromColor(pixel.color)) + "\r\n";
        }
    }
    return text;
}
