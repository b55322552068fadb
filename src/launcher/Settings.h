#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// What a settings file yielded. Fields are read in order and a field that
// fails stops the reading: the ones before it are present, the rest empty.
struct SettingsRead {
    std::optional<QString> PictureFile;
    std::optional<QString> LetterSetName;
    std::optional<bool> Centered;
    std::optional<int16_t> Check;  // 0 unchecked, 1 checked, 2 grayed
};

// The settings file: "pictype.ini" in the program folder.
QString settingsPath(const QString& programFolder);

// Reads a settings file; a missing or malformed file yields what could be read.
SettingsRead readSettings(const QString& path);
SettingsRead parseSettings(const QByteArray& data);

// The one line of the settings file, ended by CR LF.
QByteArray formatSettings(const QString& pictureFile, const QString& letterSetName, bool centered,
                          int check);

// Replaces the settings file whole; throws std::runtime_error when it cannot
// be written (the old file is then left as it was).
void writeSettings(const QString& path, const QString& pictureFile, const QString& letterSetName,
                   bool centered, int check);
