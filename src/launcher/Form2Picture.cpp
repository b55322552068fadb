// Choosing the background picture (dialog, drops, a click on its label) and
// opening the canvas with Start.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <exception>

#include "canvas/Form1.h"
#include "launcher/Form2.h"
#include "launcher/PictureList.h"
#include "shared/Globals.h"

namespace {

const QString kPictureFilter = QStringLiteral("Picture Files(*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif");

// Only a list of local files counts as dropped files; text, links and the
// like are not offered a drop.
bool holdsFileList(const QMimeData* data) {
    return data != nullptr && data->hasUrls() && !data->urls().isEmpty() &&
           data->urls().first().isLocalFile();
}

}  // namespace

void Form2::showPictureFile() {
    lblPicture->setText(globals_.PictureFile.isEmpty() ? QStringLiteral("No picture selected")
                                                       : globals_.PictureFile);
}

void Form2::btnPicture_Click() {
    CommonDialog1.setFilter(kPictureFilter);
    CommonDialog1.ShowOpen();
    globals_.PictureFile = CommonDialog1.FileName();
    showPictureFile();
}

void Form2::lblPicture_Click() {
    lblPicture->setText(globals_.PictureFile);
}

void Form2::AcceptDroppedPicture(const QMimeData* data) {
    if (!holdsFileList(data)) return;
    const QString first = data->urls().first().toLocalFile();
    if (!endsInPictureExtension(first)) return;
    globals_.PictureFile = first;
    lblPicture->setText(first);
}

void Form2::Form_OLEDragDrop(const QMimeData* data) {
    AcceptDroppedPicture(data);
}
void Form2::lblKeys_OLEDragDrop(const QMimeData* data) {
    AcceptDroppedPicture(data);
}
void Form2::lblPicture_OLEDragDrop(const QMimeData* data) {
    AcceptDroppedPicture(data);
}
void Form2::lblReadme_OLEDragDrop(const QMimeData* data) {
    AcceptDroppedPicture(data);
}

void Form2::BuildPictureList() {
    buildPictureList(globals_);
    globals_.CenterPicture = OptCentered->isChecked() ? -1 : 0;
}

void Form2::btnStart_Click() {
    Globals& g = globals_;
    const int row = List1->currentRow();
    if (row < 0) {
        services_.messages.show(
            QStringLiteral("There must be a problem with the letters.zip file."));
        return;
    }
    btnClip->setEnabled(true);
    g.LetterSetName = g.ZipMemberNames[row];
    if (g.PictureFile.isEmpty()) {
        CommonDialog1.setFilter(kPictureFilter);
        CommonDialog1.ShowOpen();
        g.PictureFile = CommonDialog1.FileName();
    }
    lblPicture->clear();
    BuildPictureList();
    g.FreshPicture = 1;
    g.FirstPaint = 1;
    // The canvas reports its own load failures; whatever else goes wrong
    // while it opens must not take the launcher down.
    try {
        if (Form1* canvas = Form1::Show(g, services_, [this] { return tinksTicked(); })) {
            // One canvas at a time: the launcher stays out of reach (also for
            // the keyboard) until the canvas has closed.
            setEnabled(false);
            connect(canvas, &QObject::destroyed, this, [this] {
                setEnabled(true);
                activateWindow();
            });
        }
    } catch (const std::exception&) {
    }
}

void Form2::dragEnterEvent(QDragEnterEvent* event) {
    if (holdsFileList(event->mimeData())) event->acceptProposedAction();
}

void Form2::dropEvent(QDropEvent* event) {
    Form_OLEDragDrop(event->mimeData());
    event->acceptProposedAction();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblPicture && watched != lblKeys && watched != lblReadme)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::DragEnter: {
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (holdsFileList(enter->mimeData())) enter->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (watched == lblPicture)
                lblPicture_OLEDragDrop(drop->mimeData());
            else if (watched == lblKeys)
                lblKeys_OLEDragDrop(drop->mimeData());
            else
                lblReadme_OLEDragDrop(drop->mimeData());
            drop->acceptProposedAction();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            // A click is a left-button release over the label that was pressed.
            auto* release = static_cast<QMouseEvent*>(event);
            auto* label = static_cast<QLabel*>(watched);
            if (release->button() != Qt::LeftButton ||
                !label->rect().contains(release->position().toPoint()))
                return false;
            if (label == lblPicture)
                lblPicture_Click();
            else if (label == lblReadme)
                lblReadme_Click();
            return false;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}
