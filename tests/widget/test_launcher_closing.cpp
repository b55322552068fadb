#include <sys/stat.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "test_launcher_fixture.h"

namespace {

const QString kSaveQuestion = QStringLiteral(
    "Do you want to save your work? \r\n\r\nClicking No will delete the temporary file.");
const QString kPickAnother = QStringLiteral("Pick a file name that doesn't exist");

}  // namespace

class LauncherClosing : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        ASSERT_TRUE(load());
    }
    bool tempExists() const { return QFileInfo::exists(globals.TempTextFile); }
};

TEST_F(LauncherClosing, WithoutTheCanvasNothingIsAskedAndSettingsAreWritten) {
    EXPECT_TRUE(requestClose());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_TRUE(fakes.filePicker.saveFilters.isEmpty());
    EXPECT_EQ(folder.read("pictype.ini"), QByteArray("\"\",\"\",#TRUE#,0\r\n"));
}

TEST_F(LauncherClosing, EmptyTypingIsDeletedWithoutAQuestion) {
    writeTempText("\r\n");
    EXPECT_TRUE(requestClose());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_FALSE(tempExists());
}

TEST_F(LauncherClosing, NoDeletesTheTypedText) {
    writeTempText("hello\r\n");
    fakes.messages.answers = {MsgAnswer::No};
    EXPECT_TRUE(requestClose());
    EXPECT_EQ(fakes.messages.shown, QStringList({kSaveQuestion}));
    EXPECT_FALSE(tempExists());
    EXPECT_TRUE(fakes.filePicker.saveFilters.isEmpty());
}

TEST_F(LauncherClosing, YesMovesTheTextToTheChosenName) {
    writeTempText("hello world\r\n");
    const QString target = folder.file("letter to ann");
    fakes.messages.answers = {MsgAnswer::Yes};
    fakes.filePicker.results = {target};
    EXPECT_TRUE(requestClose());
    EXPECT_EQ(fakes.filePicker.saveFilters, QStringList({QStringLiteral("Text (*.txt)")}));
    EXPECT_EQ(fakes.filePicker.saveCreatePrompt, std::vector<bool>({true}));
    EXPECT_FALSE(tempExists());
    // No extension is added to the chosen name.
    EXPECT_EQ(folder.read("letter to ann"), QByteArray("hello world\r\n"));
}

TEST_F(LauncherClosing, ExistingNameIsRefusedAndTheLauncherStaysOpen) {
    writeTempText("precious\r\n");
    folder.write("diary.txt", "older diary");
    fakes.messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    fakes.filePicker.results = {folder.file("diary.txt"), folder.file("new.txt")};

    EXPECT_FALSE(requestClose());
    EXPECT_EQ(fakes.messages.shown, QStringList({kSaveQuestion, kPickAnother}));
    EXPECT_EQ(folder.read("diary.txt"), QByteArray("older diary"));
    EXPECT_EQ(QFile(globals.TempTextFile).size(), 10);
    EXPECT_FALSE(folder.exists("pictype.ini"));

    // The next close asks again from the start.
    EXPECT_TRUE(requestClose());
    EXPECT_EQ(fakes.messages.shown, QStringList({kSaveQuestion, kPickAnother, kSaveQuestion}));
    EXPECT_EQ(folder.read("new.txt"), QByteArray("precious\r\n"));
    EXPECT_EQ(folder.read("diary.txt"), QByteArray("older diary"));
    EXPECT_TRUE(folder.exists("pictype.ini"));
}

TEST_F(LauncherClosing, UnwritableTargetIsRefusedWithTheFileUntouched) {
    writeTempText("precious\r\n");
    fakes.messages.answers = {MsgAnswer::Yes};
    fakes.filePicker.results = {folder.file("no such folder/saved.txt")};
    EXPECT_FALSE(requestClose());
    EXPECT_EQ(fakes.messages.shown, QStringList({kSaveQuestion, kPickAnother}));
    EXPECT_TRUE(tempExists());
}

TEST_F(LauncherClosing, YesWithTheSameNameKeepsTheFileWhereItIs) {
    writeTempText("keep me\r\n");
    fakes.messages.answers = {MsgAnswer::Yes};
    fakes.filePicker.results = {globals.TempTextFile};
    EXPECT_TRUE(requestClose());
    EXPECT_TRUE(tempExists());
}

TEST_F(LauncherClosing, YesThenCancellingTheSaveDialogKeepsTheWorkAndTheLauncher) {
    writeTempText("keep me\r\n");
    fakes.messages.answers = {MsgAnswer::Yes};
    fakes.filePicker.results = {QString()};
    EXPECT_FALSE(requestClose());
    EXPECT_TRUE(tempExists());
    EXPECT_EQ(folder.read(QFileInfo(globals.TempTextFile).fileName()), QByteArray("keep me\r\n"));

    // The next close asks again, and No then deletes as the user chose.
    fakes.messages.answers = {MsgAnswer::No};
    EXPECT_TRUE(requestClose());
    EXPECT_FALSE(tempExists());
}

TEST_F(LauncherClosing, SaveToAnotherFileSystemMovesTheContent) {
    QTemporaryDir other(QStringLiteral("/dev/shm/pictype-save-XXXXXX"));
    struct stat here {};
    struct stat there {};
    if (!other.isValid() || ::stat(QFile::encodeName(folder.path()).constData(), &here) != 0 ||
        ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 ||
        here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";

    writeTempText("across disks\r\n");
    const QString target = other.filePath(QStringLiteral("saved.txt"));
    fakes.messages.answers = {MsgAnswer::Yes};
    fakes.filePicker.results = {target};
    EXPECT_TRUE(requestClose());
    EXPECT_FALSE(tempExists());
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("across disks\r\n"));
}

TEST_F(LauncherClosing, AppendJoinsWithOneSpaceAndEmptiesTheTypedText) {
    form->btnStart->click();
    closeCanvases();
    ASSERT_TRUE(form->btnClip->isEnabled());
    fakes.clipboard.setText(QStringLiteral("abc"));
    globals.TypedText = QStringLiteral("def");
    form->btnAppend->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("abc def"));
    EXPECT_TRUE(globals.TypedText.isEmpty());
    EXPECT_FALSE(form->btnClip->isEnabled());
    EXPECT_TRUE(form->btnAppend->isEnabled());

    fakes.clipboard.setText(QStringLiteral("abc"));
    form->btnAppend->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("abc "));

    fakes.clipboard.clear();
    globals.TypedText = QStringLiteral("solo");
    form->btnAppend->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("solo"));
}

TEST_F(LauncherClosing, MoveReplacesTheClipboardThenAppendAddsASpace) {
    form->btnStart->click();
    closeCanvases();
    fakes.clipboard.setText(QStringLiteral("old"));
    globals.TypedText = QStringLiteral("typed words");
    form->btnClip->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("typed words"));
    EXPECT_TRUE(globals.TypedText.isEmpty());
    EXPECT_FALSE(form->btnClip->isEnabled());

    // A disabled button cannot be pressed a second time.
    form->btnClip->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("typed words"));

    form->btnAppend->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("typed words "));
}
