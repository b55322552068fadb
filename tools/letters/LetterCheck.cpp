#include "LetterCheck.h"

#include <QStringList>
#include <algorithm>
#include <bitset>
#include <memory>

namespace {

constexpr int kCell = 32;

QString listCharacters(const QList<int>& positions) {
    QStringList names;
    for (int p : positions) names << characterName(p);
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString characterName(int position) {
    const char character = LetterOrder[position];
    if (character == ' ') return QStringLiteral("space");
    if (character == '"') return QStringLiteral("double quote");
    return QString(QLatin1Char(character));
}

CheckReport checkLetterSet(const QByteArray& data) {
    CheckReport report;
    auto glyphs = std::make_unique<LetterGlyphs>();
    report.read = readLetterSet(data, *glyphs);
    report.stopLine = static_cast<int>(data.left(report.read.stopOffset).count('\n')) + 1;
    for (qsizetype i = report.read.stopOffset; i < data.size(); ++i) {
        const char c = data[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') ++report.ignoredBytes;
    }
    for (int p = 0; p < report.read.blocksRead; ++p) {
        const LetterGlyph& glyph = (*glyphs)[static_cast<size_t>(p)];
        const int count = std::max<int>(glyph.PixelCount, 0);
        report.counts[static_cast<size_t>(p)] = count;
        std::bitset<kCell * kCell> seen;
        bool outside = false;
        bool duplicate = false;
        for (int k = 0; k < count; ++k) {
            const int x = glyph.PixelX[k];
            const int y = glyph.PixelY[k];
            if (x < 0 || y < 0 || x >= kCell || y >= kCell) {
                outside = true;
                continue;
            }
            const size_t bit = static_cast<size_t>(y * kCell + x);
            if (seen.test(bit)) duplicate = true;
            seen.set(bit);
        }
        if (outside) report.outside << p;
        if (duplicate) report.duplicates << p;
    }
    return report;
}

QString describeCheck(const QString& name, const CheckReport& report) {
    QStringList lines;
    const LetterSetReadResult& read = report.read;
    if (report.loadsCompletely()) {
        lines << QStringLiteral("%1: all 95 characters load.").arg(name);
    } else {
        lines << QStringLiteral("%1: the program loads only %2 of 95 characters.")
                     .arg(name)
                     .arg(read.blocksRead);
        lines << QStringLiteral("  Reading stops in the block of \"%1\" (line %2): %3.")
                     .arg(characterName(read.blocksRead))
                     .arg(report.stopLine)
                     .arg(read.stopReason);
    }
    if (read.blocksRead > 0) {
        const auto first = report.counts.begin();
        const auto last = first + read.blocksRead;
        int total = 0;
        for (auto it = first; it != last; ++it) total += *it;
        lines << QStringLiteral("  Pixels per character: %1 to %2, %3 in all.")
                     .arg(*std::min_element(first, last))
                     .arg(*std::max_element(first, last))
                     .arg(total);
    }
    const QList<int> empty = [&] {
        QList<int> positions;
        for (int p = 0; p < read.blocksRead; ++p)
            if (report.counts[static_cast<size_t>(p)] == 0 && LetterOrder[p] != ' ') positions << p;
        return positions;
    }();
    if (!empty.isEmpty())
        lines << QStringLiteral("  Characters that paint nothing: %1.").arg(listCharacters(empty));
    if (!report.outside.isEmpty())
        lines << QStringLiteral("  Pixels outside the 32 x 32 cell: %1.")
                     .arg(listCharacters(report.outside));
    if (!report.duplicates.isEmpty())
        lines << QStringLiteral("  Pixels set twice (the later one wins): %1.")
                     .arg(listCharacters(report.duplicates));
    if (report.loadsCompletely() && report.ignoredBytes > 0)
        lines << QStringLiteral("  %1 characters of text after the last block are ignored.")
                     .arg(report.ignoredBytes);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
