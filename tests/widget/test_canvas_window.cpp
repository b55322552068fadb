// The canvas as a real window: shown by Start, fed real key, input-method
// and mouse events, closed by Esc.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "canvas/Form1.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

class CanvasWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        prepareCanvasFolder(folder, g);
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(qRgb(40, 80, 120));
        ASSERT_TRUE(picture.save(folder.file("p.bmp"), "BMP"));
    }

    void TearDown() override {
        if (canvas) canvas->close();
        settle();
    }

    // Start, as the launcher does it.
    Form1* start(const QString& picture) {
        g.PictureFile = picture;
        g.FreshPicture = 1;
        g.FirstPaint = 1;
        canvas = Form1::Show(g, fakes.services, [this] { return tinks; });
        settle();
        return canvas;
    }

    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void key(int qtKey, const QString& text = QString(),
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text, autoRepeat);
        QCoreApplication::sendEvent(canvas, &press);
        if (!canvas) return;
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text, autoRepeat);
        QCoreApplication::sendEvent(canvas, &release);
    }

    static int visibleCanvases() {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Form1*>(w) && w->isVisible()) ++count;
        return count;
    }

    // The glyph of character position p puts pixel k at (k % 32, k / 32)
    // with colour p * 65536 + k (a 0x00BBGGRR value).
    static QRgb glyphColour(char c, int k) {
        return rgbFromColorRef(static_cast<ColorRef>(letterPosition(c) * 65536 + k));
    }

    TestProgramFolder folder;
    FakeServices fakes;
    Globals g;
    bool tinks = false;
    QPointer<Form1> canvas;
};

TEST_F(CanvasWindow, CoversTheScreenBorderlessOnTopWithThePointerHidden) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_TRUE(canvas->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(canvas->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(canvas->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(canvas->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(canvas->windowImage().pixel(0, 0), qRgb(40, 80, 120)) << "first paint composes";
    EXPECT_EQ(g.FirstPaint, 0);
    // What the window puts on screen is its image.
    const QImage grabbed = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed.pixel(5, 5), qRgb(40, 80, 120));
}

TEST_F(CanvasWindow, PictureThatIsATextFileIsReportedAndNoCanvasStays) {
    folder.write("notes.jpg", "not a picture at all");
    EXPECT_EQ(start(folder.file("notes.jpg")), nullptr);
    EXPECT_EQ(fakes.messages.shown,
              QStringList{folder.file("notes.jpg") + " is apparently not a picture."});
    EXPECT_EQ(visibleCanvases(), 0);
    EXPECT_TRUE(canvas.isNull()) << "the failed canvas is gone";
}

TEST_F(CanvasWindow, EscClosesAndTheNextStartTypesAtTheTopLeftAgain) {
    for (int opening = 0; opening < 2; ++opening) {
        ASSERT_NE(start(folder.file("p.bmp")), nullptr);
        key(Qt::Key_A, "a");
        EXPECT_EQ(canvas->windowImage().pixel(0, 0), glyphColour('a', 0)) << opening;
        key(Qt::Key_B, "b");
        key(Qt::Key_Return, "\r");
        EXPECT_EQ(canvas->PenY, 32);
        key(Qt::Key_Escape, "\x1b");
        settle();
        EXPECT_TRUE(canvas.isNull());
        EXPECT_EQ(visibleCanvases(), 0);
    }
}

TEST_F(CanvasWindow, KeysTranslateToTypedCharacters) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    key(Qt::Key_Shift, QString(), Qt::ShiftModifier);
    key(Qt::Key_A, "A", Qt::ShiftModifier);
    key(Qt::Key_7, "7");
    key(Qt::Key_Tab, "\t");
    key(Qt::Key_E, QString::fromUtf8("é"));
    key(Qt::Key_Enter, "\r", Qt::KeypadModifier);
    key(Qt::Key_X, "x", Qt::NoModifier, true);
    key(Qt::Key_X, "x", Qt::NoModifier, true);
    key(Qt::Key_Backspace, "\b");
    EXPECT_EQ(canvas->CurrentLine, "A7 \r\nx");
    EXPECT_EQ(canvas->windowImage().pixel(0, 0), glyphColour('A', 0));
    EXPECT_EQ(canvas->windowImage().pixel(32, 0), glyphColour('7', 0));
    EXPECT_EQ(canvas->windowImage().pixel(0, 32), glyphColour('x', 0));
    EXPECT_EQ(canvas->PenX, 32);
    EXPECT_EQ(canvas->PenY, 32);
}

TEST_F(CanvasWindow, InputMethodCommitsAreTypedCharacters) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    EXPECT_TRUE(canvas->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent dead(QStringLiteral("^"), {});
    QCoreApplication::sendEvent(canvas, &dead);
    EXPECT_EQ(canvas->PenX, 0) << "a character still being composed is not typed";
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("^"));
    QCoreApplication::sendEvent(canvas, &committed);
    EXPECT_EQ(canvas->windowImage().pixel(0, 0), glyphColour('^', 0));
    QInputMethodEvent twoAtOnce;
    twoAtOnce.setCommitString(QStringLiteral("~a"));
    QCoreApplication::sendEvent(canvas, &twoAtOnce);
    EXPECT_EQ(canvas->CurrentLine, "^~a");
}

TEST_F(CanvasWindow, ArrowsAndFunctionKeysReachTheCommands) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    key(Qt::Key_Right, QString(), Qt::ShiftModifier);
    EXPECT_EQ(canvas->PictureOffsetX, 50);
    key(Qt::Key_Down);
    EXPECT_EQ(canvas->PictureOffsetY, 5);
    key(Qt::Key_A, "a");
    key(Qt::Key_F6);
    EXPECT_EQ(canvas->PenX, 0);
    key(Qt::Key_F3);
    EXPECT_GT(canvas->CurrentY, 0);
    EXPECT_EQ(canvas->CurrentLine, "a");
}

TEST_F(CanvasWindow, PunctuationIsTypedAndNeverTakenForACommandKey) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    // Qt's codes for these characters equal the arrow and paging key codes.
    const QString punctuation = QStringLiteral("!\"#$%&'(");
    for (QChar c : punctuation) key(c.unicode(), QString(c), Qt::ShiftModifier);
    EXPECT_EQ(canvas->CurrentLine, punctuation);
    EXPECT_EQ(canvas->PenX, 32 * punctuation.size()) << "nothing recomposed the page";
    EXPECT_EQ(canvas->PictureOffsetX, 0);
    EXPECT_EQ(canvas->PictureOffsetY, 0);
    EXPECT_EQ(canvas->windowImage().pixel(7 * 32, 0), glyphColour('(', 0));
}

TEST_F(CanvasWindow, MouseClickClearsTheText) {
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    key(Qt::Key_A, "a");
    key(Qt::Key_B, "b");
    const QPointF at(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, at, canvas->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, canvas->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &release);
    EXPECT_EQ(canvas->PenX, 0);
    EXPECT_EQ(canvas->windowImage().pixel(0, 0), qRgb(40, 80, 120));
    EXPECT_EQ(canvas->windowImage().pixel(32, 0), qRgb(40, 80, 120));
}

TEST_F(CanvasWindow, EveryRealKeyReleaseClicksButNotTheRepeats) {
    tinks = true;
    ASSERT_NE(start(folder.file("p.bmp")), nullptr);
    key(Qt::Key_A, "a");
    key(Qt::Key_F5);
    key(Qt::Key_Shift, QString(), Qt::ShiftModifier);
    EXPECT_EQ(fakes.sound.played.size(), 3);
    key(Qt::Key_A, "a", Qt::NoModifier, true);
    EXPECT_EQ(fakes.sound.played.size(), 3);
    tinks = false;
    key(Qt::Key_A, "a");
    EXPECT_EQ(fakes.sound.played.size(), 3);
}

}  // namespace
