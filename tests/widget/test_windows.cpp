#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "canvas/CanvasWindow.h"
#include "launcher/LauncherWindow.h"
#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"
#include "support/Fakes.h"
#include "support/TestFiles.h"

namespace {

void send(QWidget* window, int key, Qt::KeyboardModifiers modifiers = {},
          const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(window, &down);
    QApplication::sendEvent(window, &up);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        letters.read(letterSetText());
        QImage image(2000, 1500, QImage::Format_RGB32);
        image.fill(qRgb(9, 9, 9));
        for (const char* name : {"a.bmp", "b.bmp"}) image.save(folder.filePath(name));
        QDir(folder.path()).mkdir("temp");
        qputenv("TEMP", QFile::encodeName(folder.filePath("temp")));
        writeZip(folder.filePath("letters.zip"), {{"One.txt", letterSetText()}});
    }
    ~WindowTest() override {
        delete canvasWindow.data();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CanvasWindow* openCanvas() {
        canvasWindow =
            new CanvasWindow(std::make_unique<Canvas>(QSize(1024, 768), letters, log, messages,
                                                      PictureFolder(picture), Placement::Centered),
                             log, &clicks, decoder, std::nullopt);
        canvasWindow->showPicture(loadPicture(picture).image, QRect());
        QObject::connect(canvasWindow, &CanvasWindow::pictureChanged,
                         [this](const QString& path) { shown << path; });
        return canvasWindow;
    }
    const Canvas& canvas() const { return canvasWindow->canvas(); }
    bool showsOnlyThePicture() const { return canvas().image().copy(0, 0, 200, 40).allGray(); }

    LauncherWindow& openLauncher(const Settings& settings = {},
                                 QStringList sets = {"One.txt", "Two.txt"},
                                 TypedTextLog* typed = nullptr,
                                 const Preferences& preferences = {}) {
        launcher = std::make_unique<LauncherWindow>(
            folder.path(), settingsPath(folder.path()), settings, preferences,
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
    // A click on a launcher control: a button's, or a left-button release on a label.
    void click(const char* name) {
        if (auto* button = control<QAbstractButton>(name)) return button->click();
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control<QLabel>(name), &release);
    }
    // The canvas Start opened; none when it is not open.
    static CanvasWindow* startedCanvas() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* canvas = qobject_cast<CanvasWindow*>(widget);
            if (canvas && canvas->isVisible()) return canvas;
        }
        return nullptr;
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
    QPointer<CanvasWindow> canvasWindow;
    QStringList shown;
    std::unique_ptr<LauncherWindow> launcher;
    int exitStatus = -1;
};

TEST_F(WindowTest, CanvasKeysTypeAndCommandAndEveryReleaseClicks) {
    CanvasWindow* window = openCanvas();
    send(window, Qt::Key_A, {}, "a");
    send(window, Qt::Key_ParenLeft, Qt::ShiftModifier, "(");  // not taken for an arrow
    send(window, Qt::Key_Return, {}, "\r");
    send(window, Qt::Key_B, {}, "b");
    send(window, Qt::Key_Backspace, {}, "\b");
    QInputMethodEvent composed;
    composed.setCommitString(
        QString::fromUtf16(u"\u00e7"));  // what a dead key or an input method gives
    QApplication::sendEvent(window, &composed);
    EXPECT_EQ(log.text(), QString::fromUtf16(u"a( \r\n\u00e7"));
    EXPECT_EQ(canvas().pen(), QPoint(32, 32));
    EXPECT_EQ(sound.played.size(), 5);
    EXPECT_TRUE(static_cast<QWidget*>(window)->inputMethodQuery(Qt::ImEnabled).toBool());
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, {}, "a", true);
    QApplication::sendEvent(window, &repeated);
    EXPECT_EQ(sound.played.size(), 5);

    const QPoint middle((2000 - 1024) / 2, (1500 - 768) / 2);  // where a large picture starts
    EXPECT_EQ(canvas().pictureOffset(), middle);
    send(window, Qt::Key_Right, Qt::ShiftModifier);  // 50 pixels with Shift alone, else 5
    send(window, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    send(window, Qt::Key_Down, Qt::ShiftModifier | Qt::KeypadModifier);
    send(window, Qt::Key_Left);
    send(window, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(canvas().pictureOffset(), middle + QPoint(45, 50));
    EXPECT_EQ(canvas().pen(), QPoint(0, 0));  // moving the picture cleared the text
    send(window, Qt::Key_F3);  // the time, in yellow, not wiped when the move is composed
    QApplication::sendPostedEvents();
    EXPECT_FALSE(showsOnlyThePicture());
    send(window, Qt::Key_F6);
    EXPECT_TRUE(showsOnlyThePicture());
    decoder.finishAll();  // the picture beside it, decoded ahead, shows at once
    send(window, Qt::Key_F5);
    EXPECT_EQ(canvas().pictureOffset(), middle);
    send(window, Qt::Key_F4);
    EXPECT_TRUE(shown.size() == 2 && shown[0].endsWith("b.bmp") && shown[1].endsWith("a.bmp"));
    EXPECT_EQ(canvas().pictureOffset(), middle + QPoint(45, 50));
}

TEST_F(WindowTest, StartOpensTheCanvasOrSaysWhyNotAndTheTextGoesToTheClipboard) {
    const QString archive = folder.filePath("letters.zip");
    qsizetype told = 0;
    for (const Settings& refused :
         {Settings{}, Settings{picture, "Two.txt"}, Settings{archive, "One.txt"}}) {
        openLauncher(refused, refused.letterSetName.isEmpty() ? QStringList()
                                                              : QStringList(refused.letterSetName));
        decoder.finishAll();  // decoded ahead, told only at Start
        EXPECT_EQ(messages.shown.size(), told++);
        click("start");
    }
    EXPECT_EQ(messages.shown, QStringList({"There must be a problem with the letters.zip file.",
                                           "Could not unzip " + archive,
                                           archive + " is apparently not a picture."}));
    EXPECT_TRUE(launcher->isEnabled());
    messages.shown.clear();
    // Without a picture the dialog asks for one; the canvas opens all the same.
    dialogs.results = {""};
    openLauncher({}, {"One.txt"});
    click("start");
    EXPECT_EQ(dialogs.filters, QStringList({pictureFilter()}));
    EXPECT_FALSE(launcher->isEnabled());
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "");
    typeOnCanvas(u'd');
    click("picturePath");  // shows the path again, here none
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "");
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

TEST_F(WindowTest, WithSpeakTickedWhatIsTypedOnTheCanvasIsSaid) {
    for (const bool speak : {false, true}) {
        speaker = FakeSpeaker();
        openLauncher({picture, "One.txt"}, {"One.txt"}, nullptr, Preferences{false, speak});
        click("start");
        decoder.finishAll();
        CanvasWindow* canvas = startedCanvas();
        ASSERT_NE(canvas, nullptr);
        for (const auto& [key, text] :
             {std::pair(Qt::Key_O, "o"), std::pair(Qt::Key_Shift, ""), std::pair(Qt::Key_F3, ""),
              std::pair(Qt::Key_Space, " "), std::pair(Qt::Key_Backspace, "\b")})
            send(canvas, key, {}, text);
        QInputMethodEvent composed;
        composed.setCommitString("x");
        QApplication::sendEvent(canvas, &composed);
        send(canvas, Qt::Key_Return, {}, "\r");
        QApplication::processEvents();  // said once the letters are painted
        // The letter, the word the space ended, the Backspace's silence, the
        // input method's letter, the word Enter ended; F3 says nothing.
        EXPECT_EQ(speaker.said.size(), speak ? 5 : 0);
        EXPECT_EQ(speaker.prepared, speak ? 1 : 0);
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
    launcher->dropPicture(&files);
    click("start");
    EXPECT_FALSE(launcher->isEnabled());
    EXPECT_EQ(startedCanvas(), nullptr);
    decoder.finishAll();
    // a.bmp, under way before, is dropped unseen; b.bmp is never decoded.
    EXPECT_EQ(decoder.begun.mid(0, 2), QStringList({picture, folder.filePath("c.bmp")}));
    ASSERT_NE(startedCanvas(), nullptr);
    EXPECT_EQ(startedCanvas()->canvas().image().pixel(0, 0), qRgb(200, 0, 0));
    typeOnCanvas(u'x');
    EXPECT_EQ(launcher->settings().pictureFile, folder.filePath("c.bmp"));
    EXPECT_EQ(decoder.begun.last(), folder.filePath("c.bmp"));  // ahead again for the next Start
    // Closed while Start waits for its picture, the launcher opens no canvas.
    click("start");
    EXPECT_TRUE(launcher->close());
    decoder.finishAll();
    EXPECT_EQ(startedCanvas(), nullptr);
}

TEST_F(WindowTest, ClosingTheLauncherAsksWhatBecomesOfTheTypedText) {
    using Answer = MessageBoxes::Answer;
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
    EXPECT_EQ(dialogs.filters.last(), "Text (*.txt)");
    // In the user's documents, with a name suggested.
    EXPECT_TRUE(dialogs.starts.last().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Typed text "));
    EXPECT_TRUE(dialogs.starts.last().endsWith(".txt"));
}

TEST_F(WindowTest, LeftoversOfEarlierRunsAreOfferedOneByOne) {
    QStringList leftovers;
    for (const char* name : {"~10", "~11", "~12"}) {
        writeFile(folder.filePath(name), "old text\r\n");
        leftovers << folder.filePath(name);
    }
    messages.answers = {MessageBoxes::Answer::Yes, MessageBoxes::Answer::No,
                        MessageBoxes::Answer::Dismissed};
    dialogs.results = {folder.filePath("saved")};
    openLauncher().offerLeftovers(leftovers);
    EXPECT_TRUE(messages.shown.first().contains("8 characters"));
    EXPECT_EQ(readFile(folder.filePath("saved")), "old text\r\n");
    EXPECT_FALSE(QFile::exists(leftovers[0]) || QFile::exists(leftovers[1]));
    EXPECT_TRUE(QFile::exists(leftovers[2]));  // kept for next time
}

TEST_F(WindowTest, PicturesComeFromTheDialogOrADropAndHelpOpensTheHelpFile) {
    openLauncher();
    QMimeData text, files;
    text.setText("/p/c.jpg");
    files.setUrls({QUrl::fromLocalFile("/p/notes.txt"), QUrl::fromLocalFile("/p/b.jpg")});
    launcher->dropPicture(&text);
    launcher->dropPicture(&files);  // only the first file counts
    EXPECT_EQ(launcher->settings().pictureFile, "");
    files.setUrls({QUrl::fromLocalFile("/p/B.JPG"), QUrl::fromLocalFile("/p/b.txt")});
    launcher->dropPicture(&files);
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
    launcher->dropPicture(&files);
    const QLabel* label = control<QLabel>("picturePath");
    EXPECT_TRUE(label->text().startsWith("/home/some") && label->text().endsWith("holiday.png"));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip(), longPath);
    click("help");
    EXPECT_EQ(documents.opened, QStringList(folder.path() + "/pictype.txt"));
}

TEST_F(WindowTest, TheLauncherShowsTheRememberedChoicesAndWritesThemBack) {
    const Settings remembered{"/p/x.gif", "Two.txt", false, Qt::PartiallyChecked};
    const QString preferencesFile = folder.filePath("pictype-viewer.conf");
    openLauncher(remembered, {"Two.txt", "One.txt", "Two.txt"}, nullptr, Preferences{true, true});
    EXPECT_TRUE(control<QRadioButton>("tiled")->isChecked());
    EXPECT_EQ(control<QCheckBox>("tinks")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(control<QLabel>("picturePath")->text(), "/p/x.gif");
    EXPECT_EQ(control<QListWidget>("letterSets")->currentRow(), 2);
    EXPECT_FALSE(control<QPushButton>("moveToClipboard")->isEnabled());
    EXPECT_EQ(launcher->size(), QSize(297, 373));
    EXPECT_EQ(launcher->font().pixelSize(), 11);
    EXPECT_TRUE(control<QCheckBox>("lock")->isChecked());
    EXPECT_EQ(control<QCheckBox>("lock")->shortcut(), QKeySequence("Alt+L"));
    EXPECT_TRUE(control<QCheckBox>("speak")->isChecked());
    EXPECT_EQ(control<QCheckBox>("speak")->shortcut(), QKeySequence("Alt+S"));
    const QLabel* help = control<QLabel>("keyHelp");
    EXPECT_TRUE(help->text().startsWith("Hold Esc 3 s - Unload picture and return here\r\n"));
    EXPECT_EQ(help->text().count("\r\n"), 6);
    for (const QString& line : help->text().split("\r\n"))
        EXPECT_LE(help->fontMetrics().horizontalAdvance(line), help->width()) << line.toStdString();
    click("centered");
    click("tinks");
    click("lock");
    click("speak");
    EXPECT_TRUE(help->text().startsWith("Esc - Unload picture and return here\r\n"));
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
        EXPECT_TRUE(launcher->close());
        EXPECT_EQ(messages.shown, QStringList("Could not write " + blocked));
        EXPECT_EQ(exitStatus, 1);
        QDir().rmdir(blocked);
    }
}

}  // namespace
