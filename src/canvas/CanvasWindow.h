#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "canvas/Canvas.h"
#include "pictures/PictureStepper.h"

class ClickSounds;
class PictureDecoder;

// The full-screen window over the canvas: frameless, above other windows,
// the mouse pointer hidden. It turns keys and clicks into calls on its
// Canvas and repaints what they changed.
//
// Keys: Esc closes the window; F3 shows the time, F4 and F5 step through
// the folder's pictures, F6 clears the text, the arrows pan the picture (50
// pixels with Shift alone, else 5); Enter, Backspace and every other
// character type. A mouse click clears the text like F6. What is typed is
// written out within a second, and when the window closes.
//
// The pictures beside the one shown are decoded ahead by `decoder`, and the
// picture F4 or F5 leads to shows when it is decoded, while typing goes on.
// Arrow keys that come faster than the screen can follow move the picture
// together, composed once.
class CanvasWindow : public QWidget {
    Q_OBJECT

  public:
    // `canvas` has no picture yet: showPicture() gives it one and shows the
    // window. `clicks` play on every key release when given.
    CanvasWindow(std::unique_ptr<Canvas> canvas, TypedTextLog& log, ClickSounds* clicks,
                 PictureDecoder& decoder);
    ~CanvasWindow() override;

    // The primary screen's size in device pixels, the size of the canvas.
    static QSize screenSize();
    // Device pixels to a letter's pixel on the primary screen: its device
    // pixel ratio, rounded, at least 1.
    static int letterScale();

    // Makes the window and the memory it is painted in, without showing it,
    // and writes that memory once: done while the picture decodes, this
    // spares the first paint the first use of the memory, which at 3840 x
    // 2160 costs as much as the paint itself.
    void prepare();
    // Shows `picture`, the current one of the canvas's folder, over the
    // whole primary screen; from now on the pictures beside the one shown
    // are decoded ahead.
    void showPicture(QImage picture);

    const Canvas& canvas() const { return *canvas_; }

  signals:
    // F4 or F5 showed another picture.
    void pictureChanged(const QString& path);

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
    // Over the whole primary screen: without a window manager
    // showFullScreen() alone keeps the default size.
    void placeOverScreen();
    void showStep(qsizetype index, const QImage& picture);
    // Composes the picture's new place once the keys that came with this
    // one are handled too.
    void settleSoon();
    // Repaints what the canvas changed, and has the text written out soon.
    void afterInput();
    QRectF logicalRect(const QRect& deviceRect) const;

    std::unique_ptr<Canvas> canvas_;
    TypedTextLog& log_;
    ClickSounds* clicks_;
    qreal ratio_;  // device pixels per logical pixel
    QTimer writeSoon_;
    PictureDecoder& decoder_;
    std::unique_ptr<PictureStepper> stepper_;  // once a picture is shown
    bool settleQueued_ = false;
};
