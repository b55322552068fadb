#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <memory>

#include "LetterCheck.h"
#include "LetterMaker.h"
#include "LetterPack.h"
#include "LetterPreview.h"
#include "LetterSetText.h"
#include "LettersTool.h"
#include "letters/Unzip.h"
#include "platform/Raster.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

const QString kDejaVuBold = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
const QString kDejaVuMono = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runLettersTool(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

// The member names of an archive, as the launcher lists them.
QStringList listArchive(const QString& path) {
    Globals g;
    FakeMessageBoxes messages;
    g.LettersZipPath = path;
    g.ZipMemberCapacity = 50;
    g.ZipMemberNames = QStringList(51);
    UnzipRun(g, messages, path, QString(), 1, 0);
    return g.ZipMemberNames.mid(0, g.ZipMemberCount);
}

QByteArray extractMember(TestProgramFolder& folder, const QString& zip, const QString& name) {
    Globals g;
    FakeMessageBoxes messages;
    g.LettersZipPath = zip;
    g.IncludeNames[0] = name;
    QDir(folder.path()).mkpath("extracted");
    UnzipRun(g, messages, zip, folder.file("extracted"), 0, 1);
    return folder.read("extracted/" + name);
}

// The cell rows and columns a glyph's pixels cover.
struct Extent {
    int left = 32, top = 32, right = -1, bottom = -1;
};
Extent extentOf(const LetterGlyph& glyph) {
    Extent e;
    for (int k = 0; k < glyph.PixelCount; ++k) {
        e.left = std::min<int>(e.left, glyph.PixelX[k]);
        e.right = std::max<int>(e.right, glyph.PixelX[k]);
        e.top = std::min<int>(e.top, glyph.PixelY[k]);
        e.bottom = std::max<int>(e.bottom, glyph.PixelY[k]);
    }
    return e;
}

// What every letter set fit to ship must be: all 95 blocks, every pixel in
// its cell once, every character but the space visible.
void expectSound(const QByteArray& text, const QString& what) {
    const CheckReport report = checkLetterSet(text);
    EXPECT_TRUE(report.loadsCompletely())
        << what.toStdString() << ": " << report.read.stopReason.toStdString();
    EXPECT_TRUE(report.outside.isEmpty()) << what.toStdString();
    EXPECT_TRUE(report.duplicates.isEmpty()) << what.toStdString();
    EXPECT_EQ(report.ignoredBytes, 0) << what.toStdString();
    for (int p = 0; p < kLetterCount; ++p) {
        const int count = report.counts[static_cast<size_t>(p)];
        EXPECT_LE(count, 1024) << what.toStdString() << " " << characterName(p).toStdString();
        if (LetterOrder[p] != ' ') {
            EXPECT_GT(count, 0) << what.toStdString() << " " << characterName(p).toStdString();
        }
    }
}

TEST(ShippedLetterSets, EveryMemberOfTheBuiltArchivePassesCheck) {
    TestProgramFolder folder;
    folder.copyBuiltLetters();
    const QStringList members = listArchive(folder.file("letters.zip"));
    ASSERT_GE(members.size(), 3);
    QStringList sources;
    for (const QString& member : members) {
        const QString source = QStringLiteral(PICTYPE_SOURCE_DIR "/data/letters/") + member;
        const QByteArray packed = extractMember(folder, folder.file("letters.zip"), member);
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << source.toStdString();
        EXPECT_EQ(packed, file.readAll()) << member.toStdString();
        expectSound(packed, member);
        sources << source;
    }
    const ToolRun run = runTool(QStringList{"check"} + sources);
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.out.count("all 95 characters load"), members.size());
}

class LetterMakerTest : public ::testing::Test {
  protected:
    MakeOptions optionsFor(const QString& style, QList<QRgb> colors) {
        MakeOptions options;
        options.font = kDejaVuBold;
        options.style = style;
        options.colors = std::move(colors);
        return options;
    }

    std::unique_ptr<LetterGlyphs> make(const MakeOptions& options) {
        QString error;
        std::optional<MadeLetterSet> made = makeLetterSet(options, &error);
        EXPECT_TRUE(made) << error.toStdString();
        if (!made) return nullptr;
        return std::move(made->glyphs);
    }
};

TEST_F(LetterMakerTest, EveryStyleWritesASetTheProgramLoadsWhole) {
    std::vector<std::pair<const char*, MakeOptions>> styles;
    styles.push_back({"solid", optionsFor("solid", {qRgb(255, 255, 0)})});
    styles.push_back({"outline", optionsFor("outline", {qRgb(255, 255, 255)})});
    MakeOptions wide = optionsFor("outline", {qRgb(255, 255, 255)});
    wide.outlineWidth = 3;
    styles.push_back({"wide outline", wide});
    MakeOptions gradient = optionsFor("gradient", {qRgb(255, 0, 0), qRgb(0, 0, 255)});
    gradient.outline = qRgb(0, 0, 0);
    styles.push_back({"gradient", gradient});
    MakeOptions blocks = optionsFor("outline", {qRgb(0, 255, 0)});
    blocks.font = kDejaVuMono;
    blocks.block = 3;
    styles.push_back({"blocks", blocks});
    MakeOptions chalk = optionsFor("outline", {qRgb(250, 250, 240)});
    chalk.grain = 40;
    styles.push_back({"chalk", chalk});
    MakeOptions family = optionsFor("solid", {qRgb(10, 20, 30)});
    family.font = "DejaVu Serif";
    family.weight = 400;
    styles.push_back({"by family name", family});

    for (const auto& [what, options] : styles) {
        const std::unique_ptr<LetterGlyphs> made = make(options);
        ASSERT_TRUE(made) << what;
        const QByteArray text = formatLetterSet(*made);
        expectSound(text, what);

        // The file holds exactly the table that was made.
        auto loaded = std::make_unique<LetterGlyphs>();
        ASSERT_TRUE(readLetterSet(text, *loaded).complete) << what;
        for (int p = 0; p < kLetterCount; ++p) {
            const LetterGlyph& a = (*made)[static_cast<size_t>(p)];
            const LetterGlyph& b = (*loaded)[static_cast<size_t>(p)];
            ASSERT_EQ(a.PixelCount, b.PixelCount) << what << " " << p;
            for (int k = 0; k < a.PixelCount; ++k) {
                ASSERT_EQ(a.PixelX[k], b.PixelX[k]) << what;
                ASSERT_EQ(a.PixelY[k], b.PixelY[k]) << what;
                ASSERT_EQ(a.PixelColor[k], b.PixelColor[k]) << what;
            }
        }
    }
}

TEST_F(LetterMakerTest, GlyphsAreCentredAcrossTheirCellsOnOneBaseline) {
    const std::unique_ptr<LetterGlyphs> glyphs = make(optionsFor("solid", {qRgb(255, 255, 255)}));
    ASSERT_TRUE(glyphs);
    int top = 32;
    int bottom = -1;
    for (int p = 0; p < kLetterCount; ++p) {
        if (LetterOrder[p] == ' ') continue;
        const Extent e = extentOf((*glyphs)[static_cast<size_t>(p)]);
        EXPECT_LE(std::abs(e.left - (31 - e.right)), 1) << LetterOrder[p];
        top = std::min(top, e.top);
        bottom = std::max(bottom, e.bottom);
    }
    EXPECT_LE(std::abs(top - (31 - bottom)), 1);
    // The largest size that fits: the set reaches (almost) from edge to edge.
    EXPECT_GE(bottom - top, 29);

    auto bottomOf = [&](char c) { return extentOf((*glyphs)[letterPosition(c)]).bottom; };
    auto topOf = [&](char c) { return extentOf((*glyphs)[letterPosition(c)]).top; };
    EXPECT_EQ(bottomOf('a'), bottomOf('x'));
    EXPECT_EQ(bottomOf('H'), bottomOf('x'));
    EXPECT_GT(bottomOf('g'), bottomOf('a'));
    EXPECT_EQ(topOf('H'), topOf('E'));
    EXPECT_LT(topOf('H'), topOf('x'));
}

TEST_F(LetterMakerTest, AnOutlineRingsTheFillInItsOwnColour) {
    MakeOptions options = optionsFor("outline", {qRgb(255, 255, 255)});
    options.outline = qRgb(0x10, 0x20, 0x30);
    options.outlineWidth = 2;
    const std::unique_ptr<LetterGlyphs> glyphs = make(options);
    ASSERT_TRUE(glyphs);
    const int32_t fill = static_cast<int32_t>(colorRefFromRgb(qRgb(255, 255, 255)));
    const int32_t ring = static_cast<int32_t>(colorRefFromRgb(qRgb(0x10, 0x20, 0x30)));
    for (char c : {'o', 'W', '.'}) {
        const LetterGlyph& glyph = (*glyphs)[letterPosition(c)];
        int cell[32][32] = {};
        for (int k = 0; k < glyph.PixelCount; ++k) {
            ASSERT_TRUE(glyph.PixelColor[k] == fill || glyph.PixelColor[k] == ring) << c;
            cell[glyph.PixelY[k]][glyph.PixelX[k]] = glyph.PixelColor[k] == fill ? 1 : 2;
        }
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (cell[y][x] != 1) continue;
                // Two pixels out from any fill pixel, straight or diagonal, is
                // fill or ring, never the picture.
                for (int dy = -2; dy <= 2; ++dy) {
                    for (int dx = -2; dx <= 2; ++dx) {
                        if (dx * dx + dy * dy <= 6) {
                            ASSERT_NE(cell[y + dy][x + dx], 0) << c << " at " << x << "," << y;
                        }
                    }
                }
            }
        }
    }
}

TEST_F(LetterMakerTest, AGradientRunsFromTheFirstColourAtTheTopToTheLastAtTheBottom) {
    const std::unique_ptr<LetterGlyphs> glyphs =
        make(optionsFor("gradient", {qRgb(255, 0, 0), qRgb(0, 0, 255)}));
    ASSERT_TRUE(glyphs);
    const LetterGlyph& bar = (*glyphs)[letterPosition('|')];
    const Extent e = extentOf(bar);
    for (int k = 0; k < bar.PixelCount; ++k) {
        const QRgb color = rgbFromColorRef(static_cast<ColorRef>(bar.PixelColor[k]));
        if (bar.PixelY[k] == e.top) {
            EXPECT_GT(qRed(color), 200);
        }
        if (bar.PixelY[k] == e.bottom) {
            EXPECT_GT(qBlue(color), 200);
        }
        EXPECT_EQ(qGreen(color), 0);
    }
}

TEST_F(LetterMakerTest, ImpossibleRequestsAreRefusedWithAReason) {
    std::vector<std::pair<const char*, MakeOptions>> bad;
    MakeOptions noFont = optionsFor("solid", {qRgb(1, 2, 3)});
    noFont.font = "No Such Font Family Anywhere";
    bad.push_back({"unknown font", noFont});
    MakeOptions notAFont = optionsFor("solid", {qRgb(1, 2, 3)});
    notAFont.font = QStringLiteral(PICTYPE_SOURCE_DIR "/data/letters/letters.cmake");
    bad.push_back({"not a font file", notAFont});
    MakeOptions tooBig = optionsFor("outline", {qRgb(1, 2, 3)});
    tooBig.size = 32;
    bad.push_back({"too big", tooBig});
    bad.push_back({"unknown style", optionsFor("sparkly", {qRgb(1, 2, 3)})});
    bad.push_back({"one-colour gradient", optionsFor("gradient", {qRgb(1, 2, 3)})});
    bad.push_back({"two-colour solid", optionsFor("solid", {qRgb(1, 2, 3), qRgb(3, 2, 1)})});
    bad.push_back({"no colour", optionsFor("solid", {})});
    for (const auto& [what, options] : bad) {
        QString error;
        EXPECT_FALSE(makeLetterSet(options, &error)) << what;
        EXPECT_FALSE(error.isEmpty()) << what;
    }
}

TEST(LetterMakerColors, OnlySixHexDigitsAfterANumberSignAreAColour) {
    EXPECT_EQ(parseHexColor("#FF8000"), qRgb(255, 128, 0));
    EXPECT_EQ(parseHexColor("#0a0B0c"), qRgb(10, 11, 12));
    for (const char* text : {"FF8000", "#FF800", "#FF80000", "#GG8000", "", "red"})
        EXPECT_FALSE(parseHexColor(text)) << text;
}

TEST(LetterSetFiles, TheDoubleQuoteGetsALabelThatCannotBreakTheFile) {
    auto glyphs = std::make_unique<LetterGlyphs>();
    for (int p = 0; p < kLetterCount; ++p) {
        LetterGlyph& glyph = (*glyphs)[static_cast<size_t>(p)];
        glyph.PixelCount = 1;
        glyph.PixelX[0] = static_cast<int16_t>(p % 32);
        glyph.PixelY[0] = static_cast<int16_t>(p / 32);
        glyph.PixelColor[0] = p;
    }
    const QByteArray text = formatLetterSet(*glyphs);
    EXPECT_TRUE(text.contains("\"double quote\",1\r\n"));
    EXPECT_TRUE(text.contains("\",\",1\r\n"));
    auto loaded = std::make_unique<LetterGlyphs>();
    ASSERT_TRUE(readLetterSet(text, *loaded).complete);
    for (int p = 0; p < kLetterCount; ++p)
        EXPECT_EQ((*loaded)[static_cast<size_t>(p)].PixelColor[0], p);
}

TEST(LetterPreview, GlyphPixelsLandWhereTheFileSaysOverThePicture) {
    // A known set: position p has p % 7 + 1 pixels at (k % 32, k / 32) of
    // colour p * 65536 + k, which is 0x00BBGGRR: red k, blue p.
    auto glyphs = std::make_unique<LetterGlyphs>();
    ASSERT_TRUE(readLetterSet(makeLetterSetText(), *glyphs).complete);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(0, 200, 0));
    PreviewOptions options;
    options.lines = QStringList{"ab", "\tZ"};
    options.picture = picture;
    options.zoom = 2;
    const QImage preview = renderPreview(*glyphs, options);
    ASSERT_EQ(preview.size(), QSize((16 * 2 + 64) * 2, (16 * 2 + 64) * 2));

    struct Cell {
        char character;
        int column;
        int line;
    };
    for (const Cell& cell : {Cell{'a', 0, 0}, Cell{'b', 1, 0}, Cell{'Z', 1, 1}}) {
        const int p = letterPosition(cell.character);
        const QPoint origin = previewCellOrigin(cell.column, cell.line);
        for (int k = 0; k < p % 7 + 1; ++k) {
            const QPoint at = (origin + QPoint(k % 32, k / 32)) * 2;
            EXPECT_EQ(preview.pixel(at), qRgb(k, 0, p)) << cell.character << " pixel " << k;
            EXPECT_EQ(preview.pixel(at + QPoint(1, 1)), qRgb(k, 0, p));
        }
        // Next to the glyph's last pixel the picture shows through.
        const QPoint beside = (origin + QPoint(10, 10)) * 2;
        EXPECT_EQ(preview.pixel(beside), qRgb(0, 200, 0)) << cell.character;
    }
    // A character with no glyph leaves its cell to the picture.
    EXPECT_EQ(preview.pixel(previewCellOrigin(0, 1) * 2), qRgb(0, 200, 0));
}

TEST(LetterPreview, ALaterPixelAtTheSamePlaceWins) {
    auto glyphs = std::make_unique<LetterGlyphs>();
    LetterGlyph& a = (*glyphs)[letterPosition('a')];
    a.PixelCount = 2;
    a.PixelX[0] = a.PixelX[1] = 3;
    a.PixelY[0] = a.PixelY[1] = 4;
    a.PixelColor[0] = 0x0000FF;
    a.PixelColor[1] = 0xFF0000;
    PreviewOptions options;
    options.lines = QStringList{"a"};
    const QImage preview = renderPreview(*glyphs, options);
    EXPECT_EQ(preview.pixel(previewCellOrigin(0, 0) + QPoint(3, 4)), qRgb(0, 0, 255));
}

class LetterPackTest : public ::testing::Test {
  protected:
    QString writeSet(const QString& name, int pixels) {
        folder.write(name, makeLetterSetText(std::vector<int>(95, pixels)));
        return folder.file(name);
    }
    TestProgramFolder folder;
};

TEST_F(LetterPackTest, PackCreatesThenUpdatesAnArchiveKeepingMemberOrder) {
    const QString zip = folder.file("letters.zip");
    QString error;
    ASSERT_TRUE(packLetterSets(zip, {writeSet("Zebra.txt", 1), writeSet("Apple.txt", 2)}, &error))
        << error.toStdString();
    EXPECT_EQ(listArchive(zip), (QStringList{"Zebra.txt", "Apple.txt"}));

    ASSERT_TRUE(packLetterSets(zip, {writeSet("New.txt", 3), writeSet("Zebra.txt", 4)}, &error))
        << error.toStdString();
    EXPECT_EQ(listArchive(zip), (QStringList{"Zebra.txt", "Apple.txt", "New.txt"}));
    EXPECT_EQ(extractMember(folder, zip, "Zebra.txt"), makeLetterSetText(std::vector<int>(95, 4)));
    EXPECT_EQ(extractMember(folder, zip, "Apple.txt"), makeLetterSetText(std::vector<int>(95, 2)));
}

TEST_F(LetterPackTest, ASetThatDoesNotLoadWholeIsRefusedAndNothingChanges) {
    const QString zip = folder.file("letters.zip");
    QString error;
    ASSERT_TRUE(packLetterSets(zip, {writeSet("Good.txt", 1)}, &error));
    const QByteArray before = folder.read("letters.zip");
    folder.write("Short.txt", makeLetterSetText().left(500));
    EXPECT_FALSE(packLetterSets(zip, {writeSet("Other.txt", 2), folder.file("Short.txt")}, &error));
    EXPECT_TRUE(error.contains("Short.txt"));
    EXPECT_EQ(folder.read("letters.zip"), before);
    EXPECT_FALSE(packLetterSets(zip, {folder.file("missing.txt")}, &error));
}

TEST(LettersTool, CommandsReportWhatTheyDidThroughTheirStatus) {
    TestProgramFolder folder;
    const QString set = folder.file("Made.txt");
    ToolRun run = runTool({"make", "--font", kDejaVuBold, "--style", "gradient", "--color",
                           "#FF0000,#0000FF", "--outline", "#000000", "-o", set});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(runTool({"check", set}).status, 0);

    run = runTool({"preview", set, "--text", "Hi!", "--zoom", "3", "-o", folder.file("p.png")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(folder.file("p.png")).size(), QSize((32 + 3 * 32) * 3, (32 + 32) * 3));

    EXPECT_EQ(runTool({"pack", folder.file("letters.zip"), set}).status, 0);
    EXPECT_EQ(listArchive(folder.file("letters.zip")), QStringList{"Made.txt"});

    // Wrong usage is 2; a set that does not load completely is 1.
    EXPECT_EQ(runTool({}).status, 2);
    EXPECT_EQ(runTool({"frobnicate"}).status, 2);
    EXPECT_EQ(runTool({"make", "--color", "#FFFFFF", "-o", set}).status, 2);
    EXPECT_EQ(runTool({"make", "--font", kDejaVuBold, "--color", "white", "-o", set}).status, 2);
    EXPECT_EQ(runTool({"preview", set, "--zoom", "0", "-o", folder.file("p.png")}).status, 2);
    EXPECT_EQ(runTool({"check", folder.file("missing.txt")}).status, 1);
}

TEST(LettersTool, CheckSaysWhereAndWhyASetStopsLoading) {
    TestProgramFolder folder;
    std::vector<int> counts(95, 2);
    counts[3] = 1025;  // "d"
    folder.write("Long.txt", makeLetterSetText(counts));

    ToolRun run = runTool({"check", folder.file("Long.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains("only 3 of 95")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\"d\" (line 1035)")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("more than 1024")) << run.out.toStdString();

    // Pixels outside the cell or set twice load, but are worth a word.
    QByteArray odd = makeLetterSetText(std::vector<int>(95, 1));
    odd.replace("\"char 10\",1\r\n0,0,655360\r\n",
                "\"char 10\",3\r\n0,0,655360\r\n0,0,1\r\n40,0,1\r\n");
    folder.write("Odd.txt", odd + "trailing words");
    run = runTool({"check", folder.file("Odd.txt")});
    EXPECT_EQ(run.status, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("outside the 32 x 32 cell: k")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("set twice (the later one wins): k")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("13 characters of text after the last block"))
        << run.out.toStdString();
}

}  // namespace
