#pragma once

#include "canvas/Background.h"
#include "canvas/ScreenWindow.h"

// A screen the canvas does not type on: the picture composed for that
// screen's own size, and a click that clears the text like one on the
// typing screen.
class BackgroundWindow final : public ScreenWindow {
    Q_OBJECT

  public:
    explicit BackgroundWindow(QWidget* owner);

    // Shows `picture` over the whole of `screen`.
    void showPicture(QScreen& screen, const QImage& picture, Placement placement);
    // The picture again, after it changed.
    void compose(const QImage& picture, Placement placement);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};
