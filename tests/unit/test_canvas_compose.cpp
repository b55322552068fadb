// Composing the background: centred and tiled placement, the captured
// margins, offsets reaching outside the picture, and pictures that cannot load.
#include <QFile>

#include "test_canvas_fixture.h"

using CanvasCompose = CanvasTest;

TEST_F(CanvasCompose, CentredPictureSitsInTheMiddleWithBlackMargins) {
    const QImage picture = patterned(301, 200);
    open({1024, 768}, writePicture("p.bmp", picture));
    // x = (1024 - 301) / 2 = 361, y = (768 - 200) / 2 = 284
    EXPECT_EQ(screenAt(361, 284), picture.pixel(0, 0));
    EXPECT_EQ(screenAt(361 + 300, 284 + 199), picture.pixel(300, 199));
    EXPECT_EQ(screenAt(361 + 150, 284 + 77), picture.pixel(150, 77));
    EXPECT_EQ(screenAt(360, 284), kBlack);
    EXPECT_EQ(screenAt(361 + 301, 284), kBlack);
    EXPECT_EQ(screenAt(361, 283), kBlack);
    EXPECT_EQ(screenAt(361, 284 + 200), kBlack);
    EXPECT_TRUE(clean());
    EXPECT_EQ(g.FreshPicture, 0);
    EXPECT_EQ(g.FirstPaint, 0);
    EXPECT_EQ(canvas->PictureInfo.Width, 301);
    EXPECT_EQ(canvas->PictureInfo.Height, 200);
}

TEST_F(CanvasCompose, LargerPictureShowsThePartAtTheOffsets) {
    const QImage picture = patterned(2000, 1500);
    open({1024, 768}, writePicture("big.bmp", picture));
    EXPECT_EQ(screenAt(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(screenAt(1023, 767), picture.pixel(1023, 767));

    canvas->PictureOffsetX = 300;
    canvas->PictureOffsetY = 700;
    canvas->Form_Click();
    EXPECT_EQ(screenAt(0, 0), picture.pixel(300, 700));
    EXPECT_EQ(screenAt(1023, 767), picture.pixel(1323, 1467));
    EXPECT_EQ(screenAt(512, 10), picture.pixel(812, 710));
}

TEST_F(CanvasCompose, TilesStartAtTheTopLeftAndCoverTheScreen) {
    const QImage picture = patterned(300, 200);
    open({1024, 768}, writePicture("tile.bmp", picture), false);
    for (int column : {0, 300, 600, 900})
        for (int row : {0, 200, 400, 600}) {
            EXPECT_EQ(screenAt(column, row), picture.pixel(0, 0)) << column << "," << row;
            EXPECT_EQ(screenAt(column + 17, row + 9), picture.pixel(17, 9));
        }
    EXPECT_EQ(screenAt(1023, 767), picture.pixel(123, 167));
    EXPECT_EQ(screenAt(299, 199), picture.pixel(299, 199));
    // Tiled drawing neither reads nor clears the capture flag.
    EXPECT_EQ(g.FreshPicture, 1);
    EXPECT_TRUE(clean());
}

TEST_F(CanvasCompose, TilesThatDivideTheScreenExactlyReachItsLastPixel) {
    const QImage picture = patterned(256, 256);
    open({1024, 768}, writePicture("tile.bmp", picture), false);
    EXPECT_EQ(screenAt(1023, 767), picture.pixel(255, 255));
    EXPECT_EQ(screenAt(768, 512), picture.pixel(0, 0));
    // Offsets do not move tiles.
    canvas->PictureOffsetX = 40;
    canvas->Form_Click();
    EXPECT_EQ(screenAt(768, 512), picture.pixel(0, 0));
}

TEST_F(CanvasCompose, NoPictureShowsOnlyTheBackgroundColourInBothModes) {
    for (bool centred : {true, false}) {
        open({640, 480}, QString(), centred);
        EXPECT_TRUE(canvas->BackgroundPicture.isNull());
        EXPECT_EQ(screenAt(0, 0), kBlack);
        EXPECT_EQ(screenAt(639, 479), kBlack);
        canvas->Form_Click();
        EXPECT_EQ(screenAt(320, 240), kBlack);
    }
}

TEST_F(CanvasCompose, ClickRemovesLettersAndTheNextLetterStartsAtTheTopLeft) {
    open({1024, 768}, writePicture("p.bmp", patterned(400, 300)));
    setGlyph(glyphOf('x'), {{3, 4, 0x0000FF}});
    type("xxx\rxx");
    ASSERT_FALSE(clean());
    canvas->Form_Click();
    EXPECT_TRUE(clean());
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->PenY, 0);
    EXPECT_EQ(canvas->LineIndex, 0);
    EXPECT_EQ(canvas->LineCharCount, 0);
    for (int16_t length : canvas->LineLengths) EXPECT_EQ(length, 0);
    type("x");
    EXPECT_EQ(screenAt(3, 4), qRgb(0xFF, 0, 0));
    EXPECT_EQ(canvas->CurrentLine, "xxx \r\nxxx");
}

TEST_F(CanvasCompose, MarginsKeepTheBackgroundColourAndNeverShowEarlierLetters) {
    const QImage big = patterned(1200, 900);
    const QImage small = patterned(200, 100);
    const QString first = writePicture("a.bmp", big);
    const QString second = writePicture("b.bmp", small);
    g.PictureList = QStringList{QString(), first, second};
    g.PictureCount = 2;
    g.PictureCapacity = 50;
    open({1024, 768}, first);
    setGlyph(glyphOf('x'), {{1, 1, 0x00FF00}});
    type("xx");

    canvas->Form_KeyDown(116, 0);  // F5: the smaller picture
    EXPECT_EQ(screenAt(0, 0), kBlack) << "the margin shows the earlier picture";
    EXPECT_EQ(screenAt(412, 334), small.pixel(0, 0));

    type("xx");  // letters in the margin
    ASSERT_EQ(screenAt(33, 1), qRgb(0, 0xFF, 0));
    canvas->Form_KeyDown(117, 0);  // F6
    EXPECT_EQ(screenAt(1, 1), kBlack);
    EXPECT_EQ(screenAt(33, 1), kBlack);
    EXPECT_TRUE(clean());
}

TEST_F(CanvasCompose, OffsetsAboveThePictureKeepTheBufferAsItWas) {
    const QImage picture = patterned(300, 200);
    open({1024, 768}, writePicture("p.bmp", picture));
    const QImage before = canvas->BackBufferDC.copy();

    canvas->Form_KeyDown(40, 0);  // Down on a picture lower than the window
    EXPECT_EQ(canvas->PictureOffsetY, 200 - 768);
    EXPECT_EQ(canvas->BackBufferDC, before);
    EXPECT_TRUE(clean());

    // The top 50 rows of the rectangle reach above the picture.
    canvas->PictureOffsetY = -50;
    canvas->Form_Click();
    EXPECT_EQ(screenAt(363, 284 + 50), picture.pixel(1, 0));
    EXPECT_EQ(screenAt(363, 284 + 49), before.pixel(363, 284 + 49));
    EXPECT_EQ(screenAt(363, 284), before.pixel(363, 284));
    EXPECT_EQ(screenAt(363, 284 + 199), picture.pixel(1, 149));
}

TEST_F(CanvasCompose, TextFileNamedAsPictureTakesTheLoadFailurePath) {
    folder.write("notes.jpg", "just some text, not a picture\r\n");
    g.PictureFile = folder.file("notes.jpg");
    canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
    canvas->setScreenSize({640, 480});
    EXPECT_FALSE(canvas->Form_Load());
    ASSERT_EQ(fakes.messages.shown.size(), 1);
    EXPECT_EQ(fakes.messages.shown[0], g.PictureFile + " is apparently not a picture.");
    EXPECT_TRUE(canvas->BackBufferDC.isNull());
}

TEST_F(CanvasCompose, MissingPictureTakesTheLoadFailurePath) {
    g.PictureFile = folder.file("gone.bmp");
    canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
    canvas->setScreenSize({640, 480});
    EXPECT_FALSE(canvas->Form_Load());
    EXPECT_EQ(fakes.messages.shown, QStringList{g.PictureFile + " is apparently not a picture."});
}

TEST_F(CanvasCompose, FailedLetterExtractionClosesWithoutAPictureMessage) {
    g.LetterSetName = "Missing.txt";
    g.PictureFile = writePicture("p.bmp", patterned(10, 10));
    canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
    canvas->setScreenSize({640, 480});
    EXPECT_FALSE(canvas->Form_Load());
    for (const QString& text : fakes.messages.shown)
        EXPECT_FALSE(text.endsWith(" is apparently not a picture."));
    EXPECT_TRUE(canvas->BackgroundPicture.isNull());
}

// A bitmap header that claims 40000 x 40000 pixels with hardly any data.
static QByteArray bombBitmap() {
    QByteArray header(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54 + 64);
    put32(10, 54);
    put32(14, 40);
    put32(18, 40000);
    put32(22, 40000);
    header[26] = 1;
    header[28] = 24;
    return header + QByteArray(64, '\x7f');
}

TEST_F(CanvasCompose, PictureTooLargeToHoldIsRefusedButALargePhotographLoads) {
    folder.write("bomb.bmp", bombBitmap());
    g.PictureFile = folder.file("bomb.bmp");
    canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
    canvas->setScreenSize({640, 480});
    EXPECT_FALSE(canvas->Form_Load());
    EXPECT_EQ(fakes.messages.shown, QStringList{g.PictureFile + " is apparently not a picture."});

    // 8192 x 6144: a 50-megapixel photograph.
    QImage photo(8192, 6144, QImage::Format_RGB32);
    photo.fill(qRgb(10, 200, 30));
    for (int x = 0; x < 8192; ++x) photo.setPixel(x, 6143, qRgb(250, 5, 5));
    const QString path = folder.file("photo.jpg");
    ASSERT_TRUE(photo.save(path, "JPG", 95));
    photo = QImage();
    open({640, 480}, path);
    EXPECT_EQ(fakes.messages.shown.size(), 1);
    EXPECT_EQ(canvas->PictureInfo.Width, 8192);
    EXPECT_EQ(canvas->PictureInfo.Height, 6144);
    EXPECT_EQ(qGreen(screenAt(100, 100)), 200);
}

TEST_F(CanvasCompose, BufferCoversTheWholeScreenInDevicePixels) {
    open({3840, 2160}, writePicture("t.bmp", patterned(64, 64)), false);
    EXPECT_EQ(canvas->BackBufferDC.size(), QSize(3840, 2160));
    EXPECT_EQ(screenAt(3839, 2159), patterned(64, 64).pixel(3839 % 64, 2159 % 64));
}
