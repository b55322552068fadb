// Composing the background picture into the buffer and onto the window.
#include <algorithm>

#include "canvas/Form1.h"
#include "shared/Globals.h"

void Form1::Form_Click() {
    // An empty picture has no description; the last one read stays.
    if (!BackgroundPicture.isNull())
        PictureInfo = {BackgroundPicture.width(), BackgroundPicture.height()};
    const int w = PictureInfo.Width;
    const int h = PictureInfo.Height;
    const int W = clientWidth();
    const int H = clientHeight();

    if (globals_.CenterPicture != 0) {
        if (globals_.FreshPicture == 1) {
            // Gives the margins around a smaller picture the window's colour.
            BitBlt(BackBufferDC, 0, 0, W, H, window_, 0, 0);
            globals_.FreshPicture = 0;
        }
        const int x = std::max(0, (W - w) / 2);
        const int y = std::max(0, (H - h) / 2);
        // Where the offsets reach outside the picture the buffer keeps what
        // it held.
        BitBlt(BackBufferDC, x, y, w, h, BackgroundPicture, PictureOffsetX, PictureOffsetY);
    } else if (w > 0 && h > 0) {
        // One more column and row than fit, so the right and bottom edges
        // are covered too.
        TileBlt(BackBufferDC, W / w + 1, H / h + 1, BackgroundPicture);
    }

    repaintDevice(BitBlt(window_, 0, 0, W, H, BackBufferDC, 0, 0));

    CurrentX = 0;
    CurrentY = 0;
    PenX = 0;
    PenY = 0;
    LineCharCount = 0;
    LineIndex = 0;
    std::fill(LineLengths.begin(), LineLengths.end(), int16_t{0});
}
