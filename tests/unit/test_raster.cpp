// Tiling and text on device-context images.
#include <gtest/gtest.h>

#include "platform/Raster.h"

namespace {

QImage numbered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

TEST(RasterTiles, RepeatFromTheTopLeftAndClipAtTheEdges) {
    const QImage tile = numbered(30, 20);
    for (QSize size : {QSize(95, 47), QSize(10, 5), QSize(30, 20), QSize(31, 61)}) {
        QImage dc = CreateDeviceContext(size.width(), size.height(), 0x00FF00);
        EXPECT_EQ(TileBlt(dc, size.width() / 30 + 1, size.height() / 20 + 1, tile), dc.rect());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(dc.pixel(x, y), tile.pixel(x % 30, y % 20)) << x << "," << y;
    }
}

TEST(RasterTiles, FewerTilesThanTheImageNeedsLeaveTheRestAlone) {
    const QImage tile = numbered(30, 20);
    QImage dc = CreateDeviceContext(100, 100, 0x0000FF);
    EXPECT_EQ(TileBlt(dc, 2, 3, tile), QRect(0, 0, 60, 60));
    EXPECT_EQ(dc.pixel(59, 59), tile.pixel(29, 19));
    EXPECT_EQ(dc.pixel(60, 0), qRgb(255, 0, 0));
    EXPECT_EQ(dc.pixel(0, 60), qRgb(255, 0, 0));
    EXPECT_EQ(TileBlt(dc, 0, 3, tile), QRect());
    EXPECT_EQ(TileBlt(dc, 3, 3, QImage()), QRect());
}

TEST(RasterText, DrawsInTheColourInsideTheReportedRectangleOnly) {
    QImage dc = CreateDeviceContext(300, 100, 0);
    QFont font;
    font.setPixelSize(18);
    const QRect touched = TextOut(dc, 10, 20, QStringLiteral("12:34:56"), font, 0x0000FFFF);
    ASSERT_FALSE(touched.isEmpty());
    int yellow = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb c = dc.pixel(x, y);
            if (c == qRgb(0, 0, 0)) continue;
            ASSERT_TRUE(touched.contains(x, y)) << x << "," << y;
            EXPECT_EQ(qBlue(c), 0);
            if (qRed(c) == 255 && qGreen(c) == 255) ++yellow;
        }
    EXPECT_GT(yellow, 10);
    EXPECT_GE(touched.top(), 20);
    EXPECT_GE(touched.left(), 10);
}

}  // namespace
