// A long session at the keyboard: a hundred thousand keys, lines ended with
// Enter, pages filled and cleared by typing and by clicks, flushes all
// along. Every character reaches the log, and what the canvas holds does
// not grow with what was typed.
#include "test_canvas_fixture.h"

namespace {

using LongSession = CanvasTest;

TEST_F(LongSession, AHundredThousandKeysAreAllLoggedAndNothingGrowsOnScreen) {
    constexpr int kKeys = 100000;
    open({640, 480}, writePicture("p.bmp", patterned(300, 200)));
    const QSize screen = canvas->windowImage().size();
    const size_t lineTable = canvas->LineLengths.size();

    QString expected;
    int clears = 0;
    int longest = 0;
    for (int i = 0; i < kKeys; ++i) {
        // Words of varying length over every printable character, an Enter
        // now and then, and a click that clears the page every 4000 keys.
        const int16_t key = i % 53 == 52 ? int16_t{13} : static_cast<int16_t>(32 + (i * 7) % 95);
        canvas->Form_KeyPress(key);
        expected += key == 13 ? QStringLiteral(" \r\n") : QString(QChar(key));
        if (i % 4000 == 3999) {
            canvas->Form_Click();
            ++clears;
        }
        longest = std::max(longest, static_cast<int>(canvas->CurrentLine.size()));
        // Between flushes the canvas holds at most the last 501 keys.
        ASSERT_LE(g.KeysSinceFlush, 500) << "key " << i;
        ASSERT_LE(canvas->CurrentLine.size(), 3 * g.KeysSinceFlush) << "key " << i;
        ASSERT_LT(canvas->PenY, screen.height()) << "key " << i;
    }
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_GE(clears, 25);
    EXPECT_LT(longest, 3 * 501);
    EXPECT_EQ(canvas->windowImage().size(), screen);
    EXPECT_EQ(canvas->BackBufferDC.size(), screen);
    EXPECT_EQ(canvas->LineLengths.size(), lineTable);

    canvas->Form_KeyPress(27);  // Esc closes the canvas and closes out its text
    EXPECT_EQ(folder.read("~1000"), expected.toLatin1() + "\r\n");
    EXPECT_EQ(g.TypedText, expected);
    EXPECT_TRUE(canvas->CurrentLine.isEmpty());
}

}  // namespace
