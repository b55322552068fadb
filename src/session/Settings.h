#pragma once

#include <QByteArray>
#include <QString>
#include <Qt>

// The choices the launcher remembers from one run to the next. They live in
// "pictype.ini" in the program folder: one line of four comma-separated
// fields, "picture","letter set",#TRUE# or #FALSE# for centred, and 0, 1 or
// 2 for the key clicks (off, on, greyed), ended by CR LF. A double quote in
// a quoted field is doubled.
struct Settings {
    QString pictureFile;
    QString letterSetName;
    bool centered = true;
    Qt::CheckState keyClicks = Qt::Unchecked;
    // The picture's field as the file held it and the path it was taken as:
    // written back as it stood while the picture stays that path, so that a
    // relative path stays relative and bytes no path carries come back.
    struct StoredPicture {
        QByteArray field;
        QString path;
    } storedPicture = {};

    // Reads a settings file over these values. A relative picture path is
    // taken from the program folder, where the program once ran. A file that
    // ends early or holds a malformed field keeps what was read before the
    // fault; the centred and key-click fields are taken only when both are there.
    void parse(const QByteArray& data, const QString& programFolder);
    QByteArray format() const;

    // A missing or unreadable file leaves the values as they are.
    void load(const QString& path, const QString& programFolder);
    // Replaces the file whole; false (the old file untouched) on failure.
    bool save(const QString& path) const;
};

// The settings file of a program folder.
QString settingsPath(const QString& programFolder);
