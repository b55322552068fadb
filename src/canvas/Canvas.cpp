#include "canvas/Canvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <climits>

#include "canvas/ImageOps.h"
#include "letters/LetterSet.h"
#include "session/TypedTextLog.h"

Canvas::Canvas(QSize screen, const LetterSet& letters, TypedTextLog& log, PictureFolder pictures,
               Placement placement, int scale)
    : letters_(letters),
      log_(log),
      pictures_(std::move(pictures)),
      placement_(placement),
      scale_(scale),
      screen_(screen, QImage::Format_RGB32),
      background_(screen, QImage::Format_RGB32),
      layout_(screen, kCell * scale) {
    // Both buffers are written here, which the launcher does while the
    // picture decodes, rather than at the picture's first composition or the
    // first key's first use of the screen image.
    background_.fill(kWindowColor);
    screen_.fill(kWindowColor);
    timeFont_.setPointSizeF(13.5 * scale);
    wipe();
}

void Canvas::fitScreen(QSize screen, int scale) {
    scale_ = scale;
    offset_ = middleOffset(picture_.size(), screen);
    screen_ = QImage(screen, QImage::Format_RGB32);
    background_ = QImage(screen, QImage::Format_RGB32);
    screen_.fill(kWindowColor);
    background_.fill(kWindowColor);
    layout_ = TextLayout(screen, kCell * scale);
    timeFont_.setPointSizeF(13.5 * scale);
    wipe();
}

void Canvas::showPicture(QImage picture) {
    const QPoint middle = middleOffset(picture.size(), screen_.size());
    show(std::move(picture), middle);
}

void Canvas::awaitPicture() {
    awaiting_ = true;
    awaited_.clear();
}

void Canvas::stepTo(qsizetype index, QImage picture) {
    const QPoint middle = middleOffset(picture.size(), screen_.size());
    show(std::move(picture), pictures_.moveTo(index, offset_).value_or(middle));
    drawAwaited();
}

void Canvas::keepPicture() {
    drawAwaited();
}

void Canvas::draw(std::function<void()> drawing) {
    if (awaiting_)
        awaited_.push_back(std::move(drawing));
    else
        drawing();
}

void Canvas::drawAwaited() {
    awaiting_ = false;
    for (const std::function<void()>& drawing : std::exchange(awaited_, {})) drawing();
    // A move among them shows now, not at the next key.
    composeMove();
}

void Canvas::show(QImage picture, QPoint offset) {
    picture_ = std::move(picture);
    offset_ = offset;
    // Nothing of the picture before may show around a smaller one; a
    // picture that covers the screen leaves nothing of it.
    const bool covers = placement_ == Placement::Tiled ? !picture_.isNull() : pictureCoversScreen();
    if (!covers) background_.fill(kWindowColor);
    wipe();
}

// Then the moves keep it so: its offsets stay within it.
bool Canvas::pictureCoversScreen() const {
    return placement_ == Placement::Centered && picture_.width() >= screen_.width() &&
           picture_.height() >= screen_.height();
}

QImage Canvas::image() const {
    if (current_ == Current::Screen) return screen_;
    if (current_ == Current::Background) return background_;
    // The part of the picture on the screen, not copied.
    return QImage(picture_.constScanLine(offset_.y()) + offset_.x() * qsizetype(sizeof(QRgb)),
                  screen_.width(), screen_.height(), picture_.bytesPerLine(), QImage::Format_RGB32);
}

QImage& Canvas::screen() {
    if (current_ == Current::Picture) composeBackground(background_, picture_, placement_, offset_);
    if (current_ != Current::Screen)
        copyPixels(screen_, QPoint(0, 0), background_, background_.rect());
    current_ = Current::Screen;
    return screen_;
}

QString Canvas::picturePath() const {
    return pictures_.isEmpty() ? QString() : pictures_.path(pictures_.currentIndex());
}

void Canvas::typeText(const QString& text) {
    // Composed first: an "e" followed by a combining accent is one "é".
    const QString composed = text.normalized(QString::NormalizationForm_C);
    for (const char32_t character : composed.toUcs4()) {
        // Tab and the other control characters are no letters; the keys that
        // matter (Enter, Backspace, Esc) come as keys.
        if (QChar::category(character) != QChar::Other_Control) {
            log_.type(character);
            writeTextWhenDue();
        }
        draw([this, character] { drawCharacter(character); });
    }
}

void Canvas::drawCharacter(char32_t character) {
    composeMove();
    eraseCursorMark();
    if (QChar::category(character) == QChar::Other_Control) return;
    drawGlyph(letters_.glyph(character).value_or(letters_.fallback()));
    markPenOrTurnPage(layout_.advance());
}

void Canvas::newLine() {
    log_.typeLineEnd();
    writeTextWhenDue();
    draw([this] {
        composeMove();
        eraseCursorMark();
        // The line end takes a cell like a space.
        drawGlyph(*letters_.glyph(U' '));
        markPenOrTurnPage(layout_.newLine());
    });
}

void Canvas::markPenOrTurnPage(bool pageFull) {
    if (pageFull)
        wipe();
    else
        drawCursorMark();
}

void Canvas::writeTextWhenDue() {
    if (log_.writeDue()) writeText();
}

void Canvas::writeText() {
    QString reason;
    if (log_.write(&reason)) {
        writeFailureTold_ = false;
        return;
    }
    if (writeFailureTold_) return;
    writeFailureTold_ = true;
    notice_ = QCoreApplication::translate(
                  "Canvas",
                  "Your typing could not be written to %1: %2.\r\n\r\n"
                  "You can go on typing; nothing is lost. The text is kept and written as "
                  "soon as that works again, and when you close Pictype Viewer you can save "
                  "it elsewhere.")
                  .arg(log_.path(), reason);
}

void Canvas::backspace() {
    log_.eraseLast();
    draw([this] {
        composeMove();
        eraseCursorMark();
        layout_.stepBack();
        eraseCell();
        if (pen() != QPoint(0, 0)) drawCursorMark();
    });
}

void Canvas::clear() {
    draw([this] { wipe(); });
}

void Canvas::wipe() {
    moveUncomposed_ = false;
    if (pictureCoversScreen()) {
        current_ = Current::Picture;
    } else {
        composeBackground(background_, picture_, placement_, offset_);
        current_ = Current::Background;
    }
    changes_ += background_.rect();
    timePosition_ = QPoint(0, 0);
    layout_.clear();
}

void Canvas::showTime(const QString& text) {
    draw([this, text] {
        composeMove();
        changes_ += drawTextLine(screen(), timePosition_, text, timeFont_, QColor(kTimeColor));
        timePosition_ = QPoint(0, timePosition_.y() + QFontMetrics(timeFont_, &screen_).height());
    });
}

void Canvas::pan(PanDirection direction, int step) {
    draw([this, direction, step] {
        const std::optional<QPoint> offset =
            pannedOffset(offset_, direction, step, picture_.size(), screen_.size());
        if (!offset) return;
        offset_ = *offset;
        // Composed before anything else is drawn, with the wipe that starts the text afresh.
        moveUncomposed_ = true;
    });
}

void Canvas::composeMove() {
    if (moveUncomposed_) wipe();
}

void Canvas::drawGlyph(GlyphPixels glyph) {
    if (scale_ != 1) {
        drawScaledGlyph(glyph);
        return;
    }
    const QPoint pen = layout_.pen();
    const int width = screen_.width();
    const int height = screen_.height();
    auto* bits = reinterpret_cast<QRgb*>(screen().bits());
    const qsizetype stride = screen_.bytesPerLine() / qsizetype(sizeof(QRgb));
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const GlyphPixel& pixel : glyph) {
        const int x = pen.x() + pixel.x;
        const int y = pen.y() + pixel.y;
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        bits[y * stride + x] = pixel.color;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (left <= right) changes_ += QRect(QPoint(left, top), QPoint(right, bottom));
}

void Canvas::drawScaledGlyph(GlyphPixels glyph) {
    const QPoint pen = layout_.pen();
    QImage& target = screen();
    QRect touched;
    for (const GlyphPixel& pixel : glyph) {
        const QRect block =
            QRect(pen + QPoint(pixel.x, pixel.y) * scale_, QSize(scale_, scale_)) & target.rect();
        for (int y = block.top(); y <= block.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            std::fill(line + block.left(), line + block.right() + 1, pixel.color);
        }
        touched |= block;
    }
    changes_ += touched;
}

void Canvas::eraseCell() {
    const QRect here(layout_.pen(), cell());
    changes_ += copyPixels(screen(), here.topLeft(), background_, here);
}

// A bar along the bottom row of the pen's cell, one letter pixel shorter
// than the cell, in the inverse colours of the background: visible on any
// picture.
QRect Canvas::cursorMark() const {
    const QPoint pen = layout_.pen();
    return QRect(pen.x(), pen.y() + cell().height() - scale_, cell().width() - scale_, scale_);
}

void Canvas::drawCursorMark() {
    const QRect mark = cursorMark();
    changes_ += copyInvertedPixels(screen(), mark.topLeft(), background_, mark);
}

void Canvas::eraseCursorMark() {
    const QRect mark = cursorMark();
    changes_ += copyPixels(screen(), mark.topLeft(), background_, mark);
}
