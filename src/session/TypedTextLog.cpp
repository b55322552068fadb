#include "session/TypedTextLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/Clock.h"
#include "platform/Files.h"

namespace {

const QString kEnter = QStringLiteral(" \r\n");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// Whether a text ends where the next opening's text may follow without a space.
bool endsOpenly(const QString& text) {
    return text.isEmpty() || text.back() == u' ' || text.back() == u'\n';
}

// The lock of a typed-text file, among the user's runtime files.
std::unique_ptr<QLockFile> lockFor(const QString& path) {
    const QString folder = joinPath(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), "pictype-viewer");
    QDir().mkpath(folder);
    const QByteArray key = QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(),
                                                    QCryptographicHash::Sha1);
    return std::make_unique<QLockFile>(joinPath(folder, key.toHex() + ".lock"));
}

}  // namespace

TypedTextLog::TypedTextLog(QString path) : path_(std::move(path)), lock_(lockFor(path_)) {
    lock_->tryLock(0);
}

TypedTextLog::~TypedTextLog() = default;

QString TypedTextLog::freeFileName(const QString& folder, Clock& clock) {
    QString candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate =
            joinPath(folder, QLatin1Char('~') + QString::number(clock.uptimeMilliseconds()));
        // Free only where nothing is: a folder of that name would refuse every write.
        if (!QFileInfo::exists(candidate)) break;
        clock.sleep(2);
    }
    return candidate;
}

qsizetype TypedTextLog::charactersIn(const QByteArray& file) {
    QString text =
        QString::fromUtf8(file.endsWith(kLineEnd) ? file.chopped(kLineEnd.size()) : file);
    return text.replace(kEnter, QStringLiteral("\n")).toUcs4().size();
}

QStringList TypedTextLog::collectLeftovers(const QStringList& folders) {
    static const QRegularExpression name(QStringLiteral("^~-?[0-9]+$"));
    QStringList leftovers;
    for (const QString& folder : folders) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
            if (!name.match(file.fileName()).hasMatch()) continue;
            const std::unique_ptr<QLockFile> lock = lockFor(file.filePath());
            if (!lock->tryLock(0)) continue;  // a running copy's
            if (file.size() > kLineEnd.size())
                leftovers << file.filePath();
            else
                QFile::remove(file.filePath());
        }
    }
    return leftovers;
}

void TypedTextLog::startOpening() {
    if (inOpening_) return;
    inOpening_ = true;
    if (!endsOpenly(text_)) {
        // The joining space is the file's; a clipboard that took everything
        // before it does not start with it.
        if (clipboardStart_ == text_.size()) ++clipboardStart_;
        text_ += u' ';
        changed_ = true;
    }
    openingStart_ = text_.size();
}

void TypedTextLog::typed(const QString& text) {
    startOpening();
    text_ += text;
    changed_ = true;
    ++keysSinceWrite_;
}

void TypedTextLog::type(char32_t character) {
    typed(QString::fromUcs4(&character, 1));
}

void TypedTextLog::typeLineEnd() {
    typed(kEnter);
}

void TypedTextLog::eraseLast() {
    const qsizetype typedNow = text_.size() - openingStart_;
    if (!inOpening_ || typedNow == 0) return;
    if (!text_.endsWith(QLatin1Char('\n')))
        text_.chop(text_.back().isLowSurrogate() && typedNow > 1 ? 2 : 1);  // one character
    else if (typedNow > 2)
        text_.chop(kEnter.size());
    changed_ = true;
}

bool TypedTextLog::write(QString* reason) {
    if (!changed_) return true;
    if (!writeFileWhole(path_, text_.toUtf8() + kLineEnd, reason)) return false;
    changed_ = false;
    keysSinceWrite_ = 0;
    return true;
}

bool TypedTextLog::closeOpening(QString* reason) {
    startOpening();
    inOpening_ = false;
    return write(reason);
}

QString TypedTextLog::takeClipboardText() {
    const QString taken = clipboardText();
    clipboardStart_ = text_.size();
    return taken;
}

bool TypedTextLog::saveAs(const QString& target, QString* reason) {
    if (!writeNewFile(target, text_.toUtf8() + kLineEnd, reason)) return false;
    remove();
    return true;
}

bool TypedTextLog::remove() const {
    return QFile::remove(path_) || !QFileInfo::exists(path_);
}
