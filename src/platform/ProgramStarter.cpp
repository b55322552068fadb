#include "platform/ProgramStarter.h"

#include <QProcess>

bool DesktopProgramStarter::openDocument(const QString& path) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}
