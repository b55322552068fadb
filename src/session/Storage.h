#pragma once

#include <QString>
#include <QStringList>

// Where the settings and the typed text live. A program folder that can be
// written holds both, as it always has; one that cannot (installed for all
// users, read-only media) leaves them to the user's own folders:
// $XDG_CONFIG_HOME/pictype-viewer/pictype.ini and $XDG_STATE_HOME/pictype-viewer/.
struct Storage {
    QString settingsFile;     // read and written
    QString shippedSettings;  // read when settingsFile is not there yet; may be empty
    QString textFolder;       // where the typed-text files "~<number>" go
    QStringList textFolders;  // every folder a file of an earlier run may be in

    static Storage forProgramFolder(const QString& programFolder);
};
