#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <tuple>

#include "platform/Files.h"
#include "session/Preferences.h"
#include "session/Settings.h"
#include "session/TypedTextLog.h"
#include "support/Fakes.h"
#include "support/TestFiles.h"

namespace {

TEST(Settings, ReadKeepsWhatCameBeforeAFaultAndWritesOneLine) {
    const struct {
        const char* file;
        QString picture;
        const char* letterSet;
        bool centered;
        Qt::CheckState keyClicks;
    } rows[] = {
        {"\"/p/a b.jpg\",\"Chalk.txt\",#FALSE#,1\r\n", "/p/a b.jpg", "Chalk.txt", false,
         Qt::Checked},
        {"\"\",\"\",#TRUE#,2\r\n", "", "", true, Qt::PartiallyChecked},
        {"\"/p\",\"s\",0,0", "/p", "s", false, Qt::Unchecked},         // a number as the truth
        {"\"/p\",\"s\",#FALSE#,7", "/p", "s", false, Qt::Unchecked},   // the last field refused
        {"\"p\",\"s\",maybe,1", "/prog/p", "s", true, Qt::Unchecked},  // the third refused
        // Doubled quotes are one, a relative path is the program folder's, odd bytes stay.
        {"\"/p\" x, plain text ,#TRUE#,0", "/p", "plain text", true, Qt::Unchecked},  // x dropped
        {"\"/p/\"\"x\"\", y\",\"a\"\"\",#TRUE#,0\r\n", "/p/\"x\", y", "a\"", true, Qt::Unchecked},
        {"\"pics/h.jpg\",\"s\",#TRUE#,0\r\n", "/prog/pics/h.jpg", "s", true, Qt::Unchecked},
        {"\"\x89\",\"s\",#TRUE#,0\r\n", pathFromNative("/prog/\x89"), "s", true, Qt::Unchecked},
    };
    for (const auto& row : rows) {
        Settings settings;
        settings.parse(row.file, "/prog");
        EXPECT_EQ(settings.pictureFile, row.picture) << row.file;
        EXPECT_EQ(settings.letterSetName, row.letterSet) << row.file;
        EXPECT_EQ(settings.centered, row.centered) << row.file;
        EXPECT_EQ(settings.keyClicks, row.keyClicks) << row.file;
        EXPECT_EQ(settings.format() == row.file, QByteArray(row.file).endsWith("\r\n")) << row.file;
    }
    // A link of the program's own whose file is gone is never written.
    EXPECT_TRUE((Settings{pathFromNative("/nowhere/\xe9.jpg"), ""}.format().startsWith("\"\",")));
}

TEST(Files, WritesKeepAFilesPermissionsAndSayWhyTheyFailedAndNamesMatchInAnyCase) {
    QTemporaryDir folder;
    const QString own = folder.filePath("own"), fresh = folder.filePath("fresh");
    writeFile(own, "old");
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner);
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(writeFileWhole(own, "new") && writeFileWhole(fresh, "new"));
    ::umask(mask);
    const auto mode = [](const QString& path) {
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        return info.st_mode & 07777;
    };
    EXPECT_EQ(std::pair(mode(own), mode(fresh)), std::pair(0600u, 0644u));
    QDir(folder.path()).mkdir("letters.zip");  // a folder is no file of the name
    writeFile(folder.filePath("Letters.ZIP"), "");
    EXPECT_EQ(findFileAnyCase(folder.path(), "letters.zip"), folder.filePath("Letters.ZIP"));
    EXPECT_EQ(findFileAnyCase(folder.path(), "none"), "");
    for (const QString& blocked : {folder.filePath("gone/x"), folder.filePath("letters.zip")}) {
        QString reason;
        EXPECT_FALSE(writeFileWhole(blocked, "new", &reason));
        EXPECT_FALSE(reason.isEmpty()) << blocked.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);  // nothing half written
}

TEST(Preferences, OnlyAClearTrueTurnsAChoiceOn) {
    for (const auto& [file, lock, speak] :
         {std::tuple(" lock = true \r\n# a note\n", true, false),
          std::tuple("lock=true\nlock=false\nspeak=true", false, true),  // the last wins
          std::tuple("lock=yes\nlocked=true\nspeak=1\nspeaking=true\n", false, false)}) {
        Preferences preferences;
        preferences.parse(file);
        EXPECT_EQ(std::pair(preferences.lockCanvas, preferences.speak), std::pair(lock, speak))
            << file;
    }
}

// Plays keys into a log: '\n' is Enter, '\b' Backspace, '|' the end of an
// opening of the canvas, anything else a typed character.
void play(TypedTextLog& log, const QString& keys) {
    for (const char32_t key : keys.toUcs4()) {
        if (key == U'\n')
            log.typeLineEnd();
        else if (key == U'\b')
            log.eraseLast();
        else if (key == U'|')
            log.closeOpening();
        else
            log.type(key);
    }
}

TEST(TypedTextLog, OpeningsJoinWithOneSpaceAndEnterIsASpaceAndALineEnd) {
    const struct {
        const char* keys;
        const char* file;
        const char* clipboard;
        int characters;  // as a later run counts the file's
    } rows[] = {
        {"ab|cd|", "ab cd\r\n", "ab cd", 5},
        {"ab\n|cd|", "ab \r\ncd\r\n", "ab \r\ncd", 5},
        {"ab|||", "ab \r\n", "ab ", 3},           // an empty opening after text adds one space
        {"a\n\b\bz|", "z\r\n", "z", 1},           // Backspace takes back a whole Enter
        {"ab|c\b\b\bd|", "ab d\r\n", "ab d", 4},  // but not an earlier opening's text
        // Any character, kept as UTF-8; Backspace takes back one whole character.
        {"caf\u00e9 \u041f\u20ac|", "caf\xc3\xa9 \xd0\x9f\xe2\x82\xac\r\n",
         "caf\u00e9 \u041f\u20ac", 7},
        {"a\U0001F642\b\U0001F642|", "a\xf0\x9f\x99\x82\r\n", "a\U0001F642", 2},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        TypedTextLog log(folder.filePath("~1"));
        play(log, QString::fromUtf8(row.keys));
        EXPECT_EQ(readFile(log.path()), row.file) << row.keys;
        EXPECT_EQ(TypedTextLog::charactersIn(row.file), row.characters) << row.keys;
        EXPECT_EQ(log.takeClipboardText(), QString::fromUtf8(row.clipboard)) << row.keys;
    }
}

TEST(TypedTextLog, WritesKeepTheFileExactlyTheTextTypedAndAFailedOneKeepsEverything) {
    QTemporaryDir folder;
    TypedTextLog log(folder.filePath("~1"));
    play(log, "ab|");
    EXPECT_EQ(log.takeClipboardText(), "ab");
    play(log, QString(499, u'x') + u'\n' + u'\b');  // Backspace counts for nothing
    EXPECT_FALSE(log.writeDue());
    play(log, "q");
    ASSERT_TRUE(log.writeDue());
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit fullDisk{100, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &fullDisk);
    QString reason;
    EXPECT_FALSE(log.write(&reason));
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(reason, "the disk is full");
    EXPECT_EQ(readFile(log.path()), "ab\r\n");  // as it was
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList("~1"));  // nothing half written
    EXPECT_TRUE(log.writeDue());
    ASSERT_TRUE(log.write());  // the first write of an opening joins it with a space
    EXPECT_FALSE(log.writeDue());
    EXPECT_EQ(readFile(log.path()), "ab " + QByteArray(499, 'x') + "q\r\n");
    play(log, "\b\bs|t|");  // taken back after a write: gone at the next
    EXPECT_EQ(readFile(log.path()), "ab " + QByteArray(498, 'x') + "s t\r\n");
    EXPECT_EQ(log.clipboardText(), QString(498, u'x') + "s t");  // no leading space
}

TEST(TypedTextLog, SavedNeverOverAnotherFileAndNamedAfterTheUptime) {
    QTemporaryDir folder;
    TypedTextLog log(folder.filePath("~1"));
    play(log, "hi|");
    writeFile(folder.filePath("taken.txt"), "mine");
    EXPECT_FALSE(log.saveAs(folder.filePath("taken.txt")));
    EXPECT_EQ(readFile(folder.filePath("taken.txt")), "mine");
    // Saved on another file system (a memory one) as on this one.
    QTemporaryDir other("/dev/shm/pictype-XXXXXX");
    const QString saved = other.isValid() ? other.filePath("saved") : folder.filePath("saved");
    EXPECT_TRUE(log.saveAs(saved));
    EXPECT_EQ(readFile(saved), "hi\r\n");
    EXPECT_FALSE(QFile::exists(log.path()));

    writeFile(folder.filePath("~-5"), "");
    QDir(folder.path()).mkdir("~7");  // a folder takes the name as a file does
    FakeClock clock;
    clock.script = {-5, 7, 7};  // then 1000 and 2 ms more for each wait
    EXPECT_EQ(TypedTextLog::freeFileName(folder.path() + "/", clock), folder.filePath("~1006"));
}

TEST(TypedTextLog, LeftoversAreTheFilesOfEndedRunsThatHoldText) {
    QTemporaryDir program, state;
    writeFile(program.filePath("~1"), "old text\r\n");
    writeFile(program.filePath("~2"), "\r\n");
    writeFile(program.filePath("~x"), "not ours\r\n");
    writeFile(state.filePath("~-3"), "older\r\n");
    TypedTextLog running(state.filePath("~4"));  // a copy of the program still running
    play(running, "now|");
    EXPECT_EQ(TypedTextLog::collectLeftovers({program.path(), state.path()}),
              QStringList({program.filePath("~1"), state.filePath("~-3")}));
    EXPECT_FALSE(QFile::exists(program.filePath("~2")));  // it held nothing
}

}  // namespace
