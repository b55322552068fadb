// The one-pass copy of a block through the back buffer onto the window must
// leave both images exactly as the two separate copies do.
#include <gtest/gtest.h>

#include "platform/Raster.h"

namespace {

QImage patterned(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 3 + seed, y * 5, seed));
    return image;
}

struct Case {
    QSize dst, via, src;
    int x, y, w, h, sx, sy;
};

TEST(RasterThrough, MatchesABlockCopyFollowedByAWholeBufferCopy) {
    const Case cases[] = {
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 40, 30, 0, 0},    // picture larger than the screen
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 60, 50, 15, 9},   // panned
        {{40, 30}, {40, 30}, {10, 8}, 15, 11, 10, 8, 0, 0},    // small picture, centred
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 60, 50, -7, -4},  // offsets before the picture
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 60, 50, 55, 48},  // offsets past most of it
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 60, 50, 70, 70},  // nothing of it left
        {{40, 30}, {40, 30}, {60, 50}, 0, 0, 0, 50, 0, 0},     // empty block
        {{25, 20}, {40, 30}, {60, 50}, 3, 2, 60, 50, 0, 0},    // window smaller than buffer
        {{50, 45}, {40, 30}, {60, 50}, 3, 2, 60, 50, 1, 1},    // window larger than buffer
        {{40, 30}, {40, 30}, {60, 50}, -5, -6, 20, 20, 0, 0},  // block partly off the buffer
        {{0, 0}, {40, 30}, {60, 50}, 0, 0, 60, 50, 0, 0},      // no window image
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.x << "," << c.y << " " << c.w << "x" << c.h << " from " << c.sx << ","
                     << c.sy << " window " << c.dst.width() << "x" << c.dst.height());
        const QImage src = patterned(c.src.width(), c.src.height(), 1);
        QImage expectedDst = patterned(c.dst.width(), c.dst.height(), 90);
        QImage expectedVia = patterned(c.via.width(), c.via.height(), 170);
        QImage dst = expectedDst.copy();
        QImage via = expectedVia.copy();

        BitBlt(expectedVia, c.x, c.y, c.w, c.h, src, c.sx, c.sy);
        const QRect expectedRect =
            BitBlt(expectedDst, 0, 0, c.dst.width(), c.dst.height(), expectedVia, 0, 0);

        EXPECT_EQ(BitBltThrough(dst, via, c.x, c.y, c.w, c.h, src, c.sx, c.sy), expectedRect);
        EXPECT_TRUE(via == expectedVia);
        EXPECT_TRUE(dst == expectedDst);
    }
}

}  // namespace
