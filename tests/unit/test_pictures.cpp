#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>

#include "pictures/PictureCache.h"
#include "pictures/PictureDecoder.h"
#include "pictures/PictureFolder.h"
#include "pictures/PictureLoader.h"
#include "pictures/PictureStepper.h"
#include "platform/Files.h"
#include "support/Fakes.h"
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

TEST(PictureFolder, ANameNoEncodingCarriesIsReachedWithItsNeighboursAndRememberedAsItIs) {
    QTemporaryDir folder;
    const QByteArray native = QFile::encodeName(folder.path()) + "/b\xe9.bmp";
    std::fclose(std::fopen(native.constData(), "w"));
    writeFile(folder.filePath("a.bmp"), "");
    const QString path = pathFromNative(native);
    EXPECT_EQ(shownPath(path), folder.path() + QString::fromUtf16(u"/b\ufffd.bmp"));
    EXPECT_EQ(PictureFolder(path).size(), 2);  // a.bmp beside it
    EXPECT_EQ(nativePath(path), native);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());  // given on the command line in its folder
    EXPECT_EQ(nativePath(openablePath("b\xe9.bmp")), native);
    QDir::setCurrent(before);
    std::remove(native.constData());  // a name Qt cannot remove
}

TEST(PictureFolder, PicturesAreKnownByTheirExtensions) {
    const bool webp = QImageReader::supportedImageFormats().contains("webp");
    for (const char* taken : {"/p/x.jpg", "/p/X.GIF", "/p/a b.Bmp", "x.jpeg", "/p/x.PNG"})
        EXPECT_TRUE(isPictureFile(taken)) << taken;
    EXPECT_EQ(isPictureFile("x.webp"), webp);
    for (const char* ignored : {"xjpg", "\"/p/x.jpg\"", "", "/p/x.jpg ", "x.txt", "x.tif"})
        EXPECT_FALSE(isPictureFile(ignored)) << ignored;
}

TEST(PictureLoader, PicturesLoadAsRgb32AndWhatDoesNotLoadIsToldWhy) {
    QTemporaryDir folder;
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(qRgb(9, 8, 7));
    ASSERT_TRUE(small.save(folder.filePath("small.bmp")));
    const Picture loaded = loadPicture(folder.filePath("small.bmp"));
    ASSERT_TRUE(loaded.loaded());
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.image.pixel(2, 1), qRgb(9, 8, 7));
    EXPECT_TRUE(loadPicture(QString()).image.isNull());  // no picture chosen
    // A photograph of 35 megapixels, past what Qt decodes by default.
    QImage photo(7000, 5000, QImage::Format_RGB32);
    photo.fill(qRgb(9, 8, 7));
    ASSERT_TRUE(photo.save(folder.filePath("photo.jpg")));
    EXPECT_EQ(loadPicture(folder.filePath("photo.jpg")).image.size(), photo.size());
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
                   {"text.jpg", "%1 is apparently not a picture."}};
    for (const auto& row : refused) {
        const QString path = folder.filePath(row.file);
        const Picture picture = loadPicture(path);
        EXPECT_FALSE(picture.loaded()) << row.file;
        EXPECT_EQ(refusalMessage(path, picture), QString(row.message).arg(path)) << row.file;
    }
}

TEST(PictureLoader, BlackShowsWhereAPictureIsTransparent) {
    QTemporaryDir folder;
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 255, 255, 0));
    image.setPixel(1, 0, qRgba(10, 20, 30, 255));
    ASSERT_TRUE(image.save(folder.filePath("clear.png")));
    const QImage loaded = loadPicture(folder.filePath("clear.png")).image;
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(loaded.pixel(1, 0), qRgb(10, 20, 30));
}

// Pictures of one colour each in a folder of their own; "broken.bmp" is none.
class DecodeTest : public ::testing::Test {
  protected:
    QString picture(const char* name, QRgb color = qRgb(1, 2, 3), int width = 4) {
        QImage image(width, 3, QImage::Format_RGB32);
        image.fill(color);
        image.save(folder.filePath(name));
        return folder.filePath(name);
    }
    QTemporaryDir folder;
    FakePictureDecoder decoder;
};

TEST_F(DecodeTest, ACacheHandsOverThePictureAskedForAndGoesOnWithTheNextAhead) {
    PictureCache cache(decoder, 4 * 3 * 4);  // big.bmp, 5 x 3, is over the budget
    QStringList handed;
    QObject::connect(&cache, &PictureCache::ready, [&](const QString& path, const Picture& got) {
        const int colour = got.loaded() ? qRed(got.image.pixel(0, 0)) : -1;
        handed << QFileInfo(path).baseName() + QString::number(colour);
    });
    writeFile(folder.filePath("broken.bmp"), "broken");
    const QString a = picture("a.bmp", qRgb(1, 0, 0)), c = picture("c.bmp", qRgb(3, 0, 0)),
                  broken = folder.filePath("broken.bmp"),
                  big = picture("big.bmp", qRgb(5, 0, 0), 5);
    cache.decodeAhead({a, broken, big});
    // 'w' wants the path, 'a' has the paths decoded ahead, 'f' ends the decode under way.
    const struct {
        char action;
        QStringList paths;
        QString handed;    // the picture handed over, and its colour
        QString decoding;  // afterwards; "!" decoding in full
    } steps[] = {
        {'w', {c}, "", "a"},  // a, under way, runs on
        {'f', {}, "", "c!"},  // then the wanted c, before the rest
        {'f', {}, "c3", "broken"},
        {'f', {}, "", "big"},
        {'f', {}, "", ""},                // big over the budget: not decoded
        {'w', {broken}, "broken-1", ""},  // a failure is kept too
        {'w', {big}, "", "big!"},         // decoded in full only when wanted
        {'f', {}, "big5", ""},
        {'w', {a}, "a1", ""},
        {'a', {a}, "", ""},              // no longer ahead: let go ...
        {'w', {broken}, "", "broken!"},  // ... and decoded again
    };
    for (const auto& step : steps) {
        handed.clear();
        if (step.action == 'w') cache.want(step.paths.first());
        if (step.action == 'a') cache.decodeAhead(step.paths);
        if (step.action == 'f') decoder.finishOne();
        EXPECT_EQ(handed, step.handed.isEmpty() ? QStringList() : QStringList(step.handed));
        const QString full = decoder.budgets.last() == kPictureByteLimit ? "!" : "";
        EXPECT_EQ(decoder.busy() ? QFileInfo(decoder.begun.last()).baseName() + full : "",
                  step.decoding)
            << step.action << step.decoding.toStdString();
    }
}

TEST_F(DecodeTest, ADecodeCancelledBeforeItBeginsNeverBegins) {
    const QString a = picture("a.bmp"), b = picture("b.bmp");
    const PictureDecoder::Ticket first = decoder.decode(a, kPictureByteLimit);
    EXPECT_TRUE(decoder.cancel(decoder.decode(b, kPictureByteLimit)));
    EXPECT_FALSE(decoder.cancel(first));  // under way
    decoder.finishAll();
    EXPECT_EQ(decoder.begun, QStringList(a));
}

TEST_F(DecodeTest, ADecodeWaitingItsTurnIsDroppedWhenAnotherPictureOrNoneIsWanted) {
    PictureCache cache(decoder, kPictureByteLimit);
    const QString a = picture("a.bmp"), b = picture("b.bmp"), c = picture("c.bmp"),
                  other = picture("other.bmp");
    decoder.decode(other, kPictureByteLimit);  // someone else's, under way
    cache.want(a);
    cache.want(b);
    decoder.finishAll();
    EXPECT_EQ(decoder.begun, QStringList({other, b}));
    decoder.decode(other, kPictureByteLimit);
    cache.want(a);
    cache.decodeAhead({c});  // after the wanted one
    cache.stopWanting();
    decoder.finishAll();
    EXPECT_EQ(decoder.begun, QStringList({other, b, other, c}));
}

// Pictures a to e, d broken, stepped through from a.
class StepperTest : public DecodeTest {
  protected:
    StepperTest() {
        QObject::connect(&stepper, &PictureStepper::arrived,
                         [this](qsizetype index, const QImage&) { arrived << index; });
        QObject::connect(&stepper, &PictureStepper::stayed, [this] { arrived << -1; });
    }
    // The pictures are there before their folder is listed.
    QString first = [this] {
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "e.bmp"}) picture(name);
        writeFile(folder.filePath("d.bmp"), "broken");
        return folder.filePath("a.bmp");
    }();
    PictureFolder pictures{first};
    PictureStepper stepper{pictures, loadPicture(first).image, decoder};
    QList<qsizetype> arrived;
};

TEST_F(StepperTest, AfterAPauseAStepShowsAtOnceAndEveryPressStepsOnce) {
    decoder.finishAll();  // the neighbours, b and e, decoded ahead
    EXPECT_EQ(decoder.begun, QStringList({pictures.path(1), pictures.path(4)}));
    stepper.step(PictureFolder::Step::Next);
    EXPECT_EQ(arrived, QList<qsizetype>({1}));
    // Pressed three times more before c is decoded: the third lands on e,
    // and c and d, stepped past, are never shown.
    stepper.step(PictureFolder::Step::Next);
    stepper.step(PictureFolder::Step::Next);
    stepper.step(PictureFolder::Step::Next);
    decoder.finishAll();
    EXPECT_EQ(arrived, QList<qsizetype>({1, 4}));
    // Back to d, which does not load, and on to c.
    stepper.step(PictureFolder::Step::Previous);
    decoder.finishAll();
    EXPECT_EQ(arrived, QList<qsizetype>({1, 4, 2}));
    // At most the two neighbours are kept: a, two steps back, decodes again.
    const qsizetype decodes = decoder.begun.size();
    stepper.step(PictureFolder::Step::Previous);
    stepper.step(PictureFolder::Step::Previous);
    EXPECT_EQ(arrived.size(), 4);  // b, a neighbour, at once
    decoder.finishAll();
    EXPECT_EQ(arrived.last(), 0);
    EXPECT_TRUE(decoder.begun.mid(decodes).contains(pictures.path(0)));
}

TEST_F(StepperTest, WithNoPictureLoadingTheOneShownStays) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "e.bmp"})
        writeFile(folder.filePath(name), "x");
    stepper.step(PictureFolder::Step::Next);
    decoder.finishAll();
    EXPECT_EQ(arrived, QList<qsizetype>({-1}));
    EXPECT_EQ(decoder.begun.count(pictures.path(0)), 1);  // once round, ending where it began
}

TEST_F(DecodeTest, WithoutAPictureAStepStaysAtOnce) {
    const PictureFolder none{QString()};
    PictureStepper stepper{none, QImage(), decoder};
    int stayed = 0;
    QObject::connect(&stepper, &PictureStepper::stayed, [&stayed] { ++stayed; });
    stepper.step(PictureFolder::Step::Next);
    EXPECT_EQ(stayed, 1);
    EXPECT_TRUE(decoder.begun.isEmpty());
}

}  // namespace
