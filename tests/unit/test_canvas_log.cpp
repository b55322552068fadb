// What the canvas writes to the typed-text log across its openings.
#include <QDir>
#include <QFile>

#include "canvas/TypedTextLog.h"
#include "test_canvas_fixture.h"

namespace {

class CanvasLog : public CanvasTest {
  protected:
    // One opening of the canvas: type, then Esc.
    void session(const QString& text) {
        open(QSize(320, 256), QString());
        type(text);
        canvas->Form_KeyPress(27);
        canvas.reset();
    }
    QByteArray logFile() const {
        QFile file(g.TempTextFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(CanvasLog, TwoOpeningsAreJoinedByOneSpaceInTheFileAndTheTypedText) {
    session("ab");
    session("cd");
    EXPECT_EQ(logFile(), QByteArray("ab cd\r\n"));
    EXPECT_EQ(g.TypedText, QStringLiteral("ab cd"));
}

TEST_F(CanvasLog, EnterBeforeEscAddsNoSpaceAfterTheLineEnd) {
    session("ab\r");
    session("cd");
    EXPECT_EQ(logFile(), QByteArray("ab \r\ncd\r\n"));
}

TEST_F(CanvasLog, TextThatCouldNotBeClosedOutIsWrittenByTheNextOpening) {
    session("ab");
    // The log's name is taken by a folder: closing out fails, even as root.
    ASSERT_TRUE(QFile::remove(g.TempTextFile));
    ASSERT_TRUE(QDir().mkdir(g.TempTextFile));
    session("cd");
    EXPECT_TRUE(fakes.messages.shown.isEmpty()) << "a close-out fails silently";

    ASSERT_TRUE(QDir().rmdir(g.TempTextFile));
    session("ef");
    EXPECT_EQ(logFile(), QByteArray("cdef\r\n"));
    EXPECT_EQ(g.TypedText, QStringLiteral("ab cdef"));
}

}  // namespace
