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

Storage Storage::forProgramFolder(const QString& programFolder, Folder kind) {
    const QString stateFolder = userFolder("XDG_STATE_HOME", QStringLiteral("/.local/state"));
    if (kind == Folder::Portable && isWritableFolder(programFolder)) {
        return {settingsPath(programFolder),
                QString(),
                programFolder,
                {programFolder, stateFolder},
                {programFolder}};
    }
    const QString configFolder = userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    QDir().mkpath(configFolder);
    QDir().mkpath(stateFolder);
    return {settingsPath(configFolder),
            settingsPath(programFolder),
            stateFolder,
            {stateFolder, programFolder},
            {userFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")), programFolder}};
}

QString Storage::letterArchive() const {
    for (const QString& folder : archiveFolders) {
        const QString archive = findFileAnyCase(folder, QStringLiteral("letters.zip"));
        if (!archive.isEmpty()) return archive;
    }
    return QString();
}
