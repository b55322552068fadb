#include "session/Storage.h"

#include <QDir>

#include "platform/Files.h"
#include "session/Settings.h"

namespace {

QString userFolder(const char* variable, const QString& fallback) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty()) base = QDir::homePath() + fallback;
    return joinPath(base, QStringLiteral("pictype-viewer"));
}

}  // namespace

Storage Storage::forProgramFolder(const QString& programFolder) {
    const QString stateFolder = userFolder("XDG_STATE_HOME", QStringLiteral("/.local/state"));
    if (isWritableFolder(programFolder)) {
        return {
            settingsPath(programFolder), QString(), programFolder, {programFolder, stateFolder}};
    }
    const QString configFolder = userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    QDir().mkpath(configFolder);
    QDir().mkpath(stateFolder);
    return {settingsPath(configFolder),
            settingsPath(programFolder),
            stateFolder,
            {stateFolder, programFolder}};
}
