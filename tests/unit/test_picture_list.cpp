#include <gtest/gtest.h>

#include <QDir>

#include "launcher/PictureList.h"
#include "shared/Globals.h"
#include "support/ProgramFolder.h"

namespace {

QStringList usedEntries(const Globals& g) {
    return g.PictureList.mid(1, g.PictureCount);
}

}  // namespace

TEST(PictureExtension, LastThreeLettersInAnyCase) {
    EXPECT_TRUE(endsInPictureExtension(QStringLiteral("/p/sea.GIF")));
    EXPECT_TRUE(endsInPictureExtension(QStringLiteral("/p/sea.Jpg")));
    EXPECT_TRUE(endsInPictureExtension(QStringLiteral("/p/sea.bmp")));
    // No dot is asked for here.
    EXPECT_TRUE(endsInPictureExtension(QStringLiteral("/p/seajpg")));
    EXPECT_FALSE(endsInPictureExtension(QStringLiteral("/p/sea.jpeg")));
    EXPECT_FALSE(endsInPictureExtension(QStringLiteral("\"/p/sea.jpg\"")));
    EXPECT_FALSE(endsInPictureExtension(QStringLiteral("/p/sea.png")));
    EXPECT_FALSE(endsInPictureExtension(QString()));
}

TEST(PictureList, GrowsByFiftyAndKeepsTheChosenPictureFirst) {
    TestProgramFolder folder;
    folder.write("zz-chosen.jpg", "x");
    for (int i = 0; i < 60; ++i)
        folder.write(QStringLiteral("pic%1.bmp").arg(i, 2, 10, QLatin1Char('0')), "x");
    Globals g;
    g.PictureFile = folder.file("zz-chosen.jpg");
    g.PictureIndex = 7;
    buildPictureList(g);

    EXPECT_EQ(g.PictureCount, 61);
    EXPECT_EQ(g.PictureCapacity, 100);
    EXPECT_EQ(g.PictureList.size(), 101);
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_EQ(g.PictureList[1], folder.file("zz-chosen.jpg"));
    EXPECT_EQ(g.PictureList[2], folder.file("pic00.bmp"));
    EXPECT_EQ(g.PictureList[61], folder.file("pic59.bmp"));
    EXPECT_TRUE(g.PictureList[62].isEmpty());
    EXPECT_EQ(usedEntries(g).count(folder.file("zz-chosen.jpg")), 1);
}

TEST(PictureList, FiftyPicturesExactlyAlreadyGrowTheList) {
    TestProgramFolder folder;
    folder.write("a.gif", "x");
    for (int i = 0; i < 49; ++i)
        folder.write(QStringLiteral("b%1.gif").arg(i, 2, 10, QLatin1Char('0')), "x");
    Globals g;
    g.PictureFile = folder.file("a.gif");
    buildPictureList(g);
    EXPECT_EQ(g.PictureCount, 50);
    EXPECT_EQ(g.PictureCapacity, 100);
}

TEST(PictureList, TakesOnlyThreeLetterPictureExtensionsOfNormalFiles) {
    TestProgramFolder folder;
    folder.write("chosen.jpeg", "x");
    folder.write("other.jpeg", "x");
    folder.write("notes.txt", "x");
    folder.write("photojpg", "x");
    folder.write(".hidden.jpg", "x");
    folder.write("Shot.BMP", "x");
    QDir(folder.path()).mkdir(QStringLiteral("folder.gif"));
    Globals g;
    g.PictureFile = folder.file("chosen.jpeg");
    buildPictureList(g);
    EXPECT_EQ(usedEntries(g), QStringList({folder.file("chosen.jpeg"), folder.file("Shot.BMP")}));
}

TEST(PictureList, OrdersByNameWithoutRegardToCase) {
    TestProgramFolder folder;
    for (const char* name : {"c.bmp", "B.jpg", "a.GIF", "D.gif", "b2.jpg", "chosen.jpg"})
        folder.write(name, "x");
    Globals g;
    g.PictureFile = folder.file("chosen.jpg");
    buildPictureList(g);
    EXPECT_EQ(usedEntries(g),
              QStringList({folder.file("chosen.jpg"), folder.file("a.GIF"), folder.file("B.jpg"),
                           folder.file("b2.jpg"), folder.file("c.bmp"), folder.file("D.gif")}));
}

TEST(PictureList, SkipsOnlyTheChosenNameSpelledExactly) {
    TestProgramFolder folder;
    folder.write("Sea.jpg", "x");
    folder.write("sea.jpg", "x");
    Globals g;
    g.PictureFile = folder.file("Sea.jpg");
    buildPictureList(g);
    EXPECT_EQ(usedEntries(g), QStringList({folder.file("Sea.jpg"), folder.file("sea.jpg")}));
}

TEST(PictureList, RebuildListsOnlyTheNewFolder) {
    TestProgramFolder first;
    TestProgramFolder second;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) first.write(name, "x");
    for (const char* name : {"x.gif", "y.gif"}) second.write(name, "x");
    Globals g;
    g.PictureFile = first.file("b.jpg");
    buildPictureList(g);
    ASSERT_EQ(g.PictureCount, 3);
    g.PictureIndex = 3;  // the canvas cycled on

    g.PictureFile = second.file("y.gif");
    buildPictureList(g);
    EXPECT_EQ(usedEntries(g), QStringList({second.file("y.gif"), second.file("x.gif")}));
    EXPECT_EQ(g.PictureIndex, 1);
    EXPECT_TRUE(g.PictureList[3].isEmpty());
}

TEST(PictureList, NoFolderOrNoPictureGivesAnEmptyList) {
    Globals g;
    g.PictureFile = QStringLiteral("loose.jpg");
    buildPictureList(g);
    EXPECT_EQ(g.PictureCount, 0);
    EXPECT_EQ(g.PictureCapacity, 50);
    EXPECT_EQ(g.PictureList.size(), 51);

    g.PictureFile.clear();
    buildPictureList(g);
    EXPECT_EQ(g.PictureCount, 0);

    // A folder that is gone still yields the chosen picture alone.
    g.PictureFile = QStringLiteral("/no/such/folder/pic.gif");
    buildPictureList(g);
    EXPECT_EQ(usedEntries(g), QStringList({QStringLiteral("/no/such/folder/pic.gif")}));
}
