#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "support/TestFiles.h"

namespace {

TEST(PictureFolder, TheChosenPictureFirstThenTheOthersInNameOrderEachWithItsOffset) {
    QTemporaryDir folder;
    for (const char* name :
         {"b.JPG", "A.bmp", "c.gif", "chosen.jpeg", "d.jpeg", "e.png", "fjpg", "g.txt", "H.Gif"})
        writeFile(folder.filePath(name), "");
    QDir(folder.path()).mkdir("sub.jpg");
    PictureFolder pictures(folder.filePath("chosen.jpeg"));
    QStringList names;
    for (const QString& path : pictures.paths()) names << QFileInfo(path).fileName();
    EXPECT_EQ(names, QStringList({"chosen.jpeg", "A.bmp", "b.JPG", "c.gif", "H.Gif"}));
    EXPECT_EQ(pictures.neighbour(0, PictureFolder::Step::Previous), 4);
    EXPECT_EQ(pictures.neighbour(4, PictureFolder::Step::Next), 0);
    EXPECT_EQ(pictures.neighbour(1, PictureFolder::Step::Next), 2);
    EXPECT_EQ(pictures.moveTo(2, QPoint(5, 50)), QPoint(0, 0));
    EXPECT_EQ(pictures.moveTo(0, QPoint(7, 0)), QPoint(5, 50));
    EXPECT_EQ(pictures.moveTo(2, QPoint(1, 1)), QPoint(7, 0));
    EXPECT_EQ(pictures.currentIndex(), 2);
    EXPECT_EQ(PictureFolder(folder.filePath("none/x.bmp")).size(), 1);
    EXPECT_TRUE(PictureFolder("no-folder.jpg").isEmpty());
}

TEST(PictureFolder, CommandLinesAndDropsAreTakenByTheirLastThreeLetters) {
    for (const char* taken : {"/p/x.jpg", "/p/X.GIF", "/p/a b.Bmp", "xjpg"})
        EXPECT_TRUE(endsLikePicture(taken)) << taken;
    for (const char* ignored : {"/p/x.jpeg", "/p/x.png", "\"/p/x.jpg\"", "", "/p/x.jpg "})
        EXPECT_FALSE(endsLikePicture(ignored)) << ignored;
}

TEST(PictureLoader, PicturesLoadAsRgb32AndEverythingElseFails) {
    QTemporaryDir folder;
    QImage small(3, 2, QImage::Format_Indexed8);
    small.setColorTable({qRgb(9, 8, 7)});
    small.fill(0);
    ASSERT_TRUE(small.save(folder.filePath("small.bmp")));
    const std::optional<QImage> loaded = loadPicture(folder.filePath("small.bmp"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded->pixel(2, 1), qRgb(9, 8, 7));
    EXPECT_TRUE(loadPicture(QString())->isNull());  // no picture chosen
    // A small file whose header claims 60000 x 60000 pixels is refused.
    QByteArray bomb = readFile(folder.filePath("small.bmp"));
    qToLittleEndian<qint32>(60000, bomb.data() + 18);
    qToLittleEndian<qint32>(60000, bomb.data() + 22);
    writeFile(folder.filePath("bomb.bmp"), bomb);
    writeFile(folder.filePath("text.jpg"), "not a picture");
    for (const char* refused : {"bomb.bmp", "text.jpg", "missing.bmp"})
        EXPECT_FALSE(loadPicture(folder.filePath(refused))) << refused;
}

}  // namespace
