#pragma once

#include <QString>
#include <cstdint>

#include "platform/MessageBox.h"

struct Globals;

// The option record of one archive call. Only the list flag and the two
// paths mean anything to this program; the other options are always 0.
struct UnzipOptions {
    int32_t Options[15] = {};  // index 6 is the list flag: 1 lists, 0 extracts
    QString ArchivePath;
    QString Folder;
    int32_t listFlag() const { return Options[6]; }
};

// What the archive reader calls back while it works.
struct UnzipCallbacks {
    int (*Print)();
    int (*Replace)();
    int (*Password)();
    void (*Message)(Globals& globals, const char* nameBuffer);
};

// Largest member the program will extract; a letter set is far smaller.
inline constexpr int64_t kMaxMemberBytes = 64LL * 1024 * 1024;

// True when a member name can only lead to a file below the folder it is
// extracted to: relative, no "." or ".." component, no backslash.
bool isSafeMemberName(const QByteArray& name);

// Lists the members of the archive (listFlag 1) into ZipMemberNames, or
// extracts the first nameCount members named in IncludeNames into `folder`
// (listFlag 0). Any failure shows "Could not unzip " + LettersZipPath once;
// the caller is not told.
void UnzipRun(Globals& globals, MessageBoxService& messages, const QString& archivePath,
              const QString& folder, int16_t listFlag, int32_t nameCount);

int UnzipPrintCallback();
int UnzipReplaceCallback();
int UnzipPasswordCallback();
// Stores one member name (a NUL-terminated buffer of 257 bytes, of which at
// most 256 are read) at the end of ZipMemberNames, growing it by 25 entries
// before it can overflow.
void UnzipMessageCallback(Globals& globals, const char* nameBuffer);
