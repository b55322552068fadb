#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "letters/LoadLetterSet.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

// Sets (or clears) an environment variable for the life of a test.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// Fills every glyph with a recognisable earlier load: `count` pixels of colour -1.
void fillWithSentinel(LetterGlyphs& glyphs, int16_t count = 3) {
    for (LetterGlyph& glyph : glyphs) {
        glyph.PixelCount = count;
        for (int k = 0; k < LetterGlyph::kCapacity; ++k) {
            glyph.PixelX[k] = -5;
            glyph.PixelY[k] = -5;
            glyph.PixelColor[k] = -1;
        }
    }
}

// The glyph makeLetterSetText() writes for position p, checked pixel by pixel.
void expectGeneratedGlyph(const LetterGlyphs& glyphs, int p, int count) {
    const LetterGlyph& glyph = glyphs[static_cast<size_t>(p)];
    ASSERT_EQ(glyph.PixelCount, count) << "position " << p;
    for (int k = 0; k < std::min(count, LetterGlyph::kCapacity); ++k) {
        ASSERT_EQ(glyph.PixelX[k], k % 32) << p << "/" << k;
        ASSERT_EQ(glyph.PixelY[k], k / 32) << p << "/" << k;
        ASSERT_EQ(glyph.PixelColor[k], p * 65536 + k) << p << "/" << k;
    }
}

void expectUntouched(const LetterGlyphs& glyphs, int from) {
    for (int p = from; p < kLetterCount; ++p) {
        ASSERT_EQ(glyphs[static_cast<size_t>(p)].PixelCount, 3) << "position " << p;
        ASSERT_EQ(glyphs[static_cast<size_t>(p)].PixelColor[0], -1) << "position " << p;
    }
}

// The text of the blocks before position `p` in a makeLetterSetText() file.
QByteArray blocksBefore(const QByteArray& text, int p) {
    return text.left(text.indexOf("\"char " + QByteArray::number(p) + "\""));
}

class ReadLetterSetTest : public ::testing::Test {
  protected:
    void SetUp() override { fillWithSentinel(*glyphs); }
    std::unique_ptr<LetterGlyphs> glyphs = std::make_unique<LetterGlyphs>();
};

TEST_F(ReadLetterSetTest, AllNinetyFiveBlocksLoadInLetterOrder) {
    const QByteArray text = makeLetterSetText();
    const LetterSetReadResult result = readLetterSet(text, *glyphs);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.blocksRead, 95);
    EXPECT_TRUE(result.stopReason.isEmpty());
    EXPECT_EQ(result.stopOffset, text.size());
    for (int p = 0; p < kLetterCount; ++p) expectGeneratedGlyph(*glyphs, p, p % 7 + 1);
}

TEST_F(ReadLetterSetTest, LayoutIsFreeQuotedLabelsMayHoldCommasAndBreaks) {
    // The same set with every field on a line of its own, blanks, blank
    // lines, labels with commas and line breaks, and no quotes on some.
    QByteArray text;
    for (int p = 0; p < kLetterCount; ++p) {
        const int count = p % 7 + 1;
        text += p % 2 ? "\"label, with\r\ncomma\"" : "plain label";
        text += "\r\n\r\n   " + QByteArray::number(count) + "   \r\n";
        for (int k = 0; k < count; ++k)
            text += "\t" + QByteArray::number(k % 32) + " \n " + QByteArray::number(k / 32) +
                    " ,  " + QByteArray::number(p * 65536 + k) + "\r";
    }
    EXPECT_TRUE(readLetterSet(text, *glyphs).complete);
    for (int p = 0; p < kLetterCount; ++p) expectGeneratedGlyph(*glyphs, p, p % 7 + 1);
}

TEST_F(ReadLetterSetTest, CountsOfZeroOrLessPaintNothingAndReadNoPixels) {
    std::vector<int> counts(95, 2);
    counts[0] = 0;
    counts[1] = -4;
    const LetterSetReadResult result = readLetterSet(makeLetterSetText(counts), *glyphs);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ((*glyphs)[0].PixelCount, 0);
    EXPECT_EQ((*glyphs)[1].PixelCount, -4);
    for (int p = 2; p < kLetterCount; ++p) expectGeneratedGlyph(*glyphs, p, 2);
}

TEST_F(ReadLetterSetTest, ExactlyTheCapacityOf1024PixelsLoads) {
    std::vector<int> counts(95, 1);
    counts[10] = 1024;
    counts[94] = 1024;
    EXPECT_TRUE(readLetterSet(makeLetterSetText(counts), *glyphs).complete);
    expectGeneratedGlyph(*glyphs, 10, 1024);
    expectGeneratedGlyph(*glyphs, 94, 1024);
}

TEST_F(ReadLetterSetTest, A1025thPixelStopsTheLoadKeepingTheFirst1024) {
    std::vector<int> counts(95, 1);
    counts[20] = 1025;
    const LetterSetReadResult result = readLetterSet(makeLetterSetText(counts), *glyphs);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.blocksRead, 20);
    for (int p = 0; p < 20; ++p) expectGeneratedGlyph(*glyphs, p, 1);
    // Stored as the pixels it really holds, so drawing never runs past them.
    expectGeneratedGlyph(*glyphs, 20, 1024);
    expectUntouched(*glyphs, 21);
}

TEST_F(ReadLetterSetTest, ANumberOutOfRangeStopsTheLoadInItsBlock) {
    struct Case {
        const char* what;
        QByteArray from;
        QByteArray to;
        QByteArray failingField;
        int storedCount;   // the failing block's count afterwards
        int storedPixels;  // its pixels taken from the new file
    };
    // Block 30 holds pixels of colour 1966080 (30 * 65536) to 1966083.
    const QByteArray text = makeLetterSetText(std::vector<int>(95, 4));
    for (const Case& c : {
             Case{"count", "\"char 30\",4", "\"char 30\",32768", "32768", 3, 0},
             Case{"x", "\n1,0,1966081", "\n32768,0,1966081", "32768,", 4, 1},
             Case{"y", "1,0,1966081", "1,-32769,1966081", "-32769", 4, 1},
             Case{"colour", "2,0,1966082", "2,0,2147483648", "2147483648", 4, 2},
             Case{"not a number", "1,0,1966081", "1,zero,1966081", "zero", 4, 1},
         }) {
        fillWithSentinel(*glyphs);
        ASSERT_TRUE(text.contains(c.from)) << c.what;
        const QByteArray broken = QByteArray(text).replace(c.from, c.to);
        const LetterSetReadResult result = readLetterSet(broken, *glyphs);
        EXPECT_FALSE(result.complete) << c.what;
        EXPECT_EQ(result.blocksRead, 30) << c.what;
        EXPECT_FALSE(result.stopReason.isEmpty()) << c.what;
        EXPECT_EQ(result.stopOffset, broken.indexOf(c.failingField, broken.indexOf("\"char 30\"")))
            << c.what;
        for (int p = 0; p < 30; ++p) expectGeneratedGlyph(*glyphs, p, 4);
        const LetterGlyph& failing = (*glyphs)[30];
        EXPECT_EQ(failing.PixelCount, c.storedCount) << c.what;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(failing.PixelColor[k], k < c.storedPixels ? 30 * 65536 + k : -1)
                << c.what << " pixel " << k;
        expectUntouched(*glyphs, 31);
    }
}

TEST_F(ReadLetterSetTest, AFileEndingEarlyKeepsTheBlocksItHolds) {
    const QByteArray text = makeLetterSetText();
    const QByteArray shortText = blocksBefore(text, 40) + "\"char 40\",5\r\n0,0";
    const LetterSetReadResult result = readLetterSet(shortText, *glyphs);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.blocksRead, 40);
    EXPECT_EQ(result.stopOffset, shortText.size());
    for (int p = 0; p < 40; ++p) expectGeneratedGlyph(*glyphs, p, p % 7 + 1);
    EXPECT_EQ((*glyphs)[40].PixelCount, 5);
    EXPECT_EQ((*glyphs)[40].PixelX[0], 0);
    EXPECT_EQ((*glyphs)[40].PixelY[0], 0);
    EXPECT_EQ((*glyphs)[40].PixelColor[0], -1);
    expectUntouched(*glyphs, 41);

    fillWithSentinel(*glyphs);
    EXPECT_EQ(readLetterSet(QByteArray(), *glyphs).blocksRead, 0);
    expectUntouched(*glyphs, 0);
}

TEST_F(ReadLetterSetTest, TextAfterTheLastBlockIsNotRead) {
    const QByteArray text = makeLetterSetText();
    const LetterSetReadResult result =
        readLetterSet(text + "\"extra\",99999999\r\nnot, numbers, at all\r\n", *glyphs);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.stopOffset, text.size());
    expectGeneratedGlyph(*glyphs, 94, 94 % 7 + 1);
}

// LoadLetterSet against a letters.zip and a TEMP folder of the test's own.
class LoadLetterSetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(folder.path()).mkdir("temp");
        g.LettersZipPath = folder.file("letters.zip");
    }

    void writeArchive(const std::vector<std::pair<QByteArray, QByteArray>>& members) {
        folder.write("letters.zip", makeZip(members));
    }

    bool load(const QString& member) {
        g.LetterSetName = member;
        return LoadLetterSet(g, messages);
    }

    QStringList tempEntries() const {
        return QDir(folder.file("temp"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    TestProgramFolder folder;
    ScopedEnv temp{"TEMP", QFile::encodeName(folder.file("temp"))};
    Globals g;
    FakeMessageBoxes messages;
};

TEST_F(LoadLetterSetTest, LoadsTheChosenMemberAndLeavesNothingBehind) {
    writeArchive({{"Other.txt", makeLetterSetText(std::vector<int>(95, 1))},
                  {"Bold Outline.txt", makeLetterSetText()}});
    EXPECT_TRUE(load("Bold Outline.txt"));
    EXPECT_TRUE(messages.shown.isEmpty());
    for (int p = 0; p < kLetterCount; ++p) expectGeneratedGlyph(*g.Glyphs, p, p % 7 + 1);
    EXPECT_EQ(g.IncludeNames[0], "Bold Outline.txt");
    EXPECT_TRUE(tempEntries().isEmpty()) << tempEntries().join(", ").toStdString();
}

TEST_F(LoadLetterSetTest, ASecondLoadOverwritesTheBlocksItReads) {
    std::vector<int> many(95, 9);
    std::vector<int> few(95, 2);
    // The second set ends after 60 blocks.
    const QByteArray second = blocksBefore(makeLetterSetText(few), 60);
    writeArchive({{"First.txt", makeLetterSetText(many)}, {"Second.txt", second}});
    ASSERT_TRUE(load("First.txt"));
    ASSERT_TRUE(load("Second.txt"));
    EXPECT_TRUE(messages.shown.isEmpty());
    for (int p = 0; p < 60; ++p) {
        expectGeneratedGlyph(*g.Glyphs, p, 2);
        // Beyond the new count the old pixels stay, but are never drawn.
        EXPECT_EQ((*g.Glyphs)[static_cast<size_t>(p)].PixelColor[5], p * 65536 + 5);
    }
    for (int p = 60; p < kLetterCount; ++p) expectGeneratedGlyph(*g.Glyphs, p, 9);
    EXPECT_TRUE(tempEntries().isEmpty());
}

TEST_F(LoadLetterSetTest, AMemberInAFolderLoadsUnderItsListedName) {
    writeArchive({{"sets/Chalk.txt", makeLetterSetText()}});
    EXPECT_TRUE(load("sets/Chalk.txt"));
    EXPECT_TRUE(messages.shown.isEmpty());
    expectGeneratedGlyph(*g.Glyphs, 50, 50 % 7 + 1);
    EXPECT_TRUE(tempEntries().isEmpty());
}

TEST_F(LoadLetterSetTest, AFailedExtractionIsReportedAndChangesNoGlyph) {
    writeArchive({{"Here.txt", makeLetterSetText()}});
    fillWithSentinel(*g.Glyphs);
    EXPECT_FALSE(load("Gone.txt"));
    EXPECT_EQ(messages.shown, QStringList{"Could not unzip " + g.LettersZipPath});
    expectUntouched(*g.Glyphs, 0);
    EXPECT_TRUE(tempEntries().isEmpty());
}

TEST_F(LoadLetterSetTest, FilesOfOthersInTheTemporaryFolderAreNeitherReadNorDeleted) {
    // Someone else's file under the member's name, and one a name with ".."
    // would reach: the load must use its own private folder for both.
    const QByteArray planted = makeLetterSetText(std::vector<int>(95, 4));
    folder.write("temp/Set.txt", planted);
    folder.write("temp/Outside.txt", planted);
    writeArchive({{"Set.txt", makeLetterSetText()}, {"../Outside.txt", planted}});

    EXPECT_TRUE(load("Set.txt"));
    expectGeneratedGlyph(*g.Glyphs, 0, 1);
    EXPECT_EQ(folder.read("temp/Set.txt"), planted);

    fillWithSentinel(*g.Glyphs);
    EXPECT_FALSE(load("../Outside.txt"));
    expectUntouched(*g.Glyphs, 0);
    EXPECT_EQ(folder.read("temp/Outside.txt"), planted);
    EXPECT_EQ(tempEntries(), (QStringList{"Outside.txt", "Set.txt"}));
}

TEST_F(LoadLetterSetTest, WithoutTempThePlatformTemporaryFolderIsUsed) {
    writeArchive({{"Set.txt", makeLetterSetText()}});
    QDir(folder.path()).mkdir("tmpdir");
    const ScopedEnv tmpdir("TMPDIR", QFile::encodeName(folder.file("tmpdir")));
    for (const std::optional<QByteArray>& value :
         {std::optional<QByteArray>(), std::optional<QByteArray>("")}) {
        const ScopedEnv noTemp("TEMP", value);
        fillWithSentinel(*g.Glyphs);
        EXPECT_TRUE(load("Set.txt"));
        expectGeneratedGlyph(*g.Glyphs, 7, 1);
        EXPECT_TRUE(QDir(folder.file("tmpdir")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    }
    EXPECT_TRUE(messages.shown.isEmpty());

    // It really is that folder (not the file-system root): without it the
    // extraction has nowhere to go.
    const ScopedEnv noTemp("TEMP", std::nullopt);
    const ScopedEnv gone("TMPDIR", QFile::encodeName(folder.file("no such folder")));
    fillWithSentinel(*g.Glyphs);
    EXPECT_FALSE(load("Set.txt"));
    EXPECT_EQ(messages.shown, QStringList{"Could not unzip " + g.LettersZipPath});
    expectUntouched(*g.Glyphs, 0);
}

}  // namespace
