// Letter-set files that are not what they should be: cut short anywhere,
// far too long, or no text at all. The canvas must open all the same,
// without a message, with every block read before the fault in place.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <random>

#include "letters/LoadLetterSet.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"
#include "test_canvas_fixture.h"

namespace {

// A glyph no letter set of these tests can produce.
void markUntouched(LetterGlyphs& glyphs) {
    for (LetterGlyph& glyph : glyphs) {
        glyph.PixelCount = 1;
        glyph.PixelX[0] = -7;
        glyph.PixelY[0] = -7;
        glyph.PixelColor[0] = 0x123456;
    }
}
bool untouched(const LetterGlyph& glyph) {
    return glyph.PixelCount == 1 && glyph.PixelX[0] == -7 && glyph.PixelY[0] == -7 &&
           glyph.PixelColor[0] == 0x123456;
}
bool sameDrawing(const LetterGlyph& a, const LetterGlyph& b) {
    if (a.PixelCount != b.PixelCount) return false;
    for (int k = 0; k < a.PixelCount; ++k)
        if (a.PixelX[k] != b.PixelX[k] || a.PixelY[k] != b.PixelY[k] ||
            a.PixelColor[k] != b.PixelColor[k])
            return false;
    return true;
}

// Where each block of a set made by makeLetterSetText ends: the offset just
// after the line end of its last pixel line.
std::vector<qsizetype> blockEnds(const QByteArray& text) {
    std::vector<qsizetype> ends;
    qsizetype at = 0;
    for (int p = 0; p < kLetterCount; ++p) {
        const QByteArray label = "\"char " + QByteArray::number(p) + "\"";
        const qsizetype next = text.indexOf("\"char " + QByteArray::number(p + 1) + "\"", at);
        at = text.indexOf(label, at) + label.size();
        ends.push_back(next < 0 ? text.size() : next);
    }
    return ends;
}

TEST(DamagedLetterSet, CutAnywhereKeepsExactlyTheWholeBlocksBeforeTheCut) {
    const QByteArray full = makeLetterSetText();
    LetterGlyphs reference;
    ASSERT_TRUE(readLetterSet(full, reference).complete);
    const std::vector<qsizetype> ends = blockEnds(full);

    auto glyphs = std::make_unique<LetterGlyphs>();
    // Every cut inside the first blocks, then every 37th byte to the end.
    for (qsizetype cut = 0; cut < full.size(); cut += cut < 200 ? 1 : 37) {
        markUntouched(*glyphs);
        const LetterSetReadResult result = readLetterSet(full.left(cut), *glyphs);
        const int whole =
            static_cast<int>(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        ASSERT_FALSE(result.complete) << cut;
        // A cut inside a block's last number leaves a shorter number, which
        // reads as well as any: that block may count as read, with the
        // number as far as it arrived.
        ASSERT_GE(result.blocksRead, whole) << "cut at " << cut;
        ASSERT_LE(result.blocksRead, whole + 1) << "cut at " << cut;
        for (int p = 0; p < whole; ++p)
            ASSERT_TRUE(sameDrawing((*glyphs)[p], reference[p])) << "cut " << cut << " block " << p;
        for (int p = result.blocksRead + 1; p < kLetterCount; ++p)
            ASSERT_TRUE(untouched((*glyphs)[p])) << "cut " << cut << " block " << p;
        // The block being read when the file ended has at most its own count.
        if (result.blocksRead < kLetterCount && !untouched((*glyphs)[result.blocksRead])) {
            ASSERT_LE((*glyphs)[result.blocksRead].PixelCount,
                      reference[result.blocksRead].PixelCount)
                << cut;
        }
    }
}

TEST(DamagedLetterSet, ACountAboveTheCapacityIsKeptAtTheCapacityWhereverTheFileEnds) {
    auto glyphs = std::make_unique<LetterGlyphs>();
    for (const QByteArray& text :
         {QByteArray("\"a\",4751\r\n1,2,3\r\n"), QByteArray("\"a\",1100\r\n"),
          QByteArray("\"a\",32767\r\n1,2,3\r\n4,5,x")}) {
        (*glyphs)[0].PixelCount = 0;
        const LetterSetReadResult result = readLetterSet(text, *glyphs);
        EXPECT_EQ(result.blocksRead, 0);
        EXPECT_EQ((*glyphs)[0].PixelCount, LetterGlyph::kCapacity) << text.constData();
    }
}

TEST(DamagedLetterSet, BinaryJunkStopsQuietlyWithinTheTable) {
    auto glyphs = std::make_unique<LetterGlyphs>();
    std::mt19937 random(20240601);
    for (int round = 0; round < 300; ++round) {
        QByteArray junk(static_cast<qsizetype>(random() % 4096), '\0');
        for (char& byte : junk) byte = static_cast<char>(random());
        // Some rounds are junk that looks like numbers and separators.
        if (round % 3 == 0)
            for (char& byte : junk) byte = "0123456789-,\r\n\" #"[static_cast<uint8_t>(byte) % 17];
        const LetterSetReadResult result = readLetterSet(junk, *glyphs);
        ASSERT_LE(result.stopOffset, junk.size()) << round;
        for (const LetterGlyph& glyph : *glyphs)
            ASSERT_LE(glyph.PixelCount, LetterGlyph::kCapacity) << round;
    }
}

// The same through the canvas: it opens without a word whatever the set holds.
class DamagedLetterSetCanvas : public CanvasTest {
  protected:
    void useLetterSet(const QByteArray& text) {
        folder.write("letters.zip", makeZip({{"Test.txt", text}}));
    }
};

TEST_F(DamagedLetterSetCanvas, AHundredThousandBlocksLoadTheFirst95AndIgnoreTheRest) {
    QByteArray text = makeLetterSetText(std::vector<int>(95, 2));
    const QByteArray extra = "\"more\",1\r\n3,3,255\r\n";
    text += extra.repeated(100000 - 95);
    useLetterSet(text);
    markUntouched(*g.Glyphs);
    open({320, 240}, QString());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    LetterGlyphs reference;
    ASSERT_TRUE(readLetterSet(makeLetterSetText(std::vector<int>(95, 2)), reference).complete);
    for (int p = 0; p < kLetterCount; ++p) EXPECT_TRUE(sameDrawing((*g.Glyphs)[p], reference[p]));
    EXPECT_TRUE(QDir(folder.file("temp")).isEmpty()) << "the extracted set is deleted";
}

TEST_F(DamagedLetterSetCanvas, JunkOrACutSetOpensTheCanvasWithoutAMessage) {
    QByteArray junk(5000, '\0');
    std::mt19937 random(7);
    for (char& byte : junk) byte = static_cast<char>(random());
    const QByteArray full = makeLetterSetText();
    for (const QByteArray& text : {junk, full.left(full.size() / 2), QByteArray()}) {
        useLetterSet(text);
        open({320, 240}, QString());
        EXPECT_TRUE(fakes.messages.shown.isEmpty());
        type("abc xyz");
        EXPECT_EQ(canvas->CurrentLine, "abc xyz");
        canvas->Form_Unload();
    }
}

}  // namespace
