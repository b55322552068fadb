#include "launcher/Form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "launcher/PictureList.h"
#include "launcher/Settings.h"
#include "letters/Unzip.h"
#include "platform/AppTitle.h"
#include "platform/Files.h"
#include "shared/Globals.h"
#include "sound/ClickSounds.h"

namespace {

// Design positions are in twips; at 15 twips per pixel they become logical pixels.
constexpr int px(int twips) {
    return twips / 15;
}

// Buttons whose captions are too wide for their designed size first get a
// narrower face, then a smaller size, until every caption fits: the desktop's
// fonts are wider than the ones the layout was drawn for. All buttons share
// the result so that they look alike.
void fitCaptions(const QList<QPushButton*>& buttons) {
    const auto allFit = [&buttons] {
        return std::all_of(buttons.begin(), buttons.end(), [](const QPushButton* button) {
            return button->sizeHint().width() <= button->width();
        });
    };
    QFont font = buttons.first()->font();
    for (int step = 0; step < 4 && !allFit(); ++step) {
        if (step == 0)
            font.setStretch(QFont::SemiCondensed);
        else
            font.setPixelSize(font.pixelSize() - 1);
        for (QPushButton* button : buttons) button->setFont(font);
    }
}

const QStringList kKeyHelp = {
    QStringLiteral("Esc - Unload picture and return here"),
    QStringLiteral("F6 - Clears text"),
    QStringLiteral("F5 - Cycle pictures"),
    QStringLiteral("F4 - Cycle in opposite direction"),
    QStringLiteral("F3 - Show time"),
    QStringLiteral("Arrows - Move picture 5 pixels"),
    QStringLiteral("Shift + Arrows - Move picture 50 pixels."),
};

// The settings file stores 0 unchecked, 1 checked, 2 greyed; Qt numbers
// checked and greyed (partially checked) the other way round.
Qt::CheckState checkStateFromStored(int stored) {
    return stored == 1 ? Qt::Checked : stored == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}
int storedFromCheckState(Qt::CheckState state) {
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

}  // namespace

Form2::Form2(Globals& globals, Services& services, QWidget* parent)
    : QWidget(parent), CommonDialog1(services.filePicker), globals_(globals), services_(services) {
    buildControls();
}

void Form2::buildControls() {
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/pictype-viewer.png")));
    setFixedSize(px(4455), px(5235));
    // The layout was drawn for an 8-point dialog font (11 pixels); keep the
    // text inside the controls whatever the desktop's default size.
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);
    setAcceptDrops(true);

    auto place = [](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };

    btnStart = new QPushButton(QStringLiteral("Start"), this);
    place(btnStart, 240, 120, 1695, 375);
    Frame1 = new QGroupBox(this);
    place(Frame1, 2520, 0, 1815, 1095);
    OptCentered = new QRadioButton(QStringLiteral("Centered"), Frame1);
    place(OptCentered, 120, 240, 1215, 255);
    OptTiled = new QRadioButton(QStringLiteral("Tiled"), Frame1);
    place(OptTiled, 120, 600, 1095, 375);
    btnPicture = new QPushButton(QStringLiteral("Background Picture..."), this);
    place(btnPicture, 240, 600, 1695, 375);
    btnClip = new QPushButton(QStringLiteral("Move to Clipboard"), this);
    place(btnClip, 240, 1680, 1695, 375);
    btnAppend = new QPushButton(QStringLiteral("Append to Clipboard"), this);
    place(btnAppend, 240, 2160, 1695, 375);
    lblPicture = new QLabel(this);
    place(lblPicture, 240, 2760, 4215, 375);
    List1 = new QListWidget(this);
    place(List1, 2520, 1320, 1815, 1230);
    lblKeys = new QLabel(QStringLiteral("Label1"), this);
    place(lblKeys, 240, 3240, 4215, 1455);
    lblKeys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReadme = new QLabel(QStringLiteral("Click here for help."), this);
    place(lblReadme, 240, 4920, 1455, 255);
    lblReadme->setCursor(Qt::PointingHandCursor);
    // The link-like help label is as wide as its text, wherever that ends.
    lblReadme->adjustSize();
    Check1 = new QCheckBox(QStringLiteral("Tinks"), this);
    place(Check1, 240, 1200, 1455, 255);

    fitCaptions({btnStart, btnPicture, btnClip, btnAppend});

    // Tab order as designed.
    const QList<QWidget*> tabOrder = {btnStart, OptCentered, OptTiled, btnPicture,
                                      btnClip,  btnAppend,   List1,    Check1};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

    for (QLabel* label : {lblPicture, lblKeys, lblReadme}) {
        label->setAcceptDrops(true);
        label->installEventFilter(this);
    }

    connect(btnStart, &QPushButton::clicked, this, &Form2::btnStart_Click);
    connect(btnPicture, &QPushButton::clicked, this, &Form2::btnPicture_Click);
    connect(btnClip, &QPushButton::clicked, this, &Form2::btnClip_Click);
    connect(btnAppend, &QPushButton::clicked, this, &Form2::btnAppend_Click);
}

bool Form2::Form_Load() {
    Globals& g = globals_;
    QDir::setCurrent(g.ProgramFolder);

    const QString archive = findFileAnyCase(g.ProgramFolder, QStringLiteral("letters.zip"));
    if (archive.isEmpty()) {
        services_.messages.show(
            QStringLiteral("Pictype Viewer won't run without unzip32.dll or letters.zip"));
        return false;
    }

    btnClip->setEnabled(false);
    OptCentered->setChecked(true);
    g.LetterWidth = 32;
    g.LetterHeight = 32;
    g.PictureIndex = 1;
    Check1->setCheckState(Qt::Unchecked);

    BuildClickSounds(g);
    const SettingsRead settings = readSettings(settingsPath(g.ProgramFolder));
    if (settings.PictureFile) g.PictureFile = *settings.PictureFile;
    if (settings.LetterSetName) g.LetterSetName = *settings.LetterSetName;
    if (settings.Centered) (*settings.Centered ? OptCentered : OptTiled)->setChecked(true);
    if (settings.Check) {
        if (*settings.Check == 2) Check1->setTristate(true);
        Check1->setCheckState(checkStateFromStored(*settings.Check));
    }

    // The whole command line, as it is: a quoted path ends in a quote and is not taken.
    if (endsInPictureExtension(g.CommandLine)) g.PictureFile = g.CommandLine;
    showPictureFile();

    g.IncludeNames[0].clear();
    g.ExcludeNames[0].clear();
    g.ZipMemberCapacity = 50;
    g.ZipMemberNames = QStringList(g.ZipMemberCapacity + 1);
    g.ZipMemberCount = 0;

    // Always the archive in the program folder, under the name it has there.
    g.LettersZipPath = archive;
    UnzipRun(g, services_.messages, g.LettersZipPath, QString(), 1, 0);

    for (int32_t i = 0; i < g.ZipMemberCount; ++i) {
        List1->addItem(g.ZipMemberNames[i]);
        if (g.ZipMemberNames[i] == g.LetterSetName) List1->setCurrentRow(i);
    }
    if (List1->count() > 0 && List1->currentRow() < 0) List1->setCurrentRow(0);

    nameTempTextFile();
    return true;
}

void Form2::nameTempTextFile() {
    Globals& g = globals_;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = joinFolder(
            g.ProgramFolder, QLatin1Char('~') + QString::number(services_.ticks.GetTickCount()));
        g.TempTextFile = candidate;
        if (!normalFileExists(candidate)) {
            lblKeys->setText(kKeyHelp.join(QStringLiteral("\r\n")));
            return;
        }
        services_.ticks.Sleep(2);
    }
}

bool Form2::tinksTicked() const {
    return Check1->checkState() != Qt::Unchecked;
}

void Form2::Form_Unload() {
    writeSettings(settingsPath(globals_.ProgramFolder), globals_.PictureFile,
                  globals_.LetterSetName, OptCentered->isChecked(),
                  storedFromCheckState(Check1->checkState()));
}

void Form2::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    emit unloaded();
}
