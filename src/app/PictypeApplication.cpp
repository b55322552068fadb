#include "app/PictypeApplication.h"

#include <unistd.h>

#include <QMessageBox>
#include <exception>

#include "platform/AppTitle.h"

namespace {

[[noreturn]] void reportFatalError(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    // Nothing may run after an untrapped error: no close handling, no saving.
    ::_exit(1);
}

}  // namespace

bool PictypeApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportFatalError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportFatalError(QCoreApplication::translate("Pictype", "Unexpected error"));
    }
}

QByteArray platformsToTry(const QByteArray& chosen, const QByteArray& waylandDisplay) {
    if (!chosen.isEmpty()) return chosen;
    return waylandDisplay.isEmpty() ? QByteArray() : QByteArrayLiteral("wayland;xcb");
}
