#include "LetterMaker.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

namespace {

constexpr int kCell = 32;
// Glyphs are drawn into a scratch square, baseline at kBaseline, pen at kPenX;
// large enough for the biggest size tried.
constexpr int kScratch = 160;
constexpr int kPenX = 40;
constexpr int kBaseline = 110;
constexpr int kLargestFontSize = 48;
constexpr int kSmallestFontSize = 4;
constexpr int kNarrowest = 50;  // percent of a font's own width

// One glyph's ink on the scratch square; coordinates are scratch pixels
// times the block size.
struct Ink {
    int block = 1;
    std::vector<uint8_t> on;                         // kScratch x kScratch
    int left = 0, top = 0, right = -1, bottom = -1;  // bounding box; empty when right < left
    bool empty() const { return right < left; }
    bool at(int x, int y) const {
        if (x < 0 || y < 0 || x >= kScratch * block || y >= kScratch * block) return false;
        return on[static_cast<size_t>((y / block) * kScratch + x / block)] != 0;
    }
};

Ink drawInk(const QFont& font, char32_t character, int block) {
    QImage scratch(kScratch, kScratch, QImage::Format_Grayscale8);
    scratch.fill(0);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath path;
        path.addText(kPenX, kBaseline, font, QString::fromUcs4(&character, 1));
        painter.fillPath(path, Qt::white);
    }
    Ink ink;
    ink.block = block;
    ink.on.assign(static_cast<size_t>(kScratch * kScratch), 0);
    ink.left = kScratch * block;
    ink.top = kScratch * block;
    for (int y = 0; y < kScratch; ++y) {
        const uchar* row = scratch.constScanLine(y);
        for (int x = 0; x < kScratch; ++x) {
            // Half covered or more counts as ink: the letters keep their weight.
            if (row[x] < 128) continue;
            ink.on[static_cast<size_t>(y * kScratch + x)] = 1;
            ink.left = std::min(ink.left, x * block);
            ink.top = std::min(ink.top, y * block);
            ink.right = std::max(ink.right, x * block + block - 1);
            ink.bottom = std::max(ink.bottom, y * block + block - 1);
        }
    }
    return ink;
}

// Each glyph's ink and where it goes in its cell.
struct DrawnSet {
    std::vector<Ink> inks;
    int dy = 0;                  // scratch row minus cell row, the same for every glyph
    int cellTop = 0, reach = 0;  // the rows a gradient spans, in the cell
    int fontSize = 0;
};

DrawnSet drawSet(const QFont& font, int block) {
    DrawnSet set;
    for (const char character : LetterSet::letterOrder())
        set.inks.push_back(drawInk(font, static_cast<char32_t>(character), block));
    return set;
}

// The rows from the highest top among the glyphs of `tops` to the lowest
// bottom among those of `bottoms`; bottom < top when they draw nothing.
std::pair<int, int> band(const DrawnSet& set, std::string_view tops, std::string_view bottoms) {
    auto ink = [&set](char character) -> const Ink& {
        return set.inks[LetterSet::letterOrder().find(character)];
    };
    int top = std::numeric_limits<int>::max(), bottom = -1;
    for (const char character : tops)
        if (!ink(character).empty()) top = std::min(top, ink(character).top);
    for (const char character : bottoms) bottom = std::max(bottom, ink(character).bottom);
    return {top, bottom};
}

// Places a band of scratch rows in the middle of the cell.
void centreBand(DrawnSet* set, int top, int bottom) {
    set->reach = bottom - top + 1;
    set->cellTop = (kCell - set->reach) / 2;
    set->dy = top - set->cellTop;
}

// True when the ink, with `margin` pixels around it, lies inside its cell.
bool inCell(const DrawnSet& set, const Ink& ink, int margin) {
    return ink.empty() || (ink.right - ink.left + 1 + 2 * margin <= kCell &&
                           ink.top - set.dy >= margin && ink.bottom - set.dy + margin < kCell);
}

// The largest font size at which every glyph, its whole reach centred,
// fits a cell.
std::optional<DrawnSet> drawLargestThatFits(QFont font, int first, int last, int block,
                                            int margin) {
    for (int candidate = first; candidate >= last; --candidate) {
        font.setPixelSize(candidate);
        DrawnSet set = drawSet(font, block);
        const auto [top, bottom] = band(set, LetterSet::letterOrder(), LetterSet::letterOrder());
        if (bottom < top) continue;
        centreBand(&set, top, bottom);
        if (std::all_of(set.inks.begin(), set.inks.end(),
                        [&](const Ink& ink) { return inCell(set, ink, margin); })) {
            set.fontSize = candidate;
            return set;
        }
    }
    return std::nullopt;
}

// The ink of a glyph drawn in `font` at the set's size, made to fit its cell:
// one too wide ("W", "m") is narrowed first, down to kNarrowest; one that
// still reaches out of it (brackets, accented capitals) is drawn at the
// largest smaller size that keeps it inside, on the same baseline.
Ink fitted(Ink ink, const DrawnSet& set, QFont font, char32_t character, int block, int margin) {
    font.setPixelSize(set.fontSize);
    auto redraw = [&] { ink = drawInk(font, character, block); };
    while (!ink.empty() && ink.right - ink.left + 1 + 2 * margin > kCell &&
           font.stretch() > kNarrowest) {
        font.setStretch(std::max(kNarrowest, font.stretch() - 5));
        redraw();
    }
    for (int smaller = set.fontSize - 1; !inCell(set, ink, margin) && smaller > 0; --smaller) {
        font.setPixelSize(smaller);
        redraw();
    }
    return ink;
}

// The largest font size whose capitals, outline included, are at most
// `capHeight` and leave the lowercase descenders room below them; the band
// from capital tops to descender bottoms is centred, and every glyph fitted
// to its cell.
std::optional<DrawnSet> drawToCapHeight(QFont font, int capHeight, int block, int margin) {
    for (int candidate = kLargestFontSize; candidate >= kSmallestFontSize; --candidate) {
        font.setPixelSize(candidate);
        const Ink capital = drawInk(font, U'H', block);
        if (capital.empty() || capital.bottom - capital.top + 1 + 2 * margin > capHeight) continue;
        DrawnSet set = drawSet(font, block);
        const auto [top, bottom] =
            band(set, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz");
        if (bottom - top + 1 + 2 * margin > kCell) continue;
        centreBand(&set, top, bottom);
        set.fontSize = candidate;
        for (int p = 0; p < LetterSet::kBaseSize; ++p) {
            Ink& ink = set.inks[static_cast<size_t>(p)];
            ink = fitted(std::move(ink), set, font,
                         static_cast<char32_t>(LetterSet::letterOrder()[p]), block, margin);
        }
        return set;
    }
    return std::nullopt;
}

// The family to draw with: a font file's own family once it is registered,
// or the name itself when the system knows it.
std::optional<QString> resolveFamily(const QString& font, QString* error) {
    if (!QFileInfo(font).isFile()) {
        if (!QFontDatabase::hasFamily(font)) {
            *error = QStringLiteral("no font file or font family called \"%1\"").arg(font);
            return std::nullopt;
        }
        return font;
    }
    const int id = QFontDatabase::addApplicationFont(font);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        *error = QStringLiteral("%1 is not a font file").arg(font);
        return std::nullopt;
    }
    return families.first();
}

QRgb mix(QRgb a, QRgb b, double t) {
    auto channel = [t](int from, int to) { return static_cast<int>(from + (to - from) * t + 0.5); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

// The colour of a gradient at t in [0, 1], the colours evenly spread.
QRgb gradientAt(const QList<QRgb>& colors, double t) {
    if (colors.size() == 1) return colors.front();
    const double scaled = std::clamp(t, 0.0, 1.0) * static_cast<double>(colors.size() - 1);
    const int index = std::min(static_cast<int>(scaled), static_cast<int>(colors.size()) - 2);
    return mix(colors[index], colors[index + 1], scaled - index);
}

// A glyph's pixels: its ink centred across the cell on the set's rows, in
// the style's colours, with the outline around it.
std::vector<GlyphPixel> paintGlyph(const Ink& ink, const DrawnSet& set, const MakeOptions& style,
                                   std::mt19937& grain) {
    std::vector<GlyphPixel> glyph;
    if (ink.empty()) return glyph;
    std::uniform_int_distribution<int> percent(0, 99);
    const int cellLeft = (kCell - (ink.right - ink.left + 1)) / 2;
    const int dx = ink.left - cellLeft;
    auto inked = [&](int x, int y) { return ink.at(x + dx, y + set.dy); };
    // Within the outline's width of the ink, measured round so that wide
    // outlines keep soft corners.
    const int width = style.outlineWidth;
    auto nearInk = [&](int x, int y) {
        for (int oy = -width; oy <= width; ++oy)
            for (int ox = -width; ox <= width; ++ox)
                if (ox * ox + oy * oy <= width * width + width && inked(x + ox, y + oy))
                    return true;
        return false;
    };
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            QRgb color = 0;
            if (inked(x, y)) {
                if (style.grain > 0 && percent(grain) < style.grain) continue;
                color = gradientAt(style.colors, static_cast<double>(y - set.cellTop) /
                                                     std::max(1, set.reach - 1));
                if (style.grain > 0)
                    color = mix(color, qRgb(0, 0, 0), percent(grain) / 100.0 * 0.25);
            } else if (style.outline && nearInk(x, y)) {
                color = *style.outline;
            } else {
                continue;
            }
            glyph.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y), color});
        }
    }
    return glyph;
}

bool checkOptions(const MakeOptions& options, QString* error) {
    for (const NumberOption& option : kNumberOptions) {
        const int value = options.*option.member;
        if (value < option.min || value > option.max) {
            *error = QStringLiteral("--%1 runs from %2 to %3%4")
                         .arg(option.name)
                         .arg(option.min)
                         .arg(option.max)
                         .arg(option.unit);
            return false;
        }
    }
    const bool gradient = options.style == GlyphStyle::Gradient;
    if (options.colors.isEmpty())
        *error = QStringLiteral("no fill colour given");
    else if (gradient && options.colors.size() < 2)
        *error = QStringLiteral("a gradient needs two colours or more");
    else if (!gradient && options.colors.size() > 1)
        *error = QStringLiteral("only a gradient takes more than one colour");
    else if (options.style == GlyphStyle::Solid && options.outline)
        *error = QStringLiteral("a solid style has no outline; use the outline style");
    else if (options.capHeight > 0 && options.size > 0)
        *error = QStringLiteral("give a size or a capital height, not both");
    else
        return true;
    return false;
}

// Whether a character may have a block after the 95 and takes a cell of its
// own when typed: combining marks join the character before them, control
// and format characters show as nothing.
bool takesOwnCell(char32_t character) {
    if (character < 0x80 || character > 0x10FFFF) return false;
    switch (QChar::category(character)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_Enclosing:
            return false;
        default:
            return true;
    }
}

// The typographic marks and symbols that keyboards and word processors type.
constexpr std::u32string_view kPunctuation =
    U"–—‘’‚“”„†‡•…‰′″‹›€₽№™−←↑→↓≈≠≤≥";

// Adds the characters of a range name; false when there is no such name.
bool addNamedRange(const QString& name, std::vector<char32_t>* characters) {
    static const struct {
        const char* name;
        char32_t first, last;
    } kRanges[] = {{"latin-1", 0xA0, 0xFF},
                   {"latin-extended-a", 0x100, 0x17F},
                   {"greek", 0x370, 0x3FF},
                   {"cyrillic", 0x400, 0x4FF}};
    if (name == QLatin1String("punctuation")) {
        characters->insert(characters->end(), kPunctuation.begin(), kPunctuation.end());
        return true;
    }
    for (const auto& range : kRanges) {
        if (name != QLatin1String(range.name)) continue;
        for (char32_t character = range.first; character <= range.last; ++character)
            characters->push_back(character);
        return true;
    }
    return false;
}

}  // namespace

const std::array<NumberOption, 8> kNumberOptions{{
    {"size", &MakeOptions::size, 0, kCell, " pixels (0: the largest that fits)"},
    {"cap-height", &MakeOptions::capHeight, 0, kCell, " pixels (0: a size instead)"},
    {"weight", &MakeOptions::weight, 100, 900, ""},
    {"stretch", &MakeOptions::stretch, kNarrowest, 200, " percent"},
    {"outline-width", &MakeOptions::outlineWidth, 1, 3, " pixels"},
    {"block", &MakeOptions::block, 1, 8, " pixels"},
    {"grain", &MakeOptions::grain, 0, 90, " percent"},
    {"seed", &MakeOptions::seed, 0, std::numeric_limits<int>::max(), ""},
}};

std::optional<GlyphStyle> glyphStyleNamed(const QString& name) {
    static const std::pair<const char*, GlyphStyle> kNames[] = {{"solid", GlyphStyle::Solid},
                                                                {"outline", GlyphStyle::Outline},
                                                                {"gradient", GlyphStyle::Gradient}};
    for (const auto& [styleName, style] : kNames)
        if (name == QLatin1String(styleName)) return style;
    return std::nullopt;
}

std::optional<std::vector<char32_t>> parseCharacterList(const QString& list, QString* error) {
    static const QRegularExpression codes(
        QStringLiteral("^U\\+([0-9A-F]{1,6})(?:-U\\+([0-9A-F]{1,6}))?$"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<char32_t> characters;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString word = item.trimmed().toLower();
        if (word.isEmpty() || addNamedRange(word, &characters)) continue;
        if (const QRegularExpressionMatch match = codes.match(word); match.hasMatch()) {
            const uint first = match.captured(1).toUInt(nullptr, 16);
            const uint last = match.hasCaptured(2) ? match.captured(2).toUInt(nullptr, 16) : first;
            if (first > last || last > 0x10FFFF) {
                *error =
                    QStringLiteral("\"%1\" is no range of code points up to U+10FFFF").arg(item);
                return std::nullopt;
            }
            for (char32_t character = first; character <= last; ++character)
                characters.push_back(character);
            continue;
        }
        // Typed text may come decomposed ("e" and a combining accent); the
        // canvas composes it, so the composed characters are the ones to draw.
        const QList<uint> text = item.normalized(QString::NormalizationForm_C).toUcs4();
        if (std::all_of(text.begin(), text.end(),
                        [](uint character) { return character < 0x80; })) {
            *error = QStringLiteral(
                         "\"%1\" is no range name (latin-1, latin-extended-a, greek, "
                         "cyrillic, punctuation), U+XXXX, U+XXXX-U+YYYY or text "
                         "beyond ASCII")
                         .arg(item);
            return std::nullopt;
        }
        characters.insert(characters.end(), text.begin(), text.end());
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}

std::optional<QRgb> parseHexColor(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch()) return std::nullopt;
    return qRgb(text.mid(1, 2).toInt(nullptr, 16), text.mid(3, 2).toInt(nullptr, 16),
                text.mid(5, 2).toInt(nullptr, 16));
}

std::optional<MadeLetterSet> makeLetterSet(const MakeOptions& options, QString* error) {
    if (!checkOptions(options, error)) return std::nullopt;
    const std::optional<QString> family = resolveFamily(options.font, error);
    if (!family) return std::nullopt;

    MakeOptions style = options;
    if (style.style == GlyphStyle::Outline && !style.outline) style.outline = qRgb(0, 0, 0);
    const int margin = style.outline ? style.outlineWidth : 0;

    QFont font(*family);
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    font.setStretch(style.stretch);

    std::optional<DrawnSet> drawn;
    if (style.capHeight > 0) {
        drawn = drawToCapHeight(font, style.capHeight, style.block, margin);
    } else {
        // The largest font size whose every glyph fits, or exactly the size asked for.
        const int first = style.size > 0 ? std::max(1, style.size / style.block) : kLargestFontSize;
        drawn = drawLargestThatFits(font, first, style.size > 0 ? first : kSmallestFontSize,
                                    style.block, margin);
    }
    if (!drawn) {
        *error =
            style.capHeight > 0
                ? QStringLiteral("no capitals of %1 pixels or less leave the descenders room")
                      .arg(style.capHeight)
            : style.size > 0
                ? QStringLiteral("at size %1 some glyphs do not fit a 32 x 32 cell").arg(style.size)
                : QStringLiteral("the font draws nothing that fits a 32 x 32 cell");
        return std::nullopt;
    }
    const DrawnSet& set = *drawn;

    MadeLetterSet made;
    made.size = set.fontSize * style.block;
    std::mt19937 grain(static_cast<unsigned>(style.seed));

    for (int p = 0; p < LetterSet::kBaseSize; ++p) {
        made.letters.setGlyph(static_cast<char32_t>(LetterSet::letterOrder()[p]),
                              paintGlyph(set.inks[static_cast<size_t>(p)], set, style, grain));
    }
    // Only the font's own glyphs: drawing text fills in a character the font
    // lacks from another font, in another style.
    QFont drawing = font;
    drawing.setPixelSize(set.fontSize);
    const QRawFont own = QRawFont::fromFont(drawing);
    for (const char32_t character : style.extras) {
        if (!takesOwnCell(character) || !own.supportsCharacter(character)) continue;
        const Ink ink = fitted(drawInk(drawing, character, style.block), set, drawing, character,
                               style.block, margin);
        made.letters.setGlyph(character, paintGlyph(ink, set, style, grain));
    }
    return made;
}
