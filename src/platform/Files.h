#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

// Files and folders as the program sees them.

// The folder that holds the program file.
QString programFolder();

// folder + name, inserting "/" only when the folder does not already end with one.
QString joinPath(const QString& folder, const QString& name);

// The path of the file `name` inside `folder`, whatever the letter case of
// its name on disk; empty when there is none. An exact match wins.
QString findFileAnyCase(const QString& folder, const QString& name);

// True when `path` names an existing regular file (not a folder).
bool isRegularFile(const QString& path);

// The value of TEMP when set and not empty; otherwise the platform's
// temporary folder (TMPDIR, then /tmp).
QString tempFolder();

// The program's arguments joined by single spaces.
QString joinedArguments(int argc, char** argv);

// Replaces `path` whole with `data`: written to a sibling file and renamed
// over the old one, so a crash or a full disk never leaves a half-written
// file. Returns false (and leaves the old file untouched) on any failure.
bool writeFileWhole(const QString& path, const QByteArray& data);

// Writes all `size` bytes to an open file descriptor, carrying on after
// interrupted or partial writes. Returns false on the first real error.
bool writeAll(int fd, const char* data, size_t size);

// Moves a file to `target` without ever replacing an existing file, also
// across file systems. Returns false and leaves both files as they were on
// failure.
bool moveWithoutReplacing(const QString& source, const QString& target);
