#pragma once

#include <QPointer>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/EscapeHold.h"
#include "canvas/ScreenWindow.h"
#include "pictures/PictureStepper.h"
#include "sound/SpokenText.h"

class BackgroundWindow;
struct CanvasCommand;
class ClickSounds;
class Clock;
class InputGrab;
class MessageBoxes;
class PictureDecoder;

// What a locked canvas needs: the clock that times Esc held down, and the
// desktop's grab of the keyboard and the pointer.
struct CanvasLock {
    Clock& clock;
    InputGrab& grab;
};

// The full-screen window over the canvas: frameless, above other windows,
// the mouse pointer hidden. It turns keys and clicks into calls on its
// Canvas and repaints what they changed. With several screens it types on
// one, and a BackgroundWindow covers each of the others.
//
// Keys: the command keys of canvasCommands() (Esc closes the window, the
// others show the time, step through the folder's pictures, clear the text
// and pan the picture); Enter, Backspace and every other character type. A mouse click on any of
// its screens clears the text like F6. What is typed is written out within a second, and when the
// window closes.
//
// The pictures beside the one shown are decoded ahead by `decoder`, and the
// picture F4 or F5 leads to shows when it is decoded, while typing goes on.
// Arrow keys that come faster than the screen can follow move the picture
// together, composed once.
//
// Locked, the windows hold the keyboard and the pointer where the desktop
// allows it, so that the desktop's shortcuts do not act; it leaves only
// when Esc has been held down for three seconds, with a mark along the
// bottom of the screen growing while it is held, and the desktop cannot
// close it.
class CanvasWindow : public ScreenWindow {
    Q_OBJECT

  public:
    // `canvas` has no picture yet: showPicture() gives it one and shows the
    // window. `clicks` play on every key release when given; `messages` tell
    // what the canvas reports; `lock` locks the canvas.
    CanvasWindow(std::unique_ptr<Canvas> canvas, TypedTextLog& log, ClickSounds* clicks,
                 MessageBoxes& messages, PictureDecoder& decoder,
                 std::optional<CanvasLock> lock = std::nullopt);
    ~CanvasWindow() override;

    // Makes the window over the screen that holds most of `launcher` (the
    // launcher window's geometry) and the memory it is painted in, without
    // showing it, and writes that memory once: done while the picture
    // decodes, this spares the first paint the first use of the memory,
    // which at 3840 x 2160 costs as much as the paint itself.
    void prepare(const QRect& launcher);
    // Shows `picture`, the current one of the canvas's folder, over every
    // screen: typing on the one that holds most of `launcher`, the picture
    // alone on each other one. Screens that come or go while it is up are
    // covered afresh; typing moves only when its screen goes. From now on
    // the pictures beside the one shown are decoded ahead.
    void showPicture(QImage picture, const QRect& launcher);

    const Canvas& canvas() const { return *canvas_; }
    bool locked() const { return lock_.has_value(); }

  signals:
    // F4 or F5 showed another picture.
    void pictureChanged(const QString& path);
    // The canvas was locked, and the desktop or its user did not let it hold
    // the desktop's shortcuts: only the Esc hold kept it.
    void lockRefused();
    // A key typed: characters, an Enter or a Backspace.
    void typed(const TypedKey& key);
    // F3 printed the time of day.
    void timeShown(const QTime& time);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Places the window and the backgrounds over the screens there are now.
    void coverScreens();
    void run(const CanvasCommand& command, const QKeyEvent& press);
    // F4 or F5: the keys after it take effect on the picture it leads to.
    void stepPicture(PictureFolder::Step step);
    void showStep(qsizetype index, const QImage& picture);
    // Composes the picture's new place once the keys that came with this
    // one are handled too.
    void composeMoveSoon();
    void clearText();
    // Esc on a locked canvas: held long enough, it leaves.
    void holdEscape(const QKeyEvent& press);
    void showEscapeHeld();
    // The strip along the bottom of the image that the hold's mark grows
    // in, and the part of it that is done, in device pixels.
    QRect holdStrip() const;
    QRect holdMark() const;
    // Repaints what the canvas changed, has the text written out soon and
    // tells what the canvas reported.
    void afterInput();
    void tellNotice();

    std::unique_ptr<Canvas> canvas_;
    TypedTextLog& log_;
    ClickSounds* clicks_;
    MessageBoxes& messages_;
    std::optional<CanvasLock> lock_;
    std::optional<EscapeHold> escape_;  // only when locked
    QRect launcher_;
    QPointer<QScreen> typing_;
    std::vector<BackgroundWindow*> backgrounds_;
    QTimer writeSoon_;
    QTimer holdTicks_;
    PictureDecoder& decoder_;
    std::unique_ptr<PictureStepper> stepper_;  // once a picture is shown
    bool composeQueued_ = false;
};
