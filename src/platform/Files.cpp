#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Where the links of pathFromNative() go, a folder for each folder linked to.
QString nameLinksFolder() {
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                    QStringLiteral("pictype-viewer/names"));
}

// A relative path taken against the current folder.
QByteArray againstCurrentFolder(QByteArray path) {
    if (path.startsWith('/')) return path;
    char* here = ::getcwd(nullptr, 0);
    path.prepend(QByteArray(here ? here : ".") + '/');
    ::free(here);
    return path;
}

QString readableName(const QByteArray& name) {
    return QFile::decodeName(name).replace(QChar::ReplacementCharacter, u'_');
}

// A failed write's cause as a person would put it.
QString reasonFor(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QCoreApplication::translate("Files", "the disk is full");
        case EACCES:
        case EPERM:
        case EROFS:
            return QCoreApplication::translate("Files", "there is no permission to write there");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Writes everything to `fd`, makes it durable and closes it; on failure the
// reason is kept and the file at `path` removed.
bool finishFile(int fd, const QByteArray& path, const QByteArray& data, QString* reason) {
    int error = 0;
    if (!writeAll(fd, data.constData(), static_cast<size_t>(data.size())) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0) return true;
    if (reason) *reason = reasonFor(error);
    ::unlink(path.constData());
    return false;
}

}  // namespace

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString findFileAnyCase(const QString& folder, const QString& name) {
    const QString exact = joinPath(folder, name);
    if (isRegularFile(exact)) return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return joinPath(folder, entry);
    }
    return QString();
}

bool isRegularFile(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool isWritableFolder(const QString& folder) {
    QTemporaryFile probe(joinPath(folder, QStringLiteral(".pictype-XXXXXX")));
    return probe.open();
}

QStringList tempFolders() {
    QStringList folders;
    for (const char* variable : {"TEMP", "TMPDIR"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty()) folders << folder;
    }
    return folders << QStringLiteral("/tmp");
}

QByteArray joinedArguments(int argc, char** argv) {
    QByteArrayList args;
    for (int i = 1; i < argc; ++i) args << QByteArray(argv[i]);
    return args.join(' ');
}

QString pathFromNative(const QByteArray& nativePath) {
    const QString decoded = QFile::decodeName(nativePath);
    if (QFile::encodeName(decoded) == nativePath) return decoded;
    const qsizetype nameStart = nativePath.lastIndexOf('/') + 1;
    const QByteArray folder = againstCurrentFolder(nativePath.left(nameStart));
    // Made afresh, so that it holds what the folder holds now.
    const QString links = joinPath(nameLinksFolder(), QString::number(qHash(folder), 16));
    QDir(links).removeRecursively();
    QDir().mkpath(links);
    if (DIR* entries = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(entries)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..") continue;
            // A second name that reads as one linked already is left out.
            [[maybe_unused]] const int linked =
                ::symlink((folder + name).constData(),
                          QFile::encodeName(joinPath(links, readableName(name))).constData());
        }
        ::closedir(entries);
    }
    return joinPath(links, readableName(nativePath.mid(nameStart)));
}

QString openablePath(const QByteArray& nativePath) {
    return nativePath.isEmpty() ? QString() : pathFromNative(againstCurrentFolder(nativePath));
}

QByteArray nativePath(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    if (!path.startsWith(nameLinksFolder() + QLatin1Char('/'))) return bytes;
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(bytes.constData(), target.data(), size_t(target.size()));
    return size > 0 ? target.left(size) : QByteArray();
}

QString shownPath(const QString& path) {
    const QByteArray native = nativePath(path);
    return native.isEmpty() ? path : QFile::decodeName(native);
}

std::optional<QByteArray> readFileWhole(const QString& path) {
    QFile file(path);
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return data;
}

bool writeFileWhole(const QString& path, const QByteArray& data, QString* reason) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray sibling = target + ".XXXXXX";
    const int fd = ::mkstemp(sibling.data());
    if (fd < 0) {
        if (reason) *reason = reasonFor(errno);
        return false;
    }
    // The file keeps its permissions; a new one gets the usual ones, not
    // mkstemp's private ones.
    struct stat existing {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd,
             ::stat(target.constData(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask);
    if (!finishFile(fd, sibling, data, reason)) return false;
    if (::rename(sibling.constData(), target.constData()) != 0) {
        if (reason) *reason = reasonFor(errno);
        ::unlink(sibling.constData());
        return false;
    }
    return true;
}

bool writeNewFile(const QString& path, const QByteArray& data, QString* reason) {
    const QByteArray target = QFile::encodeName(path);
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (reason) *reason = reasonFor(errno);
        return false;
    }
    return finishFile(fd, target, data, reason);
}

bool writeAll(int fd, const char* data, size_t size) {
    for (size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(put);
    }
    return true;
}
