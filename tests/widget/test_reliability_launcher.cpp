// The launcher with a letter archive or a settings file that is not what it
// should be: it comes up all the same, says only what it promises to say,
// and writes back a settings line it can read again.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <random>

#include "test_launcher_fixture.h"

namespace {

using DamagedArchiveLauncher = LauncherTest;

TEST_F(DamagedArchiveLauncher, GarbageSaysCouldNotUnzipOnceAndStartRefuses) {
    QByteArray garbage(20000, '\0');
    std::mt19937 random(99);
    for (char& byte : garbage) byte = static_cast<char>(random());
    folder.write("letters.zip", garbage);
    ASSERT_TRUE(load(false));
    EXPECT_EQ(fakes.messages.shown, QStringList{"Could not unzip " + folder.file("letters.zip")});
    EXPECT_EQ(form->List1->count(), 0);

    fakes.messages.shown.clear();
    form->btnStart->click();
    EXPECT_EQ(fakes.messages.shown,
              QStringList{"There must be a problem with the letters.zip file."});
    EXPECT_TRUE(fakes.filePicker.openFilters.isEmpty()) << "no picture is asked for";
}

TEST_F(DamagedArchiveLauncher, AnEmptyArchiveComesUpQuietlyAndStartRefuses) {
    folder.write("letters.zip", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    ASSERT_TRUE(load(false));
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(form->List1->count(), 0);
    form->btnStart->click();
    EXPECT_EQ(fakes.messages.shown,
              QStringList{"There must be a problem with the letters.zip file."});
}

using DamagedSettings = LauncherTest;

TEST_F(DamagedSettings, BinaryJunkIsSkippedSilentlyAndAGoodLineIsWrittenBack) {
    std::mt19937 random(4242);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        QByteArray junk(static_cast<qsizetype>(1 + random() % 3000), '\0');
        for (char& byte : junk) byte = static_cast<char>(random());
        folder.write("pictype.ini", junk);
        fakes.messages.shown.clear();
        ASSERT_TRUE(load());
        EXPECT_TRUE(fakes.messages.shown.isEmpty());
        EXPECT_EQ(form->List1->count(), 3);
        EXPECT_GE(form->List1->currentRow(), 0);
        ASSERT_TRUE(requestClose());
        EXPECT_TRUE(folder.read("pictype.ini").endsWith("\r\n"));

        // What was written is read back as the same values, unless a name
        // holds a double quote, which the file cannot carry (see below).
        if (globals.PictureFile.contains(u'"') || globals.LetterSetName.contains(u'"')) continue;
        const QString picture = globals.PictureFile;
        const bool centred = form->OptCentered->isChecked();
        const Qt::CheckState tinks = form->Check1->checkState();
        ASSERT_TRUE(load());
        EXPECT_EQ(globals.PictureFile, picture);
        EXPECT_EQ(form->OptCentered->isChecked(), centred);
        EXPECT_EQ(form->Check1->checkState(), tinks);
    }
}

TEST_F(DamagedSettings, AOneMegabyteLineIsReadWholeAndWrittenBackUnchanged) {
    const QByteArray longPath = "/p/" + QByteArray(1024 * 1024, 'x') + ".jpg";
    const QByteArray line = "\"" + longPath + "\",\"Gamma.txt\",#FALSE#,1\r\n";
    folder.write("pictype.ini", line);
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.PictureFile, QString::fromLatin1(longPath));
    EXPECT_EQ(form->List1->currentRow(), 2);
    EXPECT_TRUE(form->OptTiled->isChecked());
    EXPECT_TRUE(form->tinksTicked());
    ASSERT_TRUE(requestClose());
    EXPECT_EQ(folder.read("pictype.ini"), line);

    // A megabyte without a single separator: the picture field takes it,
    // the rest keeps its defaults.
    folder.write("pictype.ini", QByteArray(1024 * 1024, 'y'));
    globals.PictureFile.clear();
    ASSERT_TRUE(load());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(globals.PictureFile.size(), 1024 * 1024);
    EXPECT_TRUE(form->OptCentered->isChecked());
    EXPECT_FALSE(form->tinksTicked());
}

TEST_F(DamagedSettings, CommasAndQuotesInsideThePath) {
    // Commas (and blanks) inside the quotes belong to the path.
    const QString withCommas = QStringLiteral("/home/ann/Trips, 2023/Rome, day 1.jpg");
    folder.write("pictype.ini", "\"" + withCommas.toUtf8() + "\",\"Beta.txt\",#FALSE#,1\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.PictureFile, withCommas);
    EXPECT_EQ(form->List1->currentRow(), 1);
    ASSERT_TRUE(requestClose());
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.PictureFile, withCommas) << "it survives a round trip";

    // The file cannot carry a double quote: the path is cut at it, and the
    // letter set, the drawing mode and the sound are still restored.
    globals.PictureFile = QStringLiteral("/home/ann/the \"best\" one.jpg");
    globals.LetterSetName = QStringLiteral("Gamma.txt");
    form->OptTiled->setChecked(true);
    form->Check1->setCheckState(Qt::Checked);
    ASSERT_TRUE(requestClose());
    globals.PictureFile.clear();
    ASSERT_TRUE(load());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(globals.PictureFile, QStringLiteral("/home/ann/the "));
    EXPECT_EQ(form->List1->currentRow(), 2);
    EXPECT_TRUE(form->OptTiled->isChecked());
    EXPECT_TRUE(form->tinksTicked());
}

}  // namespace
