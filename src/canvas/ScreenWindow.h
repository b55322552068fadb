#pragma once

#include <QImage>
#include <QWidget>

class QMouseEvent;
class QPainter;
class QScreen;

// A frameless window over the whole of one screen, above other windows,
// with the mouse pointer hidden. It shows an image in device pixels, each
// image pixel on one device pixel of the screen.
class ScreenWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows the window over the whole of `screen`.
    void showOver(QScreen& screen);

  protected:
    // `owner` deletes the window with itself; the window is a top-level one all the same.
    ScreenWindow(QWidget* owner, Qt::WindowFlags extraFlags);

    // Paints `region` of the window from `image`, black outside it.
    void paintImage(QPainter& painter, const QImage& image, const QRegion& region) const;
    // Device pixels of the screen to the window's logical pixels.
    QRectF logicalRect(const QRect& deviceRect) const;
    qreal ratio() const { return ratio_; }
    // A click is a left-button release over the window.
    bool isClick(const QMouseEvent& event) const;

  private:
    qreal ratio_;  // device pixels per logical pixel
};
