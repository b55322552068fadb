#pragma once

#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <memory>
#include <vector>

#include "canvas/Canvas.h"
#include "canvas/ScreenWindow.h"

class BackgroundWindow;
class ClickSounds;

// The full-screen window over the canvas: frameless, above other windows,
// the mouse pointer hidden. It turns keys and clicks into calls on its
// Canvas and repaints what they changed. With several screens it types on
// one, and a BackgroundWindow covers each of the others.
//
// Keys: Esc closes the window; F3 shows the time, F4 and F5 step through
// the folder's pictures, F6 clears the text, the arrows pan the picture (50
// pixels with Shift alone, else 5); Enter, Backspace and every other
// character type. A mouse click on any of its screens clears the text like
// F6. What is typed is written out within a second, and when the window
// closes.
class CanvasWindow : public ScreenWindow {
    Q_OBJECT

  public:
    // `clicks` play on every key release when given.
    CanvasWindow(std::unique_ptr<Canvas> canvas, TypedTextLog& log, ClickSounds* clicks);
    ~CanvasWindow() override;

    // Shows the window over every screen: typing on the one that holds most
    // of `launcher` (the launcher window's geometry), the picture alone on
    // each other one. Screens that come or go while it is up are covered
    // afresh; typing moves only when its screen goes.
    void showOverScreens(const QRect& launcher);

    const Canvas& canvas() const { return *canvas_; }
    // The windows over the screens it does not type on.
    const std::vector<BackgroundWindow*>& backgrounds() const { return backgrounds_; }

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
    // Places the window and the backgrounds over the screens there are now.
    void coverScreens();
    void stepPicture(PictureFolder::Step step);
    void clearText();
    // Repaints what the canvas changed, and has the text written out soon.
    void afterInput();

    std::unique_ptr<Canvas> canvas_;
    TypedTextLog& log_;
    ClickSounds* clicks_;
    QRect launcher_;
    QPointer<QScreen> typing_;
    std::vector<BackgroundWindow*> backgrounds_;
    QTimer writeSoon_;
};
