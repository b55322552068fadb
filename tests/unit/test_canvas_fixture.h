#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "canvas/Form1.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

// A canvas on a screen of a given size, loaded from a letter archive and
// pictures of the test's own, and drawn without showing a window.
class CanvasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        prepareCanvasFolder(folder, g);
    }

    // A picture in which every pixel has its own colour, none of them black.
    static QImage patterned(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(
                    x, y, qRgb(x & 0xFF, y & 0xFF, 0x80 | (((x >> 8) & 7) << 3) | ((y >> 8) & 7)));
        return image;
    }

    QString writePicture(const QString& name, const QImage& image) {
        const QString path = folder.file(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    // Start with the given picture, as the launcher does, and paint once.
    void open(QSize screen, const QString& picture, bool centred = true) {
        g.PictureFile = picture;
        g.CenterPicture = centred ? -1 : 0;
        g.FreshPicture = 1;
        g.FirstPaint = 1;
        canvas = std::make_unique<Form1>(g, fakes.services, [this] { return tinks; });
        canvas->setScreenSize(screen);
        ASSERT_TRUE(canvas->Form_Load());
        canvas->Form_Paint();
    }

    void type(const QString& text) {
        for (QChar c : text) canvas->Form_KeyPress(static_cast<int16_t>(c.unicode()));
    }

    LetterGlyph& glyphOf(char c) { return (*g.Glyphs)[static_cast<size_t>(letterPosition(c))]; }

    static void setGlyph(LetterGlyph& glyph, std::initializer_list<std::array<int, 3>> pixels) {
        glyph.PixelCount = static_cast<int16_t>(pixels.size());
        int k = 0;
        for (const auto& p : pixels) {
            glyph.PixelX[k] = static_cast<int16_t>(p[0]);
            glyph.PixelY[k] = static_cast<int16_t>(p[1]);
            glyph.PixelColor[k] = p[2];
            ++k;
        }
    }

    QRgb screenAt(int x, int y) const { return canvas->windowImage().pixel(x, y); }
    QRgb bufferAt(int x, int y) const { return canvas->BackBufferDC.pixel(x, y); }

    // True when the window shows the clean background inside the rectangle.
    bool clean(const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (screenAt(x, y) != bufferAt(x, y)) return false;
        return true;
    }
    bool clean() const { return clean(canvas->windowImage().rect()); }

    TestProgramFolder folder;
    FakeServices fakes;
    Globals g;
    bool tinks = false;
    std::unique_ptr<Form1> canvas;
};

inline QRgb inverse(QRgb c) {
    return 0xFF000000u | ~c;
}
inline const QRgb kBlack = qRgb(0, 0, 0);
