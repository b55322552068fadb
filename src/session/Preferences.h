#pragma once

#include <QByteArray>
#include <QString>

// The choices this program keeps beyond the four fields of pictype.ini,
// which stays exactly as it always was. They live in "pictype-viewer.conf"
// in the same folder: one "name=value" a line. Lines that are not
// understood are passed over, and a choice that is missing or has a value
// that is not understood keeps its default.
struct Preferences {
    // The canvas holds the keyboard and the pointer, and only Esc held down
    // leaves it.
    bool lockCanvas = false;
    // Typed letters and words are said aloud.
    bool speak = false;

    void parse(const QByteArray& data);
    QByteArray format() const;

    // A missing or unreadable file leaves the values as they are.
    void load(const QString& path);
    // Replaces the file whole; false (the old file untouched) on failure.
    bool save(const QString& path) const;
};

// The preferences file that goes with a settings file: beside it.
QString preferencesPath(const QString& settingsFile);
