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

#include "canvas/BackgroundWindow.h"
#include "canvas/CanvasCommands.h"
#include "canvas/ImageOps.h"
#include "canvas/Screens.h"
#include "canvas/TimeText.h"
#include "platform/InputGrab.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"

namespace {

// What each window of the canvas is made with: a locked canvas's windows as
// its hold asks.
Qt::WindowFlags windowFlagsFor(const std::optional<CanvasLock>& lock) {
    return lock ? lock->grab.windowFlags() : Qt::WindowFlags();
}

}  // namespace

CanvasWindow::CanvasWindow(std::unique_ptr<Canvas> canvas, TypedTextLog& log, ClickSounds* clicks,
                           MessageBoxes& messages, PictureDecoder& decoder,
                           std::optional<CanvasLock> lock)
    : ScreenWindow(nullptr, windowFlagsFor(lock)),
      canvas_(std::move(canvas)),
      log_(log),
      clicks_(clicks),
      messages_(messages),
      lock_(lock),
      decoder_(decoder) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    // A second after a key, not on every key: a crash loses at most that.
    writeSoon_.setSingleShot(true);
    writeSoon_.setInterval(1000);
    connect(&writeSoon_, &QTimer::timeout, this, [this] {
        canvas_->writeText();
        tellNotice();
    });
    if (!lock_) return;
    escape_.emplace(lock_->clock);
    // Often enough for the mark to grow smoothly.
    holdTicks_.setInterval(40);
    connect(&holdTicks_, &QTimer::timeout, this, &CanvasWindow::showEscapeHeld);
}

CanvasWindow::~CanvasWindow() = default;

void CanvasWindow::prepare(const QRect& launcher) {
    typing_ = typingScreen(launcher);
    if (typing_ != nullptr) setGeometry(typing_->geometry());
    create();
    QBackingStore* store = backingStore();
    store->resize(size());
    store->beginPaint(rect());
    QPainter(store->paintDevice()).fillRect(rect(), QColor(Canvas::kWindowColor));
    store->endPaint();
}

void CanvasWindow::showPicture(QImage picture, const QRect& launcher) {
    canvas_->showPicture(std::move(picture));
    traceMark("picture composed");
    stepper_ = std::make_unique<PictureStepper>(canvas_->pictures(), canvas_->picture(), decoder_);
    connect(stepper_.get(), &PictureStepper::arrived, this, &CanvasWindow::showStep);
    connect(stepper_.get(), &PictureStepper::stayed, this, [this] {
        canvas_->keepPicture();
        afterInput();
    });
    launcher_ = launcher;
    coverScreens();
    connect(qApp, &QGuiApplication::screenAdded, this, &CanvasWindow::coverScreens);
    connect(qApp, &QGuiApplication::screenRemoved, this, &CanvasWindow::coverScreens);
    traceMark("window shown");
}

void CanvasWindow::coverScreens() {
    // Typing stays on its screen while that is there.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!screens.contains(typing_.data())) typing_ = typingScreen(launcher_);
    QScreen* typing = typing_.data();
    if (typing == nullptr) return;
    const QSize size = deviceSize(*typing);
    if (size != canvas_->image().size() || letterScale(*typing) != canvas_->scale()) {
        canvas_->fitScreen(size, letterScale(*typing));
        canvas_->takeChanges();
        update();
    }
    qDeleteAll(backgrounds_);
    backgrounds_.clear();
    for (QScreen* screen : screens) {
        if (screen == typing) continue;
        auto* window = new BackgroundWindow(this, windowFlagsFor(lock_));
        connect(window, &BackgroundWindow::clicked, this, &CanvasWindow::clearText);
        window->showPicture(*screen, canvas_->picture(), canvas_->placement());
        backgrounds_.push_back(window);
    }
    // Shown last and asked to be active: some desktops give the keyboard
    // to the window shown last, others only to one that asks.
    showOver(*typing);
    raise();
    activateWindow();
    if (lock_) {
        QList<QWindow*> windows{windowHandle()};
        for (BackgroundWindow* window : backgrounds_) windows << window->windowHandle();
        lock_->grab.hold(windows);
    }
}

void CanvasWindow::tellNotice() {
    if (const std::optional<QString> notice = canvas_->takeNotice()) messages_.notify(*notice);
}

void CanvasWindow::afterInput() {
    if (log_.changedSinceWrite() && !writeSoon_.isActive()) writeSoon_.start();
    tellNotice();
    const QRegion changes = canvas_->takeChanges();
    if (changes.isEmpty()) return;
    if (ratio() == 1.0) {
        update(changes);
        return;
    }
    for (const QRect& rect : changes) update(logicalRect(rect).toAlignedRect());
}

void CanvasWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintImage(painter, canvas_->image(), event->region());
    if (escape_ && escape_->held()) {
        const QRect mark = holdMark();
        QImage inverse(mark.size(), QImage::Format_RGB32);
        copyInvertedPixels(inverse, QPoint(0, 0), canvas_->image(), mark);
        painter.drawImage(logicalRect(mark), inverse);
    }
    traceMark("painted");
}

void CanvasWindow::closeEvent(QCloseEvent* event) {
    // Locked, only Esc held down leaves: not the desktop's close shortcut,
    // should it get through.
    if (lock_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    if (lock_) {
        lock_->grab.release();
        if (lock_->grab.refused()) emit lockRefused();
    }
    // A text that cannot be written now stays with the log, written with the next.
    log_.closeOpening();
    writeSoon_.stop();
    event->accept();
}

void CanvasWindow::keyPressEvent(QKeyEvent* event) {
    if (const CanvasCommand* command = findCanvasCommand(event->key(), event->modifiers())) {
        run(*command, *event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            canvas_->newLine();
            emit typed({TypedKey::Kind::Enter, {}});
            break;
        case Qt::Key_Backspace:
            canvas_->backspace();
            emit typed({TypedKey::Kind::Backspace, {}});
            break;
        default:
            canvas_->typeText(event->text());
            emit typed({TypedKey::Kind::Text, event->text()});
            break;
    }
    afterInput();
}

void CanvasWindow::run(const CanvasCommand& command, const QKeyEvent& press) {
    switch (command.action) {
        case CanvasCommand::Action::Leave:
            if (escape_)
                holdEscape(press);
            else
                close();
            return;
        case CanvasCommand::Action::ShowTime: {
            const QTime now = QTime::currentTime();
            canvas_->showTime(timeOfDayText(now, QLocale::system()));
            emit timeShown(now);
            break;
        }
        case CanvasCommand::Action::PreviousPicture:
            stepPicture(PictureFolder::Step::Previous);
            break;
        case CanvasCommand::Action::NextPicture:
            stepPicture(PictureFolder::Step::Next);
            break;
        case CanvasCommand::Action::ClearText:
            canvas_->clear();
            break;
        case CanvasCommand::Action::Pan:
            canvas_->pan(command.direction, command.step);
            composeMoveSoon();
            break;
    }
    afterInput();
}

void CanvasWindow::holdEscape(const QKeyEvent& press) {
    escape_->press(press.timestamp());
    showEscapeHeld();
}

void CanvasWindow::showEscapeHeld() {
    if (escape_->longEnough()) {
        close();
        return;
    }
    // Ticking until the hold has ended, and its mark has gone.
    if (!escape_->held())
        holdTicks_.stop();
    else if (!holdTicks_.isActive())
        holdTicks_.start();
    update(logicalRect(holdStrip()).toAlignedRect());
}

QRect CanvasWindow::holdStrip() const {
    const QRect image = canvas_->image().rect();
    const int height = 3 * canvas_->scale();
    return QRect(0, image.bottom() + 1 - height, image.width(), height);
}

QRect CanvasWindow::holdMark() const {
    QRect mark = holdStrip();
    mark.setWidth(qRound(mark.width() * escape_->progress()));
    return mark;
}

void CanvasWindow::stepPicture(PictureFolder::Step step) {
    // Before the step: its picture may be at hand and come at once.
    canvas_->awaitPicture();
    stepper_->step(step);
}

void CanvasWindow::showStep(qsizetype index, const QImage& picture) {
    canvas_->stepTo(index, picture);
    for (BackgroundWindow* window : backgrounds_)
        window->compose(canvas_->picture(), canvas_->placement());
    afterInput();
    emit pictureChanged(canvas_->picturePath());
}

void CanvasWindow::composeMoveSoon() {
    if (std::exchange(composeQueued_, true)) return;
    // Posted: key events already waiting are handled before it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            composeQueued_ = false;
            canvas_->composeMove();
            afterInput();
        },
        Qt::QueuedConnection);
}

void CanvasWindow::keyReleaseEvent(QKeyEvent* event) {
    if (escape_ && event->key() == Qt::Key_Escape)
        escape_->release(event->timestamp(), event->isAutoRepeat());
    if (clicks_ != nullptr && !event->isAutoRepeat()) clicks_->playAny();
}

void CanvasWindow::focusOutEvent(QFocusEvent* event) {
    // Without the keyboard the release of Esc may never come.
    if (escape_) {
        escape_->cancel();
        showEscapeHeld();
    }
    ScreenWindow::focusOutEvent(event);
}

void CanvasWindow::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters (dead keys, input methods) arrive here only.
    canvas_->typeText(event->commitString());
    emit typed({TypedKey::Kind::Text, event->commitString()});
    afterInput();
    event->accept();
}

QVariant CanvasWindow::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return true;
    if (query == Qt::ImCursorRectangle)
        return logicalRect(QRect(canvas_->pen(), canvas_->cell())).toAlignedRect();
    return ScreenWindow::inputMethodQuery(query);
}

void CanvasWindow::mouseReleaseEvent(QMouseEvent* event) {
    // With the pointer grabbed, clicks on the other screens come here too.
    const QPoint at = event->globalPosition().toPoint();
    const bool onBackground = std::any_of(
        backgrounds_.begin(), backgrounds_.end(),
        [at](const BackgroundWindow* window) { return window->geometry().contains(at); });
    if (isClick(*event) || (event->button() == Qt::LeftButton && onBackground)) clearText();
}

void CanvasWindow::clearText() {
    canvas_->clear();
    afterInput();
}

bool CanvasWindow::focusNextPrevChild(bool) {
    // Tab is a typed character here, not a focus move.
    return false;
}
