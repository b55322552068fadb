#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

// Where typed letters go: a grid of cells that fills the screen line by line.
//
// The pen is the top-left corner of the cell the next letter takes. A line
// holds as many whole cells as fit across the screen and a page as many
// whole lines as fit down it; the line that would start past the last one
// fills the page.
class TextLayout {
  public:
    TextLayout(QSize area, QSize cell);

    QPoint pen() const { return pen_; }
    QSize cell() const { return cell_; }

    // The pen moves on after a letter placed at it: to the next cell, or to
    // the start of the next line. Returns whether the page is now full.
    bool advance();
    // An Enter placed at the pen takes its cell, and the pen moves to the
    // start of the next line. Returns whether the page is now full.
    bool newLine();
    // Backspace: the pen steps back one cell, from the start of a line onto
    // the last cell used on the line above. At the top-left cell it stays.
    void stepBack();
    // An empty page: the pen at the top-left cell.
    void clear();

  private:
    // Ends the current line and starts the next one.
    void breakLine();
    bool moveOn();

    QSize area_;
    QSize cell_;
    QPoint pen_;
    int line_ = 0;
    int cellsUsed_ = 0;       // on the current line, an Enter's cell included
    QList<int> lineLengths_;  // cells used by each line the pen has left
};
