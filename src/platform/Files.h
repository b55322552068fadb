#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// True when a file can be made in `folder`: tried, not guessed from its
// permissions, which say nothing of a read-only disk.
bool isWritableFolder(const QString& folder);

// Where temporary files may go, best first: TEMP, then TMPDIR, each when set
// and not empty, then /tmp.
QStringList tempFolders();

// The program's arguments joined by single spaces, as the system gave them.
QByteArray joinedArguments(int argc, char** argv);

// A path given in the file system's own bytes (a relative one taken against
// the current folder) as a path Qt can open. A name the system's encoding
// cannot carry is reached through a link of a readable name among the
// user's runtime files.
QString openablePath(QByteArray nativePath);

// Replaces `path` whole with `data`: written to a sibling file and renamed
// over the old one, so a crash or a full disk never leaves a half-written
// file. On failure the old file is left as it was, false is returned and
// `reason` says why in plain words.
bool writeFileWhole(const QString& path, const QByteArray& data, QString* reason = nullptr);

// Writes `data` to a new file at `path`, never over an existing one. On
// failure nothing is left behind, false is returned and `reason` says why.
bool writeNewFile(const QString& path, const QByteArray& data, QString* reason = nullptr);

// Writes all `size` bytes to an open file descriptor, carrying on after
// interrupted or partial writes. Returns false on the first real error.
bool writeAll(int fd, const char* data, size_t size);
