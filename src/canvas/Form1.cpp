#include "canvas/Form1.h"

#include <utility>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <chrono>

#include "canvas/KeyTranslation.h"
#include "canvas/PictureLoader.h"
#include "canvas/TypedTextLog.h"
#include "letters/LoadLetterSet.h"
#include "shared/Globals.h"

namespace {

// One entry per line a page can hold, and at least as many as the original
// table, so tall screens never run past its end.
constexpr int kMinimumLineTable = 51;

QSize primaryScreenDevicePixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QSize();
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}

qreal primaryScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 1.0 : screen->devicePixelRatio();
}

}  // namespace

Form1::Form1(Globals& globals, Services& services, std::function<bool()> tinksTicked,
             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      globals_(globals),
      services_(services),
      tinksTicked_(std::move(tinksTicked)) {
    CurrentLine = std::exchange(globals.CarriedLine, QString());
    TimeFont = QFont(QStringLiteral("MS Sans Serif"));
    TimeFont.setPointSizeF(13.5);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(rgbFromColorRef(BackColor)));
    setPalette(background);
    // paintEvent covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
}

Form1* Form1::Show(Globals& globals, Services& services, std::function<bool()> tinksTicked) {
    auto* canvas = new Form1(globals, services, std::move(tinksTicked));
    canvas->setAttribute(Qt::WA_DeleteOnClose);
    if (!canvas->Form_Load()) return nullptr;
    // Without a window manager showFullScreen() alone keeps the default size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        canvas->setGeometry(screen->geometry());
    canvas->showFullScreen();
    canvas->raise();
    canvas->activateWindow();
    return canvas;
}

bool Form1::Form_Load() {
    Globals& g = globals_;
    const size_t pictures = static_cast<size_t>(std::max(g.PictureCapacity, g.PictureCount)) + 1;
    SavedOffsetX.assign(pictures, 0);
    SavedOffsetY.assign(pictures, 0);

    if (!LoadLetterSet(g, services_.messages)) {
        close();
        return false;
    }

    if (!LoadPicture(g.PictureFile, BackgroundPicture)) return loadFailed();

    const QSize screen = screenSize_.isValid() ? screenSize_ : primaryScreenDevicePixels();
    window_ = CreateDeviceContext(screen.width(), screen.height(), BackColor);
    ratio_ = screenSize_.isValid() ? devicePixelRatioF() : primaryScreenRatio();
    LineCharCount = 0;
    BackBufferDC = CreateDeviceContext(screen.width(), screen.height(), BackColor);
    if (window_.isNull() || BackBufferDC.isNull()) return loadFailed();
    LineLengths.assign(
        static_cast<size_t>(std::max(kMinimumLineTable, screen.height() / g.LetterHeight + 1)), 0);

    PictureOffsetY = 0;
    PictureOffsetX = 0;
    setCursor(Qt::BlankCursor);
    random_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    loaded_ = true;
    return true;
}

bool Form1::loadFailed() {
    services_.messages.show(globals_.PictureFile + QStringLiteral(" is apparently not a picture."));
    close();
    return false;
}

void Form1::Form_Paint() {
    if (globals_.FirstPaint == 1) {
        Form_Click();
        globals_.FirstPaint = 0;
    }
}

void Form1::Form_Unload() {
    loaded_ = false;
    unsetCursor();
    BackBufferDC = QImage();
    BackgroundPicture = QImage();
    try {
        CloseOutText(globals_, CurrentLine);
    } catch (...) {
        // The canvas closes whatever became of the text.
    }
    globals_.CarriedLine = std::exchange(CurrentLine, QString());
}

void Form1::Form_KeyUp(int16_t, int16_t) {
    if (!tinksTicked_()) return;
    const int r = std::uniform_int_distribution<int>(1, 4)(random_);
    const std::vector<uint8_t>& sound = globals_.ClickSounds[static_cast<size_t>(r - 1)];
    if (!sound.empty()) services_.sound.play(sound);
}

void Form1::repaintDevice(const QRect& deviceRect) {
    if (deviceRect.isEmpty()) return;
    if (ratio_ == 1.0) {
        update(deviceRect);
        return;
    }
    update(logicalRect(deviceRect).toAlignedRect());
}

QRectF Form1::logicalRect(const QRect& deviceRect) const {
    return QRectF(QPointF(deviceRect.topLeft()) / ratio_, QSizeF(deviceRect.size()) / ratio_);
}

void Form1::paintEvent(QPaintEvent* event) {
    Form_Paint();
    QPainter painter(this);
    // The image is in device pixels: drawn over its size in logical units,
    // each of its pixels lands on one device pixel.
    const QRectF target = logicalRect(window_.rect());
    for (const QRect& part : event->region() - target.toAlignedRect())
        painter.fillRect(part, QColor(rgbFromColorRef(BackColor)));
    painter.drawImage(target, window_, QRectF(window_.rect()));
}

void Form1::closeEvent(QCloseEvent* event) {
    // The close always goes ahead.
    Form_Unload();
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!loaded_) return;
    Form_KeyDown(virtualKeyCode(event->key()), shiftMask(event->modifiers()));
    for (int16_t code : typedCharacterCodes(event->key(), event->text())) {
        if (!loaded_) break;  // Esc closed the canvas
        Form_KeyPress(code);
    }
}

void Form1::keyReleaseEvent(QKeyEvent* event) {
    if (!loaded_ || event->isAutoRepeat()) return;
    Form_KeyUp(virtualKeyCode(event->key()), shiftMask(event->modifiers()));
}

void Form1::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters (dead keys, input methods) arrive here only.
    for (int16_t code : typedCharacterCodes(0, event->commitString())) {
        if (!loaded_) break;
        Form_KeyPress(code);
    }
    event->accept();
}

QVariant Form1::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return true;
    if (query == Qt::ImCursorRectangle) {
        return logicalRect(QRect(PenX, PenY, globals_.LetterWidth, globals_.LetterHeight))
            .toAlignedRect();
    }
    return QWidget::inputMethodQuery(query);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (loaded_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        Form_Click();
}

bool Form1::focusNextPrevChild(bool) {
    // Tab is a typed character here, not a focus move.
    return false;
}
