// The command keys: moving the picture, cycling through the folder's
// pictures, the time line and the key clicks.
#include <QFile>
#include <set>

#include "test_canvas_fixture.h"

namespace {
constexpr int16_t kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
constexpr int16_t kF3 = 114, kF4 = 115, kF5 = 116, kF6 = 117;
}  // namespace

using CanvasCommands = CanvasTest;

TEST_F(CanvasCommands, DownAndUpStopAtThePicturesEdges) {
    const QImage picture = patterned(2000, 1500);
    open({1024, 768}, writePicture("big.bmp", picture));
    canvas->PictureOffsetY = 730;
    canvas->Form_KeyDown(kDown, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 732);
    EXPECT_EQ(screenAt(0, 767), picture.pixel(0, 1499));

    type("ab");
    canvas->Form_KeyDown(kDown, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 732);
    EXPECT_TRUE(clean()) << "Down at the limit still clears the text";

    canvas->PictureOffsetY = 3;
    canvas->Form_KeyDown(kUp, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 0);
    EXPECT_EQ(screenAt(0, 0), picture.pixel(0, 0));

    type("ab");
    canvas->Form_KeyDown(kUp, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 0);
    EXPECT_FALSE(clean()) << "Up at 0 leaves the text";
    EXPECT_EQ(canvas->PenX, 64);
}

TEST_F(CanvasCommands, ShiftAloneMovesFiftyAnyOtherModifierFive) {
    const QImage picture = patterned(2000, 1500);
    open({1024, 768}, writePicture("big.bmp", picture));
    canvas->Form_KeyDown(kRight, 1);
    EXPECT_EQ(canvas->PictureOffsetX, 50);
    EXPECT_EQ(screenAt(0, 0), picture.pixel(50, 0));
    canvas->Form_KeyDown(kRight, 1 | 2);
    EXPECT_EQ(canvas->PictureOffsetX, 55);
    canvas->Form_KeyDown(kRight, 4);
    EXPECT_EQ(canvas->PictureOffsetX, 60);
    canvas->Form_KeyDown(kDown, 1);
    EXPECT_EQ(canvas->PictureOffsetY, 50);
    canvas->Form_KeyDown(kLeft, 1);
    EXPECT_EQ(canvas->PictureOffsetX, 10);
    canvas->Form_KeyDown(kLeft, 1);
    EXPECT_EQ(canvas->PictureOffsetX, 0);
    canvas->Form_KeyDown(kUp, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 45);

    canvas->PictureOffsetX = 972;  // 2000 - 972 - 5 < 1024: to the right edge
    canvas->Form_KeyDown(kRight, 0);
    EXPECT_EQ(canvas->PictureOffsetX, 2000 - 1024);
    EXPECT_EQ(screenAt(1023, 0), picture.pixel(1999, 45));
}

TEST_F(CanvasCommands, PictureSmallerThanTheWindow) {
    open({1024, 768}, writePicture("p.bmp", patterned(300, 200)));
    type("ab");
    canvas->Form_KeyDown(kRight, 0);
    EXPECT_EQ(canvas->PictureOffsetX, 0);
    EXPECT_FALSE(clean()) << "Right does nothing on a narrow picture";
    canvas->Form_KeyDown(kLeft, 0);
    EXPECT_FALSE(clean());

    canvas->Form_KeyDown(kDown, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 200 - 768);
    EXPECT_TRUE(clean());
    canvas->Form_KeyDown(kUp, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 0);
}

TEST_F(CanvasCommands, OtherKeysDoNothing) {
    open({1024, 768}, writePicture("big.bmp", patterned(2000, 1500)));
    type("ab");
    const QImage before = canvas->windowImage().copy();
    for (int16_t key : {int16_t{112}, int16_t{113}, int16_t{118}, int16_t{65}, int16_t{13}})
        canvas->Form_KeyDown(key, 0);
    EXPECT_EQ(canvas->windowImage(), before);
    EXPECT_EQ(canvas->PictureOffsetX, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 0);
    EXPECT_EQ(canvas->PenX, 64);
    canvas->Form_KeyDown(kF6, 0);
    EXPECT_TRUE(clean());
    EXPECT_EQ(canvas->PenX, 0);
}

class CanvasCycling : public CanvasTest {
  protected:
    void SetUp() override {
        CanvasTest::SetUp();
        for (int i = 0; i < 3; ++i) pictures.push_back(patterned(1100 + 100 * i, 900));
        g.PictureList = QStringList(51);
        for (int i = 0; i < 3; ++i)
            g.PictureList[i + 1] = writePicture(QString("p%1.bmp").arg(i + 1), pictures[i]);
        g.PictureCount = 3;
        g.PictureCapacity = 50;
        g.PictureIndex = 1;
    }
    // The picture of the list that the window shows at offset (0, 0).
    int shown() const {
        for (int i = 0; i < 3; ++i)
            if (canvas->windowImage().pixel(1023, 767) ==
                    pictures[i].pixel(1023 + canvas->PictureOffsetX,
                                      767 + canvas->PictureOffsetY) &&
                canvas->PictureInfo.Width == pictures[i].width())
                return i + 1;
        return 0;
    }
    std::vector<QImage> pictures;
};

TEST_F(CanvasCycling, F5AndF4WrapRoundTheListAndRememberEachPicturesOffsets) {
    open({1024, 768}, g.PictureList[1]);
    canvas->Form_KeyDown(kRight, 1);
    canvas->Form_KeyDown(kDown, 0);
    ASSERT_EQ(canvas->PictureOffsetX, 50);

    canvas->Form_KeyDown(kF4, 0);  // from the first to the last
    EXPECT_EQ(g.PictureIndex, 3);
    EXPECT_EQ(g.PictureFile, g.PictureList[3]);
    EXPECT_EQ(canvas->PictureOffsetX, 0);
    EXPECT_EQ(shown(), 3);
    canvas->Form_KeyDown(kRight, 0);

    canvas->Form_KeyDown(kF5, 0);  // from the last to the first
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_EQ(canvas->PictureOffsetX, 50);
    EXPECT_EQ(canvas->PictureOffsetY, 5);
    EXPECT_EQ(shown(), 1);

    canvas->Form_KeyDown(kF5, 0);
    canvas->Form_KeyDown(kF5, 0);
    EXPECT_EQ(g.PictureIndex, 3);
    EXPECT_EQ(canvas->PictureOffsetX, 5);
    EXPECT_EQ(shown(), 3);
    EXPECT_EQ(g.FreshPicture, 0) << "the centred composition captured the cleared window";
}

TEST_F(CanvasCycling, SinglePictureIsReloadedAndTheTextCleared) {
    g.PictureCount = 1;
    open({1024, 768}, g.PictureList[1]);
    canvas->Form_KeyDown(kDown, 1);
    type("abc");
    // The file changes on disk; F5 shows it as it is now.
    const QImage replaced = patterned(1500, 1000).mirrored(true, false);
    ASSERT_TRUE(replaced.save(g.PictureList[1], "BMP"));
    canvas->Form_KeyDown(kF5, 0);
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_EQ(canvas->PictureOffsetY, 50);
    EXPECT_EQ(screenAt(0, 0), replaced.pixel(0, 50));
    EXPECT_TRUE(clean());
    EXPECT_EQ(canvas->PenX, 0);
}

TEST_F(CanvasCycling, EntriesThatNoLongerLoadAreSkipped) {
    open({1024, 768}, g.PictureList[1]);
    QFile::remove(g.PictureList[2]);
    canvas->Form_KeyDown(kF5, 0);
    EXPECT_EQ(g.PictureIndex, 3);
    EXPECT_EQ(shown(), 3);
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    canvas->Form_KeyDown(kF4, 0);
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_EQ(shown(), 1);

    // None loads: the current picture stays, and so does the text.
    for (int i = 1; i <= 3; ++i) QFile::remove(g.PictureList[i]);
    type("ab");
    canvas->Form_KeyDown(kF5, 0);
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_EQ(g.PictureFile, g.PictureList[1]);
    EXPECT_EQ(shown(), 1);
    EXPECT_EQ(canvas->PenX, 64);
}

TEST_F(CanvasCycling, EmptyListKeepsTheCurrentPicture) {
    g.PictureCount = 0;
    open({1024, 768}, g.PictureList[2]);
    type("ab");
    canvas->Form_KeyDown(kF5, 0);
    canvas->Form_KeyDown(kF4, 0);
    EXPECT_EQ(g.PictureFile, g.PictureList[2]);
    EXPECT_EQ(canvas->PictureInfo.Width, 1200);
    EXPECT_EQ(canvas->PenX, 64);
}

// Whether a band of rows of the window holds yellow text over black.
static bool yellowIn(const QImage& image, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 60) return true;
        }
    return false;
}

TEST_F(CanvasCommands, TimeLinesStackDownTheLeftEdgeOnTheWindowOnly) {
    open({1024, 768}, QString());
    canvas->Form_KeyDown(kF3, 0);
    const int lineHeight = canvas->CurrentY;
    ASSERT_GT(lineHeight, 8);
    canvas->Form_KeyDown(kF3, 0);
    canvas->Form_KeyDown(kF3, 0);
    EXPECT_EQ(canvas->CurrentY, 3 * lineHeight);
    EXPECT_EQ(canvas->CurrentX, 0);
    const QImage& window = canvas->windowImage();
    for (int line = 0; line < 3; ++line)
        EXPECT_TRUE(yellowIn(window, line * lineHeight, (line + 1) * lineHeight)) << line;
    EXPECT_TRUE(clean({0, 3 * lineHeight, 1024, 768 - 3 * lineHeight}));
    EXPECT_TRUE(clean({300, 0, 724, 768})) << "a time line is short and at the left";
    for (int y = 0; y < 768; y += 7)
        for (int x = 0; x < 300; x += 3) ASSERT_EQ(bufferAt(x, y), kBlack);

    canvas->Form_KeyDown(kF6, 0);
    EXPECT_TRUE(clean());
    canvas->Form_KeyDown(kF3, 0);
    EXPECT_EQ(canvas->CurrentY, lineHeight);
    EXPECT_TRUE(yellowIn(canvas->windowImage(), 0, lineHeight));
}

TEST_F(CanvasCommands, KeyReleaseClicksOnlyWhenTinksIsTicked) {
    open({640, 480}, QString());
    canvas->Form_KeyUp(65, 0);
    EXPECT_TRUE(fakes.sound.played.empty());

    tinks = true;
    std::set<uint8_t> heard;
    for (int i = 0; i < 200; ++i) canvas->Form_KeyUp(65, 0);
    ASSERT_EQ(fakes.sound.played.size(), 200);
    for (const auto& sound : fakes.sound.played) {
        ASSERT_EQ(sound.size(), 1);
        heard.insert(sound[0]);
    }
    EXPECT_EQ(heard, (std::set<uint8_t>{1, 2, 3, 4}));

    // A sound that could not be built is left out, not played empty.
    g.ClickSounds[0].clear();
    g.ClickSounds[1].clear();
    g.ClickSounds[2].clear();
    g.ClickSounds[3].clear();
    fakes.sound.played.clear();
    canvas->Form_KeyUp(65, 0);
    EXPECT_TRUE(fakes.sound.played.empty());
}
