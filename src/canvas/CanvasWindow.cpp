#include "canvas/CanvasWindow.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <algorithm>

#include "canvas/TimeText.h"
#include "platform/Trace.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"

namespace {

qreal primaryScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 1.0 : screen->devicePixelRatio();
}

// The step of an arrow key: 50 pixels with Shift alone, else 5.
int panStep(Qt::KeyboardModifiers modifiers) {
    const auto held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return held == Qt::ShiftModifier ? 50 : 5;
}

}  // namespace

CanvasWindow::CanvasWindow(std::unique_ptr<Canvas> canvas, TypedTextLog& log, ClickSounds* clicks,
                           PictureDecoder& decoder)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      canvas_(std::move(canvas)),
      log_(log),
      clicks_(clicks),
      ratio_(primaryScreenRatio()),
      decoder_(decoder) {
    setAttribute(Qt::WA_DeleteOnClose);
    // paintEvent covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    // A second after a key, not on every key: a crash loses at most that.
    writeSoon_.setSingleShot(true);
    writeSoon_.setInterval(1000);
    connect(&writeSoon_, &QTimer::timeout, this, [this] { canvas_->writeText(); });
}

CanvasWindow::~CanvasWindow() = default;

int CanvasWindow::letterScale() {
    return std::max(1, qRound(primaryScreenRatio()));
}

QSize CanvasWindow::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QSize();
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}

void CanvasWindow::placeOverScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
}

void CanvasWindow::prepare() {
    placeOverScreen();
    create();
    QBackingStore* store = backingStore();
    store->resize(size());
    store->beginPaint(rect());
    QPainter(store->paintDevice()).fillRect(rect(), QColor(Canvas::kWindowColor));
    store->endPaint();
}

void CanvasWindow::showPicture(QImage picture) {
    canvas_->showPicture(std::move(picture));
    traceMark("picture composed");
    stepper_ = std::make_unique<PictureStepper>(canvas_->pictures(), canvas_->picture(), decoder_);
    connect(stepper_.get(), &PictureStepper::arrived, this, &CanvasWindow::showStep);
    placeOverScreen();
    showFullScreen();
    raise();
    activateWindow();
    traceMark("window shown");
}

void CanvasWindow::afterInput() {
    if (log_.changedSinceWrite() && !writeSoon_.isActive()) writeSoon_.start();
    const QRegion changes = canvas_->takeChanges();
    if (changes.isEmpty()) return;
    if (ratio_ == 1.0) {
        update(changes);
        return;
    }
    for (const QRect& rect : changes) update(logicalRect(rect).toAlignedRect());
}

QRectF CanvasWindow::logicalRect(const QRect& deviceRect) const {
    return QRectF(QPointF(deviceRect.topLeft()) / ratio_, QSizeF(deviceRect.size()) / ratio_);
}

void CanvasWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The image is in device pixels: drawn over its size in logical units,
    // each of its pixels lands on one device pixel.
    const QImage& image = canvas_->image();
    const QRectF target = logicalRect(image.rect());
    for (const QRect& part : event->region() - target.toAlignedRect())
        painter.fillRect(part, QColor(Canvas::kWindowColor));
    painter.drawImage(target, image, QRectF(image.rect()));
    traceMark("painted");
}

void CanvasWindow::closeEvent(QCloseEvent* event) {
    // A text that cannot be written now stays with the log, written with the next.
    log_.closeOpening();
    writeSoon_.stop();
    event->accept();
}

void CanvasWindow::keyPressEvent(QKeyEvent* event) {
    const int step = panStep(event->modifiers());
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_F3:
            canvas_->showTime(timeOfDayText(QTime::currentTime(), QLocale::system()));
            break;
        case Qt::Key_F4:
            stepper_->step(PictureFolder::Step::Previous);
            break;
        case Qt::Key_F5:
            stepper_->step(PictureFolder::Step::Next);
            break;
        case Qt::Key_F6:
            canvas_->clear();
            break;
        case Qt::Key_Up:
            canvas_->pan(PanDirection::Up, step);
            settleSoon();
            break;
        case Qt::Key_Down:
            canvas_->pan(PanDirection::Down, step);
            settleSoon();
            break;
        case Qt::Key_Left:
            canvas_->pan(PanDirection::Left, step);
            settleSoon();
            break;
        case Qt::Key_Right:
            canvas_->pan(PanDirection::Right, step);
            settleSoon();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            canvas_->newLine();
            break;
        case Qt::Key_Backspace:
            canvas_->backspace();
            break;
        default:
            canvas_->typeText(event->text());
            break;
    }
    afterInput();
}

void CanvasWindow::showStep(qsizetype index, const QImage& picture) {
    canvas_->stepTo(index, picture);
    afterInput();
    emit pictureChanged(canvas_->picturePath());
}

void CanvasWindow::settleSoon() {
    if (std::exchange(settleQueued_, true)) return;
    // Posted: key events already waiting are handled before it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            settleQueued_ = false;
            canvas_->settle();
            afterInput();
        },
        Qt::QueuedConnection);
}

void CanvasWindow::keyReleaseEvent(QKeyEvent* event) {
    if (clicks_ != nullptr && !event->isAutoRepeat()) clicks_->playAny();
}

void CanvasWindow::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters (dead keys, input methods) arrive here only.
    canvas_->typeText(event->commitString());
    afterInput();
    event->accept();
}

QVariant CanvasWindow::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return true;
    if (query == Qt::ImCursorRectangle)
        return logicalRect(QRect(canvas_->pen(), canvas_->cell())).toAlignedRect();
    return QWidget::inputMethodQuery(query);
}

void CanvasWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    canvas_->clear();
    afterInput();
}

bool CanvasWindow::focusNextPrevChild(bool) {
    // Tab is a typed character here, not a focus move.
    return false;
}
