// The temporary folder the letter set is extracted into, when "TEMP" leads
// nowhere usable: the canvas says "Could not unzip " with the archive's
// path, once, and closes without touching the glyph table.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "letters/LoadLetterSet.h"
#include "test_canvas_fixture.h"

namespace {

class UnusableTemp : public CanvasTest {
  protected:
    // Opening must fail with exactly the extraction message.
    ::testing::AssertionResult refusesToOpen() {
        fakes.messages.shown.clear();
        (*g.Glyphs)[0].PixelCount = 55;
        g.PictureFile = writePicture("p.bmp", patterned(20, 20));
        canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
        canvas->setScreenSize({320, 240});
        if (canvas->Form_Load()) return ::testing::AssertionFailure() << "the canvas opened";
        if (fakes.messages.shown != QStringList{"Could not unzip " + g.LettersZipPath})
            return ::testing::AssertionFailure()
                   << "messages: " << fakes.messages.shown.join(" | ").toStdString();
        if ((*g.Glyphs)[0].PixelCount != 55)
            return ::testing::AssertionFailure() << "the glyph table changed";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(UnusableTemp, AMissingFolderOrAFileInItsPlace) {
    qputenv("TEMP", QFile::encodeName(folder.file("no such folder")));
    EXPECT_TRUE(refusesToOpen());
    EXPECT_FALSE(folder.exists("no such folder")) << "the folder is not made up";

    folder.write("a file", "not a folder");
    qputenv("TEMP", QFile::encodeName(folder.file("a file")));
    EXPECT_TRUE(refusesToOpen());
    EXPECT_EQ(folder.read("a file"), "not a folder");
}

// Runs `check` in a child process that cannot write to read-only folders:
// the tests run as root, whom permission bits do not stop, so the child
// becomes an ordinary user first. Returns the child's exit code.
int asOrdinaryUser(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST_F(UnusableTemp, AReadOnlyFolder) {
    const QString temp = folder.file("read-only");
    ASSERT_TRUE(QDir().mkpath(temp));
    // Everything the child needs to reach is readable by anyone; only the
    // temporary folder is not writable.
    for (const QString& path : {folder.path(), folder.file("letters.zip")})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(temp).constData(), 0555), 0);
    qputenv("TEMP", QFile::encodeName(temp));
    // The child does without windows (it is a copy of a process with
    // threads): the letter-set load is where the canvas's load fails, as
    // the test above shows.
    const int code = asOrdinaryUser([this] {
        (*g.Glyphs)[0].PixelCount = 55;
        const bool loaded = LoadLetterSet(g, fakes.messages);
        return !loaded &&
               fakes.messages.shown == QStringList{"Could not unzip " + g.LettersZipPath} &&
               (*g.Glyphs)[0].PixelCount == 55;
    });
    EXPECT_EQ(code, 0) << "the load must fail with the extraction message alone";
    EXPECT_TRUE(QDir(temp).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    ASSERT_EQ(::chmod(QFile::encodeName(temp).constData(), 0755), 0);
}

}  // namespace
