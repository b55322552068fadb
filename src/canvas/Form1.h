#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "platform/Raster.h"
#include "platform/Services.h"

struct Globals;
struct LetterGlyph;

// What a composition reads of the background picture.
struct PictureDescription {
    int32_t Width = 0;
    int32_t Height = 0;
};

// The full-screen canvas: the letters typed over the background picture.
//
// The window keeps what it shows in `windowImage()`, an image of the screen
// in device pixels that stands for the window's device context; everything
// is drawn there and only the touched rectangle is repainted.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(Globals& globals, Services& services, std::function<bool()> tinksTicked,
          QWidget* parent = nullptr);

    // Creates the canvas, runs its load and shows it over the whole primary
    // screen. Returns nullptr when the load failed; the canvas has then
    // reported and closed itself.
    static Form1* Show(Globals& globals, Services& services, std::function<bool()> tinksTicked);

    // The size in device pixels the next load builds its images for. Without
    // it the load takes the primary screen's.
    void setScreenSize(QSize devicePixels) { screenSize_ = devicePixels; }

    // Event handlers. Form_Load returns false when the canvas closed itself.
    bool Form_Load();
    void Form_Paint();
    void Form_Unload();
    void Form_Click();
    void Form_KeyPress(int16_t KeyAscii);
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    void Form_KeyUp(int16_t KeyCode, int16_t Shift);

    // Drawing on the window at the pen position.
    void DrawGlyph(const LetterGlyph& glyph);
    void EraseCell();
    void DrawCursorMark();
    void EraseCursorMark();

    const QImage& windowImage() const { return window_; }
    int clientWidth() const { return window_.width(); }
    int clientHeight() const { return window_.height(); }

    // The window's text position, where the next time line is printed.
    int CurrentX = 0;
    int CurrentY = 0;

    int16_t PenX = 0;
    int16_t PenY = 0;
    QImage BackBufferDC;
    QImage BackgroundPicture;
    QString CurrentLine;
    int16_t LineIndex = 0;
    int16_t LineCharCount = 0;
    std::vector<int16_t> LineLengths;
    int32_t PictureOffsetX = 0;
    int32_t PictureOffsetY = 0;
    std::vector<int32_t> SavedOffsetX;
    std::vector<int32_t> SavedOffsetY;
    PictureDescription PictureInfo;

    // Window-frame colour, the time line's colour and font.
    static constexpr ColorRef BackColor = 0x00000000;
    static constexpr ColorRef ForeColor = 0x0000FFFF;
    QFont TimeFont;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    bool loadFailed();
    void repaintDevice(const QRect& deviceRect);
    QRectF logicalRect(const QRect& deviceRect) const;
    void ShowTime();
    void MovePicture(int16_t KeyCode, int32_t step);
    void CyclePicture(int direction);

    Globals& globals_;
    Services& services_;
    std::function<bool()> tinksTicked_;
    QSize screenSize_;
    QImage window_;
    qreal ratio_ = 1.0;  // device pixels per logical pixel
    bool loaded_ = false;
    std::mt19937 random_;
};
