#pragma once

#include "canvas/Background.h"
#include "canvas/ScreenWindow.h"

// A screen the canvas does not type on: the picture composed for that
// screen's own size, and a click that clears the text like one on the
// typing screen. Keys it is given go to `owner`, the window typed on: on
// Wayland the compositor, not the program, decides which window has the
// keyboard.
class BackgroundWindow final : public ScreenWindow {
    Q_OBJECT

  public:
    BackgroundWindow(QWidget* owner, Qt::WindowFlags extraFlags);

    // Shows `picture` over the whole of `screen`.
    void showPicture(QScreen& screen, const QImage& picture, Placement placement);
    // The picture again, after it changed.
    void compose(const QImage& picture, Placement placement);

  signals:
    void clicked();

  protected:
    bool event(QEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};
