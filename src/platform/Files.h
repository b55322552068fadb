#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>

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

// A path in the file system's own bytes as a path Qt can open: the same path
// when the system's encoding carries it. Otherwise the file is reached
// through a folder, among the user's runtime files, of links of readable
// names (the characters the encoding cannot carry as "_") to everything in
// its folder, so that the files beside it are reached too.
QString pathFromNative(const QByteArray& nativePath);

// pathFromNative() of a path given by the user, a relative one taken against
// the current folder.
QString openablePath(const QByteArray& nativePath);

// The file system's own bytes of a path, also of one that pathFromNative()
// made a link for; empty when that link is gone, since the link's own path
// means nothing after this run.
QByteArray nativePath(const QString& path);

// A path as the user knows it, for labels and messages: that of the file a
// link of pathFromNative() stands for, any character the encoding cannot
// carry shown as a replacement mark.
QString shownPath(const QString& path);

// The whole of the regular file at `path`; nullopt when there is none or it
// cannot be read to its end.
std::optional<QByteArray> readFileWhole(const QString& path);

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
