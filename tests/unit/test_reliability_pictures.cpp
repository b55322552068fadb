// Background pictures that are broken, lie about their size or vanish while
// the canvas is open: the canvas says " is apparently not a picture." when
// it opens, and while it is open it carries on with what it shows.
#include <QBuffer>
#include <QFile>

#include "test_canvas_fixture.h"

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int i = 0; i < 8; ++i) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putBig32(QByteArray& out, quint32 v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}
void putLittle16(QByteArray& out, quint32 v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

// A well-formed PNG start that claims a picture of width x height, with a
// few bytes of image data: a decompression bomb's header.
QByteArray hugePng(quint32 width, quint32 height) {
    auto chunk = [](const QByteArray& kind, const QByteArray& body) {
        QByteArray out;
        putBig32(out, static_cast<quint32>(body.size()));
        out += kind + body;
        putBig32(out, crc32(kind + body));
        return out;
    };
    QByteArray header;
    putBig32(header, width);
    putBig32(header, height);
    header += QByteArray("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", QByteArray("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9)) +
           chunk("IEND", QByteArray());
}

// The same as a GIF: screen and image both width x height.
QByteArray hugeGif(quint32 width, quint32 height) {
    QByteArray gif("GIF89a");
    putLittle16(gif, width);
    putLittle16(gif, height);
    gif += QByteArray("\x80\x00\x00", 3);  // a global table of two colours
    gif += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    gif += ',';
    putLittle16(gif, 0);
    putLittle16(gif, 0);
    putLittle16(gif, width);
    putLittle16(gif, height);
    gif += QByteArray("\x00\x02\x02\x44\x01\x00;", 7);
    return gif;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 90));
    return bytes;
}

using BrokenPicture = CanvasTest;

TEST_F(BrokenPicture, BrokenOrDisguisedFilesAreReportedAndTheCanvasCloses) {
    const QByteArray jpeg = jpegOf(patterned(300, 200));
    const std::vector<std::pair<QString, QByteArray>> files{
        {"headless.jpg", jpeg.left(120)},  // cut inside the headers
        {"letter.gif", "Dear Sir, this is a letter and not a picture.\r\n"},
        {"bomb.png", hugePng(60000, 60000)},
        {"bomb.gif", hugeGif(60000, 60000)},
        {"empty.bmp", QByteArray()},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name.toStdString());
        folder.write(name, bytes);
        fakes.messages.shown.clear();
        g.PictureFile = folder.file(name);
        canvas = std::make_unique<Form1>(g, fakes.services, [] { return false; });
        canvas->setScreenSize({640, 480});
        EXPECT_FALSE(canvas->Form_Load());
        EXPECT_EQ(fakes.messages.shown,
                  QStringList{g.PictureFile + " is apparently not a picture."});
        EXPECT_TRUE(canvas->BackBufferDC.isNull());
        EXPECT_TRUE(canvas->BackgroundPicture.isNull());
    }
}

TEST_F(BrokenPicture, AJpegCutInItsImageDataShowsThePartThatArrived) {
    const QImage whole = patterned(300, 200);
    const QByteArray jpeg = jpegOf(whole);
    folder.write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
    open({640, 480}, folder.file("cut.jpg"));
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(canvas->PictureInfo.Width, 300);
    EXPECT_EQ(canvas->PictureInfo.Height, 200);
    // The top rows arrived: they look like the picture (JPEG is lossy).
    const QRgb shown = screenAt(170 + 10, 140 + 5);
    const QRgb original = whole.pixel(10, 5);
    EXPECT_NEAR(qRed(shown), qRed(original), 24);
    EXPECT_NEAR(qGreen(shown), qGreen(original), 24);
    type("ok");
    EXPECT_EQ(canvas->CurrentLine, "ok");
}

TEST_F(BrokenPicture, TheOnlyPictureDeletedBeforeF5StaysOnScreenWithTheText) {
    const QImage picture = patterned(200, 100);
    const QString path = writePicture("only.bmp", picture);
    g.PictureList = QStringList(51);
    g.PictureList[1] = path;
    g.PictureCount = 1;
    g.PictureCapacity = 50;
    g.PictureIndex = 1;
    open({640, 480}, path);
    type("abc");
    const QImage before = canvas->windowImage().copy();
    ASSERT_TRUE(QFile::remove(path));
    constexpr int16_t kF4 = 115, kF5 = 116;
    for (int16_t key : {kF5, kF4}) canvas->Form_KeyDown(key, 0);
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    EXPECT_EQ(g.PictureFile, path);
    EXPECT_EQ(canvas->windowImage(), before) << "picture and text stay as they were";
    type("d");
    EXPECT_EQ(canvas->CurrentLine, "abcd");
}

}  // namespace
