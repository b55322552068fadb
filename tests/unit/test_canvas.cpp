#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string_view>

#include "canvas/Canvas.h"
#include "canvas/CanvasCommands.h"
#include "canvas/EscapeHold.h"
#include "canvas/ImageOps.h"
#include "canvas/Screens.h"
#include "canvas/TimeText.h"
#include "letters/LetterSet.h"
#include "session/TypedTextLog.h"
#include "support/Fakes.h"
#include "support/TestFiles.h"

namespace {

TEST(TextLayout, KeysMoveThePenAcrossLinesAndPages) {
    const QSize xga(1024, 768);
    const QSize odd(1000, 700);  // 31 cells to a line, 21 lines to a page
    const auto letters = [](int count) { return QString(count, u'x'); };
    const struct {
        QSize screen;
        QString keys;  // a letter types, '\n' is Enter, '\b' is Backspace
        QPoint pen;    // where the next letter goes afterwards
        int pagesFilled;
    } rows[] = {
        {xga, letters(32), {0, 32}, 0},
        {odd, letters(31 * 21 - 1), {960, 640}, 0},
        {odd, letters(31 * 21), {0, 0}, 1},
        {odd, letters(31) + "\b", {960, 0}, 0},  // back across a wrapped line end
        {odd, QString(20, u'\n'), {0, 640}, 0},
        {odd, QString(21, u'\n'), {0, 0}, 1},  // Enter on the last line fills the page
        {odd, QString(20, u'\n') + letters(31) + "a", {32, 0}, 1},
        {xga, "ab\ncd\b\b\b", {64, 0}, 0},  // onto the cell of the Enter above
        {xga, "abc\b\n\b", {64, 0}, 0},     // the Enter took the cell freed before it
        {xga, "\ba", {32, 0}, 0},           // nothing before the top left
        {xga, letters(32 * 24 - 1) + "\n", {0, 0}, 1},
    };
    for (const auto& row : rows) {
        TextLayout layout(row.screen, QSize(32, 32));
        int pages = 0;
        for (const QChar key : row.keys) {
            if (key == u'\b') {
                layout.stepBack();
            } else if (key == u'\n' ? layout.newLine() : layout.advance()) {
                ++pages;
                layout.clear();
            }
        }
        EXPECT_EQ(layout.pen(), row.pen) << row.keys.left(40).toStdString();
        EXPECT_EQ(pages, row.pagesFilled) << row.keys.left(40).toStdString();
    }
}

TEST(Background, ArrowsPanWithinThePicture) {
    const QSize large(2000, 1500), small(300, 200);
    const struct {
        PanDirection direction;
        int step;
        QPoint from;
        QSize picture;
        std::optional<QPoint> to;
    } rows[] = {
        {PanDirection::Down, 5, {0, 3}, large, QPoint(0, 8)},
        {PanDirection::Down, 5, {0, 730}, large, QPoint(0, 732)},
        {PanDirection::Down, 5, {0, 732}, large, QPoint(0, 732)},  // at the edge: still clears
        {PanDirection::Up, 5, {0, 3}, large, QPoint(0, 0)},
        {PanDirection::Up, 5, {0, 0}, large, std::nullopt},
        {PanDirection::Right, 50, {970, 1}, large, QPoint(976, 1)},
        {PanDirection::Right, 5, {0, 0}, small, std::nullopt},
        {PanDirection::Down, 5, {0, 0}, small, QPoint(0, -568)},
        {PanDirection::Up, 5, {0, -568}, small, QPoint(0, 0)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(pannedOffset(row.from, row.direction, row.step, row.picture, QSize(1024, 768)),
                  row.to)
            << int(row.direction) << " from " << row.from.x() << "," << row.from.y();
    }
}

// A picture whose every pixel tells where it is.
QImage numbered(QSize size) {
    if (size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, 100));
    return image;
}

TEST(Background, CentredOrTiledIntoTheBuffer) {
    const QRgb before = qRgb(7, 7, 7);
    const struct {
        QSize picture;
        Placement placement;
        std::optional<QPoint> offset;  // none: a whole screen not typed on, around `before`
        QPoint at;                     // a buffer pixel of 10 x 8
        QPoint shows;                  // the picture pixel it shows; (-1, -1): `before`
    } rows[] = {
        {{3, 2}, Placement::Centered, QPoint(0, 0), {3, 3}, {0, 0}},  // (10 - 3) / 2, (8 - 2) / 2
        {{3, 2}, Placement::Centered, QPoint(0, 0), {6, 4}, {-1, -1}},
        {{3, 2}, Placement::Centered, QPoint(0, -1), {3, 4}, {0, 0}},
        {{20, 12}, Placement::Centered, QPoint(5, 3), {0, 0}, {5, 3}},
        {{20, 12}, Placement::Centered, QPoint(5, 3), {9, 7}, {14, 10}},
        {{3, 2}, Placement::Tiled, QPoint(5, 5), {9, 7}, {0, 1}},
        {{0, 0}, Placement::Tiled, QPoint(0, 0), {0, 0}, {-1, -1}},
        {{4, 2}, Placement::Centered, std::nullopt, {2, 3}, {-1, -1}},   // beside a smaller one
        {{4, 12}, Placement::Centered, std::nullopt, {0, 0}, {-1, -1}},  // or a narrower one
        {{20, 12}, Placement::Centered, std::nullopt, {0, 0}, {5, 2}},   // a larger one's middle
        {{0, 0}, Placement::Tiled, std::nullopt, {9, 7}, {-1, -1}},
    };
    for (const auto& row : rows) {
        QImage buffer(10, 8, QImage::Format_RGB32);
        if (row.offset) {
            buffer.fill(before);
            composeBackground(buffer, numbered(row.picture), row.placement, *row.offset);
        } else {
            buffer.fill(qRgb(1, 2, 3));  // what an earlier picture left
            composeWholeScreen(buffer, numbered(row.picture), row.placement, before);
        }
        const QRgb pixel = buffer.pixel(row.at);
        EXPECT_EQ(pixel == before ? QPoint(-1, -1) : QPoint(qRed(pixel), qGreen(pixel)), row.shows)
            << row.picture.width() << " at " << row.at.x() << "," << row.at.y();
    }
}

TEST(CanvasCommands, AKeyFindsItsCommandByTheModifiersThatTellCommandsApart) {
    using Action = CanvasCommand::Action;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Action> action;  // none: the key types
        PanDirection direction;
        int step;
    } rows[] = {
        {Qt::Key_Right, Qt::ShiftModifier, Action::Pan, PanDirection::Right, 50},
        {Qt::Key_Down, Qt::ShiftModifier | Qt::KeypadModifier, Action::Pan, PanDirection::Down, 50},
        {Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier, Action::Pan, PanDirection::Down, 5},
        {Qt::Key_Left, {}, Action::Pan, PanDirection::Left, 5},
        {Qt::Key_Up, Qt::AltModifier, Action::Pan, PanDirection::Up, 5},
        {Qt::Key_F5, Qt::ControlModifier, Action::NextPicture, {}, 0},
        {Qt::Key_Escape, Qt::ShiftModifier, Action::Leave, {}, 0},
        {Qt::Key_ParenLeft, Qt::ShiftModifier, std::nullopt, {}, 0},
    };
    for (const auto& row : rows) {
        const CanvasCommand* command = findCanvasCommand(row.key, row.modifiers);
        EXPECT_EQ(command ? std::optional(command->action) : std::nullopt, row.action) << row.key;
        if (command == nullptr || command->action != Action::Pan) continue;
        EXPECT_EQ(command->direction, row.direction) << row.key;
        EXPECT_EQ(command->step, row.step) << row.key;
    }
    // Every arrow moves the picture as far as the key help says.
    for (const Qt::Key arrow : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        EXPECT_EQ(findCanvasCommand(arrow, {})->step, 5) << arrow;
        EXPECT_EQ(findCanvasCommand(arrow, Qt::ShiftModifier)->step, 50) << arrow;
    }
}

TEST(Screens, TheScreenHoldingMostOfTheLauncherTakesTheTyping) {
    const QList<QRect> screens = {{0, 0, 1024, 768}, {1024, 0, 800, 600}};
    EXPECT_EQ(typingScreenIndex(screens, QRect(800, 100, 297, 349)), 0);
    EXPECT_EQ(typingScreenIndex(screens, QRect(900, 100, 297, 349)), 1);
    EXPECT_EQ(typingScreenIndex(screens, QRect(3000, 100, 297, 349)), 0);  // on none: the first
    EXPECT_EQ(typingScreenIndex(screens, QRect(1823, 599, 297, 349)), 1);  // a pixel of one
}

// Esc on a locked canvas, step by step: 'p' a press, 'r' a release, 'a' a
// release marked as a repeat's, 'c' the keyboard lost, '-' time passing;
// `at` is the clock, `time` the event's own time.
struct HoldStep {
    char what;
    int32_t at;
    uint64_t time = 0;
};

TEST(EscapeHold, OnlyThreeSecondsHeldDownLeaveHoweverTheKeyboardRepeats) {
    // Mashing Esc for four seconds, a press and a release every 60 ms.
    std::vector<HoldStep> mashing;
    for (int32_t at = 0; at < 4000; at += 60)
        mashing.insert(mashing.end(),
                       {{'p', at, uint64_t(at) + 7}, {'r', at + 30, uint64_t(at) + 37}});
    mashing.push_back({'-', 4300});
    // Held, repeated every 40 ms after 600 ms as releases and presses at
    // one event time, or 5 ms apart at most, which Qt marks as repeats or not.
    std::vector<HoldStep> repeated = {{'p', 0, 500}};
    for (int32_t at = 600; at <= 3000; at += 40)
        repeated.insert(repeated.end(), {{at % 80 ? 'a' : 'r', at, uint64_t(at) + 500},
                                         {'p', at + 3, uint64_t(at) + 500 + (at % 160 ? 0 : 5)}});
    const struct {
        const char* what;
        std::vector<HoldStep> steps;
        bool leaves;  // long enough after one of the steps
        bool held;    // at the end
        double progress;
    } rows[] = {
        {"short", {{'p', 0, 10}, {'r', 150, 160}, {'-', 3500}}, false, false, 0},
        {"held", {{'p', 0, 10}, {'-', 2999}}, false, true, 2999 / 3000.0},
        {"held long enough", {{'p', 0, 10}, {'-', 3000}}, true, true, 1},
        {"repeated", repeated, true, true, 1},
        {"mashed", mashing, false, false, 0},
        {"its press awaited", {{'p', 0, 10}, {'r', 3000, 3010}, {'-', 3100}}, false, true, 1},
        {"no press came", {{'p', 0, 10}, {'r', 1000, 1010}, {'-', 1200}}, false, false, 0},
        {"again", {{'p', 0, 1}, {'r', 1100, 2}, {'p', 1200, 9}, {'-', 3000}}, false, true, 0.6},
        {"keyboard lost", {{'p', 0, 10}, {'c', 1000}, {'-', 3000}}, false, false, 0},
        {"clock wrapping", {{'p', INT32_MAX - 1000, 10}, {'-', INT32_MIN + 2000}}, true, true, 1},
    };
    for (const auto& row : rows) {
        FakeClock clock;
        EscapeHold hold(clock);
        bool leaves = false;
        for (const HoldStep& step : row.steps) {
            clock.now = step.at;
            if (step.what == 'p') hold.press(step.time);
            if (step.what == 'r' || step.what == 'a') hold.release(step.time, step.what == 'a');
            if (step.what == 'c') hold.cancel();
            leaves = leaves || hold.longEnough();
        }
        EXPECT_EQ(leaves, row.leaves) << row.what;
        EXPECT_EQ(hold.held(), row.held) << row.what;
        EXPECT_DOUBLE_EQ(hold.progress(), row.progress) << row.what;
    }
}

constexpr QRgb kGrey = qRgb(200, 200, 200);
constexpr QRgb kMark = qRgb(55, 55, 55);  // the cursor mark over grey

QImage plain(QSize size, QRgb color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(ImageOps, ABlockCopiedPartlyOffItsTargetCopiesWhatLandsOnIt) {
    const QImage source = numbered(QSize(6, 4));
    const struct {
        QPoint to;
        QRect copied;  // in the target of 10 x 8
    } rows[] = {
        {{-2, -1}, {0, 0, 4, 3}},  // off the left and the top
        {{7, 5}, {7, 5, 3, 3}},    // off the right and the bottom
        {{-6, 0}, {}},             // wholly off
    };
    for (const auto& row : rows) {
        QImage target = plain(QSize(10, 8), kGrey);
        EXPECT_EQ(copyPixels(target, row.to, source, source.rect()), row.copied) << row.to.x();
        int changed = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x) changed += target.pixel(x, y) != kGrey;
        EXPECT_EQ(changed, row.copied.width() * row.copied.height()) << row.to.x();
        const QPoint first = row.copied.topLeft();
        if (!row.copied.isEmpty()) {
            EXPECT_EQ(target.pixel(first), source.pixel(first - row.to));
        }
    }
}

// Canvases with the letters of letterSetText(): the glyph of "b" is two
// pixels at (0, 0) and (1, 0) in blue 1 and blue 1 + red 1.
class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest() { letters.read(letterSetText()); }

    Canvas& open(QSize screen, QImage picture) {
        canvas = std::make_unique<Canvas>(screen, letters, log, PictureFolder(QString()),
                                          Placement::Centered);
        canvas->showPicture(std::move(picture));
        return *canvas;
    }
    QRgb at(int x, int y) const { return canvas->image().pixel(x, y); }

    QTemporaryDir folder;
    LetterSet letters;
    TypedTextLog log{folder.filePath("~1")};
    std::unique_ptr<Canvas> canvas;
};

TEST_F(CanvasTest, ALetterIsItsGlyphsPixelsWithTheCursorMarkUnderTheNextCell) {
    Canvas& canvas = open(QSize(128, 96), plain(QSize(128, 96), kGrey));
    canvas.typeText("b");
    EXPECT_EQ(at(0, 0), qRgb(0, 0, 1));
    EXPECT_EQ(at(32, 31), kMark);
    canvas.typeText("\t");  // a control character: only the cursor mark goes
    EXPECT_EQ(at(32, 31), kGrey);
    EXPECT_EQ(canvas.pen(), QPoint(32, 0));
    canvas.typeText(
        QString::fromUtf16(u"e\u0301\U0001F642"));  // é composed, then a character past 16 bits
    EXPECT_EQ(at(64, 0), qRgb(0, 0, 55));           // neither has a glyph: the set's "?"
    EXPECT_EQ(log.text(), QString::fromUtf16(u"b\u00e9\U0001F642"));
    canvas.backspace();
    canvas.backspace();
    EXPECT_EQ(log.text(), "b");
    EXPECT_EQ(at(32, 0), kGrey);
    canvas.backspace();
    EXPECT_EQ(at(0, 31), kGrey);  // no mark at the top-left cell
    canvas.typeText("b");
    canvas.newLine();  // the line end draws the space's glyph, and the mark moves down
    EXPECT_EQ(at(37, 0), qRgb(5, 0, 26));
    EXPECT_EQ(at(32, 31), kGrey);
    EXPECT_EQ(at(0, 63), kMark);
}

TEST_F(CanvasTest, AFullPageAClearOrAnotherScreenStartAgainOnTheCleanPictureAtTheTopLeft) {
    Canvas& canvas = open(QSize(64, 64), plain(QSize(64, 64), kGrey));
    canvas.typeText("bbb");
    EXPECT_EQ(at(0, 32), qRgb(0, 0, 1));
    canvas.typeText("b");  // the fourth letter fills the page of two lines
    EXPECT_EQ(canvas.image(), plain(QSize(64, 64), kGrey));
    EXPECT_EQ(canvas.pen(), QPoint(0, 0));
    canvas.showTime("12:00:00");
    canvas.showTime("12:00:01");  // time lines stack down the left edge
    const auto yellowIn = [&canvas](int top) {
        return canvas.image().copy(0, top, 64, 12).convertToFormat(QImage::Format_RGB32) !=
               plain(QSize(64, 12), kGrey);
    };
    EXPECT_TRUE(yellowIn(0) && yellowIn(22) && !yellowIn(50));
    canvas.clear();
    EXPECT_EQ(canvas.image(), plain(QSize(64, 64), kGrey));
    EXPECT_EQ(log.text(), "bbbb");
    canvas.typeText("b");
    canvas.fitScreen(QSize(128, 128), 2);  // the typing screen went
    EXPECT_EQ(canvas.image().copy(32, 32, 64, 64), plain(QSize(64, 64), kGrey));  // centred
    EXPECT_EQ(canvas.cell(), QSize(64, 64));
    EXPECT_EQ(log.text(), "bbbbb");
    canvas.typeText("b");
    EXPECT_EQ(at(1, 1), qRgb(0, 0, 1));  // each pixel of the glyph now two by two
    EXPECT_EQ(timeOfDayText(QTime(13, 5, 9), QLocale(QLocale::German)), "13:05:09");
    EXPECT_EQ(timeOfDayText(QTime(13, 5, 9), QLocale(QLocale::English)), "1:05:09 PM");
}

TEST_F(CanvasTest, KeysAfterAStepTakeEffectInTheirOrderOnThePictureItLeadsTo) {
    // 'F' is F4 or F5, 'S' its picture coming, 'K' none coming; 'C' clears,
    // 'R' moves the picture right, '\b' is Backspace; a letter types.
    const struct {
        const char* keys;
        QPoint pen;  // afterwards
        QString logged;
        QPoint moved;  // from where the picture first shows
    } rows[] = {
        {"bF", {32, 0}, "b", {}},  // the screen stays until the picture comes
        {"bFbbS", {64, 0}, "bbb", {}},
        {"FbbFbS", {32, 0}, "bbb", {}},  // a picture passed over would have cleared
        {"bFb\bbK", {64, 0}, "bb", {}},
        {"FbCbS", {32, 0}, "bb", {}},
        {"FbRS", {0, 0}, "b", {5, 0}},
    };
    for (const char* name : {"a.bmp", "b.bmp"}) writeFile(folder.filePath(name), "");
    for (const auto& row : rows) {
        TypedTextLog typed(folder.filePath("~2"));
        Canvas canvas(QSize(128, 64), letters, typed, PictureFolder(folder.filePath("a.bmp")),
                      Placement::Centered);
        canvas.showPicture(plain(QSize(160, 64), kGrey));
        for (const char key : std::string_view(row.keys)) {
            if (key == 'F') canvas.awaitPicture();
            if (key == 'S') canvas.stepTo(1, plain(QSize(160, 60), qRgb(1, 2, 3)));
            if (key == 'K') canvas.keepPicture();
            if (key == 'C') canvas.clear();
            if (key == 'R') canvas.pan(PanDirection::Right, 5);
            if (key == '\b') canvas.backspace();
            if (key == 'b') canvas.typeText("b");
        }
        EXPECT_EQ(canvas.pen(), row.pen) << row.keys;
        EXPECT_EQ(typed.text(), row.logged) << row.keys;
        EXPECT_EQ(canvas.pictureOffset(), QPoint(16, 0) + row.moved) << row.keys;
        // A move among the keys that waited has wiped the letters before it.
        EXPECT_EQ(canvas.image().pixel(0, 0) == qRgb(0, 0, 1), row.pen != QPoint(0, 0)) << row.keys;
        // Nothing of the picture before shows around a smaller one.
        const bool stepped = std::string_view(row.keys).find('S') != std::string_view::npos;
        EXPECT_EQ(canvas.image().pixel(127, 63), stepped ? Canvas::kWindowColor : kGrey)
            << row.keys;
    }
}

// Between the write timer's ticks, a fast typist loses no more than a few hundred keys.
TEST_F(CanvasTest, KeysTypedFasterThanTheWriteTimerAreWrittenEveryFewHundred) {
    Canvas& canvas = open(QSize(64, 64), plain(QSize(64, 64), kGrey));
    const QString keys(TypedTextLog::kKeysPerWrite + 1, u'b');
    canvas.typeText(keys);
    EXPECT_EQ(readFile(log.path()), keys.toUtf8() + "\r\n");
}

TEST_F(CanvasTest, AFailedWriteIsToldOnceUntilOneSucceedsAgain) {
    const QString gone = folder.filePath("gone");
    TypedTextLog typed(gone + "/~1");
    Canvas canvas(QSize(64, 64), letters, typed, PictureFolder(QString()), Placement::Centered);
    // Whether the folder is there at each write, and whether the write is to be told.
    const std::pair<bool, bool> rows[] = {
        {false, true}, {false, false}, {true, false}, {false, true}};
    for (const auto& [writable, told] : rows) {
        if (writable) QDir().mkpath(gone);
        if (!writable) QDir(gone).removeRecursively();
        canvas.typeText("b");
        canvas.writeText();
        const std::optional<QString> notice = canvas.takeNotice();
        EXPECT_EQ(notice.has_value(), told);
        EXPECT_TRUE(!notice || notice->startsWith("Your typing could not be written to " + gone));
    }
}

}  // namespace
