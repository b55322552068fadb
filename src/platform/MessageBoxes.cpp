#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/AppTitle.h"

namespace {

QMessageBox* makeBox(const QString& text, QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, appTitle(), text, buttons,
                                QApplication::activeWindow());
    // The message must be seen even over the always-on-top canvas.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

}  // namespace

void QtMessageBoxes::inform(const QString& text) {
    makeBox(text, QMessageBox::Ok)->exec();
}

MessageBoxes::Answer QtMessageBoxes::ask(const QString& text) {
    QMessageBox* box = makeBox(text, QMessageBox::Yes | QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    // Esc and the close button answer neither Yes nor No: a hidden button
    // takes them, so that no answer is taken for one the user did not give.
    QPushButton* neither = box->addButton(QMessageBox::Cancel);
    neither->hide();
    box->setEscapeButton(neither);
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    const Answer answer = clicked == box->button(QMessageBox::Yes)  ? Answer::Yes
                          : clicked == box->button(QMessageBox::No) ? Answer::No
                                                                    : Answer::Dismissed;
    delete box;
    return answer;
}

void QtMessageBoxes::notify(const QString& text) {
    QMessageBox* box = makeBox(text, QMessageBox::Ok);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}
