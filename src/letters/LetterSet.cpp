#include "letters/LetterSet.h"

#include <algorithm>
#include <cstring>

#include "letters/FieldReader.h"

namespace {

constexpr std::array<int8_t, 128> makeBasePositions() {
    std::array<int8_t, 128> table{};
    table.fill(-1);
    for (size_t p = 0; p < LetterSet::letterOrder().size(); ++p)
        table[static_cast<unsigned char>(LetterSet::letterOrder()[p])] = static_cast<int8_t>(p);
    return table;
}

// The first 95 by table, the rest through the hash.
constexpr std::array<int8_t, 128> kBasePositions = makeBasePositions();

// The label written for one of the first 95 characters: the character
// itself, except the double quote, which could not stand inside quotes.
QByteArray baseLabel(char character) {
    if (character == '"') return QByteArrayLiteral("double quote");
    return QByteArray(1, character);
}

QByteArray utf8Of(char32_t character) {
    return QString::fromUcs4(&character, 1).toUtf8();
}

// The character a further block's label names; throws FieldError when the
// label is no single character that may have a block there.
char32_t labelledCharacter(QByteArrayView label) {
    const QString text = QString::fromUtf8(label);
    if (text.toUtf8() != label) throw FieldError("the label is not UTF-8 text");
    const QList<uint> characters = text.toUcs4();
    if (characters.size() != 1)
        throw FieldError("the label \"" + label.toByteArray().toStdString() +
                         "\" is not one character");
    const char32_t character = characters.front();
    if (QChar::category(character) == QChar::Other_Control)
        throw FieldError("a control character cannot be typed");
    return character;
}

// How many double quotes `data` holds: memchr() skips the long runs of
// pixel lines between block labels many times faster than a loop over bytes.
size_t quotesIn(const QByteArray& data) {
    size_t quotes = 0;
    const char* const end = data.constData() + data.size();
    for (const char* p = data.constData();
         (p = static_cast<const char*>(std::memchr(p, '"', static_cast<size_t>(end - p)))); ++p)
        ++quotes;
    return quotes;
}

}  // namespace

LetterSet::LetterSet() {
    entries_.reserve(kBaseSize);
    for (const char character : letterOrder())
        entries_.push_back({static_cast<char32_t>(character), 0, 0});
    frame_.reserve(4 * 24);
    for (int k = 4; k < 28; ++k) {
        for (const auto& [x, y] :
             {std::pair(k, 4), std::pair(k, 27), std::pair(4, k), std::pair(27, k)})
            frame_.push_back(
                {static_cast<int16_t>(x), static_cast<int16_t>(y), qRgb(255, 255, 255)});
    }
}

int LetterSet::indexOf(char32_t character) const {
    if (character < kBasePositions.size()) return kBasePositions[character];
    const auto found = extraIndex_.constFind(character);
    return found == extraIndex_.cend() ? -1 : found.value();
}

GlyphPixels LetterSet::fallback() const {
    const GlyphPixels question = pixelsAt(indexOf(U'?'));
    return question.empty() ? GlyphPixels(frame_) : question;
}

void LetterSet::setGlyph(char32_t character, GlyphPixels pixels) {
    const auto first = static_cast<uint32_t>(pixels_.size());
    const auto count = static_cast<uint32_t>(std::min<size_t>(pixels.size(), kMaxPixels));
    pixels_.insert(pixels_.end(), pixels.begin(), pixels.begin() + count);
    int index = indexOf(character);
    if (index < 0) {
        index = size();
        entries_.push_back({character, 0, 0});
        extraIndex_.insert(character, index);
    }
    entries_[static_cast<size_t>(index)] = {character, first, count};
}

LetterSetReading LetterSet::read(const QByteArray& data) {
    LetterSetReading reading;
    // Room for every pixel the file can hold (each takes six bytes at
    // least) and for those kept from the set held: allocated once.
    std::vector<GlyphPixel> pixels;
    pixels.reserve(static_cast<size_t>(data.size()) / 6 + 1 + pixels_.size());
    std::vector<Entry> entries;
    entries.reserve(kBaseSize + quotesIn(data) / 2);
    QHash<char32_t, int> extraIndex;

    FieldReader reader(data);
    // Adds a block of `character`; its count stands before any pixel is read,
    // so a fault among the pixels leaves those read.
    auto readBlock = [&](char32_t character) {
        const int count = reader.readInt16();
        entries.push_back({character, static_cast<uint32_t>(pixels.size()), 0});
        Entry& entry = entries.back();
        for (int k = 0; k < count; ++k) {
            int16_t x = 0, y = 0;
            int32_t colour = 0;
            if (k == kMaxPixels || !reader.readPixelFields(x, y, colour)) {
                x = reader.readInt16();
                if (k == kMaxPixels) throw FieldError("more than 1024 pixels in one character");
                y = reader.readInt16();
                colour = reader.readInt32();
            }
            pixels.push_back({x, y, colorFromStored(colour)});
            ++entry.count;
        }
    };
    try {
        for (const char character : letterOrder()) {
            reader.readBytes();  // the label
            readBlock(static_cast<char32_t>(character));
            ++reading.blocksRead;
        }
        reading.complete = true;
        while (!reader.atEnd()) {
            const char32_t character = labelledCharacter(reader.readBytes());
            // Control characters are refused above: what is left of ASCII is the 95.
            if (character < 0x80)
                throw FieldError("this character has its block among the first 95");
            if (extraIndex.contains(character))
                throw FieldError("a second block for this character");
            extraIndex.insert(character, static_cast<int>(entries.size()));
            readBlock(character);
            ++reading.extraBlocksRead;
        }
        reading.stopOffset = reader.position();
    } catch (const FieldError& error) {
        reading.stopReason = QString::fromStdString(error.what());
        reading.stopOffset = reader.fieldStart();
    }

    // What the reading did not reach keeps what it held.
    for (auto p = static_cast<int>(entries.size()); p < kBaseSize; ++p) {
        const GlyphPixels held = pixelsAt(p);
        entries.push_back({entry(p).character, static_cast<uint32_t>(pixels.size()),
                           static_cast<uint32_t>(held.size())});
        pixels.insert(pixels.end(), held.begin(), held.end());
    }
    if (!reading.complete) {
        for (int index = kBaseSize; index < size(); ++index) {
            const GlyphPixels held = pixelsAt(index);
            extraIndex.insert(characterAt(index), static_cast<int>(entries.size()));
            entries.push_back({characterAt(index), static_cast<uint32_t>(pixels.size()),
                               static_cast<uint32_t>(held.size())});
            pixels.insert(pixels.end(), held.begin(), held.end());
        }
    }
    pixels_ = std::move(pixels);
    entries_ = std::move(entries);
    extraIndex_ = std::move(extraIndex);
    return reading;
}

QByteArray LetterSet::format() const {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(pixels_.size()) * 16 + size() * 12);
    for (int index = 0; index < size(); ++index) {
        const GlyphPixels pixels = pixelsAt(index);
        const QByteArray label = index < kBaseSize
                                     ? baseLabel(letterOrder()[static_cast<size_t>(index)])
                                     : utf8Of(characterAt(index));
        text += '"' + label + "\"," + QByteArray::number(pixels.size()) + "\r\n";
        for (const GlyphPixel& pixel : pixels) {
            text += QByteArray::number(pixel.x) + ',' + QByteArray::number(pixel.y) + ',' +
                    QByteArray::number(storedFromColor(pixel.color)) + "\r\n";
        }
    }
    return text;
}
