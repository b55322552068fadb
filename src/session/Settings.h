#pragma once

#include <QByteArray>
#include <QString>
#include <Qt>

// The choices the launcher remembers from one run to the next. They live in
// "pictype.ini" in the program folder: one line of four comma-separated
// fields, "picture","letter set",#TRUE# or #FALSE# for centred, and 0, 1 or
// 2 for the key clicks (off, on, greyed), ended by CR LF.
struct Settings {
    QString pictureFile;
    QString letterSetName;
    bool centered = true;
    Qt::CheckState tinks = Qt::Unchecked;

    // Reads a settings file over these values. A file that ends early or
    // holds a malformed field keeps what was read before the fault; the
    // centred and key-click fields are taken only when both are there.
    void parse(const QByteArray& data);
    QByteArray format() const;

    // A missing or unreadable file leaves the values as they are.
    void load(const QString& path);
    // Replaces the file whole; false (the old file untouched) on failure.
    bool save(const QString& path) const;
};

// The settings file of a program folder.
QString settingsPath(const QString& programFolder);
