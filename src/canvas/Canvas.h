#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "canvas/Background.h"
#include "canvas/TextLayout.h"
#include "letters/LetterSet.h"
#include "pictures/PictureFolder.h"

class TypedTextLog;

// What the canvas window shows and how typing and the command keys change
// it, without the window: an image of the screen in device pixels.
//
// The background (the picture, centred or tiled) is composed into a buffer
// of its own, and the screen image is that buffer with the letters, the
// cursor mark and the time lines drawn over it; erasing copies the clean
// background back. Composing the background again clears the text. Until
// something is drawn again, the background is the screen image, and a
// centred picture that covers the screen is the background: each is written
// only when something is drawn, so that a picture moved or shown anew is
// copied once, by the window's paint.
//
// While the picture F4 or F5 leads to is on its way, keys take effect in
// the order they came: what is typed is logged at once, and drawn on that
// picture when it comes.
class Canvas {
  public:
    static constexpr QRgb kWindowColor = qRgb(0, 0, 0);
    static constexpr QRgb kTimeColor = qRgb(255, 255, 0);
    static constexpr QSize kCell = QSize(32, 32);

    // A canvas of `screen` device pixels without text, black until
    // showPicture() gives it the picture of `pictures` that is current. Each
    // pixel of a letter is a block of `scale` x `scale` device pixels, so
    // that letters keep their size on screens of more device pixels per
    // logical pixel; pictures keep one pixel for each.
    Canvas(QSize screen, const LetterSet& letters, TypedTextLog& log, PictureFolder pictures,
           Placement placement, int scale = 1);

    // Fits the canvas to another screen, as a new canvas there would be:
    // the picture at its middle, without text. The typed text stays typed.
    void fitScreen(QSize screen, int scale);

    // Shows the current picture of the folder, composed; a larger picture
    // centred shows its middle.
    void showPicture(QImage picture);
    // F4 or F5 was pressed: the screen stays as it is until stepTo() shows
    // the picture it leads to, or keepPicture() says that none loaded; what
    // comes meanwhile is drawn then. What came for a picture that a further
    // press passed over is dropped, as that picture would have cleared it.
    void awaitPicture();
    // Shows the picture at `index` of the folder, as F4 or F5 led to it: at
    // the place it was left at, else its middle, with what came while it was
    // awaited. The place of the picture left is remembered.
    void stepTo(qsizetype index, QImage picture);
    // No picture awaited came: what came meanwhile is drawn on the one shown.
    void keepPicture();

    QImage image() const;
    const QImage& picture() const { return picture_; }
    const PictureFolder& pictures() const { return pictures_; }
    // The part of the image changed since the last call.
    QRegion takeChanges() { return std::exchange(changes_, QRegion()); }

    QPoint pen() const { return layout_.pen(); }
    // A letter's cell in device pixels.
    QSize cell() const { return layout_.cell(); }
    int scale() const { return scale_; }
    QPoint pictureOffset() const { return offset_; }
    Placement placement() const { return placement_; }
    // The picture shown; empty when there is none.
    QString picturePath() const;

    // Typing. Each character but a control character takes the next cell,
    // drawn with its glyph or, when the set has none, the set's fallback;
    // a control character only takes the cursor mark away. Every 501 keys
    // the text is written out.
    void typeText(const QString& text);
    void newLine();
    void backspace();
    // Writes the typed text out. A write that fails is to be told once,
    // without stopping the typing, until one succeeds again.
    void writeText();
    // What the user is to be told since the last call: a write that failed.
    std::optional<QString> takeNotice() { return std::exchange(notice_, std::nullopt); }

    // The command keys and the mouse.
    void clear();
    void showTime(const QString& text);
    // Moves the picture. The text is gone at once; the screen shows the
    // picture's new place at the next composeMove(), or before anything else
    // is drawn, so that the moves of many keys are composed once.
    void pan(PanDirection direction, int step);
    // Composes the picture at the place the moves since the last
    // composition left it.
    void composeMove();

  private:
    void show(QImage picture, QPoint offset);
    // Runs `drawing` now, or once the picture awaited has come.
    void draw(std::function<void()> drawing);
    void drawAwaited();
    // The screen afresh from the picture: no text, the pen at the top-left.
    void wipe();
    bool pictureCoversScreen() const;
    // The screen image, to draw in.
    QImage& screen();
    void writeTextWhenDue();
    void drawCharacter(char32_t character);
    // After a cell is taken: the cursor mark under the next one, or a clean
    // page when this one was full.
    void markPenOrTurnPage(bool pageFull);
    void drawGlyph(GlyphPixels glyph);
    void drawScaledGlyph(GlyphPixels glyph);
    void eraseCell();
    void drawCursorMark();
    void eraseCursorMark();
    QRect cursorMark() const;

    const LetterSet& letters_;
    TypedTextLog& log_;
    PictureFolder pictures_;
    QImage picture_;
    Placement placement_;
    int scale_ = 1;
    QPoint offset_;
    QImage screen_;
    QImage background_;
    TextLayout layout_;
    QFont timeFont_;
    QPoint timePosition_;
    QRegion changes_;
    bool moveUncomposed_ = false;
    bool awaiting_ = false;
    std::vector<std::function<void()>> awaited_;
    // What image() shows: the picture's part on the screen, the background
    // composed of it, or the screen image; those after it are not written yet.
    enum class Current { Picture, Background, Screen };
    Current current_ = Current::Screen;
    bool writeFailureTold_ = false;
    std::optional<QString> notice_;
};
