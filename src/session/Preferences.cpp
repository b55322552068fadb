#include "session/Preferences.h"

#include <QFileInfo>
#include <array>
#include <utility>

#include "platform/Files.h"

namespace {

// Each choice by its name in the file.
constexpr std::array kChoices = {std::pair{"lock", &Preferences::lockCanvas},
                                 std::pair{"speak", &Preferences::speak}};

}  // namespace

void Preferences::parse(const QByteArray& data) {
    for (const QByteArray& line : data.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) continue;
        const QByteArray name = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (value != "true" && value != "false") continue;
        for (const auto& [choice, member] : kChoices)
            if (name == choice) this->*member = value == "true";
    }
}

QByteArray Preferences::format() const {
    QByteArray text;
    for (const auto& [choice, member] : kChoices)
        text += QByteArray(choice) + '=' + (this->*member ? "true" : "false") + '\n';
    return text;
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
