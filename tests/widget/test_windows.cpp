#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <string_view>

#include "canvas/BackgroundWindow.h"
#include "canvas/Canvas.h"
#include "canvas/CanvasWindow.h"
#include "launcher/LauncherWindow.h"
#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "platform/Translation.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"
#include "support/Fakes.h"
#include "support/TestFiles.h"

namespace {

using Answer = MessageBoxes::Answer;

void send(QWidget* window, int key, Qt::KeyboardModifiers modifiers = {},
          const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(window, &down);
    QApplication::sendEvent(window, &up);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Text an input method or a dead key commits.
void commit(QWidget* window, const QString& text) {
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(window, &composed);
}

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        letters.read(letterSetText());
        QImage image(2000, 1500, QImage::Format_RGB32);
        image.fill(qRgb(9, 9, 9));
        QPainter stripes(&image);  // grey ones, so that a move shows
        for (int x = 0; x < image.width(); x += 100)
            stripes.fillRect(x, 0, 50, 1500, QColor(99, 99, 99));
        stripes.end();
        for (const char* name : {"a.bmp", "b.bmp"}) image.save(folder.filePath(name));
        QDir(folder.path()).mkdir("temp");
        qputenv("TEMP", QFile::encodeName(folder.filePath("temp")));
        writeZip(folder.filePath("letters.zip"), {{"One.txt", letterSetText()}});
    }
    ~WindowTest() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    LauncherWindow& openLauncher(const Settings& settings = {},
                                 QStringList sets = {"One.txt", "Two.txt"},
                                 TypedTextLog* typed = nullptr,
                                 const Preferences& preferences = {}) {
        launcher = std::make_unique<LauncherWindow>(
            folder.filePath("pictype.txt"), settingsPath(folder.path()), settings, preferences,
            LetterArchive(folder.filePath("letters.zip")), sets, typed ? *typed : log, clicks,
            speaker,
            LauncherServices{messages, dialogs, clipboard, documents, clock, grab, decoder});
        QObject::connect(launcher.get(), &LauncherWindow::closed,
                         [this](int status) { exitStatus = status; });
        return *launcher;
    }
    template <typename Widget>
    Widget* control(const char* name) const {
        return launcher->findChild<Widget*>(name);
    }
    // A click on a launcher control: a button's, or a button's release on a label.
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) {
        if (auto* pushed = control<QAbstractButton>(name)) return pushed->click();
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control<QLabel>(name), &release);
    }
    // Dragged over the launcher as a move, then dropped: whether the drop
    // was taken, as a copy; the drag tells as much beforehand.
    bool drop(const QMimeData& data) {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, {});
        for (QDropEvent* event : {static_cast<QDropEvent*>(&enter), &drop}) {
            event->setDropAction(Qt::MoveAction);
            QApplication::sendEvent(launcher.get(), event);
        }
        const auto taken = [](const QDropEvent& event) {
            return event.isAccepted() && event.dropAction() == Qt::CopyAction;
        };
        EXPECT_EQ(taken(enter), taken(drop));
        return taken(drop);
    }
    // The canvas Start opened, or made and not shown yet; none when there is none.
    static CanvasWindow* startedCanvas(bool shown = true) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* canvas = qobject_cast<CanvasWindow*>(widget);
            if (canvas && canvas->isVisible() == shown) return canvas;
        }
        return nullptr;
    }
    // A canvas window of its own over the picture a.bmp.
    std::unique_ptr<CanvasWindow> openCanvas(TypedTextLog& typed, ClickSounds* sounds = nullptr,
                                             std::optional<CanvasLock> lock = std::nullopt) {
        auto window = std::make_unique<CanvasWindow>(
            std::make_unique<Canvas>(QSize(1024, 768), letters, typed, PictureFolder(picture),
                                     Placement::Centered),
            typed, sounds, messages, decoder, lock);
        window->showPicture(loadPicture(picture).image, QRect());
        return window;
    }
    // Types a letter on the canvas Start opened, then leaves it with Esc.
    void typeOnCanvas(QChar letter) {
        if (CanvasWindow* canvas = startedCanvas()) {
            send(canvas, Qt::Key_A, {}, letter);
            send(canvas, Qt::Key_Escape, {}, "\x1b");
        }
    }

    QTemporaryDir folder;
    QString picture = folder.filePath("a.bmp");
    LetterSet letters;
    TypedTextLog log{folder.filePath("~1")};
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeClipboard clipboard;
    FakeDocuments documents;
    FakeSound sound;
    ClickSounds clicks{sound};
    FakeSpeaker speaker;
    FakeClock clock;
    FakeInputGrab grab;
    FakePictureDecoder decoder;
    std::unique_ptr<LauncherWindow> launcher;
    int exitStatus = -1;
};

// What the window it watches repaints.
struct Repainted : QObject {
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The pixels in which two images of one size differ.
QRegion differing(const QImage& one, const QImage& other) {
    QRegion differ;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            int end = x;
            while (end < one.width() && one.pixel(end, y) != other.pixel(end, y)) ++end;
            if (end > x) differ += QRect(x, y, end - x, 1);
            x = end;
        }
    }
    return differ;
}

// Keys on a canvas window of their own: a letter or "(" types, '\r' is Enter,
// '\b' Backspace, 'c' a composed "ç", '>' Shift+Right, '3' F3, '6' F6, '5' F5,
// '4' F4; '.' ends the decodes under way (b.bmp beside the picture, at first).
TEST_F(WindowTest, CanvasKeysTakeEffectInTheOrderTheyCameAndEveryReleaseClicks) {
    const struct {
        const char* keys;
        QString logged;
        QPoint pen;
        QPoint moved;  // from the middle, where a picture larger than the screen starts
        bool drawn;    // text or the time shows
        QStringList shown;
    } rows[] = {
        {"a(\rb\bc", QString::fromUtf16(u"a( \r\n\u00e7"), {32, 32}, {}, true, {}},
        {"a>", "a", {0, 0}, {50, 0}, false, {}},  // moving the picture cleared the text
        {">b", "b", {32, 0}, {50, 0}, true, {}},  // typed on the moved picture, and stays
        {">3", "", {0, 0}, {50, 0}, true, {}},    // the time is not wiped when the move is composed
        {"a6", "a", {0, 0}, {}, false, {}},
        {"Ab", "Ab", {64, 0}, {}, true, {}},
        {"3", "", {0, 0}, {}, true, {}},
        {".>54", "", {0, 0}, {50, 0}, false, {"b.bmp", "a.bmp"}},    // back where it was left
        {"5555555555555abd.", "abd", {96, 0}, {}, true, {"b.bmp"}},  // a burst, then letters
    };
    const QPoint middle((2000 - 1024) / 2, (1500 - 768) / 2);
    for (const auto& row : rows) {
        TypedTextLog typed(folder.filePath("~9"));
        const std::unique_ptr<CanvasWindow> opened = openCanvas(typed, &clicks);
        CanvasWindow& window = *opened;
        QStringList shown;
        QObject::connect(&window, &CanvasWindow::pictureChanged,
                         [&shown](const QString& path) { shown << QFileInfo(path).fileName(); });
        send(&window, Qt::Key_Shift);  // the first key paints all that showing the picture did
        sound.played.clear();
        int releases = 0;
        QApplication::processEvents();
        Repainted repainted;
        window.installEventFilter(&repainted);
        QImage before = window.canvas().image().copy();  // not a view of a picture let go
        for (const char key : std::string_view(row.keys)) {
            const int code = QString("\r\b>3654(").indexOf(key);
            const int keys[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Right,
                                Qt::Key_F3,     Qt::Key_F6,        Qt::Key_F5,
                                Qt::Key_F4,     Qt::Key_ParenLeft};
            if (key == 'c') commit(&window, QString::fromUtf16(u"\u00e7"));
            if (key == '.') {
                QApplication::processEvents();  // decodes end in the event loop
                repainted.region = {};
                before = window.canvas().image().copy();
                decoder.finishAll();
            }
            if (key == 'c' || key == '.') continue;
            send(&window, code < 0 ? Qt::Key_A : keys[code],
                 key == '>' || key == '(' ? Qt::ShiftModifier : Qt::NoModifier, QString(key));
            ++releases;
        }
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, {}, "a", true);  // no click
        QApplication::sendEvent(&window, &repeated);
        QApplication::processEvents();  // a move composed ...
        QApplication::processEvents();  // ... and painted
        const Canvas& canvas = window.canvas();
        EXPECT_EQ(typed.text(), row.logged) << row.keys;
        EXPECT_EQ(canvas.pen(), row.pen) << row.keys;
        // Where an input method shows what it offers.
        QInputMethodQueryEvent query(Qt::ImCursorRectangle);
        QApplication::sendEvent(&window, &query);
        EXPECT_EQ(query.value(Qt::ImCursorRectangle).toRect(), QRect(row.pen, QSize(32, 32)))
            << row.keys;
        EXPECT_EQ(canvas.pictureOffset(), middle + row.moved) << row.keys;
        EXPECT_EQ(!canvas.image().copy(0, 0, 200, 40).allGray(), row.drawn) << row.keys;
        EXPECT_EQ(shown, row.shown) << row.keys;
        EXPECT_EQ(sound.played.size(), releases) << row.keys;
        // What the keys changed shows.
        const QRegion unpainted = differing(before, canvas.image()) - repainted.region;
        EXPECT_TRUE(unpainted.isEmpty()) << row.keys;
    }
}

TEST_F(WindowTest, StartOpensTheCanvasOrSaysOnceWhyNot) {
    const QString archive = folder.filePath("letters.zip");
    const QByteArray whole = letterSetText([](int) { return 1; });
    writeZip(archive, {{"One.txt", letterSetText()},
                       {"Random.txt", "\x89PNG\x00\xff,,\"\x01"},
                       {"Empty.txt", ""},
                       {"Count.txt", "\"a\",5000\r\n" + whole},
                       {"Cut.txt", whole.left(whole.indexOf("\"char 3\"")) + "x"}});
    const QString damaged =
        "The letter set %1 is damaged: %2 of its characters load, and typing "
        "goes on with those.\r\n\r\n\"pictype-letters check\" tells more.";
    const struct {
        Settings settings;
        QString told;
        bool opens;  // with what loaded
    } rows[] = {
        {{}, "There must be a problem with the letters.zip file.", false},  // no set listed
        {{picture, "Two.txt"}, "Could not unzip " + archive, false},
        {{archive, "One.txt"}, archive + " is apparently not a picture.", false},
        {{picture, "Random.txt"}, damaged.arg("Random.txt", "0"), true},
        {{picture, "Empty.txt"}, damaged.arg("Empty.txt", "0"), true},
        {{picture, "Count.txt"}, damaged.arg("Count.txt", "0"), true},
        {{picture, "Cut.txt"}, damaged.arg("Cut.txt", "3"), true},
    };
    for (const auto& row : rows) {
        const QString set = row.settings.letterSetName;
        openLauncher(row.settings, set.isEmpty() ? QStringList() : QStringList(set));
        decoder.finishAll();  // decoded ahead, told only at Start
        EXPECT_TRUE(messages.shown.isEmpty()) << set.toStdString();
        for (int start = 0; start < 2; ++start) {  // told once a run
            click("start");
            decoder.finishAll();
            EXPECT_EQ(startedCanvas() != nullptr, row.opens) << set.toStdString();
            typeOnCanvas(u'a');
        }
        EXPECT_EQ(messages.shown, QStringList(row.opens ? 1 : 2, row.told));
        EXPECT_TRUE(launcher->isEnabled());
        messages.shown.clear();
    }
}

TEST_F(WindowTest, WithoutAPictureTheCanvasOpensAndTheTypedTextGoesToTheClipboard) {
    dialogs.results = {""};  // the dialog asks for one
    openLauncher({}, {"One.txt"});
    click("start");
    EXPECT_EQ(dialogs.filters, QStringList({pictureFilter()}));
    EXPECT_FALSE(launcher->isEnabled());
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "");
    typeOnCanvas(u'd');
    EXPECT_TRUE(launcher->isEnabled());
    click("appendToClipboard");
    EXPECT_EQ(clipboard.content, "d");
    EXPECT_FALSE(control<QPushButton>("moveToClipboard")->isEnabled());
    click("start");
    EXPECT_TRUE(control<QPushButton>("moveToClipboard")->isEnabledTo(launcher.get()));
    typeOnCanvas(u'e');
    click("moveToClipboard");
    EXPECT_EQ(clipboard.content, "e");
    clipboard.content.reset();
    click("appendToClipboard");
    EXPECT_EQ(clipboard.content, "");
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Speak and Tinks, ticked in the launcher, decide what the canvas says and
// whether each key release clicks (Tinks greyed clicks too).
TEST_F(WindowTest, TypingIsHeardAsTheLauncherChose) {
    const struct {
        bool speak;
        Qt::CheckState keyClicks;
        int said, clicks;
    } rows[] = {{false, Qt::Unchecked, 0, 0},
                {true, Qt::Unchecked, 6, 0},
                {false, Qt::PartiallyChecked, 0, 6}};
    for (const auto& row : rows) {
        speaker = FakeSpeaker();
        sound.played.clear();
        openLauncher({picture, "One.txt", true, row.keyClicks}, {"One.txt"}, nullptr,
                     Preferences{false, row.speak});
        click("start");
        decoder.finishAll();
        CanvasWindow* canvas = startedCanvas();
        ASSERT_NE(canvas, nullptr);
        for (const auto& [key, text] :
             {std::pair(Qt::Key_O, "o"), std::pair(Qt::Key_Shift, ""), std::pair(Qt::Key_F3, ""),
              std::pair(Qt::Key_Space, " "), std::pair(Qt::Key_Backspace, "\b")})
            send(canvas, key, {}, text);
        commit(canvas, "x");
        send(canvas, Qt::Key_Return, {}, "\r");
        QApplication::processEvents();  // said once the letters are painted
        // The letter, the time F3 printed, the word the space ended, the
        // Backspace's silence, the input method's letter, the word Enter ended.
        EXPECT_EQ(speaker.said.size(), row.said);
        EXPECT_EQ(speaker.prepared, row.speak ? 1 : 0);
        EXPECT_EQ(sound.played.size(), row.clicks);
        if (row.speak) {
            const QString time = speaker.said.value(1).value(0).text;
            const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
            EXPECT_TRUE(QTime::fromString(time, format).isValid()) << time.toStdString();
        }
        send(canvas, Qt::Key_Escape, {}, "\x1b");
    }
}

TEST_F(WindowTest, StartShowsThePictureChosenLastOnceItIsDecodedAndTheLauncherWaitsMeanwhile) {
    QImage red(2000, 1500, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    red.save(folder.filePath("c.bmp"));
    openLauncher({picture, "One.txt"});  // remembered: decoded ahead at once
    EXPECT_EQ(decoder.begun, QStringList(picture));
    dialogs.results = {folder.filePath("b.bmp")};
    click("picture");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(folder.filePath("c.bmp"))});
    drop(files);
    click("start");
    EXPECT_FALSE(launcher->isEnabled());
    EXPECT_EQ(startedCanvas(), nullptr);
    // Made meanwhile, unseen, its memory for painting as large as the window.
    const CanvasWindow* made = startedCanvas(false);
    ASSERT_TRUE(made != nullptr && made->backingStore() != nullptr);
    EXPECT_EQ(made->backingStore()->size(), made->size());
    decoder.finishAll();
    // a.bmp, under way before, is dropped unseen; b.bmp is never decoded.
    EXPECT_EQ(decoder.begun.mid(0, 2), QStringList({picture, folder.filePath("c.bmp")}));
    ASSERT_NE(startedCanvas(), nullptr);
    EXPECT_EQ(startedCanvas()->canvas().image().pixel(0, 0), qRgb(200, 0, 0));
    typeOnCanvas(u'x');
    click("picturePath", Qt::RightButton);                     // the left button shows the path
    EXPECT_EQ(control<QLabel>("picturePath")->toolTip(), "");  // cleared at Start
    click("picturePath");
    EXPECT_EQ(control<QLabel>("picturePath")->toolTip(), folder.filePath("c.bmp"));
    EXPECT_EQ(launcher->settings().pictureFile, folder.filePath("c.bmp"));
    EXPECT_EQ(decoder.begun.last(), folder.filePath("c.bmp"));  // ahead again for the next Start
    // Closed while Start waits for its picture, the launcher opens no canvas.
    click("start");
    EXPECT_TRUE(launcher->close());
    decoder.finishAll();
    EXPECT_EQ(startedCanvas(), nullptr);
    EXPECT_EQ(startedCanvas(false), nullptr);  // nor one made ready is kept
}

TEST_F(WindowTest, ClosingTheLauncherAsksWhatBecomesOfTheTypedText) {
    const QString taken = folder.filePath("taken.txt");
    const QString fresh = folder.filePath("fresh");
    writeFile(taken, "mine");
    const struct {
        bool typed;
        std::deque<Answer> answers;
        std::deque<QString> saveAs;
        bool closes;
        QString left;  // where the text is afterwards; empty: deleted
        int messages;
    } rows[] = {
        {false, {}, {}, true, "", 0},  // nothing typed: nothing asked
        {true, {Answer::No}, {}, true, "", 1},
        {true, {Answer::Dismissed}, {}, false, "~2", 1},
        {true, {Answer::Yes}, {""}, false, "~2", 1},
        {true, {Answer::Yes}, {taken}, false, "~2", 2},  // "Pick a file name ..."
        {true, {Answer::Yes}, {folder.filePath("~2")}, true, "~2", 1},
        {true, {Answer::Yes}, {fresh}, true, "fresh", 1},
    };
    for (const auto& row : rows) {
        TypedTextLog typed(folder.filePath("~2"));
        if (row.typed) typed.type(u'h');
        typed.closeOpening();
        messages.shown.clear();
        messages.answers = row.answers;
        dialogs.results = row.saveAs;
        EXPECT_EQ(openLauncher({}, {"One.txt"}, &typed).close(), row.closes) << row.messages;
        EXPECT_EQ(messages.shown.size(), row.messages) << row.left.toStdString();
        EXPECT_EQ(QFile::exists(typed.path()), row.left == "~2") << row.left.toStdString();
        EXPECT_EQ(readFile(folder.filePath(row.left)), row.left.isEmpty() ? "" : "h\r\n");
        launcher.reset();
    }
    EXPECT_EQ(messages.shown.first(),
              "Do you want to save your work? \r\n\r\nClicking No will delete the temporary file.");
    // In the user's documents, with a name suggested.
    EXPECT_TRUE(dialogs.starts.last().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Typed text "));
    EXPECT_TRUE(dialogs.starts.last().endsWith(".txt"));
}

TEST_F(WindowTest, LeftoversOfEarlierRunsAreOfferedOneByOne) {
    QStringList leftovers;
    for (const char* name : {"~10", "~11", "~12", "~13"}) {
        writeFile(folder.filePath(name), "old text\r\n");
        leftovers << folder.filePath(name);
    }
    messages.answers = {Answer::Yes, Answer::Yes, Answer::No, Answer::Dismissed};
    QDir(folder.path()).mkdir("kept");
    dialogs.results = {folder.filePath("kept/saved"), folder.filePath("kept/again")};
    openLauncher().offerLeftovers(leftovers);
    EXPECT_TRUE(messages.shown.first().contains("8 characters"));
    for (const char* saved : {"kept/saved", "kept/again"})
        EXPECT_EQ(readFile(folder.filePath(saved)), "old text\r\n") << saved;
    EXPECT_TRUE(dialogs.starts.last().startsWith(folder.filePath("kept/")));  // where it saved
    for (const QString& handled : leftovers.first(3)) EXPECT_FALSE(QFile::exists(handled));
    EXPECT_TRUE(QFile::exists(leftovers[3]));  // kept for next time
}

TEST_F(WindowTest, PicturesComeFromTheDialogOrADrop) {
    openLauncher();
    QMimeData text, files;
    text.setText("/p/c.jpg");
    files.setUrls({QUrl::fromLocalFile("/p/notes.txt"), QUrl::fromLocalFile("/p/b.jpg")});
    EXPECT_FALSE(drop(text));
    EXPECT_FALSE(drop(files));  // only the first file counts
    EXPECT_EQ(launcher->settings().pictureFile, "");
    files.setUrls({QUrl::fromLocalFile("/p/B.JPG"), QUrl::fromLocalFile("/p/b.txt")});
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "/p/B.JPG");
    dialogs.results = {"/q/d.gif", ""};
    click("picture");
    EXPECT_EQ(launcher->settings().pictureFile, "/q/d.gif");
    click("picture");  // cancelled: the picture stays
    EXPECT_EQ(launcher->settings().pictureFile, "/q/d.gif");
    EXPECT_EQ(dialogs.starts.last(), "/q");
    // A long path loses its middle on the label, whole in its tooltip.
    const QString longPath = "/home/someone/" + QString(60, u'x') + "/holiday.png";
    files.setUrls({QUrl::fromLocalFile(longPath)});
    drop(files);
    const QLabel* label = control<QLabel>("picturePath");
    EXPECT_TRUE(label->text().startsWith("/home/some") && label->text().endsWith("holiday.png"));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip(), longPath);
}

TEST_F(WindowTest, TheLauncherShowsTheRememberedChoicesAndWritesThemBack) {
    const Settings remembered{"/p/x.gif", "Two.txt", false, Qt::PartiallyChecked};
    const QString preferencesFile = folder.filePath("pictype-viewer.conf");
    openLauncher(remembered, {"Two.txt", "One.txt", "Two.txt"}, nullptr, Preferences{true, true});
    EXPECT_TRUE(control<QRadioButton>("tiled")->isChecked());
    EXPECT_EQ(control<QCheckBox>("keyClicks")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "/p/x.gif");
    EXPECT_EQ(control<QListWidget>("letterSets")->currentRow(), 2);
    EXPECT_FALSE(control<QPushButton>("moveToClipboard")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("lock")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("speak")->isChecked());
    EXPECT_FALSE(launcher->windowIcon().isNull());  // in the task bar and the window switcher
    const QLabel* help = control<QLabel>("keyHelp");
    const QString commandHelp =
        "\nF6 - Clears text\nF5 - Cycle pictures\nF4 - Cycle in opposite direction\n"
        "F3 - Show time\nArrows - Move picture 5 pixels\nShift + Arrows - Move picture 50 pixels.";
    EXPECT_EQ(help->text(), "Hold Esc 3 s - Unload picture and return here" + commandHelp);
    click("centered");
    click("keyClicks");
    click("lock");
    click("speak");
    EXPECT_EQ(help->text(), "Esc - Unload picture and return here" + commandHelp);
    EXPECT_TRUE(launcher->close());
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(readFile(settingsPath(folder.path())), "\"/p/x.gif\",\"Two.txt\",#TRUE#,1\r\n");
    EXPECT_EQ(readFile(preferencesFile), "lock=false\nspeak=false\n");
    // A folder where either file goes: told at the close, which ends with status 1.
    for (const QString& blocked : {preferencesFile, settingsPath(folder.path())}) {
        QFile::remove(blocked);
        QDir().mkdir(blocked);
        messages.shown.clear();
        openLauncher({}, {"One.txt"});
        EXPECT_EQ(control<QLabel>("picturePath")->text(), "No picture selected");
        click("keyClicks");  // greyed only when remembered so
        EXPECT_EQ(control<QCheckBox>("keyClicks")->checkState(), Qt::Checked);
        EXPECT_TRUE(launcher->close());
        EXPECT_EQ(messages.shown, QStringList("Could not write " + blocked));
        EXPECT_EQ(exitStatus, 1);
        QDir().rmdir(blocked);
    }
}

// Keys and composed text that reach the window of another screen (on
// Wayland the compositor decides which window has the keyboard) are typed
// on the typing screen all the same.
TEST_F(WindowTest, KeysGivenToTheOtherScreenAreTypedOnTheTypingOne) {
    const std::unique_ptr<CanvasWindow> window = openCanvas(log);
    const QList<BackgroundWindow*> others = window->findChildren<BackgroundWindow*>();
    ASSERT_EQ(others.size(), 1);  // the test's two screens
    send(others.first(), Qt::Key_A, {}, "a");
    send(others.first(), Qt::Key_Return, {}, "\r");
    commit(others.first(), QString::fromUtf16(u"\u00e9"));
    EXPECT_EQ(log.text(), QString::fromUtf16(u"a \r\n\u00e9"));
    EXPECT_EQ(window->canvas().pen(), QPoint(32, 32));
}

// The test's right screen has two device pixels to a point: each pixel of
// the picture lands on one of them, and the picture is centred on all of them.
TEST(BackgroundWindow, APicturePixelIsOneDevicePixelOfItsScreen) {
    QScreen* right = QGuiApplication::screens().last();
    ASSERT_EQ(right->devicePixelRatio(), 2.0);
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(qRgb(200, 100, 0));
    BackgroundWindow window(nullptr, {});
    window.showPicture(*right, picture, Placement::Centered);
    const QImage shown = window.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(1600, 1200));
    for (const QPoint corner : {QPoint(400, 300), QPoint(1199, 899)})
        EXPECT_EQ(shown.pixel(corner), picture.pixel(0, 0)) << corner.x();
    for (const QPoint outside : {QPoint(399, 300), QPoint(1200, 899)})
        EXPECT_EQ(shown.pixel(outside), QColor(Canvas::kWindowColor).rgb()) << outside.x();
}

// Where keys do not repeat (a setting some people need), Esc held down
// leaves a locked canvas all the same; unless the keyboard went elsewhere
// meanwhile, after which the release of Esc may never come.
TEST_F(WindowTest, ALockedCanvasLeavesOnceEscHasBeenHeldThreeSecondsWithoutRepeats) {
    for (const bool keyboardLost : {false, true}) {
        const QPointer<CanvasWindow> window =
            openCanvas(log, nullptr, CanvasLock{clock, grab}).release();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, {}, "\x1b");
        QApplication::sendEvent(window, &press);
        if (keyboardLost) {
            QFocusEvent out(QEvent::FocusOut);
            QApplication::sendEvent(window, &out);
        }
        QTimer wakes;  // a watchdog's, should the hold never tick
        wakes.start(100);
        clock.now += 2999;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ASSERT_TRUE(window && window->isVisible());
        clock.now += 1;
        for (int woken = 0; window && window->isVisible() && woken < 5; ++woken)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window.isNull(), !keyboardLost) << keyboardLost;
        delete window;
    }
}

// Here the key that makes the write due is an input method's letter.
TEST_F(WindowTest, AWriteThatFailsIsToldAtTheKeyThatMadeItDueAndOnce) {
    TypedTextLog typed(folder.filePath("gone/~9"));
    const std::unique_ptr<CanvasWindow> window = openCanvas(typed);
    for (int key = 0; key < TypedTextLog::kKeysPerWrite; ++key)
        send(window.get(), Qt::Key_B, {}, "b");
    EXPECT_TRUE(messages.shown.isEmpty());
    commit(window.get(), QString::fromUtf16(u"\u00e9"));
    EXPECT_EQ(messages.shown.size(), 1);
    send(window.get(), Qt::Key_B, {}, "b");
    EXPECT_EQ(messages.shown.size(), 1);
}

// The grown-up at the launcher learns what the lock cannot hold on this
// desktop: when ticking Lock where nothing can be held, and once a canvas
// has closed whose hold the desktop refused.
TEST_F(WindowTest, TheLauncherTellsWhatTheLockCannotHold) {
    const QString nothingHeld =
        "On this desktop the lock cannot keep the desktop's own shortcuts (switching and closing "
        "windows, its overview): it keeps only the Esc hold.";
    const QString refused =
        "The desktop did not let the lock keep its own shortcuts, so while the canvas was up only "
        "the Esc hold kept it. The desktop's settings for this program can allow it.";
    using Reach = InputGrab::Reach;
    struct Row {
        Reach reach;
        bool refuses;
        QStringList toldAtTick, toldAtClose;
    };
    for (const Row& row :
         {Row{Reach::None, false, {nothingHeld}, {}}, Row{Reach::Whole, false, {}, {}},
          Row{Reach::IfAllowed, false, {}, {}}, Row{Reach::IfAllowed, true, {}, {refused}}}) {
        grab.reaches = row.reach;
        grab.refuses = row.refuses;
        messages.shown.clear();
        openLauncher({picture, "One.txt"}, {"One.txt"});
        click("lock");
        EXPECT_EQ(messages.shown, row.toldAtTick);
        messages.shown.clear();
        click("start");
        decoder.finishAll();
        CanvasWindow* canvas = startedCanvas();
        ASSERT_NE(canvas, nullptr);
        EXPECT_TRUE(canvas->locked());
        EXPECT_TRUE(messages.shown.isEmpty());  // not while a child is at the keys
        canvas->close();
        QApplication::sendPostedEvents();
        EXPECT_EQ(messages.shown, row.toldAtClose);
    }
}

TEST_F(WindowTest, EveryShippedLanguageFitsTheLauncherAndARightToLeftOneMirrorsIt) {
    const QString shipped = QStringLiteral(PICTYPE_PROGRAM_DIR);
    const QStringList files =
        QDir(shipped + "/translations").entryList({"pictype_*.qm"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 13);
    for (QString language : files) {
        language = language.mid(8).chopped(3);  // pictype_<language>.qm
        const Translation translation({QString(language).replace('_', '-')},
                                      shipped + "/translations");
        ASSERT_EQ(translation.language(), language);
        openLauncher({}, {"One.txt"}, nullptr, Preferences{true});
        launcher->show();
        for (const QWidget* widget : launcher->findChildren<QWidget*>()) {
            if (!qobject_cast<const QAbstractButton*>(widget) &&
                !qobject_cast<const QLabel*>(widget))
                continue;
            EXPECT_TRUE(widget->sizeHint().width() <= widget->width() &&
                        widget->sizeHint().height() <= widget->height())
                << language.toStdString() << ": " << widget->objectName().toStdString();
        }
        // Right to left, the buttons stand right of the letter sets.
        EXPECT_EQ(control<QPushButton>("start")->x() > control<QListWidget>("letterSets")->x(),
                  language == "ar")
            << language.toStdString();
        launcher.reset();
    }
    // The first of the desktop's languages the program has; English before any.
    const std::pair<QStringList, QString> rows[] = {
        {{"sv-SE", "de-AT"}, "de"}, {{"fr-CA"}, "fr"}, {{"en-GB", "de"}, ""}, {{"sv"}, ""}};
    for (const auto& [desktop, language] : rows) {
        const Translation translation(desktop, shipped + "/translations");
        EXPECT_EQ(translation.language(), language) << desktop.join(' ').toStdString();
        EXPECT_EQ(translation.localFile(shipped, "pictype.txt"),
                  language.isEmpty() ? shipped + "/pictype.txt"
                                     : shipped + "/translations/pictype_" + language + ".txt");
    }
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

}  // namespace
