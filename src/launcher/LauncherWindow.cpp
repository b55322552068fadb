#include "launcher/LauncherWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
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

#include "canvas/CanvasCommands.h"
#include "canvas/CanvasWindow.h"
#include "canvas/Screens.h"
#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "platform/AppTitle.h"
#include "platform/Clipboard.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/InputGrab.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"
#include "session/TypedTextLog.h"
#include "sound/Speaker.h"
#include "sound/SpokenText.h"

namespace {

// The picture a drag brings: the first of its local files, whatever the
// encoding of its name, when that is a picture. Text, links and the like
// bring none.
QString droppedPicture(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) return {};
    const QUrl first = data->urls().first();
    if (!first.isLocalFile()) return {};
    const QString path =
        openablePath(QByteArray::fromPercentEncoding(first.path(QUrl::FullyEncoded).toLatin1()));
    return isPictureFile(path) ? path : QString();
}

template <typename Widget, typename... Args>
Widget* named(const QString& name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

}  // namespace

LauncherWindow::LauncherWindow(QString helpFile, QString settingsFile, Settings settings,
                               Preferences preferences, LetterArchive archive,
                               const QStringList& letterSets, TypedTextLog& log,
                               ClickSounds& clicks, Speaker& speaker, LauncherServices services)
    : helpFile_(std::move(helpFile)),
      settingsFile_(std::move(settingsFile)),
      settings_(std::move(settings)),
      preferences_(preferences),
      archive_(std::move(archive)),
      log_(log),
      clicks_(clicks),
      speaker_(speaker),
      services_(services),
      pictureCache_(services.decoder) {
    buildControls();
    applySettings(letterSets);
    connect(&pictureCache_, &PictureCache::ready, this,
            [this](const QString&, const Picture& picture) { pictureReady(picture); });
    choose(settings_.pictureFile);
}

LauncherWindow::~LauncherWindow() = default;

void LauncherWindow::buildControls() {
    setWindowTitle(appTitle());
    setWindowIcon(QIcon(QStringLiteral(":/pictype-viewer.png")));
    setAcceptDrops(true);

    startButton_ = named<QPushButton>("start", tr("Start"));
    pictureButton_ = named<QPushButton>("picture", tr("Background Picture..."));
    keyClicksBox_ = named<QCheckBox>("keyClicks", tr("Tinks"));
    lockBox_ = named<QCheckBox>("lock", tr("&Lock"));
    speakBox_ = named<QCheckBox>("speak", tr("&Speak"));
    moveButton_ = named<QPushButton>("moveToClipboard", tr("Move to Clipboard"));
    appendButton_ = named<QPushButton>("appendToClipboard", tr("Append to Clipboard"));
    auto* placement = named<QGroupBox>("placement");
    centeredButton_ = named<QRadioButton>("centered", tr("Centered"));
    tiledButton_ = named<QRadioButton>("tiled", tr("Tiled"));
    letterSetList_ = named<QListWidget>("letterSets");
    picturePath_ = named<QLabel>("picturePath");
    keyHelp_ = named<QLabel>("keyHelp");
    helpLink_ = named<QLabel>("help", tr("Click here for help."));

    auto* placementColumn = new QVBoxLayout(placement);
    placementColumn->addWidget(centeredButton_);
    placementColumn->addWidget(tiledButton_);
    // The buttons on the left, as wide as the widest caption, with the check
    // boxes set apart from them: key clicks and Lock in a row, Speak under them.
    auto* checkBoxes = new QGridLayout;
    checkBoxes->setContentsMargins(0, 6, 0, 6);
    checkBoxes->addWidget(keyClicksBox_, 0, 0);
    checkBoxes->addWidget(lockBox_, 0, 1);
    checkBoxes->addWidget(speakBox_, 1, 0, 1, 2);
    checkBoxes->setColumnStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->setSpacing(10);
    buttons->addWidget(startButton_);
    buttons->addWidget(pictureButton_);
    buttons->addLayout(checkBoxes);
    buttons->addWidget(moveButton_);
    buttons->addWidget(appendButton_);
    // The picture's placement on the right, and the letter sets below it
    // down to the last button, with room for names of some 20 characters.
    auto* sets = new QVBoxLayout;
    sets->setSpacing(15);
    sets->addWidget(placement);
    sets->addWidget(letterSetList_);
    letterSetList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    letterSetList_->setMinimumWidth(fontMetrics().averageCharWidth() * 20);
    auto* choices = new QHBoxLayout;
    choices->setSpacing(17);
    choices->addLayout(buttons);
    choices->addLayout(sets);
    // A path is shortened to the window's width, never widens it.
    picturePath_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    picturePath_->setMinimumHeight(25);
    keyHelp_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpLink_->setCursor(Qt::PointingHandCursor);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(16, 0, 8, 4);
    window->setSpacing(7);
    window->addLayout(choices);
    window->addSpacing(10);
    window->addWidget(picturePath_);
    window->addWidget(keyHelp_);
    window->addSpacing(8);
    // Only the words of the help link open the help.
    window->addWidget(helpLink_, 0, Qt::AlignLeft);
    // The window is as large as its contents in the desktop's font and
    // language, and stays so.
    window->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget*> tabOrder = {startButton_,   centeredButton_, tiledButton_,
                                      pictureButton_, moveButton_,     appendButton_,
                                      letterSetList_, keyClicksBox_,   lockBox_,
                                      speakBox_};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

    picturePath_->installEventFilter(this);
    helpLink_->installEventFilter(this);
    connect(startButton_, &QPushButton::clicked, this, &LauncherWindow::start);
    connect(pictureButton_, &QPushButton::clicked, this, &LauncherWindow::choosePicture);
    connect(moveButton_, &QPushButton::clicked, this, &LauncherWindow::moveToClipboard);
    connect(appendButton_, &QPushButton::clicked, this, &LauncherWindow::appendToClipboard);
    connect(lockBox_, &QCheckBox::toggled, this, &LauncherWindow::showKeyHelp);
    connect(lockBox_, &QCheckBox::clicked, this, [this](bool locked) {
        // Told to the grown-up who ticks it, before a child is at the keys.
        if (locked && services_.inputGrab.reach() == InputGrab::Reach::None)
            services_.messages.inform(
                tr("On this desktop the lock cannot keep the desktop's own shortcuts "
                   "(switching and closing windows, its overview): it keeps only the "
                   "Esc hold."));
    });
}

void LauncherWindow::applySettings(const QStringList& letterSets) {
    // Nothing is typed yet that could go to the clipboard.
    moveButton_->setEnabled(false);
    (settings_.centered ? centeredButton_ : tiledButton_)->setChecked(true);
    keyClicksBox_->setTristate(settings_.keyClicks == Qt::PartiallyChecked);
    keyClicksBox_->setCheckState(settings_.keyClicks);
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
    // Lines end in a bare line feed: a carriage return shows in a paragraph
    // read from right to left.
    keyHelp_->setText(canvasKeyHelp(lockBox_->isChecked()).join(QLatin1Char('\n')));
}

void LauncherWindow::showPath(const QString& path) {
    // A long path loses its middle, at the label's laid-out width; the whole
    // of it is in the tooltip.
    layout()->activate();
    const QString shown = shownPath(path);
    picturePath_->setText(
        picturePath_->fontMetrics().elidedText(shown, Qt::ElideMiddle, picturePath_->width()));
    picturePath_->setToolTip(shown);
}

void LauncherWindow::showPictureChoice() {
    if (settings_.pictureFile.isEmpty())
        picturePath_->setText(tr("No picture selected"));
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
    pictureCache_.decodeAhead(path.isEmpty() ? QStringList() : QStringList(path));
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

void LauncherWindow::start() {
    const QListWidgetItem* letterSet = letterSetList_->currentItem();
    if (letterSet == nullptr) {
        services_.messages.inform(tr("There must be a problem with the letters.zip file."));
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
        pictureCache_.want(settings_.pictureFile);
    const std::optional<QByteArray> letterSet = archive_.read(settings_.letterSetName);
    if (!letterSet) {
        cancelOpening();
        services_.messages.inform(tr("Could not unzip %1").arg(archive_.path()));
        return;
    }
    // A damaged set draws what it could read, the rest as the set before;
    // that it is damaged is told once a run.
    const LetterSetReading reading = letters_.read(*letterSet);
    if (!reading.stopReason.isEmpty() && !toldDamaged_.contains(settings_.letterSetName)) {
        toldDamaged_ << settings_.letterSetName;
        services_.messages.inform(
            tr("The letter set %1 is damaged: %2 of its characters load, and typing "
               "goes on with those.\r\n\r\n\"pictype-letters check\" tells more.")
                .arg(settings_.letterSetName)
                .arg(reading.blocksRead + reading.extraBlocksRead));
        // Closed while the message was up: no canvas.
        if (!opening_) return;
    }
    traceMark("letters read");
    // The canvas types on the launcher's screen.
    const QRect launcher = placeOnDesktop(*this);
    const QScreen* screen = typingScreen(launcher);
    auto canvas = std::make_unique<Canvas>(
        screen != nullptr ? deviceSize(*screen) : QSize(), letters_, log_,
        PictureFolder(settings_.pictureFile),
        centeredButton_->isChecked() ? Placement::Centered : Placement::Tiled,
        screen != nullptr ? letterScale(*screen) : 1);
    const std::optional<CanvasLock> lock =
        lockBox_->isChecked()
            ? std::optional<CanvasLock>(CanvasLock{services_.clock, services_.inputGrab})
            : std::nullopt;
    opening_->window = std::make_unique<CanvasWindow>(
        std::move(canvas), log_, keyClicksBox_->checkState() != Qt::Unchecked ? &clicks_ : nullptr,
        services_.messages, services_.decoder, lock);
    if (speakBox_->isChecked()) {
        speaker_.prepare();
        CanvasWindow* window = opening_->window.get();
        // Said once the key's letter is painted (a zero timer comes after
        // the repaint the key asked for), so that synthesis never competes
        // with drawing it.
        const auto sayAfterPaint = [this, window](const QList<SpokenPart>& parts) {
            QTimer::singleShot(0, window, [this, parts] { speaker_.say(parts); });
        };
        connect(window, &CanvasWindow::typed, window,
                [sayAfterPaint, spoken = SpokenText()](const TypedKey& key) mutable {
                    if (const std::optional<QList<SpokenPart>> parts = spoken.follow(key))
                        sayAfterPaint(*parts);
                });
        // The time F3 prints is said to the minute, as people say it.
        connect(window, &CanvasWindow::timeShown, window, [sayAfterPaint](const QTime& time) {
            sayAfterPaint(
                {{SpokenPart::As::Word, QLocale::system().toString(time, QLocale::ShortFormat)}});
        });
    }
    if (!opening_->picture) opening_->window->prepare(launcher);
    traceMark("canvas made");
    finishOpening();
}

void LauncherWindow::pictureReady(const Picture& picture) {
    // Wanted only while a Start is under way, for the picture chosen.
    if (!opening_) return;
    opening_->picture = picture;
    finishOpening();
}

void LauncherWindow::cancelOpening() {
    opening_.reset();
    pictureCache_.stopWanting();
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
    pictureCache_.decodeAhead({});
    canvas_ = window.release();
    // The picture shown last is the one remembered, and decoded ahead for
    // the next Start once the canvas has closed.
    connect(canvas_, &CanvasWindow::pictureChanged, this,
            [this](const QString& path) { settings_.pictureFile = path; });
    // Told once the canvas has gone, to the grown-up at the launcher.
    connect(
        canvas_, &CanvasWindow::lockRefused, this,
        [this] {
            services_.messages.inform(
                tr("The desktop did not let the lock keep its own shortcuts, so while the "
                   "canvas was up only the Esc hold kept it. The desktop's settings for "
                   "this program can allow it."));
        },
        Qt::QueuedConnection);
    connect(canvas_, &QObject::destroyed, this, [this] {
        setEnabled(true);
        activateWindow();
        choose(settings_.pictureFile);
    });
    canvas_->showPicture(picture.image, placeOnDesktop(*this));
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
    services_.documents.open(helpFile_);
}

bool LauncherWindow::keepOrDiscardTypedText() {
    if (!log_.text().isEmpty()) {
        switch (
            services_.messages.ask(tr("Do you want to save your work? \r\n\r\n"
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
    if (!log_.remove()) services_.messages.inform(tr("Could not delete %1").arg(log_.path()));
    return true;
}

template <typename Write>
bool LauncherWindow::saveNewFile(Write write) {
    // In the user's documents, or where the last save of this run went.
    const QString folder = saveFolder_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : saveFolder_;
    const QString name =
        tr("Typed text") +
        QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH.mm")) +
        QStringLiteral(".txt");
    const QString target = services_.fileDialogs.saveFile(tr("Text") + QStringLiteral(" (*.txt)"),
                                                          joinPath(folder, name));
    if (target.isEmpty()) return false;
    QString reason;
    if (write(target, &reason)) {
        saveFolder_ = QFileInfo(target).absolutePath();
        return true;
    }
    // Never over another file: the user's existing file must survive.
    if (QFileInfo::exists(target))
        services_.messages.inform(tr("Pick a file name that doesn't exist"));
    else
        services_.messages.inform(tr("Could not save %1: %2.").arg(target, reason));
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
        const QByteArray text = readFileWhole(file).value_or(QByteArray());
        const MessageBoxes::Answer answer = services_.messages.ask(
            tr("Text typed in an earlier session was not saved: %1 characters."
               "\r\n\r\nDo you want to save it? Clicking No will delete it.")
                .arg(TypedTextLog::charactersIn(text)));
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
    settings_.keyClicks = keyClicksBox_->checkState();
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
    // Behind a locked canvas the desktop's close must not end it either.
    if (canvas_ && canvas_->locked() && event->spontaneous() && !ending_) {
        event->ignore();
        return;
    }
    // A Start under way is given up; the canvas goes first, as with Esc, so
    // that its text is in the file.
    if (opening_) cancelOpening();
    if (canvas_) canvas_->close();
    if (!ending_ && !keepOrDiscardTypedText()) {
        event->ignore();
        return;
    }
    int status = 0;
    if (!ending_) {
        if (const std::optional<QString> unwritten = saveSettings()) {
            services_.messages.inform(tr("Could not write %1").arg(*unwritten));
            status = 1;
        }
    }
    event->accept();
    emit closed(status);
}

// Only a picture is taken, and always as a copy: a file manager that was
// told it moved the file would delete it.
void LauncherWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedPicture(event->mimeData()).isEmpty()) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// Qt brings a drop only where its drag was taken: a picture.
void LauncherWindow::dropEvent(QDropEvent* event) {
    const QString picture = droppedPicture(event->mimeData());
    choose(picture);
    showPath(picture);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click on a label is a left-button release over it.
    const bool label = watched == picturePath_ || watched == helpLink_;
    if (label && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint())) {
            if (watched == picturePath_)
                showPicturePath();
            else
                openHelp();
        }
    }
    return QWidget::eventFilter(watched, event);
}
