#include "platform/DocumentOpener.h"

#include <QProcess>

bool DesktopDocumentOpener::open(const QString& path) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}
