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
    const char character = LetterSet::kLetterOrder[static_cast<size_t>(position)];
    if (character == ' ') return QStringLiteral("space");
    if (character == '"') return QStringLiteral("double quote");
    return QString(QLatin1Char(character));
}

CheckReport checkLetterSet(const QByteArray& data) {
    CheckReport report;
    LetterSet letters;
    report.read = letters.read(data);
    report.stopLine = static_cast<int>(data.left(report.read.stopOffset).count('\n')) + 1;
    for (qsizetype i = report.read.stopOffset; i < data.size(); ++i) {
        const char c = data[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') ++report.ignoredBytes;
    }
    for (int p = 0; p < report.read.blocksRead; ++p) {
        const Glyph& glyph = letters.at(p);
        report.counts[static_cast<size_t>(p)] = glyph.count;
        std::bitset<kCell * kCell> seen;
        bool outside = false;
        bool duplicate = false;
        for (const GlyphPixel& pixel : glyph.pixels()) {
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
        if (outside) report.outside << p;
        if (duplicate) report.duplicates << p;
    }
    return report;
}

QString describeCheck(const QString& name, const CheckReport& report) {
    QStringList lines;
    const LetterSetReading& read = report.read;
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
            if (report.counts[static_cast<size_t>(p)] == 0 &&
                LetterSet::kLetterOrder[static_cast<size_t>(p)] != ' ')
                positions << p;
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
