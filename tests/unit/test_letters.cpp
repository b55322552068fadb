#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include "LettersTool.h"
#include "letters/FieldReader.h"
#include "letters/LetterArchive.h"
#include "letters/LetterSet.h"
#include "support/TestFiles.h"

namespace {

constexpr QRgb kEarlier = qRgb(1, 2, 3);

// A block after the first 95: its label, then `count` pixels at (k, 0).
QByteArray block(const QByteArray& label, int count) {
    QByteArray text = '"' + label + "\"," + QByteArray::number(count) + "\r\n";
    for (int k = 0; k < count; ++k) text += QByteArray::number(k) + ",0,255\r\n";
    return text;
}

TEST(FieldReader, APixelLineReadsTheSameInOnePassAsFieldByField) {
    const struct {
        const char* line;
        bool onePass;  // of the usual form
        int16_t x, y;
        int32_t colour;
    } rows[] = {
        {"7,31,16777215\r\n", true, 7, 31, 16777215},
        {"12,5,99999999\n", true, 12, 5, 99999999},     // eight digits, a line feed alone
        {"3,4,255\r", true, 3, 4, 255},                 // a carriage return alone
        {"1,2,123456789\r\n", false, 1, 2, 123456789},  // nine digits
        {"100,2,255\r\n", false, 100, 2, 255},          // three-digit coordinates
        {"-32768 ,\n\r\n +2,2147483647\r\n", false, -32768, 2, 2147483647},  // blank lines between
    };
    for (const auto& row : rows) {
        const QByteArray data = row.line + QByteArray("9,8,7\r\n").repeated(3);
        FieldReader onePass(data), fieldByField(data);
        for (FieldReader* reader : {&onePass, &fieldByField}) {
            int16_t x = -9, y = -9;
            int32_t colour = -9;
            const bool inOnePass = reader == &onePass && reader->readPixelFields(x, y, colour);
            EXPECT_EQ(inOnePass, reader == &onePass && row.onePass) << row.line;
            if (!inOnePass) {
                x = reader->readInt16();
                y = reader->readInt16();
                colour = reader->readInt32();
            }
            EXPECT_EQ(std::tuple(x, y, colour), std::tuple(row.x, row.y, row.colour)) << row.line;
        }
        EXPECT_EQ(onePass.position(), fieldByField.position()) << row.line;
    }
}

TEST(LetterSet, DamagedFilesLoadWhatComesBeforeTheFault) {
    const QByteArray whole = letterSetText();
    const QByteArray e = "\xc3\xa9";  // é in UTF-8
    const QByteArray tooLong = letterSetText([](int p) { return p == 3 ? 1025 : 1; });
    const QByteArray cutAfterLabel = whole.left(whole.indexOf("\"char 10\"") + 10);
    const QByteArray cutAmongPixels = whole.left(whole.indexOf("\"char 20\"") - 9);
    const struct {
        QByteArray file;
        int blocksRead;
        int extraBlocksRead;
        qsizetype faultAt;  // where the faulty field begins, -1 for none
        int stoppedCount;   // pixels of the block where reading stopped (of "d" when none)
    } rows[] = {
        {whole, 95, 0, -1, 4},
        {whole + block(e, 2) + block("\xd0\x96", 1) + "\r\n\x1a", 95, 2, -1, 4},
        // A second "é".
        {whole + block(e, 1) + block(e, 1), 95, 1, whole.size() + block(e, 1).size(), 4},
        {whole + block("\xc3", 1), 95, 0, whole.size(), 4},  // not UTF-8
        {letterSetText([](int p) { return p == 3 ? 1024 : 1; }), 95, 0, -1, 1024},
        {tooLong, 3, 0, tooLong.indexOf("\n0,32,") + 1, 1024},  // the 1025th pixel, at (0, 32)
        {cutAfterLabel, 10, 0, cutAfterLabel.size(), 1},
        {cutAmongPixels, 19, 0, cutAmongPixels.size(), 5},
        {"\"a\",32768", 0, 0, 4, 1},                 // past what a count may be
        {"\"a\",18446744073709551616", 0, 0, 4, 1},  // 2^64, which must not wrap to 0
        {QByteArray("\"a, quoted\",0\r\n").repeated(95), 95, 0, -1, 0},
        {"\"a\",1.5", 0, 0, 4, 1},
    };
    for (const auto& row : rows) {
        LetterSet letters;
        const std::vector<GlyphPixel> earlier{{3, 4, kEarlier}};
        for (const char character : LetterSet::letterOrder())
            letters.setGlyph(static_cast<char32_t>(character), earlier);
        letters.setGlyph(U'\u0436', earlier);   // ж
        ASSERT_TRUE(letters.glyph(U'\u0436'));  // as the letter maker adds one
        const LetterSetReading reading = letters.read(row.file);
        const std::string says = row.file.right(30).toStdString();
        EXPECT_EQ(reading.blocksRead, row.blocksRead) << says;
        EXPECT_EQ(reading.extraBlocksRead, row.extraBlocksRead) << says;
        EXPECT_EQ(!reading.stopReason.isEmpty(), row.faultAt >= 0) << says;
        if (row.faultAt >= 0) {
            EXPECT_EQ(reading.stopOffset, row.faultAt) << says;
        }
        // Blocks before the fault are replaced, those it did not reach keep
        // what they held, and so do the further glyphs when it lies among the 95.
        for (int p = 0; p < 95; ++p) {
            const GlyphPixels glyph = letters.pixelsAt(p);
            const bool kept = glyph.size() == 1 && glyph[0].color == kEarlier && glyph[0].x == 3 &&
                              glyph[0].y == 4;
            if (p != row.blocksRead) {
                ASSERT_EQ(kept, p > row.blocksRead) << p << says;
            }
        }
        const std::optional<GlyphPixels> zhe = letters.glyph(U'\u0436');
        EXPECT_EQ(zhe && zhe->size() == 1 && (*zhe)[0].color == kEarlier, !reading.complete)
            << says;
        EXPECT_EQ(letters.pixelsAt(row.blocksRead == 95 ? 3 : row.blocksRead).size(),
                  size_t(row.stoppedCount))
            << says;
    }
}

TEST(LetterSet, WhereTheQuestionMarkDrawsNothingAWhiteFrameStandsIn) {
    QImage drawn(32, 32, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QImage frame = drawn;
    const LetterSet letters;  // nothing read
    for (const GlyphPixel& pixel : letters.fallback())
        drawn.setPixel(pixel.x, pixel.y, pixel.color);
    QPainter painter(&frame);
    painter.setPen(Qt::white);
    painter.drawRect(4, 4, 23, 23);  // a square from pixel 4 to pixel 27
    painter.end();
    EXPECT_EQ(drawn, frame);
}

TEST(LetterArchive, ListsAndReadsItsMembersOnlyBelowTheFolderAndNeverThroughALink) {
    QTemporaryDir folder;
    qputenv("TEMP", QFile::encodeName(folder.filePath("temp")));
    for (const char* sub : {"temp", "out", "elsewhere"}) QDir(folder.path()).mkdir(sub);
    const QByteArray full(LetterArchive::kMaxMemberBytes, 'a');  // a small zip member
    writeZip(folder.filePath("letters.zip"), {{"B.txt", "bee"},
                                              {"sub/A.txt", "ay"},
                                              {"../up.txt", "x"},
                                              {"/abs.txt", "x"},
                                              {"sub/../../x", "x"},
                                              {"Full.txt", full},
                                              {"Huge.txt", full + 'a'}});
    const LetterArchive archive(folder.filePath("letters.zip"));
    // Only names that can be read are offered.
    EXPECT_EQ(archive.list().names, QStringList({"B.txt", "sub/A.txt", "Full.txt", "Huge.txt"}));
    EXPECT_EQ(archive.read("sub/A.txt"), QByteArray("ay"));
    EXPECT_TRUE(archive.read("Full.txt") == full);  // as large as a member may be
    for (const char* unreadable :
         {"missing.txt", "../up.txt", "/abs.txt", "sub//A.txt", "sub\\A.txt", "Huge.txt"}) {
        EXPECT_EQ(archive.read(unreadable), std::nullopt) << unreadable;
        EXPECT_FALSE(archive.extract(unreadable, folder.filePath("out"))) << unreadable;
    }
    // A member whose header understates its size is cut off all the same.
    writeZip(folder.filePath("lying.zip"), {{"Huge.txt", full + 'a'}});
    QByteArray lying = readFile(folder.filePath("lying.zip"));
    for (const qsizetype offset : {qsizetype(22), lying.indexOf("PK\1\2") + 24})
        lying.replace(offset, 4, QByteArray("\3\0\0\0", 4));
    writeFile(folder.filePath("lying.zip"), lying);
    EXPECT_EQ(LetterArchive(folder.filePath("lying.zip")).read("Huge.txt"), std::nullopt);
    EXPECT_TRUE(QDir(folder.filePath("temp")).isEmpty());  // reads leave nothing behind
    const LetterArchive folderNotArchive(folder.filePath("temp"));
    EXPECT_FALSE(folderNotArchive.list().complete);
    EXPECT_FALSE(folderNotArchive.extract("B.txt", folder.filePath("out")));
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
        {{"make", "--font", kDejaVuBold, "--color", "#FFFFFF", "--chars", "GREEK,U+20AC, Zürich",
          "-o", folder.filePath("Chars.txt")},
         0,
         "further ones"},
        {{"make", "--font", kDejaVuBold, "-o", set}, 2, "make needs --color\n"},
        {{"make", "--color", "#FFFFFF"}, 2, "make needs --font and --output\n"},
        {{"make", "--font=x", "--color=#000000", "--grain=91", "-o", set}, 1, "0 to 90 percent"},
    };
    for (const auto& row : rows) {
        QString out;
        QTextStream stream(&out);
        EXPECT_EQ(runLettersTool(row.arguments, stream, stream), row.status) << row.says;
        stream.flush();
        EXPECT_TRUE(out.contains(row.says)) << out.toStdString();
    }
    EXPECT_TRUE(readFile(set).startsWith("\"a\",") &&
                readFile(set).contains("\n\"double quote\","));
    EXPECT_EQ(QImage(folder.filePath("p.png")).size(), QSize((32 + 3 * 32) * 3, (32 + 32) * 3));
    qputenv("TEMP", QFile::encodeName(folder.path()));
    EXPECT_EQ(LetterArchive(zip).list().names, QStringList{"Made.txt"});
    EXPECT_EQ(LetterArchive(zip).read("Made.txt"), readFile(set));
    // Named, numbered and literal characters, after the 95 in code point
    // order; an unassigned code point in a range is left out.
    LetterSet chars;
    EXPECT_EQ(chars.read(readFile(folder.filePath("Chars.txt"))).stopReason, "");
    EXPECT_FALSE(chars.glyph(U'\u0378'));
    EXPECT_EQ(chars.characterAt(95), U'ü');
    EXPECT_EQ(chars.characterAt(chars.size() - 1), U'€');
}

}  // namespace
