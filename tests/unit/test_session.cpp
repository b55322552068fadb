#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include "platform/FieldReader.h"
#include "session/Settings.h"
#include "session/TypedTextLog.h"
#include "sound/ClickSounds.h"
#include "support/Fakes.h"
#include "support/TestFiles.h"

namespace {

TEST(FieldReader, SeparatorsQuotesAndNumbers) {
    // Commas, line ends of every kind and blank lines separate alike; a quoted
    // field keeps commas and line breaks and drops what follows its closing
    // quote; a number also ends at a blank and must fit its range.
    FieldReader reader("  \"a, b\r\nc\" tail,plain text  ,\n\r\n 12 -32768\r+2147483647,1.5,32768");
    EXPECT_EQ(reader.readString(), "a, b\r\nc");
    EXPECT_EQ(reader.readString(), "plain text");
    EXPECT_EQ(reader.readInt16(), 12);
    EXPECT_EQ(reader.readInt16(), -32768);
    EXPECT_EQ(reader.readInt32(), INT32_MAX);
    EXPECT_THROW(reader.readInt16(), FieldError);
    EXPECT_THROW(reader.readInt16(), FieldError);
    EXPECT_THROW(reader.readString(), FieldError);
}

TEST(Settings, ReadKeepsWhatCameBeforeAFaultAndWritesOneLine) {
    const struct {
        const char* file;
        const char* picture;
        const char* letterSet;
        bool centered;
        Qt::CheckState tinks;
    } rows[] = {
        {"\"/p/a b.jpg\",\"Chalk.txt\",#FALSE#,1\r\n", "/p/a b.jpg", "Chalk.txt", false,
         Qt::Checked},
        {"\"\",\"\",#TRUE#,2", "", "", true, Qt::PartiallyChecked},
        {"\"p\",\"s\",0,0", "p", "s", false, Qt::Unchecked},  // a number as the truth
        {"\"p\",\"s\",-1,1", "p", "s", true, Qt::Checked},
        {"\"p\",\"s\",#FALSE#,7", "p", "s", false, Qt::Unchecked},  // the last field refused
        {"\"p\",\"s\",maybe,1", "p", "s", true, Qt::Unchecked},     // the third refused
        {"\"p\",\"s\",#FALSE#", "p", "s", true, Qt::Unchecked},     // both needed
        {"\"p\"", "p", "", true, Qt::Unchecked},
    };
    for (const auto& row : rows) {
        Settings settings;
        settings.parse(row.file);
        EXPECT_EQ(settings.pictureFile, row.picture) << row.file;
        EXPECT_EQ(settings.letterSetName, row.letterSet) << row.file;
        EXPECT_EQ(settings.centered, row.centered) << row.file;
        EXPECT_EQ(settings.tinks, row.tinks) << row.file;
    }
    QTemporaryDir folder;
    const Settings settings{"/home/u/x.gif", "Retro Pixels.txt", false, Qt::PartiallyChecked};
    ASSERT_TRUE(settings.save(settingsPath(folder.path())));
    EXPECT_EQ(readFile(folder.filePath("pictype.ini")),
              "\"/home/u/x.gif\",\"Retro Pixels.txt\",#FALSE#,2\r\n");
    Settings loaded;
    loaded.load(settingsPath(folder.path()));
    EXPECT_EQ(loaded.format(), settings.format());
    EXPECT_FALSE(settings.save(folder.filePath("missing/pictype.ini")));
}

// Plays keys into a log: '\n' is Enter, '\b' Backspace, '|' the end of an
// opening of the canvas, anything else a typed character.
void play(TypedTextLog& log, const QString& keys) {
    for (const QChar key : keys) {
        if (key == u'\n')
            log.typeLineEnd();
        else if (key == u'\b')
            log.eraseLast();
        else if (key == u'|')
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
    } rows[] = {
        {"ab|cd|", "ab cd\r\n", "ab cd"},
        {"ab\n|cd|", "ab \r\ncd\r\n", "ab \r\ncd"},
        {"ab|||", "ab \r\n", "ab "},  // an empty opening after text adds one space
        {"ab \b|", "ab\r\n", "ab"},
        {"a\n\b\bz|", "z\r\n", "z"},  // Backspace takes back a whole Enter
        {"\b|x|", "x\r\n", "x"},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        TypedTextLog log(folder.filePath("~1"));
        play(log, row.keys);
        EXPECT_EQ(readFile(log.path()), row.file) << row.keys;
        EXPECT_EQ(log.takeClipboardText(), row.clipboard) << row.keys;
        EXPECT_EQ(log.clipboardText(), "");
    }
}

TEST(TypedTextLog, The501stKeyWritesAndAFailedWriteKeepsEverything) {
    QTemporaryDir folder;
    TypedTextLog log(folder.filePath("~1"));
    play(log, "ab\n|" + QString(499, u'x') + u'\n' + u'\b');  // Backspace counts for nothing
    EXPECT_FALSE(log.writeDue());
    play(log, "q");
    ASSERT_TRUE(log.writeDue());
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit fullDisk{100, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &fullDisk);
    EXPECT_FALSE(log.write());
    EXPECT_FALSE(log.closeOpening());
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(readFile(log.path()), "ab \r\n\r\n");  // as it was
    EXPECT_TRUE(log.writeDue());
    EXPECT_EQ(log.clipboardText(), "ab \r\n");
    ASSERT_TRUE(log.write());
    EXPECT_FALSE(log.writeDue());
    EXPECT_EQ(readFile(log.path()), "ab \r\n" + QByteArray(499, 'x') + "q\r\n");
    play(log, "s|t|");  // the rest of the opening follows on directly, the next after a space
    EXPECT_EQ(readFile(log.path()), "ab \r\n" + QByteArray(499, 'x') + "qs t\r\n");
}

TEST(TypedTextLog, TheFileAtTheEndAndItsName) {
    QTemporaryDir folder;
    TypedTextLog log(folder.filePath("~1"));
    EXPECT_EQ(log.fileState(), TypedTextLog::FileState::Absent);
    play(log, "|");
    EXPECT_EQ(log.fileState(), TypedTextLog::FileState::Empty);
    play(log, "hi|");
    EXPECT_EQ(log.fileState(), TypedTextLog::FileState::HoldsText);
    writeFile(folder.filePath("taken.txt"), "mine");
    EXPECT_FALSE(log.moveTo(folder.filePath("taken.txt")));
    EXPECT_EQ(readFile(folder.filePath("taken.txt")), "mine");
    // Saved on another file system (a memory one), the file is copied over.
    QTemporaryDir other("/dev/shm/pictype-XXXXXX");
    const QString saved = other.isValid() ? other.filePath("saved") : folder.filePath("saved");
    EXPECT_TRUE(log.moveTo(saved));
    EXPECT_EQ(readFile(saved), "hi\r\n");
    EXPECT_EQ(log.fileState(), TypedTextLog::FileState::Absent);

    writeFile(folder.filePath("~-5"), "");
    writeFile(folder.filePath("~7"), "");
    FakeClock clock;
    clock.script = {-5, 7, 7};  // then 1000 and 2 ms more for each wait
    EXPECT_EQ(TypedTextLog::freeFileName(folder.path() + "/", clock), folder.filePath("~1006"));
}

TEST(ClickSounds, FourWaveImagesPlayedAtRandom) {
    FakeSound output;
    ClickSounds clicks(output);
    const int lengths[] = {484, 684, 681, 715};
    for (size_t i = 0; i < 4; ++i) {
        const QByteArray& image = clicks.images()[i];
        const auto at = [&image](int offset) {
            return qFromLittleEndian<int32_t>(image.data() + offset);
        };
        ASSERT_EQ(image.size(), lengths[i]);
        EXPECT_EQ(at(4), image.size() - 8);  // the RIFF size
        EXPECT_EQ(at(24), i == 0 ? 22050 : 32000);
        EXPECT_EQ(at(40), image.size() - 44);  // the data size: no pad byte after odd counts
    }
    QSet<qsizetype> heard;
    for (int i = 0; i < 100; ++i) {
        clicks.playAny();
        heard << std::find(clicks.images().begin(), clicks.images().end(), output.played.last()) -
                     clicks.images().begin();
    }
    EXPECT_EQ(heard, QSet<qsizetype>({0, 1, 2, 3}));
}

}  // namespace
