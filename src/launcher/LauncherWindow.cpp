#include "launcher/LauncherWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "canvas/CanvasWindow.h"
#include "canvas/Screens.h"
#include "launcher/LauncherLayout.h"
#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "platform/AppTitle.h"
#include "platform/Clipboard.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"
#include "session/TypedTextLog.h"
#include "sound/Speaker.h"
#include "sound/SpokenText.h"

namespace {

const QStringList kKeyHelp = {
    QStringLiteral("Esc - Unload picture and return here"),
    QStringLiteral("F6 - Clears text"),
    QStringLiteral("F5 - Cycle pictures"),
    QStringLiteral("F4 - Cycle in opposite direction"),
    QStringLiteral("F3 - Show time"),
    QStringLiteral("Arrows - Move picture 5 pixels"),
    QStringLiteral("Shift + Arrows - Move picture 50 pixels."),
};
// A locked canvas leaves only when Esc is held.
const QString kLockedEscapeHelp = QStringLiteral("Hold Esc 3 s - Unload picture and return here");

// Buttons whose captions are too wide for their size first get a narrower
// face, then a smaller size, until every caption fits: the desktop's fonts
// are wider than the ones the layout was drawn for. All buttons share the
// result so that they look alike.
void fitCaptions(const QList<QPushButton*>& buttons) {
    const auto allFit = [&buttons] {
        return std::all_of(buttons.begin(), buttons.end(), [](const QPushButton* button) {
            return button->sizeHint().width() <= button->width();
        });
    };
    QFont font = buttons.first()->font();
    for (int step = 0; step < 4 && !allFit(); ++step) {
        if (step == 0)
            font.setStretch(QFont::SemiCondensed);
        else
            font.setPixelSize(font.pixelSize() - 1);
        for (QPushButton* button : buttons) button->setFont(font);
    }
}

// Only a list of local files counts as dropped files; text, links and the
// like are not offered a drop.
bool holdsLocalFiles(const QMimeData* data) {
    return data != nullptr && data->hasUrls() && !data->urls().isEmpty() &&
           data->urls().first().isLocalFile();
}

template <typename Widget, typename... Args>
Widget* placed(QWidget* parent, const QString& name, const QRect& geometry, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

LauncherWindow::LauncherWindow(QString programFolder, QString settingsFile, Settings settings,
                               Preferences preferences, LetterArchive archive,
                               const QStringList& letterSets, TypedTextLog& log,
                               ClickSounds& clicks, Speaker& speaker, LauncherServices services)
    : programFolder_(std::move(programFolder)),
      settingsFile_(std::move(settingsFile)),
      settings_(std::move(settings)),
      preferences_(preferences),
      archive_(std::move(archive)),
      log_(log),
      clicks_(clicks),
      speaker_(speaker),
      services_(services),
      chosen_(services.decoder) {
    buildControls();
    applySettings(letterSets);
    connect(&chosen_, &PictureCache::ready, this,
            [this](const QString&, const Picture& picture) { pictureReady(picture); });
    choose(settings_.pictureFile);
}

LauncherWindow::~LauncherWindow() = default;

void LauncherWindow::buildControls() {
    namespace L = LauncherLayout;
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/pictype-viewer.png")));
    setFixedSize(L::kWindow);
    // The layout was drawn for an 8-point dialog font (11 pixels); keep the
    // text inside the controls whatever the desktop's default size.
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);
    setAcceptDrops(true);

    startButton_ = placed<QPushButton>(this, "start", L::kStart, QStringLiteral("Start"));
    auto* frame = placed<QGroupBox>(this, "placement", L::kPlacementFrame);
    centeredButton_ =
        placed<QRadioButton>(frame, "centered", L::kCentered, QStringLiteral("Centered"));
    tiledButton_ = placed<QRadioButton>(frame, "tiled", L::kTiled, QStringLiteral("Tiled"));
    pictureButton_ =
        placed<QPushButton>(this, "picture", L::kPicture, QStringLiteral("Background Picture..."));
    moveButton_ = placed<QPushButton>(this, "moveToClipboard", L::kMoveToClipboard,
                                      QStringLiteral("Move to Clipboard"));
    appendButton_ = placed<QPushButton>(this, "appendToClipboard", L::kAppendToClipboard,
                                        QStringLiteral("Append to Clipboard"));
    picturePath_ = placed<QLabel>(this, "picturePath", L::kPicturePath);
    letterSetList_ = placed<QListWidget>(this, "letterSets", L::kLetterSets);
    keyHelp_ = placed<QLabel>(this, "keyHelp", L::kKeyHelp);
    keyHelp_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpLink_ = placed<QLabel>(this, "help", L::kHelp, QStringLiteral("Click here for help."));
    helpLink_->setCursor(Qt::PointingHandCursor);
    // The link-like help label is as wide as its text, wherever that ends.
    helpLink_->adjustSize();
    tinksBox_ = placed<QCheckBox>(this, "tinks", L::kTinks, QStringLiteral("Tinks"));
    lockBox_ = placed<QCheckBox>(this, "lock", L::kLock, QStringLiteral("&Lock"));
    speakBox_ = placed<QCheckBox>(this, "speak", L::kSpeak, tr("&Speak"));

    fitCaptions({startButton_, pictureButton_, moveButton_, appendButton_});

    const QList<QWidget*> tabOrder = {startButton_, centeredButton_, tiledButton_,   pictureButton_,
                                      moveButton_,  appendButton_,   letterSetList_, tinksBox_,
                                      lockBox_,     speakBox_};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

    picturePath_->installEventFilter(this);
    helpLink_->installEventFilter(this);
    connect(startButton_, &QPushButton::clicked, this, &LauncherWindow::start);
    connect(pictureButton_, &QPushButton::clicked, this, &LauncherWindow::choosePicture);
    connect(moveButton_, &QPushButton::clicked, this, &LauncherWindow::moveToClipboard);
    connect(appendButton_, &QPushButton::clicked, this, &LauncherWindow::appendToClipboard);
    connect(lockBox_, &QCheckBox::toggled, this, &LauncherWindow::showKeyHelp);
}

void LauncherWindow::applySettings(const QStringList& letterSets) {
    // Nothing is typed yet that could go to the clipboard.
    moveButton_->setEnabled(false);
    (settings_.centered ? centeredButton_ : tiledButton_)->setChecked(true);
    tinksBox_->setTristate(settings_.tinks == Qt::PartiallyChecked);
    tinksBox_->setCheckState(settings_.tinks);
    lockBox_->setChecked(preferences_.lockCanvas);
    speakBox_->setChecked(preferences_.speak);
    showKeyHelp();
    showPictureChoice();
    letterSetList_->addItems(letterSets);
    // The last set of that name, else the first.
    const qsizetype remembered = letterSets.lastIndexOf(settings_.letterSetName);
    if (!letterSets.isEmpty()) letterSetList_->setCurrentRow(std::max<int>(0, remembered));
}

void LauncherWindow::showKeyHelp() {
    QStringList lines = kKeyHelp;
    if (lockBox_->isChecked()) lines.first() = kLockedEscapeHelp;
    keyHelp_->setText(lines.join(QStringLiteral("\r\n")));
}

void LauncherWindow::showPath(const QString& path) {
    // A long path loses its middle; the whole of it is in the tooltip.
    const QString shown = shownPath(path);
    picturePath_->setText(
        picturePath_->fontMetrics().elidedText(shown, Qt::ElideMiddle, picturePath_->width()));
    picturePath_->setToolTip(shown);
}

void LauncherWindow::showPictureChoice() {
    if (settings_.pictureFile.isEmpty())
        picturePath_->setText(QStringLiteral("No picture selected"));
    else
        showPath(settings_.pictureFile);
}

QString LauncherWindow::askForPicture() {
    // Where the chosen picture is, or else the user's pictures.
    const QString folder = settings_.pictureFile.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : QFileInfo(shownPath(settings_.pictureFile)).absolutePath();
    return services_.fileDialogs.openFile(pictureFilter(), folder);
}

void LauncherWindow::choose(const QString& path) {
    settings_.pictureFile = path;
    chosen_.decodeAhead(path.isEmpty() ? QStringList() : QStringList(path));
}

void LauncherWindow::choosePicture() {
    // Cancelled, the picture chosen before stays.
    const QString chosen = askForPicture();
    if (!chosen.isEmpty()) choose(chosen);
    showPictureChoice();
}

void LauncherWindow::showPicturePath() {
    showPath(settings_.pictureFile);
}

void LauncherWindow::dropPicture(const QMimeData* data) {
    if (!holdsLocalFiles(data)) return;
    // Only the first of several files counts, whatever the encoding of its name.
    const QString first = openablePath(
        QByteArray::fromPercentEncoding(data->urls().first().path(QUrl::FullyEncoded).toLatin1()));
    if (!isPictureFile(first)) return;
    choose(first);
    showPath(first);
}

void LauncherWindow::start() {
    const QListWidgetItem* letterSet = letterSetList_->currentItem();
    if (letterSet == nullptr) {
        services_.messages.inform(
            QStringLiteral("There must be a problem with the letters.zip file."));
        return;
    }
    moveButton_->setEnabled(true);
    settings_.letterSetName = letterSet->text();
    // No picture yet: ask for one. Without one the canvas shows no picture.
    if (settings_.pictureFile.isEmpty()) choose(askForPicture());
    picturePath_->clear();
    picturePath_->setToolTip(QString());
    openCanvas();
}

void LauncherWindow::openCanvas() {
    traceMark("start");
    // One canvas at a time: the launcher stays out of reach (also for the
    // keyboard) from now until the canvas has closed.
    setEnabled(false);
    opening_.emplace();
    // Asked for first, so that the picture decodes while the letters load.
    if (settings_.pictureFile.isEmpty())
        opening_->picture = Picture();
    else
        chosen_.want(settings_.pictureFile);
    const std::optional<QByteArray> letterSet = archive_.read(settings_.letterSetName);
    if (!letterSet) {
        cancelOpening();
        services_.messages.inform(QStringLiteral("Could not unzip ") + archive_.path());
        return;
    }
    // A damaged set draws what it could read.
    letters_.read(*letterSet);
    traceMark("letters read");
    // The canvas types on the launcher's screen.
    const QRect launcher = frameGeometry();
    const QScreen* screen = typingScreen(launcher);
    auto canvas = std::make_unique<Canvas>(
        screen != nullptr ? deviceSize(*screen) : QSize(), letters_, log_, services_.messages,
        PictureFolder(settings_.pictureFile),
        centeredButton_->isChecked() ? Placement::Centered : Placement::Tiled,
        screen != nullptr ? letterScale(*screen) : 1);
    const std::optional<CanvasLock> lock =
        lockBox_->isChecked()
            ? std::optional<CanvasLock>(CanvasLock{services_.clock, services_.inputGrab})
            : std::nullopt;
    opening_->window = std::make_unique<CanvasWindow>(
        std::move(canvas), log_, tinksBox_->checkState() != Qt::Unchecked ? &clicks_ : nullptr,
        services_.decoder, lock);
    if (speakBox_->isChecked()) {
        speaker_.prepare();
        CanvasWindow* window = opening_->window.get();
        connect(window, &CanvasWindow::typed, window,
                [this, window, spoken = SpokenText()](const TypedKey& key) mutable {
                    const std::optional<QList<SpokenPart>> parts = spoken.follow(key);
                    // Said once the key's letter is painted (a zero timer
                    // comes after the repaint the key asked for), so that
                    // synthesis never competes with drawing it.
                    if (parts)
                        QTimer::singleShot(0, window,
                                           [this, said = *parts] { speaker_.say(said); });
                });
    }
    if (!opening_->picture) opening_->window->prepare(launcher);
    traceMark("canvas made");
    finishOpening();
}

void LauncherWindow::pictureReady(const Picture& picture) {
    // Wanted only while a Start is under way, for the picture chosen.
    opening_->picture = picture;
    finishOpening();
}

void LauncherWindow::cancelOpening() {
    opening_.reset();
    chosen_.stopWanting();
    setEnabled(true);
}

void LauncherWindow::finishOpening() {
    if (!opening_ || !opening_->window || !opening_->picture) return;
    const Picture picture = *opening_->picture;
    std::unique_ptr<CanvasWindow> window = std::move(opening_->window);
    opening_.reset();
    if (!picture.loaded()) {
        setEnabled(true);
        services_.messages.inform(refusalMessage(shownPath(settings_.pictureFile), picture));
        return;
    }
    traceMark("picture at hand");
    // The canvas has the picture now; the launcher keeps none meanwhile.
    chosen_.decodeAhead({});
    canvas_ = window.release();
    // The picture shown last is the one remembered, and decoded ahead for
    // the next Start once the canvas has closed.
    connect(canvas_, &CanvasWindow::pictureChanged, this,
            [this](const QString& path) { settings_.pictureFile = path; });
    connect(canvas_, &QObject::destroyed, this, [this] {
        setEnabled(true);
        activateWindow();
        choose(settings_.pictureFile);
    });
    canvas_->showPicture(picture.image, frameGeometry());
}

void LauncherWindow::moveToClipboard() {
    services_.clipboard.setText(log_.takeClipboardText());
    moveButton_->setEnabled(false);
}

void LauncherWindow::appendToClipboard() {
    const std::optional<QString> earlier = services_.clipboard.text();
    const QString typed = log_.takeClipboardText();
    services_.clipboard.setText(earlier ? *earlier + QLatin1Char(' ') + typed : typed);
    moveButton_->setEnabled(false);
}

void LauncherWindow::openHelp() {
    // Help is a courtesy: a missing editor or help file must not disturb the
    // launcher, so whether the editor started is not looked at.
    services_.documents.open(programFolder_ + QStringLiteral("/pictype.txt"));
}

bool LauncherWindow::settleTypedText() {
    if (!log_.text().isEmpty()) {
        switch (
            services_.messages.ask(QStringLiteral("Do you want to save your work? \r\n\r\n"
                                                  "Clicking No will delete the temporary file."))) {
            case MessageBoxes::Answer::Yes:
                return saveTypedText();
            case MessageBoxes::Answer::Dismissed:
                return false;
            case MessageBoxes::Answer::No:
                break;
        }
    }
    // Nothing typed, or the user said No.
    if (!log_.remove())
        services_.messages.inform(QStringLiteral("Could not delete ") + log_.path());
    return true;
}

template <typename Write>
bool LauncherWindow::saveNewFile(Write write) {
    // In the user's documents, or where the last save of this run went.
    const QString folder = saveFolder_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : saveFolder_;
    const QString name = QDateTime::currentDateTime().toString(
        QStringLiteral("'Typed text' yyyy-MM-dd HH.mm'.txt'"));
    const QString target =
        services_.fileDialogs.saveFile(QStringLiteral("Text (*.txt)"), joinPath(folder, name));
    if (target.isEmpty()) return false;
    QString reason;
    if (write(target, &reason)) {
        saveFolder_ = QFileInfo(target).absolutePath();
        return true;
    }
    // Never over another file: the user's existing file must survive.
    if (QFileInfo::exists(target))
        services_.messages.inform(QStringLiteral("Pick a file name that doesn't exist"));
    else
        services_.messages.inform(QStringLiteral("Could not save %1: %2.").arg(target, reason));
    return false;
}

bool LauncherWindow::saveTypedText() {
    // The user asked to save: cancelling the dialog must not throw the work
    // away. The launcher stays open and the next close asks again.
    return saveNewFile([this](const QString& target, QString* reason) {
        // The typed-text file itself: kept where it is, written up to date.
        if (target == log_.path()) return log_.write(reason);
        return log_.saveAs(target, reason);
    });
}

void LauncherWindow::offerLeftovers(const QStringList& files) {
    for (const QString& file : files) {
        const QByteArray text = [&file] {
            QFile leftover(file);
            return leftover.open(QIODevice::ReadOnly) ? leftover.readAll() : QByteArray();
        }();
        const MessageBoxes::Answer answer = services_.messages.ask(
            QStringLiteral("Text typed in an earlier session was not saved: %1 characters."
                           "\r\n\r\nDo you want to save it? Clicking No will delete it.")
                .arg(text.size() - 2));
        if (answer == MessageBoxes::Answer::No) QFile::remove(file);
        if (answer != MessageBoxes::Answer::Yes) continue;
        if (saveNewFile([&text](const QString& target, QString* reason) {
                return writeNewFile(target, text, reason);
            }))
            QFile::remove(file);
    }
}

std::optional<QString> LauncherWindow::saveSettings() {
    settings_.centered = centeredButton_->isChecked();
    settings_.tinks = tinksBox_->checkState();
    preferences_.lockCanvas = lockBox_->isChecked();
    preferences_.speak = speakBox_->isChecked();
    const QString preferencesFile = preferencesPath(settingsFile_);
    const bool settingsSaved = settings_.save(settingsFile_);
    const bool preferencesSaved = preferences_.save(preferencesFile);
    if (!settingsSaved) return settingsFile_;
    if (!preferencesSaved) return preferencesFile;
    return std::nullopt;
}

void LauncherWindow::endSession() {
    ending_ = true;
    if (opening_) cancelOpening();
    if (canvas_) canvas_->close();
    saveSettings();
}

void LauncherWindow::closeEvent(QCloseEvent* event) {
    // A Start under way is given up; the canvas goes first, as with Esc, so
    // that its text is in the file.
    if (opening_) cancelOpening();
    if (canvas_) canvas_->close();
    if (!ending_ && !settleTypedText()) {
        event->ignore();
        return;
    }
    int status = 0;
    if (!ending_) {
        if (const std::optional<QString> unwritten = saveSettings()) {
            services_.messages.inform(QStringLiteral("Could not write ") + *unwritten);
            status = 1;
        }
    }
    event->accept();
    emit closed(status);
}

void LauncherWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (holdsLocalFiles(event->mimeData())) event->acceptProposedAction();
}

void LauncherWindow::dropEvent(QDropEvent* event) {
    dropPicture(event->mimeData());
    event->acceptProposedAction();
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click on a label is a left-button release over it.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (release->button() == Qt::LeftButton &&
            label->rect().contains(release->position().toPoint())) {
            if (label == picturePath_)
                showPicturePath();
            else
                openHelp();
        }
    }
    return QWidget::eventFilter(watched, event);
}
