// Picture choice, drops and Start: being written.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "launcher/Form2.h"

void Form2::btnStart_Click() {}
void Form2::btnPicture_Click() {}
void Form2::lblPicture_Click() {}
void Form2::Form_OLEDragDrop(const QMimeData*) {}
void Form2::lblKeys_OLEDragDrop(const QMimeData*) {}
void Form2::lblPicture_OLEDragDrop(const QMimeData*) {}
void Form2::lblReadme_OLEDragDrop(const QMimeData*) {}
void Form2::AcceptDroppedPicture(const QMimeData*) {}
void Form2::BuildPictureList() {}
void Form2::dragEnterEvent(QDragEnterEvent*) {}
void Form2::dropEvent(QDropEvent*) {}
bool Form2::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }
