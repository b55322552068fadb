#include "LetterCheck.h"

#include <QStringList>
#include <algorithm>
#include <bitset>
#include <numeric>

namespace {

constexpr int kCell = 32;

QString listCharacters(const QList<char32_t>& characters) {
    QStringList names;
    for (const char32_t character : characters) names << characterName(character);
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString characterName(char32_t character) {
    if (character == U' ') return QStringLiteral("space");
    if (character == U'"') return QStringLiteral("double quote");
    // Characters that show as nothing are named by their code.
    if (QChar::isSpace(character) || QChar::category(character) == QChar::Other_Format ||
        QChar::category(character) == QChar::Mark_NonSpacing)
        return QStringLiteral("U+%1")
            .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
            .toUpper();
    return QString::fromUcs4(&character, 1);
}

CheckReport checkLetterSet(const QByteArray& data) {
    CheckReport report;
    LetterSet letters;
    report.read = letters.read(data);
    report.stopLine = static_cast<int>(data.left(report.read.stopOffset).count('\n')) + 1;
    std::vector<int> whole(static_cast<size_t>(report.read.blocksRead));
    std::iota(whole.begin(), whole.end(), 0);
    for (int extra = 0; extra < report.read.extraBlocksRead; ++extra)
        whole.push_back(LetterSet::kBaseSize + extra);
    for (const int index : whole) {
        const char32_t character = letters.characterAt(index);
        const GlyphPixels pixels = letters.pixelsAt(index);
        report.drawn.push_back(character);
        report.counts.push_back(static_cast<int>(pixels.size()));
        std::bitset<kCell * kCell> seen;
        bool outside = false;
        bool duplicate = false;
        for (const GlyphPixel& pixel : pixels) {
            const int x = pixel.x;
            const int y = pixel.y;
            if (x < 0 || y < 0 || x >= kCell || y >= kCell) {
                outside = true;
                continue;
            }
            const size_t bit = static_cast<size_t>(y * kCell + x);
            if (seen.test(bit)) duplicate = true;
            seen.set(bit);
        }
        if (outside) report.outside << character;
        if (duplicate) report.duplicates << character;
    }
    return report;
}

QString describeCheck(const QString& name, const CheckReport& report) {
    QStringList lines;
    const LetterSetReading& read = report.read;
    if (!read.complete) {
        lines << QStringLiteral("%1: the program loads only %2 of 95 characters.")
                     .arg(name)
                     .arg(read.blocksRead);
        lines << QStringLiteral("  Reading stops in the block of \"%1\" (line %2): %3.")
                     .arg(characterName(static_cast<char32_t>(
                         LetterSet::letterOrder()[static_cast<size_t>(read.blocksRead)])))
                     .arg(report.stopLine)
                     .arg(read.stopReason);
    } else {
        lines << (read.extraBlocksRead == 0
                      ? QStringLiteral("%1: all 95 characters load.").arg(name)
                      : QStringLiteral("%1: all 95 characters load, and %2 further ones.")
                            .arg(name)
                            .arg(read.extraBlocksRead));
        // A faulty block after the 95 may have no character to name: name the last one read.
        if (!read.stopReason.isEmpty())
            lines << QStringLiteral(
                         "  Reading stops at line %1, after the block of \"%2\": %3; "
                         "the rest is ignored.")
                         .arg(report.stopLine)
                         .arg(characterName(report.drawn.back()))
                         .arg(read.stopReason);
    }
    if (!report.counts.empty()) {
        const auto [fewest, most] = std::minmax_element(report.counts.begin(), report.counts.end());
        lines << QStringLiteral("  Pixels per character: %1 to %2, %3 in all.")
                     .arg(*fewest)
                     .arg(*most)
                     .arg(std::accumulate(report.counts.begin(), report.counts.end(), 0));
    }
    QList<char32_t> empty;
    for (size_t k = 0; k < report.drawn.size(); ++k)
        if (report.counts[k] == 0 && !QChar::isSpace(report.drawn[k])) empty << report.drawn[k];
    if (!empty.isEmpty())
        lines << QStringLiteral("  Characters that paint nothing: %1.").arg(listCharacters(empty));
    if (!report.outside.isEmpty())
        lines << QStringLiteral("  Pixels outside the 32 x 32 cell: %1.")
                     .arg(listCharacters(report.outside));
    if (!report.duplicates.isEmpty())
        lines << QStringLiteral("  Pixels set twice (the later one wins): %1.")
                     .arg(listCharacters(report.duplicates));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
