#include "session/Settings.h"

#include <QFile>

#include "letters/FieldReader.h"
#include "platform/Files.h"

namespace {

// The file counts the key clicks 0 off, 1 on, 2 greyed; Qt numbers on and
// greyed (partially checked) the other way round.
Qt::CheckState keyClicksFromStored(int64_t stored) {
    return stored == 1 ? Qt::Checked : stored == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}
int storedFromKeyClicks(Qt::CheckState state) {
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

QByteArray quoted(QByteArray text) {
    return '"' + text.replace('"', "\"\"") + '"';
}

}  // namespace

QString settingsPath(const QString& programFolder) {
    return joinPath(programFolder, QStringLiteral("pictype.ini"));
}

void Settings::parse(const QByteArray& data, const QString& programFolder) {
    FieldReader reader(data, FieldReader::Quotes::Doubled);
    try {
        const QByteArray picture = reader.readBytes().toByteArray();
        const QByteArray folder = picture.isEmpty() || picture.startsWith('/')
                                      ? QByteArray()
                                      : QFile::encodeName(joinPath(programFolder, QString()));
        storedPicture = {picture, pathFromNative(folder + picture)};
        pictureFile = storedPicture.path;
        letterSetName = reader.readString();
        const FieldValue centeredField = reader.readValue();
        const FieldValue keyClicksField = reader.readValue();
        centered = toTruth(centeredField);
        keyClicks = keyClicksFromStored(toInteger(keyClicksField, 0, 2));
    } catch (const FieldError&) {
        // What was read before the fault stays.
    }
}

QByteArray Settings::format() const {
    const QByteArray picture =
        pictureFile == storedPicture.path ? storedPicture.field : nativePath(pictureFile);
    return quoted(picture) + ',' + quoted(letterSetName.toLocal8Bit()) + ',' +
           (centered ? "#TRUE#" : "#FALSE#") + ',' +
           QByteArray::number(storedFromKeyClicks(keyClicks)) + "\r\n";
}

void Settings::load(const QString& path, const QString& programFolder) {
    if (const std::optional<QByteArray> data = readFileWhole(path)) parse(*data, programFolder);
}

bool Settings::save(const QString& path) const {
    return writeFileWhole(path, format());
}
