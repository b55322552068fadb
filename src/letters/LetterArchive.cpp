#include "letters/LetterArchive.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <memory>

#include "platform/Files.h"

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;
using ZipFileHandle = std::unique_ptr<zip_file_t, ZipFileCloser>;

ZipHandle openArchive(const QString& path) {
    return ZipHandle(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr));
}

// Makes the folders of a member's folder part below `root`, refusing any that
// is a link, so nothing is ever written outside `root`.
bool makeMemberFolders(QByteArray path, const QList<QByteArray>& folderParts) {
    for (const QByteArray& part : folderParts) {
        path += '/' + part;
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    }
    return true;
}

// Writes one member to `target` through a new sibling file that is renamed
// over whatever stands there: an existing link at the target is replaced,
// never followed.
bool extractMember(zip_t* archive, zip_int64_t index, const QByteArray& target) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) return false;
    if ((stat.valid & ZIP_STAT_SIZE) &&
        stat.size > static_cast<zip_uint64_t>(LetterArchive::kMaxMemberBytes))
        return false;
    ZipFileHandle member(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!member) return false;

    QByteArray temp = target + ".XXXXXX";
    const int out = ::mkstemp(temp.data());
    if (out < 0) return false;
    bool ok = true;
    qint64 total = 0;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), buffer, sizeof buffer);
        if (got == 0) break;
        total += got;
        if (got < 0 || total > LetterArchive::kMaxMemberBytes ||
            !writeAll(out, buffer, static_cast<size_t>(got))) {
            ok = false;
            break;
        }
    }
    ok = ::close(out) == 0 && ok;
    if (ok) ok = ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    return ok;
}

}  // namespace

bool isSafeMemberName(const QByteArray& name) {
    if (name.isEmpty() || name.startsWith('/') || name.endsWith('/')) return false;
    for (const QByteArray& part : name.split('/')) {
        if (part.isEmpty() || part == "." || part == ".." || part.contains('\\') ||
            part.contains('\0'))
            return false;
    }
    return true;
}

LetterArchive::Listing LetterArchive::list() const {
    Listing listing;
    const ZipHandle archive = openArchive(path_);
    if (!archive) return listing;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name =
            zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (name == nullptr) return listing;
        // Folders, and names that could lead elsewhere, which could never be read.
        if (isSafeMemberName(name)) listing.names << QString::fromLocal8Bit(name);
    }
    listing.complete = true;
    return listing;
}

bool LetterArchive::extract(const QString& member, const QString& folder) const {
    const QByteArray name = member.toLocal8Bit();
    if (!isSafeMemberName(name)) return false;
    const ZipHandle archive = openArchive(path_);
    if (!archive) return false;
    const zip_int64_t index = zip_name_locate(archive.get(), name.constData(), ZIP_FL_ENC_GUESS);
    if (index < 0) return false;
    const QByteArray root = QFile::encodeName(folder);
    QList<QByteArray> folders = name.split('/');
    folders.removeLast();
    return makeMemberFolders(root, folders) &&
           extractMember(archive.get(), index, root + '/' + name);
}

std::optional<QByteArray> LetterArchive::read(const QString& member) const {
    // A folder of our own, readable only by us, so nobody else can plant a
    // link where the member lands or swap the file before it is read; in
    // the first temporary folder that takes one.
    QString folder;
    for (const QString& candidate : tempFolders()) {
        QByteArray made = QFile::encodeName(joinPath(candidate, "pictype-XXXXXX"));
        if (::mkdtemp(made.data()) != nullptr) {
            folder = QFile::decodeName(made);
            break;
        }
    }
    if (folder.isEmpty()) return std::nullopt;
    std::optional<QByteArray> content;
    if (extract(member, folder)) content = readFileWhole(joinPath(folder, member));
    QDir(folder).removeRecursively();
    return content;
}
