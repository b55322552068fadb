#include "launcher/Settings.h"

#include <QFile>
#include <stdexcept>

#include "platform/Files.h"
#include "shared/FieldReader.h"

QString settingsPath(const QString& programFolder) {
    return joinFolder(programFolder, QStringLiteral("pictype.ini"));
}

SettingsRead parseSettings(const QByteArray& data) {
    SettingsRead read;
    FieldReader reader(data);
    try {
        read.PictureFile = reader.readString();
        read.LetterSetName = reader.readString();
        const FieldValue centered = reader.readValue();
        const FieldValue check = reader.readValue();
        read.Centered = toTruth(centered);
        read.Check = static_cast<int16_t>(toInteger(check, 0, 2));
    } catch (const FieldError&) {
        // A short or malformed file keeps what was read before the fault.
    }
    return read;
}

SettingsRead readSettings(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parseSettings(file.readAll());
}

QByteArray formatSettings(const QString& pictureFile, const QString& letterSetName, bool centered,
                          int check) {
    return '"' + pictureFile.toLocal8Bit() + "\",\"" + letterSetName.toLocal8Bit() + "\"," +
           (centered ? "#TRUE#" : "#FALSE#") + ',' + QByteArray::number(check) + "\r\n";
}

void writeSettings(const QString& path, const QString& pictureFile, const QString& letterSetName,
                   bool centered, int check) {
    if (!writeFileWhole(path, formatSettings(pictureFile, letterSetName, centered, check)))
        throw std::runtime_error("Could not write " + path.toStdString());
}
