#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

QString runDialog(QFileDialog::AcceptMode mode, const QString& filter, const QString& folder,
                  const QString& name = QString()) {
    // Taking the dialog down takes a good 20 ms (its file-system model stops
    // a thread): that is left to the event loop, after the caller has begun
    // with what was chosen, such as decoding a picture.
    auto* dialog = new QFileDialog(QApplication::activeWindow(), QString(), folder, filter);
    const auto later = qScopeGuard([dialog] { dialog->deleteLater(); });
    if (!name.isEmpty()) dialog->selectFile(name);
    dialog->setAcceptMode(mode);
    // Qt's own dialog behaves the same on every desktop and under a bare X server.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        // The launcher refuses existing names itself; the dialog must not
        // talk the user into replacing one.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->setFileMode(QFileDialog::AnyFile);
    }
    if (dialog->exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

QString QtFileDialogs::openFile(const QString& filter, const QString& folder) {
    return runDialog(QFileDialog::AcceptOpen, filter, folder);
}

QString QtFileDialogs::saveFile(const QString& filter, const QString& suggested) {
    const QFileInfo file(suggested);
    return runDialog(QFileDialog::AcceptSave, filter, file.absolutePath(), file.fileName());
}
