#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QPointer>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QWindow>

#include "test_launcher_fixture.h"

namespace {

const QString kQtPictureFilter =
    QStringLiteral("Picture Files (*.bmp *.jpg *.gif)");

QMimeData* fileList(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Where on the launcher a drop onto `target` lands: its middle, or a bare
// spot of the window itself.
QPoint dropPoint(Form2* form, QWidget* target) {
    if (target == form) return QPoint(150, 80);
    return target->mapTo(form, target->rect().center());
}

// Drags `data` over the launcher's window and lets go over `target`, the way
// the window system delivers a drag: enter, then drop, on the native window.
// Returns whether the drag was accepted on entering.
bool dragAndDrop(Form2* form, QWidget* target, QMimeData* data) {
    const std::unique_ptr<QMimeData> owned(data);
    form->show();
    QWindow* window = form->windowHandle();
    const QPoint at = dropPoint(form, target);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(window, &enter);
    const bool accepted = enter.isAccepted();
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return accepted;
}

void clickAt(QWidget* target, QPointF releaseAt, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF pressAt(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, pressAt, target->mapToGlobal(pressAt), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, releaseAt, target->mapToGlobal(releaseAt),
                        button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

}  // namespace

class LauncherPicture : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        ASSERT_TRUE(load());
    }
    QList<QWidget*> dropTargets() const {
        return {form.get(), form->lblKeys, form->lblPicture, form->lblReadme};
    }
};

TEST_F(LauncherPicture, DroppedPictureIsChosenOnTheWindowAndEveryLabel) {
    int n = 0;
    for (QWidget* target : dropTargets()) {
        const QString picture = QStringLiteral("/pics/sea %1.JPG").arg(++n);
        EXPECT_TRUE(dragAndDrop(form.get(), target,
                                fileList({picture, QStringLiteral("/pics/other.gif")})));
        EXPECT_EQ(globals.PictureFile, picture);
        EXPECT_EQ(form->lblPicture->text(), picture);
    }
}

TEST_F(LauncherPicture, OnlyTheFirstDroppedFileCounts) {
    globals.PictureFile = QStringLiteral("/pics/kept.bmp");
    form->lblPicture->setText(globals.PictureFile);
    for (QWidget* target : dropTargets()) {
        dragAndDrop(form.get(), target,
                    fileList({QStringLiteral("/docs/notes.txt"), QStringLiteral("/pics/a.jpg"),
                              QStringLiteral("/pics/b.gif")}));
        dragAndDrop(form.get(), target, fileList({QStringLiteral("/pics/photo.jpeg")}));
        EXPECT_EQ(globals.PictureFile, QStringLiteral("/pics/kept.bmp"));
        EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/pics/kept.bmp"));
    }
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
}

TEST_F(LauncherPicture, DropsThatAreNotFilesAreIgnored) {
    for (QWidget* target : dropTargets()) {
        auto* text = new QMimeData;
        text->setText(QStringLiteral("/pics/typed-path.jpg"));
        EXPECT_FALSE(dragAndDrop(form.get(), target, text));
        auto* link = new QMimeData;
        link->setUrls({QUrl(QStringLiteral("https://example.org/sea.jpg"))});
        EXPECT_FALSE(dragAndDrop(form.get(), target, link));
    }
    // Even when handed over, such data does not choose anything.
    QMimeData text;
    text.setText(QStringLiteral("/pics/typed-path.jpg"));
    form->lblKeys_OLEDragDrop(&text);
    form->Form_OLEDragDrop(&text);
    EXPECT_TRUE(globals.PictureFile.isEmpty());
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("No picture selected"));
}

TEST_F(LauncherPicture, DialogResultIsTakenAsItIs) {
    fakes.filePicker.results = {QStringLiteral("/docs/not-a-picture.txt"), QString()};
    form->btnPicture->click();
    EXPECT_EQ(fakes.filePicker.openFilters, QStringList({kQtPictureFilter}));
    EXPECT_EQ(globals.PictureFile, QStringLiteral("/docs/not-a-picture.txt"));
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/docs/not-a-picture.txt"));

    form->btnPicture->click();
    EXPECT_TRUE(globals.PictureFile.isEmpty());
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("No picture selected"));
}

TEST_F(LauncherPicture, ClickOnThePictureLabelShowsThePictureAgain) {
    globals.PictureFile = QStringLiteral("/pics/sea.gif");
    form->lblPicture->clear();
    // Released outside the label, or with the other button: no click.
    clickAt(form->lblPicture, QPointF(-3, -3));
    clickAt(form->lblPicture, QPointF(4, 4), Qt::RightButton);
    EXPECT_TRUE(form->lblPicture->text().isEmpty());
    clickAt(form->lblPicture, QPointF(4, 4));
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/pics/sea.gif"));

    globals.PictureFile.clear();
    clickAt(form->lblPicture, QPointF(4, 4));
    EXPECT_TRUE(form->lblPicture->text().isEmpty());
}

TEST_F(LauncherPicture, ClickOnHelpOpensTheHelpTextAndIgnoresFailure) {
    clickAt(form->lblReadme, QPointF(4, 4));
    EXPECT_EQ(fakes.starter.opened, QStringList({folder.path() + QStringLiteral("/pictype.txt")}));

    fakes.starter.succeed = false;
    clickAt(form->lblReadme, QPointF(4, 4));
    EXPECT_EQ(fakes.starter.opened.size(), 2);
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
    // Clicks elsewhere open nothing.
    clickAt(form->lblKeys, QPointF(4, 4));
    EXPECT_EQ(fakes.starter.opened.size(), 2);
}

TEST_F(LauncherPicture, StartFixesTheChoicesAndBuildsThePictureList) {
    TestProgramFolder pictures;
    for (const char* name : {"b.jpg", "A.bmp", "chosen.gif", "readme.txt"})
        pictures.write(name, "x");
    globals.PictureFile = pictures.file("chosen.gif");
    form->List1->setCurrentRow(1);
    form->OptTiled->setChecked(true);

    form->btnStart->click();
    EXPECT_TRUE(fakes.filePicker.openFilters.isEmpty());
    EXPECT_TRUE(form->btnClip->isEnabled());
    EXPECT_EQ(globals.LetterSetName, QStringLiteral("Beta.txt"));
    EXPECT_TRUE(form->lblPicture->text().isEmpty());
    EXPECT_EQ(
        globals.PictureList.mid(1, globals.PictureCount),
        QStringList({pictures.file("chosen.gif"), pictures.file("A.bmp"), pictures.file("b.jpg")}));
    EXPECT_EQ(globals.PictureIndex, 1);
    EXPECT_EQ(globals.CenterPicture, 0);
    EXPECT_EQ(globals.FreshPicture, 1);
    EXPECT_EQ(globals.FirstPaint, 1);

    // The second Start takes everything afresh.
    TestProgramFolder elsewhere;
    elsewhere.write("new.JPG", "x");
    elsewhere.write("z.gif", "x");
    globals.PictureFile = elsewhere.file("new.JPG");
    globals.PictureIndex = 2;
    globals.FreshPicture = 0;
    form->OptCentered->setChecked(true);
    form->List1->setCurrentRow(2);
    form->btnStart->click();
    EXPECT_EQ(globals.LetterSetName, QStringLiteral("Gamma.txt"));
    EXPECT_EQ(globals.PictureList.mid(1, globals.PictureCount),
              QStringList({elsewhere.file("new.JPG"), elsewhere.file("z.gif")}));
    EXPECT_EQ(globals.PictureIndex, 1);
    EXPECT_EQ(globals.CenterPicture, -1);
    EXPECT_EQ(globals.FreshPicture, 1);
}

TEST_F(LauncherPicture, StartWithoutPictureAsksAndOpensEvenWhenCancelled) {
    fakes.filePicker.results = {QString()};
    form->btnStart->click();
    EXPECT_EQ(fakes.filePicker.openFilters, QStringList({kQtPictureFilter}));
    EXPECT_TRUE(globals.PictureFile.isEmpty());
    EXPECT_EQ(openCanvases().size(), 1) << "the canvas opens without a picture";
    // The canvas is open over a disabled launcher; the button itself is on.
    EXPECT_TRUE(form->btnClip->isEnabledTo(form.get()));
    EXPECT_TRUE(form->lblPicture->text().isEmpty());
    EXPECT_EQ(globals.PictureCount, 0);
    EXPECT_EQ(globals.FirstPaint, 1);
    EXPECT_EQ(globals.LetterSetName, QStringLiteral("Alpha.txt"));
    closeCanvases();

    // A picture chosen in Start's own dialog is taken but not shown in the label.
    TestProgramFolder pictures;
    pictures.write("p.bmp", "x");
    fakes.filePicker.results = {pictures.file("p.bmp")};
    form->btnStart->click();
    EXPECT_EQ(globals.PictureFile, pictures.file("p.bmp"));
    EXPECT_EQ(globals.PictureCount, 1);
    EXPECT_TRUE(form->lblPicture->text().isEmpty());
}

TEST_F(LauncherPicture, TheLauncherIsOutOfReachWhileTheCanvasIsOpen) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(picture.save(folder.file("p.bmp"), "BMP"));
    globals.PictureFile = folder.file("p.bmp");

    form->btnStart->click();
    ASSERT_EQ(openCanvases().size(), 1) << "Start opened the canvas";
    const QPointer<Form1> canvas = openCanvases().first();
    EXPECT_FALSE(form->isEnabled());
    // A second Start (a stray Space on the launcher) must not open another canvas.
    form->btnStart->click();
    EXPECT_EQ(openCanvases().size(), 1);

    closeCanvases();
    EXPECT_TRUE(canvas.isNull());
    EXPECT_TRUE(form->isEnabled()) << "the launcher is usable again";
}

using LauncherEmptyArchive = LauncherTest;

TEST_F(LauncherEmptyArchive, StartRefusesWithTheExactMessage) {
    // A valid archive without members: just the end-of-directory record.
    folder.write("letters.zip", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    folder.write("pictype.ini", "\"/p/a.jpg\",\"Kept.txt\",#TRUE#,0\r\n");
    ASSERT_TRUE(load(false));
    EXPECT_EQ(form->List1->count(), 0);
    ASSERT_TRUE(fakes.messages.shown.isEmpty());
    form->btnStart->click();
    EXPECT_EQ(fakes.messages.shown,
              QStringList({QStringLiteral("There must be a problem with the letters.zip file.")}));
    EXPECT_FALSE(form->btnClip->isEnabled());
    EXPECT_EQ(globals.LetterSetName, QStringLiteral("Kept.txt"));
    EXPECT_EQ(form->lblPicture->text(), QStringLiteral("/p/a.jpg"));
    EXPECT_EQ(globals.FirstPaint, 0);
}
