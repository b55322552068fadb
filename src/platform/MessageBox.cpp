#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/AppTitle.h"

MsgAnswer QtMessageBoxService::show(const QString& text, MsgButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text,
                    buttons == MsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                 : QMessageBox::Ok,
                    QApplication::activeWindow());
    // The message must be seen even over the always-on-top canvas.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
