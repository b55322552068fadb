#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

#include "test_launcher_fixture.h"

namespace {

const QStringList kKeyHelpLines = {
    QStringLiteral("Esc - Unload picture and return here"),
    QStringLiteral("F6 - Clears text"),
    QStringLiteral("F5 - Cycle pictures"),
    QStringLiteral("F4 - Cycle in opposite direction"),
    QStringLiteral("F3 - Show time"),
    QStringLiteral("Arrows - Move picture 5 pixels"),
    QStringLiteral("Shift + Arrows - Move picture 50 pixels."),
};

QStringList listLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

// Top rows of the bands of dark pixels (text lines) in a rendered widget.
std::vector<int> textLineTops(const QImage& image) {
    std::vector<int> tops;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < image.width() && !dark; ++x) dark = qGray(image.pixel(x, y)) < 128;
        if (dark && !inLine) tops.push_back(y);
        inLine = dark;
    }
    return tops;
}

}  // namespace

using LauncherLoad = LauncherTest;

TEST_F(LauncherLoad, FreshFolderComesUpWithDefaultsAndTheFirstLetterSet) {
    ASSERT_TRUE(load());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(listLines(form->List1), QStringList({"Alpha.txt", "Beta.txt", "Gamma.txt"}));
    EXPECT_EQ(form->List1->currentRow(), 0);
    EXPECT_TRUE(form->List1->item(0)->isSelected());
    EXPECT_TRUE(form->OptCentered->isChecked());
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_FALSE(form->btnClip->isEnabled());
    EXPECT_TRUE(form->btnAppend->isEnabled());
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("No picture selected"));
    EXPECT_EQ(globals.LettersZipPath, folder.file("letters.zip"));
    EXPECT_EQ(globals.LetterWidth, 32);
    EXPECT_EQ(globals.PictureIndex, 1);
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    // Nothing chosen yet: the letter set is fixed only by Start.
    EXPECT_TRUE(globals.LetterSetName.isEmpty());
}

TEST_F(LauncherLoad, RemembersTheLetterSetOrFallsBackToTheFirstLine) {
    folder.write("pictype.ini", "\"\",\"Gamma.txt\",#TRUE#,0\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(form->List1->currentRow(), 2);
    EXPECT_EQ(globals.LetterSetName, QStringLiteral("Gamma.txt"));

    // A name the archive no longer holds, or holds in another case.
    for (const char* remembered : {"Gone.txt", "beta.txt"}) {
        folder.write("pictype.ini", "\"\",\"" + QByteArray(remembered) + "\",#TRUE#,0\r\n");
        ASSERT_TRUE(load());
        EXPECT_EQ(form->List1->currentRow(), 0) << remembered;
        EXPECT_EQ(form->List1->selectedItems().size(), 1) << remembered;
    }
}

TEST_F(LauncherLoad, SettingsWrittenAtCloseEqualThoseRead) {
    for (const QByteArray& line :
         {QByteArray("\"/home/ann/Pictures/sea.jpg\",\"Beta.txt\",#FALSE#,1\r\n"),
          QByteArray("\"\",\"\",#TRUE#,0\r\n"),
          QByteArray("\"/p/x.gif\",\"Gamma.txt\",#TRUE#,2\r\n")}) {
        folder.write("pictype.ini", line);
        ASSERT_TRUE(load());
        ASSERT_TRUE(requestClose());
        EXPECT_EQ(folder.read("pictype.ini"), line);
    }
}

TEST_F(LauncherLoad, AppliesTheSettingsReadBeforeABadField) {
    folder.write("pictype.ini", "\"/p/a.bmp\",\"Beta.txt\",#FALSE#,7\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/p/a.bmp"));
    EXPECT_EQ(form->List1->currentRow(), 1);
    EXPECT_TRUE(form->OptTiled->isChecked());
    EXPECT_FALSE(form->OptCentered->isChecked());
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_TRUE(fakes.messages.shown.isEmpty());

    folder.write("pictype.ini", "\"\",\"\",0,1\r\n");
    ASSERT_TRUE(load());
    EXPECT_TRUE(form->OptTiled->isChecked());
    EXPECT_TRUE(form->tinksTicked());
}

TEST_F(LauncherLoad, CommandLinePictureWinsOverTheRememberedOne) {
    folder.write("pictype.ini", "\"/p/remembered.jpg\",\"\",#TRUE#,0\r\n");
    globals.CommandLine = QStringLiteral("/p/Given Picture.GIF");
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.PictureFile, QStringLiteral("/p/Given Picture.GIF"));
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/p/Given Picture.GIF"));

    for (const char* ignored : {"\"/p/quoted.jpg\"", "/p/long.jpeg", "--help"}) {
        globals.CommandLine = QString::fromLatin1(ignored);
        ASSERT_TRUE(load());
        EXPECT_EQ(globals.PictureFile, QStringLiteral("/p/remembered.jpg")) << ignored;
    }
}

TEST_F(LauncherLoad, MissingArchiveStopsTheProgramWithTheExactMessage) {
    folder.write("pictype.ini", "\"/p/a.bmp\",\"Beta.txt\",#FALSE#,1\r\n");
    EXPECT_FALSE(load(false));
    EXPECT_EQ(fakes.messages.shown,
              QStringList(
                  {QStringLiteral("Pictype Viewer won't run without unzip32.dll or letters.zip")}));
    EXPECT_EQ(form->List1->count(), 0);
    EXPECT_TRUE(globals.PictureFile.isEmpty());
    EXPECT_TRUE(globals.TempTextFile.isEmpty());
}

TEST_F(LauncherLoad, ArchiveIsFoundWhateverTheCaseOfItsName) {
    writeArchive({"Only.txt"}, QStringLiteral("Letters.ZIP"));
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.LettersZipPath, folder.file("Letters.ZIP"));
    EXPECT_EQ(listLines(form->List1), QStringList({"Only.txt"}));
}

TEST_F(LauncherLoad, TemporaryNameSkipsTakenNamesAndIsNotCreated) {
    fakes.ticks.script = {5000, 5000};
    fakes.ticks.now = 5000;
    folder.write("~5000", "earlier work");
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.TempTextFile, folder.file("~5002"));
    EXPECT_EQ(fakes.ticks.slept, 4);
    EXPECT_FALSE(folder.exists("~5002"));
    EXPECT_EQ(folder.read("~5000"), QByteArray("earlier work"));
    EXPECT_EQ(form->lblKeys->text(), kKeyHelpLines.join(QStringLiteral("\r\n")));

    fakes.ticks.script = {-42};
    ASSERT_TRUE(load());
    EXPECT_EQ(globals.TempTextFile, folder.file("~-42"));
}

TEST_F(LauncherLoad, HundredTakenNamesLeaveTheDesignCaption) {
    fakes.ticks.script = std::deque<int32_t>(100, 77);
    folder.write("~77", "x");
    ASSERT_TRUE(load());
    EXPECT_EQ(fakes.ticks.slept, 200);
    EXPECT_EQ(globals.TempTextFile, folder.file("~77"));
    EXPECT_EQ(form->lblKeys->text(), QStringLiteral("Label1"));
}

TEST_F(LauncherLoad, KeyHelpShowsAsSevenEvenlySpacedLines) {
    ASSERT_TRUE(load());
    QImage shot = form->lblKeys->grab().toImage();
    const std::vector<int> tops = textLineTops(shot);
    ASSERT_EQ(tops.size(), 7u);
    const int spacing = tops[1] - tops[0];
    for (size_t i = 2; i < tops.size(); ++i) EXPECT_NEAR(tops[i] - tops[i - 1], spacing, 1);
    EXPECT_LE(tops.back() + spacing, shot.height());
}

TEST_F(LauncherLoad, CaptionsFitTheirControls) {
    ASSERT_TRUE(load());
    for (QPushButton* button : {form->btnStart, form->btnPicture, form->btnClip, form->btnAppend})
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    EXPECT_GE(form->lblReadme->width(), form->lblReadme->sizeHint().width());
    EXPECT_LE(form->lblReadme->geometry().right(), form->width());
    EXPECT_EQ(form->lblReadme->pos(), QPoint(16, 328));
    EXPECT_EQ(form->size(), QSize(297, 349));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pictype Viewer"));
}

TEST_F(LauncherLoad, FailedSettingsWriteReachesTheTopLevelAndDoesNotEndTheLauncher) {
    ASSERT_TRUE(load());
    QDir(folder.path()).mkdir(QStringLiteral("pictype.ini"));
    int unloaded = 0;
    QObject::connect(form.get(), &Form2::unloaded, [&unloaded] { ++unloaded; });
    QCloseEvent event;
    EXPECT_THROW(QApplication::sendEvent(form.get(), &event), std::runtime_error);
    EXPECT_EQ(unloaded, 0);
}

TEST_F(LauncherLoad, AcceptedCloseAnnouncesTheEndOfTheProgram) {
    ASSERT_TRUE(load());
    int unloaded = 0;
    QObject::connect(form.get(), &Form2::unloaded, [&unloaded] { ++unloaded; });
    EXPECT_TRUE(requestClose());
    EXPECT_EQ(unloaded, 1);
}
