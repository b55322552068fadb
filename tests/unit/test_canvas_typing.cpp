// Typing on the canvas: glyphs, the cursor mark, wrapping, Enter, Backspace,
// the full page and the text kept for the log.
#include "test_canvas_fixture.h"

using CanvasTyping = CanvasTest;

namespace {
const QRgb kRed = qRgb(0xFF, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);
}  // namespace

TEST_F(CanvasTyping, LetterDrawsItsPixelsAndTheMarkGoesUnderTheNextCell) {
    open({1024, 768}, writePicture("p.bmp", patterned(1024, 768)));
    // A glyph pixel in the background's own colour still counts as drawn.
    const QRgb background = bufferAt(7, 7);
    setGlyph(glyphOf('a'), {{0, 0, 0x0000FF},
                            {31, 31, 0xFF0000},
                            {5, 6, 0x0000FF},
                            {5, 6, 0xFF0000},
                            {7, 7, static_cast<int>(colorRefFromRgb(background))}});
    type("a");
    EXPECT_EQ(screenAt(0, 0), kRed);
    EXPECT_EQ(screenAt(31, 31), kBlue);
    EXPECT_EQ(screenAt(5, 6), kBlue) << "the later of two entries stays";
    EXPECT_EQ(screenAt(7, 7), background);
    EXPECT_EQ(screenAt(1, 1), bufferAt(1, 1));
    EXPECT_EQ(canvas->PenX, 32);
    EXPECT_EQ(canvas->PenY, 0);
    // The mark: the inverse of the clean background, 31 pixels of the bottom row.
    for (int x = 32; x < 63; ++x) EXPECT_EQ(screenAt(x, 31), inverse(bufferAt(x, 31))) << x;
    EXPECT_EQ(screenAt(63, 31), bufferAt(63, 31));
    EXPECT_TRUE(clean({32, 0, 32, 31}));
    EXPECT_EQ(canvas->CurrentLine, "a");
    EXPECT_EQ(g.KeysSinceFlush, 1);
}

TEST_F(CanvasTyping, MarkIsWhiteOnBlackAndErasingTheCellRemovesIt) {
    open({640, 480}, QString());
    type("a");
    EXPECT_EQ(screenAt(32, 31), qRgb(255, 255, 255));
    canvas->PenX = 32;
    canvas->EraseCell();
    EXPECT_TRUE(clean());
}

TEST_F(CanvasTyping, LinesHoldAsManyWholeCellsAsFit) {
    setGlyph(glyphOf('m'), {});
    for (int width : {1024, 800}) {
        open({width, 768}, QString());
        setGlyph(glyphOf('m'), {{2, 3, 0x0000FF}});
        const int perLine = width / 32;
        for (int i = 0; i < perLine - 1; ++i) type("m");
        EXPECT_EQ(canvas->PenX, (perLine - 1) * 32);
        type("m");  // the last cell of the line
        EXPECT_EQ(screenAt((perLine - 1) * 32 + 2, 3), kRed);
        EXPECT_EQ(canvas->PenX, 0);
        EXPECT_EQ(canvas->PenY, 32);
        EXPECT_EQ(canvas->LineLengths[1], perLine);
        EXPECT_EQ(canvas->LineCharCount, 0);
        type("m");
        EXPECT_EQ(screenAt(2, 35), kRed);
        EXPECT_EQ(canvas->PenX, 32);
    }
}

TEST_F(CanvasTyping, FullPageIsClearedAndTheNextLetterStartsAtTheTop) {
    open({1024, 768}, writePicture("p.bmp", patterned(500, 500)));
    setGlyph(glyphOf('m'), {{2, 3, 0x0000FF}});
    for (int line = 0; line < 23; ++line) type("m\r");
    EXPECT_EQ(canvas->PenY, 23 * 32);
    EXPECT_FALSE(clean());
    for (int i = 0; i < 31; ++i) type("m");
    EXPECT_EQ(screenAt(30 * 32 + 2, 23 * 32 + 3), kRed);
    type("m");  // the last cell of line 24: drawn, then wiped by the clear
    EXPECT_TRUE(clean());
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->PenY, 0);
    EXPECT_EQ(canvas->LineIndex, 0);
    type("m");
    EXPECT_EQ(screenAt(2, 3), kRed);
    // The page change leaves the text alone.
    EXPECT_EQ(canvas->CurrentLine.size(), 23 * 4 + 33);
    EXPECT_EQ(g.KeysSinceFlush, 23 * 2 + 33);
}

TEST_F(CanvasTyping, TallScreensKeepTheirLineLengthsForBackspace) {
    open({640, 2160}, QString());
    for (int line = 0; line < 60; ++line) type(line == 59 ? "abc" : "ab\r");
    EXPECT_EQ(canvas->LineIndex, 59);
    for (int i = 0; i < 4; ++i) type("\b");
    EXPECT_EQ(canvas->LineIndex, 58);
    EXPECT_EQ(canvas->PenX, 64);
    EXPECT_EQ(canvas->LineCharCount, 2);
}

TEST_F(CanvasTyping, EnterOnAnEmptyLineThenBackspaceReturnsToItsCell) {
    open({1024, 768}, writePicture("p.bmp", patterned(1024, 768)));
    setGlyph(glyphOf(' '), {{4, 4, 0x0000FF}});
    type("\r");
    EXPECT_EQ(screenAt(4, 4), kRed);
    EXPECT_EQ(canvas->LineLengths[1], 1);
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->PenY, 32);
    EXPECT_EQ(canvas->LineIndex, 1);
    for (int x = 0; x < 31; ++x) EXPECT_EQ(screenAt(x, 63), inverse(bufferAt(x, 63)));

    type("\b");
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->PenY, 0);
    EXPECT_EQ(canvas->LineIndex, 0);
    EXPECT_EQ(canvas->LineCharCount, 0);
    // Cell erased, and no mark at the top-left cell.
    EXPECT_TRUE(clean());
}

TEST_F(CanvasTyping, BackspaceStepsOntoTheLastCellOfTheLineAbove) {
    open({1024, 768}, QString());
    setGlyph(glyphOf('c'), {{9, 9, 0x0000FF}});
    type("abc\rd");
    type("\b\b");
    EXPECT_EQ(canvas->PenX, 96);  // the cell of the Enter
    EXPECT_EQ(canvas->PenY, 0);
    EXPECT_EQ(canvas->LineCharCount, 3);
    EXPECT_EQ(screenAt(64 + 9, 9), kRed);
    for (int x = 96; x < 127; ++x) EXPECT_EQ(screenAt(x, 31), qRgb(255, 255, 255));
    type("\b");
    EXPECT_EQ(canvas->PenX, 64);
    EXPECT_TRUE(clean({64, 0, 32, 31}));
    type("x");
    EXPECT_EQ(canvas->PenX, 96);
}

TEST_F(CanvasTyping, BackspaceAtTheTopLeftShowsNoMark) {
    open({1024, 768}, writePicture("p.bmp", patterned(1024, 768)));
    type("\b");
    EXPECT_TRUE(clean());
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->LineCharCount, 0);
    EXPECT_EQ(canvas->CurrentLine, "");
}

TEST_F(CanvasTyping, BackspaceTakesBackOneLetterOrAWholeLineEnd) {
    open({1024, 768}, QString());
    type("ab\r");
    EXPECT_EQ(canvas->CurrentLine, "ab \r\n");
    type("\b");
    EXPECT_EQ(canvas->CurrentLine, "ab");
    type("\b");
    EXPECT_EQ(canvas->CurrentLine, "a");
    EXPECT_EQ(g.KeysSinceFlush, 3) << "Backspace does not count";
}

TEST_F(CanvasTyping, TabAndAccentedLettersOnlyRemoveTheMark) {
    open({1024, 768}, writePicture("p.bmp", patterned(1024, 768)));
    type("a");
    const QImage before = canvas->windowImage().copy();
    for (int16_t code : {int16_t{9}, int16_t{233}, int16_t{127}, int16_t{0}}) {
        type("b");
        canvas->Form_KeyPress(code);
        EXPECT_TRUE(clean({canvas->PenX, 31, 31, 1})) << code;
    }
    EXPECT_EQ(canvas->PenX, 32 * 5);
    EXPECT_EQ(canvas->CurrentLine, "abbbb");
    EXPECT_EQ(g.KeysSinceFlush, 5);
    EXPECT_EQ(before.pixel(0, 0), screenAt(0, 0));
}

TEST_F(CanvasTyping, GlyphPixelsInANeighbourCellAreWipedWithIt) {
    open({1024, 768}, writePicture("p.bmp", patterned(1024, 768)));
    setGlyph(glyphOf('b'), {{40, 3, 0x0000FF}, {1, 1, 0x0000FF}});
    type("bc");
    EXPECT_EQ(screenAt(40, 3), kRed);
    type("\b");  // erases the cell at x = 32, where the mark then stands
    EXPECT_TRUE(clean({32, 0, 32, 31}));
    EXPECT_EQ(screenAt(1, 1), kRed);
}

TEST_F(CanvasTyping, GlyphsPastTheScreenEdgeOrTheTableDrawOnlyWhatFits) {
    open({1024, 768}, QString());
    LetterGlyph& glyph = glyphOf('z');
    glyph.PixelCount = 32767;  // a faulty letter set
    for (int k = 0; k < LetterGlyph::kCapacity; ++k) {
        glyph.PixelX[k] = static_cast<int16_t>(k % 64);
        glyph.PixelY[k] = static_cast<int16_t>(k / 64);
        glyph.PixelColor[k] = 0x00FF00;
    }
    glyph.PixelX[0] = 32767;
    glyph.PixelY[1] = -32768;
    canvas->PenX = 992;
    canvas->PenY = 752;
    canvas->DrawGlyph(glyph);
    EXPECT_EQ(screenAt(1023, 767), qRgb(0, 0xFF, 0));
    EXPECT_EQ(screenAt(992 + 2, 752), qRgb(0, 0xFF, 0));
    EXPECT_EQ(screenAt(992, 752), kBlack);
    EXPECT_EQ(screenAt(993, 752), kBlack);
}

TEST_F(CanvasTyping, EscClosesWithoutDrawingOrLogging) {
    open({1024, 768}, QString());
    type("ab");
    const QImage before = canvas->windowImage().copy();
    ASSERT_EQ(canvas->cursor().shape(), Qt::BlankCursor);
    canvas->Form_KeyPress(27);
    EXPECT_NE(canvas->cursor().shape(), Qt::BlankCursor) << "the pointer is back";
    EXPECT_TRUE(canvas->BackBufferDC.isNull());
    EXPECT_TRUE(canvas->BackgroundPicture.isNull());
    // The close-out logged the two letters and nothing for Esc itself.
    EXPECT_EQ(g.TypedText, QStringLiteral("ab"));
    EXPECT_EQ(g.KeysSinceFlush, 0);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(canvas->windowImage().pixel(x, 5), before.pixel(x, 5));
}
