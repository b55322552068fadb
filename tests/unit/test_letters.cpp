#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "LetterMaker.h"
#include "LettersTool.h"
#include "letters/LetterArchive.h"
#include "letters/LetterSet.h"
#include "support/TestFiles.h"

namespace {

constexpr QRgb kEarlier = qRgb(1, 2, 3);

TEST(LetterSet, DamagedFilesLoadWhatComesBeforeTheFault) {
    const QByteArray whole = letterSetText();
    const struct {
        QByteArray file;
        int blocksRead;
        int stoppedCount;  // pixels of the block where reading stopped (of "d" when none)
    } rows[] = {
        {whole + "anything after the last block", 95, 4},
        {letterSetText([](int p) { return p == 3 ? 1024 : 1; }), 95, 1024},
        {letterSetText([](int p) { return p == 3 ? 1025 : 1; }), 3, 1024},
        {whole.left(whole.indexOf("\"char 10\"") + 10), 10, 1},  // cut after a label
        {whole.left(whole.indexOf("\"char 20\"") - 9), 19, 6},   // cut among pixels
        {QByteArray("\"a, quoted\",0\r\n").repeated(95), 95, 0},
        {"\"a\",x", 0, 1},
    };
    for (const auto& row : rows) {
        LetterSet letters;
        letters.read(letterSetText([](int) { return 1; }));
        for (int p = 0; p < LetterSet::kSize; ++p) letters.at(p).pixel[0].color = kEarlier;
        const LetterSetReading reading = letters.read(row.file);
        EXPECT_EQ(reading.blocksRead, row.blocksRead);
        EXPECT_EQ(reading.complete, row.blocksRead == 95);
        EXPECT_EQ(reading.stopReason.isEmpty(), reading.complete);
        // Blocks before the fault are replaced, those after it keep what they held.
        for (int p = 0; p < 95; ++p) {
            const Glyph& glyph = letters.at(p);
            const bool kept = glyph.count == 1 && glyph.pixel[0].color == kEarlier;
            if (p != row.blocksRead) {
                ASSERT_EQ(kept, p > row.blocksRead) << p << row.file.left(40).toStdString();
            }
        }
        EXPECT_EQ(letters.at(row.blocksRead == 95 ? 3 : row.blocksRead).count, row.stoppedCount);
    }
}

TEST(LetterSet, ColoursAndCharactersAsTheFileGivesThem) {
    LetterSet letters;
    ASSERT_TRUE(letters.read(letterSetText()).complete);
    // Block 1 is "b"; its second pixel (1, 0) has colour 65536 + 1: blue 1, red 1.
    const Glyph* b = letters.glyph(u'b');
    ASSERT_EQ(b->count, 2);
    EXPECT_EQ(b->pixels()[1].x, 1);
    EXPECT_EQ(b->pixels()[1].color, qRgb(1, 0, 1));
    EXPECT_EQ(letters.glyph(u'>'), &letters.at(94));
    for (const QChar none :
         {QChar(u'\t'), QChar(u'\x7f'), QChar(u'\x80'), QChar(u'é'), QChar(u'Ж')})
        EXPECT_EQ(letters.glyph(none), nullptr);
    // Written out with labels of its own, it reads back the same.
    LetterSet again;
    ASSERT_TRUE(again.read(letters.format()).complete);
    EXPECT_EQ(again.format(), letters.format());
    EXPECT_TRUE(letters.format().startsWith("\"a\",1\r\n0,0,0\r\n\"b\",2\r\n"));
}

TEST(LetterArchive, ListsAndReadsItsMembersOnlyBelowTheFolderAndNeverThroughALink) {
    QTemporaryDir folder;
    qputenv("TEMP", QFile::encodeName(folder.filePath("temp")));
    for (const char* sub : {"temp", "out", "elsewhere"}) QDir(folder.path()).mkdir(sub);
    const QByteArray huge(LetterArchive::kMaxMemberBytes + 1, 'a');  // a small zip member
    writeZip(folder.filePath("letters.zip"), {{"B.txt", "bee"},
                                              {"sub/A.txt", "ay"},
                                              {"../up.txt", "x"},
                                              {"/abs.txt", "x"},
                                              {"Huge.txt", huge}});
    const LetterArchive archive(folder.filePath("letters.zip"));
    EXPECT_EQ(archive.list().names,
              QStringList({"B.txt", "sub/A.txt", "../up.txt", "/abs.txt", "Huge.txt"}));
    EXPECT_TRUE(archive.list().complete);
    EXPECT_EQ(archive.read("sub/A.txt"), QByteArray("ay"));
    for (const char* unreadable :
         {"missing.txt", "../up.txt", "/abs.txt", "sub//A.txt", "sub\\A.txt", "Huge.txt"})
        EXPECT_EQ(archive.read(unreadable), std::nullopt) << unreadable;
    EXPECT_TRUE(QDir(folder.filePath("temp")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    EXPECT_FALSE(LetterArchive(folder.filePath("temp")).list().complete);
    qputenv("TEMP", "");  // unset: the platform's temporary folder
    EXPECT_EQ(archive.read("B.txt"), QByteArray("bee"));
    qputenv("TEMP", QFile::encodeName(folder.filePath("missing")));  // unusable: the same
    EXPECT_EQ(archive.read("B.txt"), QByteArray("bee"));

    // A link where the member goes is replaced, one where its folder goes refused.
    QFile::link(folder.filePath("elsewhere/target"), folder.filePath("out/B.txt"));
    QFile::link(folder.filePath("elsewhere"), folder.filePath("out/sub"));
    EXPECT_TRUE(archive.extract("B.txt", folder.filePath("out")));
    EXPECT_FALSE(QFileInfo(folder.filePath("out/B.txt")).isSymLink());
    EXPECT_EQ(readFile(folder.filePath("out/B.txt")), "bee");
    EXPECT_FALSE(archive.extract("sub/A.txt", folder.filePath("out")));
    EXPECT_TRUE(
        QDir(folder.filePath("elsewhere")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

const QString kDejaVuBold = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");

TEST(LettersTool, CommandsMakeCheckPreviewAndPackSets) {
    QTemporaryDir folder;
    const QString set = folder.filePath("Made.txt");
    const QString zip = folder.filePath("letters.zip");
    writeFile(folder.filePath("Long.txt"), letterSetText([](int p) { return p == 3 ? 1025 : 2; }));
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } rows[] = {
        {{"make", "--font", kDejaVuBold, "--style", "gradient", "--color", "#FF0000,#0000FF",
          "--outline", "#000000", "-o", set},
         0,
         "Wrote"},
        {{"check", set}, 0, "all 95 characters load"},
        {{"preview", set, "--text", "Hi!", "--zoom", "3", "-o", folder.filePath("p.png")},
         0,
         "Wrote"},
        {{"pack", zip, set}, 0, "Packed 1"},
        {{"pack", zip, folder.filePath("Long.txt")}, 1, "Long.txt"},  // nothing packed
        {{"check", folder.filePath("Long.txt")}, 1, "\"d\" (line 1035): more than 1024"},
        {{}, 2, "usage"},
        {{"make", "--color", "#FFFFFF", "-o", set}, 2, "--font"},
        {{"preview", set, "--zoom", "0", "-o", "p.png"}, 2, "--zoom"},
    };
    for (const auto& row : rows) {
        QString out;
        QTextStream stream(&out);
        EXPECT_EQ(runLettersTool(row.arguments, stream, stream), row.status) << row.says;
        stream.flush();
        EXPECT_TRUE(out.contains(row.says)) << out.toStdString();
    }
    EXPECT_EQ(QImage(folder.filePath("p.png")).size(), QSize((32 + 3 * 32) * 3, (32 + 32) * 3));
    qputenv("TEMP", QFile::encodeName(folder.path()));
    EXPECT_EQ(LetterArchive(zip).list().names, QStringList{"Made.txt"});
    EXPECT_EQ(LetterArchive(zip).read("Made.txt"), readFile(set));
}

// Rows a glyph's pixels cover, top and bottom.
std::pair<int, int> rowsOf(const Glyph& glyph) {
    int top = 32, bottom = -1;
    for (const GlyphPixel& pixel : glyph.pixels()) {
        top = std::min<int>(top, pixel.y);
        bottom = std::max<int>(bottom, pixel.y);
    }
    return {top, bottom};
}

TEST(LetterMaker, CapitalsOfTheHeightAskedWideGlyphsNarrowedTallOnesSmaller) {
    MakeOptions options;
    options.font = kDejaVuBold;
    options.colors = {qRgb(255, 255, 255)};
    options.outlineWidth = 2;
    options.capHeight = 26;
    options.stretch = 130;
    QString error;
    const std::optional<MadeLetterSet> made = makeLetterSet(options, &error);
    ASSERT_TRUE(made) << error.toStdString();
    const auto rows = [&](char c) { return rowsOf(*made->letters.glyph(QLatin1Char(c))); };
    const auto [capTop, capBottom] = rows('H');
    EXPECT_EQ(capBottom - capTop + 1, 26);
    EXPECT_EQ(rows('W'), rows('H'));  // as high as the others, only narrower
    EXPECT_EQ(rows('x').second, capBottom);
    // Capital tops to descender bottoms centred: as much room above as below.
    EXPECT_LE(std::abs(capTop - (31 - rows('g').second)), 1);
    // Too tall for the cell: drawn smaller, so its outline closes it at both ends.
    const auto [barTop, barBottom] = rows('|');
    for (const GlyphPixel& pixel : made->letters.glyph(u'|')->pixels())
        if (pixel.y == barTop || pixel.y == barBottom) {
            EXPECT_EQ(pixel.color, qRgb(0, 0, 0));
        }

    options.size = 20;
    EXPECT_FALSE(makeLetterSet(options, &error));
    EXPECT_EQ(error, "give a size or a capital height, not both");
}

}  // namespace
