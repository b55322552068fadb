#include <gtest/gtest.h>

#include <QDir>
#include <stdexcept>

#include "launcher/Settings.h"
#include "support/ProgramFolder.h"

TEST(SettingsFile, LineIsWrittenExactlyAndReadsBackTheSameValues) {
    const QByteArray line = formatSettings(QStringLiteral("/home/ann/pics/sea, blue.jpg"),
                                           QStringLiteral("Starter.txt"), false, 1);
    EXPECT_EQ(line, QByteArray("\"/home/ann/pics/sea, blue.jpg\",\"Starter.txt\",#FALSE#,1\r\n"));

    const SettingsRead read = parseSettings(line);
    EXPECT_EQ(read.PictureFile, QStringLiteral("/home/ann/pics/sea, blue.jpg"));
    EXPECT_EQ(read.LetterSetName, QStringLiteral("Starter.txt"));
    EXPECT_EQ(read.Centered, false);
    EXPECT_EQ(read.Check, 1);

    EXPECT_EQ(formatSettings(QString(), QString(), true, 0), QByteArray("\"\",\"\",#TRUE#,0\r\n"));
    const SettingsRead empty = parseSettings("\"\",\"\",#TRUE#,0\r\n");
    EXPECT_EQ(empty.PictureFile, QString());
    EXPECT_EQ(empty.LetterSetName, QString());
    EXPECT_EQ(empty.Centered, true);
    EXPECT_EQ(empty.Check, 0);
}

TEST(SettingsFile, BadFieldKeepsWhatWasReadBeforeIt) {
    // A sound flag of 7 is out of range: everything before it still counts.
    const SettingsRead badSound = parseSettings("\"/p/a.gif\",\"Set.txt\",#FALSE#,7\r\n");
    EXPECT_EQ(badSound.PictureFile, QStringLiteral("/p/a.gif"));
    EXPECT_EQ(badSound.LetterSetName, QStringLiteral("Set.txt"));
    EXPECT_EQ(badSound.Centered, false);
    EXPECT_FALSE(badSound.Check.has_value());

    // A centred field that is not a truth value stops before it is applied.
    const SettingsRead badCentered = parseSettings("\"/p/a.gif\",\"Set.txt\",maybe,1\r\n");
    EXPECT_EQ(badCentered.LetterSetName, QStringLiteral("Set.txt"));
    EXPECT_FALSE(badCentered.Centered.has_value());
    EXPECT_FALSE(badCentered.Check.has_value());

    // Three fields: the file ends before the fourth, so the third is never applied.
    const SettingsRead shortFile = parseSettings("\"/p/a.gif\",\"Set.txt\",#FALSE#\r\n");
    EXPECT_EQ(shortFile.PictureFile, QStringLiteral("/p/a.gif"));
    EXPECT_EQ(shortFile.LetterSetName, QStringLiteral("Set.txt"));
    EXPECT_FALSE(shortFile.Centered.has_value());

    const SettingsRead nothing = parseSettings(QByteArray());
    EXPECT_FALSE(nothing.PictureFile.has_value());
    EXPECT_FALSE(nothing.LetterSetName.has_value());
}

TEST(SettingsFile, NumbersStandInForTruthValuesAndGreyedSoundIsKept) {
    EXPECT_EQ(parseSettings("\"\",\"\",0,0\r\n").Centered, false);
    EXPECT_EQ(parseSettings("\"\",\"\",-1,0\r\n").Centered, true);
    EXPECT_EQ(parseSettings("\"\",\"\",#TRUE#,2\r\n").Check, 2);
    EXPECT_FALSE(parseSettings("\"\",\"\",#TRUE#,-1\r\n").Check.has_value());
}

TEST(SettingsFile, LivesInTheProgramFolderWithoutADoubledSeparator) {
    EXPECT_EQ(settingsPath(QStringLiteral("/")), QStringLiteral("/pictype.ini"));
    EXPECT_EQ(settingsPath(QStringLiteral("/opt/pictype")),
              QStringLiteral("/opt/pictype/pictype.ini"));
}

TEST(SettingsFile, MissingFileYieldsNothingAndWrittenFileReadsBack) {
    TestProgramFolder folder;
    const QString path = settingsPath(folder.path());
    const SettingsRead missing = readSettings(path);
    EXPECT_FALSE(missing.PictureFile.has_value());

    writeSettings(path, QStringLiteral("/a/b.bmp"), QStringLiteral("Fancy.txt"), true, 1);
    EXPECT_EQ(folder.read("pictype.ini"), QByteArray("\"/a/b.bmp\",\"Fancy.txt\",#TRUE#,1\r\n"));
    const SettingsRead read = readSettings(path);
    EXPECT_EQ(read.PictureFile, QStringLiteral("/a/b.bmp"));
    EXPECT_EQ(read.Check, 1);
}

TEST(SettingsFile, FailedWriteIsAnErrorForTheCaller) {
    TestProgramFolder folder;
    // A folder where the file should be cannot be replaced by a file.
    QDir(folder.path()).mkdir(QStringLiteral("pictype.ini"));
    EXPECT_THROW(writeSettings(settingsPath(folder.path()), QString(), QString(), true, 0),
                 std::runtime_error);
    EXPECT_TRUE(QDir(folder.file("pictype.ini")).exists());
}
