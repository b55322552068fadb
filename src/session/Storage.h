#pragma once

#include <QString>
#include <QStringList>

// Where the settings, the typed text and the letter sets live. A program
// folder its user laid out and can write holds all three, as it always has.
// Otherwise (read-only media, someone else's folder, the folder the Debian
// package installs for all users) the settings and the text go to the user's
// own folders: $XDG_CONFIG_HOME/pictype-viewer/pictype.ini and
// $XDG_STATE_HOME/pictype-viewer/. Such a folder's letters.zip cannot take
// the user's own sets either, so a copy the user keeps in
// $XDG_DATA_HOME/pictype-viewer/ comes first.
struct Storage {
    // An installed program folder belongs to the package manager: it is never
    // written, not even by root, who could, since removing the package would
    // leave those files behind.
    enum class Folder { Portable, Installed };

    QString settingsFile;        // read and written
    QString shippedSettings;     // read when settingsFile is not there yet; may be empty
    QString textFolder;          // where the typed-text files "~<number>" go
    QStringList textFolders;     // every folder a file of an earlier run may be in
    QStringList archiveFolders;  // where letters.zip is looked for, best first

    static Storage forProgramFolder(const QString& programFolder, Folder kind);

    // The letters.zip, under any letter case, of the first of archiveFolders
    // that has one; empty when none has.
    QString letterArchive() const;
};
