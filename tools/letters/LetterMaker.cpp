#include "LetterMaker.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <random>
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

Ink drawInk(const QFont& font, char character, int block) {
    QImage scratch(kScratch, kScratch, QImage::Format_Grayscale8);
    scratch.fill(0);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath path;
        path.addText(kPenX, kBaseline, font, QString(QLatin1Char(character)));
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

struct DrawnSet {
    std::vector<Ink> inks;
    int top = 0, bottom = -1;  // the set's vertical reach on the scratch rows
};

DrawnSet drawSet(const QFont& font, int block) {
    DrawnSet set;
    set.top = kScratch * block;
    for (const char character : LetterSet::kLetterOrder) {
        set.inks.push_back(drawInk(font, character, block));
        const Ink& ink = set.inks.back();
        if (ink.empty()) continue;
        set.top = std::min(set.top, ink.top);
        set.bottom = std::max(set.bottom, ink.bottom);
    }
    return set;
}

// True when every glyph, with `margin` pixels around it, fits in a cell.
bool fits(const DrawnSet& set, int margin) {
    if (set.bottom - set.top + 1 + 2 * margin > kCell) return false;
    return std::all_of(set.inks.begin(), set.inks.end(), [margin](const Ink& ink) {
        return ink.empty() || ink.right - ink.left + 1 + 2 * margin <= kCell;
    });
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

bool checkOptions(const MakeOptions& options, QString* error) {
    static const QStringList styles{"solid", "outline", "gradient"};
    if (!styles.contains(options.style)) {
        *error =
            QStringLiteral("unknown style \"%1\" (solid, outline or gradient)").arg(options.style);
    } else if (options.colors.isEmpty()) {
        *error = QStringLiteral("no fill colour given");
    } else if (options.style == QLatin1String("gradient") && options.colors.size() < 2) {
        *error = QStringLiteral("a gradient needs two colours or more");
    } else if (options.style != QLatin1String("gradient") && options.colors.size() > 1) {
        *error = QStringLiteral("only a gradient takes more than one colour");
    } else if (options.style == QLatin1String("solid") && options.outline) {
        *error = QStringLiteral("a solid style has no outline; use the outline style");
    } else if (options.weight < 100 || options.weight > 900) {
        *error = QStringLiteral("the weight runs from 100 to 900");
    } else if (options.outlineWidth < 1 || options.outlineWidth > 3) {
        *error = QStringLiteral("the outline width runs from 1 to 3 pixels");
    } else if (options.block < 1 || options.block > 8) {
        *error = QStringLiteral("the block size runs from 1 to 8");
    } else if (options.grain < 0 || options.grain > 90) {
        *error = QStringLiteral("the grain runs from 0 to 90 percent");
    } else if (options.size < 0 || options.size > kCell) {
        *error = QStringLiteral("the size runs from 1 to 32 pixels (0 = largest that fits)");
    } else {
        return true;
    }
    return false;
}

}  // namespace

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
    if (style.style == QLatin1String("outline") && !style.outline) style.outline = qRgb(0, 0, 0);
    const int margin = style.outline ? style.outlineWidth : 0;

    QFont font(*family);
    font.setWeight(static_cast<QFont::Weight>(style.weight));

    // The largest font size whose every glyph fits, or exactly the size asked for.
    DrawnSet set;
    int fontSize = 0;
    const int first = style.size > 0 ? std::max(1, style.size / style.block) : kLargestFontSize;
    const int last = style.size > 0 ? first : kSmallestFontSize;
    for (int candidate = first; candidate >= last; --candidate) {
        font.setPixelSize(candidate);
        set = drawSet(font, style.block);
        if (set.bottom >= set.top && fits(set, margin)) {
            fontSize = candidate;
            break;
        }
    }
    if (fontSize == 0) {
        *error =
            style.size > 0
                ? QStringLiteral("at size %1 some glyphs do not fit a 32 x 32 cell").arg(style.size)
                : QStringLiteral("the font draws nothing that fits a 32 x 32 cell");
        return std::nullopt;
    }

    MadeLetterSet made;
    made.size = fontSize * style.block;
    const int reach = set.bottom - set.top + 1;
    const int cellTop = (kCell - reach) / 2;
    std::mt19937 grain(style.seed);
    std::uniform_int_distribution<int> percent(0, 99);

    for (int p = 0; p < LetterSet::kSize; ++p) {
        const Ink& ink = set.inks[static_cast<size_t>(p)];
        Glyph& glyph = made.letters.at(p);
        glyph.count = 0;
        if (ink.empty()) continue;
        const int cellLeft = (kCell - (ink.right - ink.left + 1)) / 2;
        const int dx = ink.left - cellLeft;
        const int dy = set.top - cellTop;
        auto inked = [&](int x, int y) { return ink.at(x + dx, y + dy); };
        // Within the outline's width of the ink, measured round so that
        // wide outlines keep soft corners.
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
                    color = gradientAt(style.colors,
                                       static_cast<double>(y - cellTop) / std::max(1, reach - 1));
                    if (style.grain > 0)
                        color = mix(color, qRgb(0, 0, 0), percent(grain) / 100.0 * 0.25);
                } else if (style.outline && nearInk(x, y)) {
                    color = *style.outline;
                } else {
                    continue;
                }
                glyph.pixel[static_cast<size_t>(glyph.count++)] = {static_cast<int16_t>(x),
                                                                   static_cast<int16_t>(y), color};
            }
        }
    }
    return made;
}
