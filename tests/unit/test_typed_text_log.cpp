// The typed-text log: what the temporary text file and TypedText hold after
// typing across openings of the canvas, and that a failing disk never costs
// text that was already saved or typed.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "canvas/TypedTextLog.h"
#include "shared/Globals.h"
#include "support/FakeServices.h"
#include "support/ProgramFolder.h"

namespace {

const QString kLogName = QStringLiteral("~pictype.txt");
const QString kPleaseClose = QStringLiteral("Please Close out.txt");

// Runs `work` in a child process whose files may grow to `limit` bytes at
// most; a write past it fails as on a full disk. Returns the child's exit code.
int runWithFileSizeLimit(rlim_t limit, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        rlimit small{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(100);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

class TypedTextLogTest : public ::testing::Test {
  protected:
    void SetUp() override { globals.TempTextFile = folder.file(kLogName); }

    // What the canvas does with each typed key: Enter as space, CR, LF,
    // other characters as themselves, each counted towards the next flush.
    void type(const QString& keys) {
        for (const QChar key : keys) {
            CurrentLine += key == u'\n' ? QStringLiteral(" \r\n") : QString(key);
            CountTypedKey(globals);
            if (globals.KeysSinceFlush > 500) FlushCurrentLine(globals, CurrentLine, messages);
        }
    }
    // Esc: the canvas closes and its text is closed out.
    void closeCanvas() { CloseOutText(globals, CurrentLine); }

    QByteArray logFile() const { return folder.read(kLogName); }
    QStringList folderEntries() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    TestProgramFolder folder;
    Globals globals;
    QString CurrentLine;
    FakeMessageBoxes messages;
};

}  // namespace

TEST_F(TypedTextLogTest, OpeningsOfTheCanvasAreJoinedByOneSpaceUnlessALineEndedThem) {
    type("ab");
    closeCanvas();
    EXPECT_EQ(logFile(), "ab\r\n");
    type("cd");
    closeCanvas();
    EXPECT_EQ(logFile(), "ab cd\r\n");
    EXPECT_EQ(globals.TypedText, "ab cd");
    type("e\n");
    closeCanvas();
    type("fg");
    closeCanvas();
    EXPECT_EQ(logFile(), "ab cd e \r\nfg\r\n");
    EXPECT_EQ(globals.TypedText, "ab cd e \r\nfg");
    EXPECT_TRUE(CurrentLine.isEmpty());
    EXPECT_EQ(globals.KeysSinceFlush, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(TypedTextLogTest, EmptyOpeningsAddOneSpaceAfterTextAndNothingMore) {
    closeCanvas();
    EXPECT_EQ(logFile(), "\r\n") << "an opening without typing leaves just the line end";
    EXPECT_EQ(globals.TypedText, "");
    type("ab");
    closeCanvas();
    closeCanvas();
    closeCanvas();
    EXPECT_EQ(logFile(), "ab \r\n");
    EXPECT_EQ(globals.TypedText, "ab ");
}

TEST_F(TypedTextLogTest, TypedTextAndFileJoinOpeningsEachByTheirOwnEnding) {
    type("ab");
    closeCanvas();
    globals.TypedText.clear();  // taken by a clipboard button in between
    type("cd");
    closeCanvas();
    EXPECT_EQ(logFile(), "ab cd\r\n");
    EXPECT_EQ(globals.TypedText, "cd");
}

TEST_F(TypedTextLogTest, The501stKeyFlushesAllTypedSoFarIncludingItself) {
    QString keys;
    for (int i = 0; i < 500; ++i) keys += i % 50 == 49 ? QChar(u'\n') : QChar(u'a' + i % 26);
    type(keys);
    EXPECT_FALSE(folder.exists(kLogName));
    EXPECT_EQ(globals.KeysSinceFlush, 500);
    type("Z");
    QString expected = keys + "Z";
    expected.replace(u'\n', QStringLiteral(" \r\n"));
    EXPECT_EQ(logFile(), expected.toLatin1() + "\r\n");
    EXPECT_EQ(globals.TypedText, expected);
    EXPECT_TRUE(CurrentLine.isEmpty());
    EXPECT_EQ(globals.KeysSinceFlush, 0);
    // A flush in the middle of typing joins the rest without a space.
    type("xy");
    closeCanvas();
    EXPECT_EQ(logFile(), expected.toLatin1() + "xy\r\n");
    EXPECT_EQ(globals.TypedText, expected + "xy");
    // The next opening is a new text again.
    type("zz");
    closeCanvas();
    EXPECT_EQ(logFile(), expected.toLatin1() + "xy zz\r\n");
    EXPECT_EQ(globals.TypedText, expected + "xy zz");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(TypedTextLogTest, WhileTheFileCannotBeWrittenEveryKeyAsksAndNothingIsLost) {
    type(QString(501, u'a'));
    const QByteArray saved = logFile();
    ASSERT_EQ(saved.size(), 503);

    // The log's name taken by a folder: no write can succeed, not even as root.
    const QString aside = folder.file("saved-aside");
    ASSERT_TRUE(QFile::rename(globals.TempTextFile, aside));
    ASSERT_TRUE(QDir().mkdir(globals.TempTextFile));
    const int keys = 33000;  // more than the 16-bit count can hold
    type(QString(keys, u'b'));
    EXPECT_EQ(messages.shown.size(), keys - 500);
    EXPECT_EQ(messages.shown.value(0), kPleaseClose);
    EXPECT_EQ(messages.shown.value(keys - 501), kPleaseClose);
    EXPECT_EQ(globals.KeysSinceFlush, 32767);
    EXPECT_EQ(CurrentLine, QString(keys, u'b'));
    EXPECT_EQ(globals.TypedText, QString(501, u'a'));

    // Closing the canvas meanwhile fails silently and keeps the text.
    closeCanvas();
    EXPECT_EQ(messages.shown.size(), keys - 500);
    EXPECT_EQ(CurrentLine, QString(keys, u'b'));

    // Once the file is back, the next key saves everything typed in between.
    ASSERT_TRUE(QDir().rmdir(globals.TempTextFile));
    ASSERT_TRUE(QFile::rename(aside, globals.TempTextFile));
    type("c");
    EXPECT_EQ(messages.shown.size(), keys - 500);
    const QString typed = QString(501, u'a') + QString(keys, u'b') + "c";
    EXPECT_EQ(logFile(), typed.toLatin1() + "\r\n");
    EXPECT_EQ(globals.TypedText, typed);
    EXPECT_EQ(globals.KeysSinceFlush, 0);
    EXPECT_TRUE(CurrentLine.isEmpty());
    EXPECT_EQ(folderEntries(), QStringList{kLogName});
}

TEST_F(TypedTextLogTest, AWriteThatFailsHalfWayLeavesTheSavedFileWhole) {
    type("saved text");
    closeCanvas();
    const QByteArray saved = logFile();
    type(QString(400, u'x'));

    // Room for 100 bytes: the new content is begun but cannot be finished.
    const int flushCode = runWithFileSizeLimit(100, [&] {
        const bool flushed = FlushCurrentLine(globals, CurrentLine, messages);
        const bool asked = messages.shown == QStringList{kPleaseClose};
        return !flushed && asked && CurrentLine.size() == 400 ? 0 : 1;
    });
    EXPECT_EQ(flushCode, 0) << "the flush must fail, ask and keep the text";
    EXPECT_EQ(logFile(), saved);
    EXPECT_EQ(folderEntries(), QStringList{kLogName}) << "no half-written file left behind";

    const int closeCode = runWithFileSizeLimit(100, [&] {
        CloseOutText(globals, CurrentLine);
        return messages.shown.isEmpty() && CurrentLine.size() == 400 ? 0 : 1;
    });
    EXPECT_EQ(closeCode, 0) << "the close-out must fail silently and keep the text";
    EXPECT_EQ(logFile(), saved);
    EXPECT_EQ(folderEntries(), QStringList{kLogName});
}

TEST_F(TypedTextLogTest, AFileTooShortToEndInALineEndIsNotOverwritten) {
    folder.write(kLogName, "q");
    type("ab");
    EXPECT_FALSE(FlushCurrentLine(globals, CurrentLine, messages));
    EXPECT_EQ(messages.shown, QStringList{kPleaseClose});
    closeCanvas();
    EXPECT_EQ(messages.shown.size(), 1) << "the close-out fails silently";
    EXPECT_EQ(logFile(), "q");
    EXPECT_EQ(CurrentLine, "ab");
    EXPECT_EQ(globals.TypedText, "");
}
