#include "session/Preferences.h"

#include <QFileInfo>

#include "platform/Files.h"

void Preferences::parse(const QByteArray& data) {
    for (const QByteArray& line : data.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) continue;
        const QByteArray name = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (name == "lock" && (value == "true" || value == "false")) lockCanvas = value == "true";
    }
}

QByteArray Preferences::format() const {
    return QByteArray("lock=") + (lockCanvas ? "true" : "false") + '\n';
}

void Preferences::load(const QString& path) {
    if (const std::optional<QByteArray> data = readFileWhole(path)) parse(*data);
}

bool Preferences::save(const QString& path) const {
    return writeFileWhole(path, format());
}

QString preferencesPath(const QString& settingsFile) {
    return joinPath(QFileInfo(settingsFile).path(), QStringLiteral("pictype-viewer.conf"));
}
