// Typed characters: the letter layout and the four drawing operations.
#include <algorithm>
#include <climits>

#include "canvas/Form1.h"
#include "canvas/TypedTextLog.h"
#include "shared/Globals.h"

namespace {

constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;
constexpr int16_t kEsc = 27;

}  // namespace

void Form1::Form_KeyPress(int16_t KeyAscii) {
    Globals& g = globals_;
    EraseCursorMark();

    if (KeyAscii == kBackspace) {
        const qsizetype length = CurrentLine.size();
        if (length > 0 && !CurrentLine.endsWith(QLatin1Char('\n')))
            CurrentLine.chop(1);
        else if (length > 2)
            CurrentLine.chop(3);  // the space, CR and LF of an Enter

        if (PenX > 0) {
            PenX = static_cast<int16_t>(PenX - g.LetterWidth);
        } else if (PenY > 0) {
            const int16_t previous = LineLengths[static_cast<size_t>(LineIndex)];
            PenY = static_cast<int16_t>(PenY - g.LetterHeight);
            PenX = static_cast<int16_t>(std::max(0, (previous - 1) * g.LetterWidth));
            LineCharCount = previous;
            --LineIndex;
        } else {
            PenX = 0;
            PenY = 0;
        }
        EraseCell();
        LineCharCount = static_cast<int16_t>(std::max(0, LineCharCount - 1));
        if (PenX != 0 || PenY != 0) DrawCursorMark();
        return;
    }

    if (KeyAscii == kEsc) {
        close();
        return;
    }

    const int position = letterPosition(KeyAscii);
    if (position >= 0) {
        ++LineCharCount;
        DrawGlyph((*g.Glyphs)[static_cast<size_t>(position)]);
        CurrentLine += QChar(KeyAscii);
    } else if (KeyAscii == kEnter) {
        // The line end takes a cell like any letter.
        DrawGlyph((*g.Glyphs)[static_cast<size_t>(letterPosition(' '))]);
        ++LineCharCount;
        CurrentLine += QStringLiteral(" \r\n");
        ++LineIndex;
        LineLengths[static_cast<size_t>(LineIndex)] = LineCharCount;
        LineCharCount = 0;
        PenX = static_cast<int16_t>(-g.LetterWidth);
        PenY = static_cast<int16_t>(PenY + g.LetterHeight);
    } else {
        return;
    }

    if (PenX <= clientWidth() - 2 * g.LetterWidth) {
        PenX = static_cast<int16_t>(PenX + g.LetterWidth);
    } else {
        PenX = 0;
        PenY = static_cast<int16_t>(PenY + g.LetterHeight);
        ++LineIndex;
        LineLengths[static_cast<size_t>(LineIndex)] = LineCharCount;
        LineCharCount = 0;
    }
    DrawCursorMark();

    if (PenY > clientHeight() - g.LetterHeight) {
        Form_Click();
        PenY = 0;
        LineIndex = 0;
        LineCharCount = 0;
    }

    CountTypedKey(g);
    if (g.KeysSinceFlush > 500) FlushCurrentLine(g, CurrentLine, services_.messages);
}

void Form1::DrawGlyph(const LetterGlyph& glyph) {
    const int count = std::min<int>(glyph.PixelCount, LetterGlyph::kCapacity);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int k = 0; k < count; ++k) {
        // Sums past the 16-bit range lie far off any screen, so plain int
        // arithmetic and the off-screen skip agree with 16-bit sums.
        const int x = PenX + glyph.PixelX[k];
        const int y = PenY + glyph.PixelY[k];
        if (SetPixelV(window_, x, y, static_cast<ColorRef>(glyph.PixelColor[k])).isEmpty())
            continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (left <= right) repaintDevice(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void Form1::EraseCell() {
    repaintDevice(BitBlt(window_, PenX, PenY, globals_.LetterWidth, globals_.LetterHeight,
                         BackBufferDC, PenX, PenY));
}

void Form1::DrawCursorMark() {
    const int y = PenY + globals_.LetterHeight - 1;
    repaintDevice(BitBlt(window_, PenX, y, globals_.LetterWidth - 1, 1, BackBufferDC, PenX, y,
                         Rop::NotSrcCopy));
}

void Form1::EraseCursorMark() {
    const int y = PenY + globals_.LetterHeight - 1;
    repaintDevice(BitBlt(window_, PenX, y, globals_.LetterWidth - 1, 1, BackBufferDC, PenX, y));
}
