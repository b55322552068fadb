#include "canvas/TextLayout.h"

#include <algorithm>

TextLayout::TextLayout(QSize area, QSize cell)
    // Every line a page holds, and the line or two an Enter at its end starts.
    : area_(area), cell_(cell), lineLengths_(area.height() / cell.height() + 2, 0) {}

void TextLayout::breakLine() {
    lineLengths_[line_] = cellsUsed_;
    ++line_;
    cellsUsed_ = 0;
}

bool TextLayout::moveOn() {
    // The next cell must lie entirely on the screen.
    if (pen_.x() <= area_.width() - 2 * cell_.width()) {
        pen_.rx() += cell_.width();
    } else {
        pen_ = QPoint(0, pen_.y() + cell_.height());
        breakLine();
    }
    return pen_.y() > area_.height() - cell_.height();
}

bool TextLayout::advance() {
    ++cellsUsed_;
    return moveOn();
}

bool TextLayout::newLine() {
    ++cellsUsed_;
    breakLine();
    // One cell before the line's start, so that moving on lands on it.
    pen_ = QPoint(-cell_.width(), pen_.y() + cell_.height());
    return moveOn();
}

void TextLayout::stepBack() {
    if (pen_.x() > 0) {
        pen_.rx() -= cell_.width();
    } else if (pen_.y() > 0) {
        --line_;
        cellsUsed_ = lineLengths_[line_];
        pen_ = QPoint(std::max(0, (cellsUsed_ - 1) * cell_.width()), pen_.y() - cell_.height());
    } else {
        pen_ = QPoint(0, 0);
    }
    cellsUsed_ = std::max(0, cellsUsed_ - 1);
}

void TextLayout::clear() {
    pen_ = QPoint(0, 0);
    line_ = 0;
    cellsUsed_ = 0;
    std::fill(lineLengths_.begin(), lineLengths_.end(), 0);
}
