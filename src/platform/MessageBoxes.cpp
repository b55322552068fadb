#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/AppTitle.h"

namespace {

int runBox(const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, buttons, QApplication::activeWindow());
    // The message must be seen even over the always-on-top canvas.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

}  // namespace

void QtMessageBoxes::inform(const QString& text) {
    runBox(text, QMessageBox::Ok);
}

MessageBoxes::Answer QtMessageBoxes::ask(const QString& text) {
    return runBox(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? Answer::Yes
                                                                                : Answer::No;
}
