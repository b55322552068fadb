#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "support/TestFiles.h"

namespace {

TEST(PictureFolder, TheChosenPictureFirstThenTheOthersInNameOrderEachWithItsOffset) {
    QTemporaryDir folder;
    for (const char* name :
         {"b.JPG", "A.bmp", "c.gif", "chosen.jpeg", "d.PNG", "e.tif", "fjpg", "g.txt", "H.Gif"})
        writeFile(folder.filePath(name), "");
    QDir(folder.path()).mkdir("sub.jpg");
    PictureFolder pictures(folder.filePath("chosen.jpeg"));
    QStringList names;
    for (const QString& path : pictures.paths()) names << QFileInfo(path).fileName();
    EXPECT_EQ(names, QStringList({"chosen.jpeg", "A.bmp", "b.JPG", "c.gif", "d.PNG", "H.Gif"}));
    EXPECT_EQ(pictures.neighbour(0, PictureFolder::Step::Previous), 5);
    EXPECT_EQ(pictures.neighbour(5, PictureFolder::Step::Next), 0);
    EXPECT_EQ(pictures.moveTo(2, QPoint(5, 50)), std::nullopt);  // not shown before
    EXPECT_EQ(pictures.moveTo(0, QPoint(7, 0)), QPoint(5, 50));
    EXPECT_EQ(pictures.moveTo(2, QPoint(1, 1)), QPoint(7, 0));
    EXPECT_EQ(pictures.currentIndex(), 2);
    EXPECT_EQ(PictureFolder(folder.filePath("none/x.bmp")).size(), 1);
    EXPECT_TRUE(PictureFolder("no-folder.jpg").isEmpty());
}

TEST(PictureFolder, PicturesAreKnownByTheirExtensions) {
    const bool webp = QImageReader::supportedImageFormats().contains("webp");
    for (const char* taken : {"/p/x.jpg", "/p/X.GIF", "/p/a b.Bmp", "x.jpeg", "/p/x.PNG"})
        EXPECT_TRUE(isPictureFile(taken)) << taken;
    EXPECT_EQ(isPictureFile("x.webp"), webp);
    for (const char* ignored : {"xjpg", "\"/p/x.jpg\"", "", "/p/x.jpg ", "x.txt", "x.tif"})
        EXPECT_FALSE(isPictureFile(ignored)) << ignored;
    EXPECT_EQ(pictureFilter(),
              QString("Picture Files (*.bmp *.gif *.jpg *.jpeg *.png") + (webp ? " *.webp)" : ")"));
}

TEST(PictureLoader, PicturesLoadUprightAsRgb32AndWhatDoesNotLoadIsToldWhy) {
    QTemporaryDir folder;
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(qRgb(9, 8, 7));
    ASSERT_TRUE(small.save(folder.filePath("small.bmp")));
    const Picture loaded = loadPicture(folder.filePath("small.bmp"));
    ASSERT_TRUE(loaded.loaded());
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.image.pixel(2, 1), qRgb(9, 8, 7));
    EXPECT_TRUE(loadPicture(QString()).image.isNull());  // no picture chosen
    // A photograph whose EXIF orientation turns it upright.
    QImageWriter turned(folder.filePath("turned.jpg"));
    turned.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(turned.write(small));
    EXPECT_EQ(loadPicture(folder.filePath("turned.jpg")).image.size(), QSize(2, 3));
    // A GIF of a few bytes whose header claims 60000 x 60000 pixels.
    writeFile(folder.filePath("bomb.gif"), QByteArray::fromHex("474946383961"
                                                               "60ea60ea000000"
                                                               "2c0000000060ea60ea00"
                                                               "02024c01003b"));
    writeFile(folder.filePath("text.jpg"), "not a picture");
    const struct {
        const char* file;
        const char* message;
    } refused[] = {{"bomb.gif", "%1 is too large to show: 60000 x 60000 pixels."},
                   {"text.jpg", "%1 is apparently not a picture."},
                   {"missing.bmp", "%1 is apparently not a picture."}};
    for (const auto& row : refused) {
        const QString path = folder.filePath(row.file);
        const Picture picture = loadPicture(path);
        EXPECT_FALSE(picture.loaded()) << row.file;
        EXPECT_EQ(refusalMessage(path, picture), QString(row.message).arg(path)) << row.file;
    }
}

}  // namespace
