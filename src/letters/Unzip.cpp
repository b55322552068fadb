#include "letters/Unzip.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <memory>

#include "platform/Files.h"
#include "shared/Globals.h"

namespace {

constexpr int kNameBufferSize = 257;
// The replace callback's answer "replace this and every further file".
constexpr int kReplaceAll = 100;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;
using ZipFileHandle = std::unique_ptr<zip_file_t, ZipFileCloser>;

ZipHandle openArchive(const QString& path) {
    int error = 0;
    ZipHandle archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    return archive;
}

// Makes the folders of a member's folder part below `root`, refusing any that
// is a link, so nothing is ever written outside `root`.
bool makeMemberFolders(const QByteArray& root, const QList<QByteArray>& folderParts) {
    QByteArray path = root;
    for (const QByteArray& part : folderParts) {
        path += '/' + part;
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    }
    return true;
}

// Writes one member to `target` through a new sibling file that is renamed
// over whatever stands there, once the replace callback allows it; an
// existing link at the target is replaced, never followed.
bool extractMember(zip_t* archive, zip_int64_t index, const QByteArray& target,
                   const UnzipCallbacks& callbacks) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) return false;
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(kMaxMemberBytes))
        return false;
    ZipFileHandle member(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!member) return false;

    QByteArray temp = target + ".XXXXXX";
    const int out = ::mkstemp(temp.data());
    if (out < 0) return false;
    bool ok = true;
    int64_t total = 0;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), buffer, sizeof buffer);
        if (got == 0) break;
        total += got;
        if (got < 0 || total > kMaxMemberBytes) {
            ok = false;
            break;
        }
        if (!writeAll(out, buffer, static_cast<size_t>(got))) {
            ok = false;
            break;
        }
    }
    ok = ::close(out) == 0 && ok;
    struct stat existing {};
    if (ok && ::lstat(target.constData(), &existing) == 0) ok = callbacks.Replace() == kReplaceAll;
    if (ok) ok = ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    return ok;
}

// The archive reader: 0 on success.
int listArchive(Globals& globals, const UnzipOptions& options, const UnzipCallbacks& callbacks) {
    ZipHandle archive = openArchive(options.ArchivePath);
    if (!archive) return 1;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name =
            zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (name == nullptr) return 1;
        char buffer[kNameBufferSize] = {};
        std::strncpy(buffer, name, kNameBufferSize - 1);
        callbacks.Message(globals, buffer);
    }
    return 0;
}

int extractArchive(const UnzipOptions& options, const UnzipCallbacks& callbacks,
                   const QStringList& names) {
    ZipHandle archive = openArchive(options.ArchivePath);
    if (!archive) return 1;
    const QByteArray root = QFile::encodeName(options.Folder);
    for (const QString& wanted : names) {
        const QByteArray name = wanted.toLocal8Bit();
        if (!isSafeMemberName(name)) return 1;
        const zip_int64_t index =
            zip_name_locate(archive.get(), name.constData(), ZIP_FL_ENC_GUESS);
        if (index < 0) return 1;
        QList<QByteArray> parts = name.split('/');
        parts.removeLast();
        if (!makeMemberFolders(root, parts)) return 1;
        if (!extractMember(archive.get(), index, root + '/' + name, callbacks)) return 1;
    }
    return 0;
}

}  // namespace

bool isSafeMemberName(const QByteArray& name) {
    if (name.isEmpty() || name.startsWith('/') || name.endsWith('/')) return false;
    const QList<QByteArray> parts = name.split('/');
    for (const QByteArray& part : parts) {
        if (part.isEmpty() || part == "." || part == ".." || part.contains('\\') ||
            part.contains('\0'))
            return false;
    }
    return true;
}

int UnzipPrintCallback() {
    return 0;
}
int UnzipReplaceCallback() {
    return kReplaceAll;
}
int UnzipPasswordCallback() {
    return 1;
}

void UnzipMessageCallback(Globals& globals, const char* nameBuffer) {
    const QString name =
        QString::fromLocal8Bit(nameBuffer, qstrnlen(nameBuffer, kNameBufferSize - 1));
    if (globals.ZipMemberCount >= globals.ZipMemberCapacity - 1) {
        globals.ZipMemberCapacity += 25;
        globals.ZipMemberNames.resize(globals.ZipMemberCapacity + 1);
    }
    globals.ZipMemberNames[globals.ZipMemberCount] = name;
    ++globals.ZipMemberCount;
}

void UnzipRun(Globals& globals, MessageBoxService& messages, const QString& archivePath,
              const QString& folder, int16_t listFlag, int32_t nameCount) {
    UnzipOptions options;
    options.Options[6] = listFlag;
    options.ArchivePath = archivePath;
    options.Folder = folder;
    const UnzipCallbacks callbacks{UnzipPrintCallback, UnzipReplaceCallback, UnzipPasswordCallback,
                                   UnzipMessageCallback};

    int result = 0;
    if (options.listFlag() != 0) {
        result = listArchive(globals, options, callbacks);
    } else {
        QStringList names;
        for (int32_t i = 0; i < nameCount && i < static_cast<int32_t>(globals.IncludeNames.size());
             ++i)
            names << globals.IncludeNames[static_cast<size_t>(i)];
        result = names.isEmpty() ? 1 : extractArchive(options, callbacks, names);
    }
    if (result != 0) messages.show(QStringLiteral("Could not unzip ") + globals.LettersZipPath);
}
